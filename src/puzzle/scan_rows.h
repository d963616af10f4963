// One scan of the placement as the threads that share it see it: the job
// (the word, its directions, the order of the rows) and the best start
// found. The scanning itself is ScanMasks::setUp, bestInRows and firstEmpty,
// which scan_rows.cc holds.
#ifndef HARAVOIJA_PUZZLE_SCAN_ROWS_H_
#define HARAVOIJA_PUZZLE_SCAN_ROWS_H_

#include <array>
#include <cstdint>

#include "puzzle/bit_rows.h"
#include "puzzle/placement.h"

namespace haravoija {

// One scan of the placement: what every thread taking part needs to know.
// The rows of the scan order are numbered direction by direction, and
// within a direction from the start row downwards, wrapping round.
struct ScanJob {
  int rows = 0;
  int columns = 0;
  int length = 0;
  // The word upper-cased, and its letter positions in the order tested.
  std::array<unsigned char, bits::kMaxLength> letters{};
  std::array<unsigned char, bits::kMaxLength> order{};
  std::array<Direction, 8> directions{};
  int usedDirections = 0;
  int firstRow = 0;
  int firstColumn = 0;
  // Letters ANDed into a block without looking at it in between: 1 to
  // kMostHeadLetters.
  static constexpr int kMostHeadLetters = 12;
  int headLetters = 1;
  // Bit n: the count masks are read before the letters while a start needs
  // n filled cells (n up to ScanMasks::kCountLimit).
  std::uint32_t countsFirst = 0;

  int scanRows() const { return usedDirections * rows; }
};

// A start found by a scan: its shared letters (0: none qualified), its row
// of the scan order and its key, the column's distance from the first
// column rightwards with wrap-around. Better: more shared letters, then an
// earlier row, then a smaller key.
struct ScanBest {
  int shared = 0;
  int scanRow = 0;
  int key = 0;
};

constexpr bool isBetter(ScanBest a, ScanBest b) {
  if (a.shared != b.shared) return a.shared > b.shared;
  if (a.scanRow != b.scanRow) return a.scanRow < b.scanRow;
  return a.key < b.key;
}

// Where a ScanBest lies in the grid.
Placement placementOf(const ScanJob& job, ScanBest best);

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_SCAN_ROWS_H_
