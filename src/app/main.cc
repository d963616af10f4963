// Entry point: wires the real terminal to the program.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/console.h"
#include "app/environment.h"
#include "app/line_editor.h"
#include "app/program.h"
#include "env/file_system.h"
#include "env/random_source.h"
#include "text/charset.h"

int main(int argc, char** argv) {
  // A closed output pipe must not kill the program; console write errors are ignored.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  haravoija::Console console(std::cin, std::cout, haravoija::detectConsoleCharset());
  // Only a person at a terminal gets line editing; piped input stays plain.
  if (::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO)) {
    (void)haravoija::useTerminalLineEditor(console);
  }
  haravoija::PosixFileSystem files;
  haravoija::PlatformRandom random;
  haravoija::Environment env{console, files, random};
  std::vector<std::string> args(argv, argv + argc);
  return haravoija::runProgram(args, env);
}
