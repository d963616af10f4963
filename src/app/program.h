// The program's command line: dialogue, help, error text or batch run.
#ifndef HARAVOIJA_APP_PROGRAM_H_
#define HARAVOIJA_APP_PROGRAM_H_

#include <string>
#include <vector>

#include "app/environment.h"

namespace haravoija {

// The help text shown for -h, -H, --help, -? and /?.
std::string helpText();
// The text shown for an unreadable file or too many arguments.
std::string commandLineErrorText();

// Runs the program on its arguments (element 0 the program name, as bytes
// from the command line). Always returns 0, the exit status.
int runProgram(const std::vector<std::string>& args, Environment& env);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_PROGRAM_H_
