// The exhaustive placement scan written out step by step.
#include "placement_reference.h"

#include "text/letters.h"
#include "text/random_draw.h"

namespace haravoija::testing {
namespace {

const int kRowStep[9] = {0, 1, -1, -1, 1, 0, 1, 0, -1};
const int kColumnStep[9] = {0, 1, 1, -1, -1, 1, 0, -1, 0};

bool inBounds(int code, int row, int column, int length, int rows, int columns) {
  switch (code) {
    case 1:
      return row + length <= rows && column + length <= columns;
    case 2:
      return row + 1 >= length && column + length <= columns;
    case 3:
      return row + 1 >= length && column + 1 >= length;
    case 4:
      return row + length <= rows && column + 1 >= length;
    case 5:
      return column + length <= columns;
    case 6:
      return row + length <= rows;
    case 7:
      return column + 1 >= length;
    default:
      return row + 1 >= length;
  }
}

// Shared letters of the placement, or -1 when it does not fit.
int sharedAt(const Grid& grid, std::string_view word, int code, int row, int column) {
  const int length = static_cast<int>(word.size());
  if (!inBounds(code, row, column, length, grid.rowCount(), grid.columnCount())) return -1;
  int shared = 0;
  for (int k = 0; k < length; ++k) {
    const unsigned char cell = grid.cell(row + k * kRowStep[code], column + k * kColumnStep[code]);
    const unsigned char letter = toUpperLetter(static_cast<unsigned char>(word[k]));
    if (cell == ' ') continue;
    if (cell != letter) return -1;
    ++shared;
  }
  return shared;
}

}  // namespace

bool referencePlaceWord(Grid& grid, std::string_view word, bool children) {
  const int rows = grid.rowCount();
  const int columns = grid.columnCount();
  const int length = static_cast<int>(word.size());
  const int a = drawRandom() * rows / 32767;
  const int b = drawRandom() * columns / 32767;
  const int e = drawRandom() * 8 / 32767;
  if (rows == 0 || columns == 0) return false;

  int bestShared = -1;
  int bestCode = 0;
  int bestRow = 0;
  int bestColumn = 0;
  for (int d = 0; d < 8; ++d) {
    int code = (d + e) % 8 + 1;
    if (children) code = (code == 2 || code == 3 || code == 4 || code == 5) ? 5 : 6;
    for (int i = 0; i < rows; ++i) {
      const int row = (a + i) % rows;
      for (int j = 0; j < columns; ++j) {
        const int column = (b + j) % columns;
        const int shared = sharedAt(grid, word, code, row, column);
        if (shared >= 0 && shared > bestShared && shared < length - 1) {
          bestShared = shared;
          bestCode = code;
          bestRow = row;
          bestColumn = column;
        }
      }
    }
  }
  if (bestShared < 0) return false;
  for (int k = 0; k < length; ++k) {
    grid.setCell(bestRow + k * kRowStep[bestCode], bestColumn + k * kColumnStep[bestCode],
                 toUpperLetter(static_cast<unsigned char>(word[k])));
  }
  grid.placedWords.emplace_back(word);
  return true;
}

}  // namespace haravoija::testing
