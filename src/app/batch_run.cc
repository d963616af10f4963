// The batch run: one word file in, out.html out, no questions asked.
#include "app/batch_run.h"

#include <string>

#include "app/dialogue_texts.h"
#include "output/document.h"
#include "output/grid_view.h"
#include "puzzle/fill.h"
#include "puzzle/generation.h"
#include "puzzle/grid.h"
#include "text/random_draw.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija {

namespace {

// The name must be at least 4 bytes and hold ".txt" or ".html" somewhere;
// the search is case-sensitive and not tied to the end of the name.
bool acceptableWordFileName(std::string_view name) {
  return name.size() >= 4 && (name.find(".txt") != std::string_view::npos ||
                              name.find(".html") != std::string_view::npos);
}

}  // namespace

void runBatch(std::istream& file, std::string_view argument, Console& console) {
  if (!acceptableWordFileName(argument)) {
    console.line("VIRHE: Anna kunnollinen tiedostonimi.");
    console.line("Tiedostonimen p\204\204te tulee olla .txt tai .html.");
    console.write("> ");
    return;
  }
  const WordFileMode mode =
      argument.find(".txt") != std::string_view::npos ? WordFileMode::kPlain : WordFileMode::kHtml;
  WordList words;
  importBatchFile(file, mode, words, console);
  // Generation needs at least one word.
  if (words.empty()) {
    console.line("VIRHE: Tiedostossa ei ollut yht\204\204n kelvollista sanaa.");
    console.line(kGoodbyeLine);
    return;
  }
  seedFromClock();
  console.emptyLine();
  words.sortLongestFirst();
  Grid grid = create(1, 1);
  // At the smallest size every word is placed, so nothing is left out.
  (void)buildGrid(grid, words.words(), false, Sizing::kSmallest, 1, 1, console);
  fillRandom(grid);
  showGrid(grid, console);
  writePuzzleDocument(grid, "out", console.toProgramText(argument), console);
  console.line(kGoodbyeLine);
}

}  // namespace haravoija
