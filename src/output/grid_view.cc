// Text of the console grid view.
#include "output/grid_view.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace haravoija {
namespace {

// Two characters per cell must fit in the console's 80 columns with room to
// spare; wider grids are only summarised.
constexpr int kWidestShownGrid = 35;

}  // namespace

std::string gridView(const Grid& grid) {
  const int columns = grid.columnCount();
  std::string text;
  if (columns > kWidestShownGrid) {
    text += "\nSanaristikko ei mahdu ruudulle.\n\n";
  } else {
    const std::string rule(static_cast<std::size_t>(std::max(0, 2 * columns - 1)), '-');
    text += rule + "\n";
    for (const std::string& row : grid.rows) {
      for (char cell : row) {
        text += cell;
        text += ' ';
      }
      text += '\n';
    }
    text += rule + "\n\n";
  }
  text += "(ristikon koko: " + std::to_string(grid.rowCount()) + "x" + std::to_string(columns) +
          ", ristikossa " + std::to_string(grid.placedWords.size()) + " sanaa)\n\n";
  return text;
}

}  // namespace haravoija
