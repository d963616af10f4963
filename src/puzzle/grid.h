// The puzzle grid: rows of CP850 cells (a space is an empty cell), the words
// placed in it in placement order, and the hidden phrase that filled it.
#ifndef HARAVOIJA_PUZZLE_GRID_H_
#define HARAVOIJA_PUZZLE_GRID_H_

#include <string>
#include <vector>

namespace haravoija {

inline constexpr char kEmptyCell = ' ';

struct Grid {
  // One string per row, row 0 at the top; all of the same length.
  std::vector<std::string> rows;
  // The words written into the grid since it was created, reset or cleared,
  // in placement order, each exactly as it was passed to the placement.
  std::vector<std::string> placedWords;
  // The phrase that last filled the grid, lower-cased; empty when none.
  std::string hiddenPhrase;

  int rowCount() const { return static_cast<int>(rows.size()); }
  // The length of row 0 (0 for a grid without rows).
  int columnCount() const { return rows.empty() ? 0 : static_cast<int>(rows[0].size()); }
  // Cells holding a space, counted in reading order.
  int emptyCellCount() const;

  // REQUIRES: 0 <= row < rowCount() and 0 <= column < columnCount().
  unsigned char cell(int row, int column) const {
    return static_cast<unsigned char>(rows[row][column]);
  }
  void setCell(int row, int column, unsigned char value) {
    rows[row][column] = static_cast<char>(value);
  }

  // Empties rows and placedWords, then makes `rowCount` rows of `columnCount`
  // spaces. hiddenPhrase is kept.
  // REQUIRES: rowCount >= 0 and columnCount >= 0.
  void reset(int rowCount, int columnCount);
  // reset() at the current size.
  void clear();
  // Adds an empty row at the bottom when there are fewer rows than columns,
  // otherwise an empty column at the right. Existing cells keep their place.
  void grow();
};

// A new grid of `rowCount` x `columnCount` empty cells, no placed words and
// no hidden phrase.
// REQUIRES: rowCount >= 0 and columnCount >= 0.
Grid create(int rowCount, int columnCount);

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_GRID_H_
