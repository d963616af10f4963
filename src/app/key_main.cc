// Entry point of haravoija-ratkaisu: the answer-key command on the real
// terminal and disk.
#include "app/key_program.h"
#include "app/page_command.h"

int main(int argc, char** argv) {
  return haravoija::runOnTerminal(haravoija::runKeyProgram, argc, argv);
}
