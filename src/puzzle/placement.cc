// Word placement: the fitting test of one placement and the scan that picks
// the placement sharing the most letters.
#include "puzzle/placement.h"

#include "puzzle/placer.h"
#include "puzzle/scan_order.h"
#include "text/letters.h"
#include "text/random_draw.h"

namespace haravoija {

PlacementTest tryPlacement(Grid& grid, std::string_view word, Placement placement, bool write) {
  const int length = static_cast<int>(word.size());
  if (!placementInBounds(grid.rowCount(), grid.columnCount(), length, placement)) return {};
  const Step step = directionStep(placement.direction);
  PlacementTest result{true, 0};
  for (int k = 0; k < length; ++k) {
    const unsigned char cell =
        grid.cell(placement.row + k * step.row, placement.column + k * step.column);
    if (cell == static_cast<unsigned char>(kEmptyCell)) continue;
    if (cell != toUpperLetter(static_cast<unsigned char>(word[k]))) return {};
    ++result.sharedLetters;
  }
  if (write) {
    for (int k = 0; k < length; ++k) {
      grid.setCell(placement.row + k * step.row, placement.column + k * step.column,
                   toUpperLetter(static_cast<unsigned char>(word[k])));
    }
    grid.placedWords.emplace_back(word);
  }
  return result;
}

ScanStart drawScanStart(int rowCount, int columnCount) {
  ScanStart start;
  start.rowOffset = drawRandom() * rowCount / kRandomMax;
  start.columnOffset = drawRandom() * columnCount / kRandomMax;
  start.directionOffset = drawRandom() * 8 / kRandomMax;
  return start;
}

// The exhaustive scan cell by cell, for words the masks do not cover (longer
// than the padding, or holding a space).
Placement plainScan(Grid& grid, std::string_view word, bool children, ScanStart start) {
  const int rows = grid.rowCount();
  const int columns = grid.columnCount();
  const int mostShared = static_cast<int>(word.size()) - 2;
  int bestShared = -1;
  Placement best{-1, -1, Direction::kRight};
  for (Direction direction : scanDirections(start.directionOffset, children)) {
    for (int i = 0; i < rows; ++i) {
      const int row = scanLine(start.rowOffset, i, rows);
      for (int j = 0; j < columns; ++j) {
        const Placement placement{row, scanLine(start.columnOffset, j, columns), direction};
        const PlacementTest test = tryPlacement(grid, word, placement, false);
        if (!test.fits || test.sharedLetters <= bestShared || test.sharedLetters > mostShared) {
          continue;
        }
        bestShared = test.sharedLetters;
        best = placement;
        if (bestShared == mostShared) return best;
      }
    }
  }
  return best;
}

bool placeWord(Grid& grid, std::string_view word, bool children) {
  Placer placer(grid);
  return placer.place(word, children);
}

}  // namespace haravoija
