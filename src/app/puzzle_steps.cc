// Generating, showing and saving a puzzle, with what the user sees of each.
#include "app/puzzle_steps.h"

#include "output/document.h"
#include "output/grid_view.h"
#include "text/letters.h"

namespace haravoija {

BuildResult generatePuzzle(Grid& grid, const std::vector<std::string>& words,
                           const PuzzleSettings& settings, Environment& env) {
  if (words.empty()) return {BuildResult::Status::kNoWords, {}, 0, {}};
  env.console.emptyLine();
  env.console.line("Odota. Luodaan sanaristikko annetuista sanoista...");
  // A new puzzle: nothing of the last one, its hidden phrase least of all,
  // may carry over. The run sizes the grid itself.
  grid = Grid{};
  return buildGrid(grid, words, settings.children, settings.sizing, settings.rows, settings.columns,
                   env.random);
}

void showGrid(const Grid& grid, Console& console) { console.lines(gridView(grid)); }

void savePuzzle(const Grid& grid, std::string_view stem, std::string_view title, Environment& env) {
  if (writePuzzleDocument(env.files, grid, stem, title, env.console.charset())) {
    // The message names the file in small letters, whatever its case on disk.
    std::string shownName;
    for (char c : std::string(stem) + ".html") {
      shownName += static_cast<char>(toLowerLetter(static_cast<unsigned char>(c)));
    }
    env.console.line("Ruudukko tallennettu tiedostoon " + shownName + ".");
  } else {
    env.console.line("Tulosten talletus tiedostoon ei onnistunut!");
  }
  env.console.emptyLine();
}

}  // namespace haravoija
