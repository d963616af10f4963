// Entry point of haravoija-peli: the play command on the real terminal and disk.
#include "app/page_command.h"
#include "app/play_program.h"

int main(int argc, char** argv) {
  return haravoija::runOnTerminal(haravoija::runPlayProgram, argc, argv);
}
