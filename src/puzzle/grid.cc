// Grid storage and its resizing rules.
#include "puzzle/grid.h"

#include <algorithm>

namespace haravoija {

int Grid::emptyCellCount() const {
  int count = 0;
  for (const std::string& row : rows) {
    count += static_cast<int>(std::count(row.begin(), row.end(), kEmptyCell));
  }
  return count;
}

void Grid::reset(int rowCount, int columnCount) {
  rows.assign(static_cast<std::size_t>(rowCount),
              std::string(static_cast<std::size_t>(columnCount), kEmptyCell));
  placedWords.clear();
}

void Grid::clear() { reset(rowCount(), columnCount()); }

void Grid::grow() {
  if (rowCount() < columnCount()) {
    rows.emplace_back(static_cast<std::size_t>(columnCount()), kEmptyCell);
  } else {
    for (std::string& row : rows) row.push_back(kEmptyCell);
  }
}

Grid create(int rowCount, int columnCount) {
  Grid grid;
  grid.reset(rowCount, columnCount);
  return grid;
}

}  // namespace haravoija
