// The play command: saved puzzle pages in, a page for each that is solved
// in the browser out.
#ifndef HARAVOIJA_APP_PLAY_PROGRAM_H_
#define HARAVOIJA_APP_PLAY_PROGRAM_H_

#include <string>
#include <vector>

#include "app/page_command.h"

namespace haravoija {

// The text of -h and --help (CP850, lines ending in "\n").
std::string playHelpText();

// Runs the command on its arguments (element 0 the program name; the rest
// as bytes from the command line, file names as they are on disk): writes
// NAME-peli.html beside each page, or the file of -o. Each page that fails
// gets one line on the error console and the others are still done. The
// exit statuses are those of page_command.h.
int runPlayProgram(const std::vector<std::string>& args, PageCommandEnvironment& env);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_PLAY_PROGRAM_H_
