// The steps that the dialogue and the batch run share: generating with its
// waiting line, showing the grid, and saving with its outcome line.
#ifndef HARAVOIJA_APP_PUZZLE_STEPS_H_
#define HARAVOIJA_APP_PUZZLE_STEPS_H_

#include <string>
#include <string_view>
#include <vector>

#include "app/environment.h"
#include "app/puzzle_settings.h"
#include "puzzle/generation.h"
#include "puzzle/grid.h"

namespace haravoija {

// Replaces `grid` with a new puzzle made by the generation run with the
// settings, after an empty line and the waiting line. With no words it
// prints nothing, leaves the grid alone and returns kNoWords.
[[nodiscard]] BuildResult generatePuzzle(Grid& grid, const std::vector<std::string>& words,
                                         const PuzzleSettings& settings, Environment& env);

// Prints the console view of the grid.
void showGrid(const Grid& grid, Console& console);

// Saves the document under the stem and prints where it went, or that it
// could not be saved, and an empty line.
void savePuzzle(const Grid& grid, std::string_view stem, std::string_view title, Environment& env);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_PUZZLE_STEPS_H_
