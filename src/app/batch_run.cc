// The batch run: one word file in, out.html out, no questions asked.
#include "app/batch_run.h"

#include "app/messages.h"
#include "app/puzzle_steps.h"
#include "app/word_import.h"
#include "puzzle/fill.h"
#include "words/import_command.h"
#include "words/word_list.h"

namespace haravoija {

void runBatch(InputFile& file, std::string_view argument, Environment& env) {
  Console& console = env.console;
  if (argument.size() < 4 || !namesWordFile(argument)) {
    console.lines(kBadWordFileName);
    console.write("> ");
    return;
  }
  WordList words;
  importBatchWords(file, wordFileModeOf(argument), words, console);
  // Generation needs at least one word.
  if (words.empty()) {
    console.line("VIRHE: Tiedostossa ei ollut yht\204\204n kelvollista sanaa.");
    console.line(kGoodbyeLine);
    return;
  }
  env.random.seedFromClock();
  console.emptyLine();
  words.sortLongestFirst();
  Grid grid;
  // At the smallest size every word is placed, so nothing is left out.
  (void)generatePuzzle(grid, words.words(), PuzzleSettings{}, env);
  fillRandom(grid, env.random);
  showGrid(grid, console);
  savePuzzle(grid, "out", console.toProgramText(argument), env);
  console.line(kGoodbyeLine);
}

}  // namespace haravoija
