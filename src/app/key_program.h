// The answer-key command: saved puzzle pages in, a printable key page for
// each out, and the key on the console or as JSON.
#ifndef HARAVOIJA_APP_KEY_PROGRAM_H_
#define HARAVOIJA_APP_KEY_PROGRAM_H_

#include <string>
#include <vector>

#include "app/page_command.h"

namespace haravoija {

using KeyEnvironment = PageCommandEnvironment;

inline constexpr int kKeyDone = kPagesDone;
inline constexpr int kKeyPageFailed = kSomePageFailed;
inline constexpr int kKeyUsageError = kUsageError;

// The text of -h and --help (CP850, lines ending in "\n").
std::string keyHelpText();

// Runs the command on its arguments (element 0 the program name; the rest
// as bytes from the command line, file names as they are on disk). Each
// page that fails gets one line on the error console and the others are
// still done.
int runKeyProgram(const std::vector<std::string>& args, KeyEnvironment& env);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_KEY_PROGRAM_H_
