// Entry point of haravoija-ratkaisu: wires the real terminal and disk to the
// answer-key command.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/console.h"
#include "app/key_program.h"
#include "text/charset.h"
#include "env/file_system.h"

int main(int argc, char** argv) {
  // A closed output pipe must not kill the program; console write errors are ignored.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  const haravoija::Charset charset = haravoija::detectConsoleCharset();
  haravoija::Console console(std::cin, std::cout, charset);
  haravoija::Console errors(std::cin, std::cerr, charset);
  haravoija::PosixFileSystem files;
  haravoija::KeyEnvironment env{console, errors, files};
  const std::vector<std::string> args(argv, argv + argc);
  return haravoija::runKeyProgram(args, env);
}
