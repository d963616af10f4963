// The geometry and order of the placement scan: direction steps, bounds,
// the three random offsets of one scan and the sequence of directions.
#ifndef HARAVOIJA_PUZZLE_SCAN_ORDER_H_
#define HARAVOIJA_PUZZLE_SCAN_ORDER_H_

#include <array>
#include <string_view>

#include "puzzle/placement.h"

namespace haravoija {

struct Step {
  int row = 0;
  int column = 0;
};

// Row and column step from one letter of a word to the next.
constexpr Step directionStep(Direction direction) {
  switch (direction) {
    case Direction::kDownRight:
      return {1, 1};
    case Direction::kUpRight:
      return {-1, 1};
    case Direction::kUpLeft:
      return {-1, -1};
    case Direction::kDownLeft:
      return {1, -1};
    case Direction::kRight:
      return {0, 1};
    case Direction::kDown:
      return {1, 0};
    case Direction::kLeft:
      return {0, -1};
    case Direction::kUp:
      return {-1, 0};
  }
  return {0, 1};
}

// True when a word of `length` letters starting at the placement stays inside
// a grid of rowCount x columnCount cells.
constexpr bool placementInBounds(int rowCount, int columnCount, int length, Placement p) {
  if (p.row < 0 || p.row >= rowCount || p.column < 0 || p.column >= columnCount) return false;
  if (length == 0) return true;
  const Step step = directionStep(p.direction);
  const int lastRow = p.row + (length - 1) * step.row;
  const int lastColumn = p.column + (length - 1) * step.column;
  return lastRow >= 0 && lastRow < rowCount && lastColumn >= 0 && lastColumn < columnCount;
}

// The random start of one scan: a in 0..rows, b in 0..columns, e in 0..8.
struct ScanStart {
  int rowOffset = 0;
  int columnOffset = 0;
  int directionOffset = 0;
};

// Draws a, b and e in that order, three draws.
ScanStart drawScanStart(int rowCount, int columnCount);

// The placement placeWord chooses, found by testing every start cell by cell
// with tryPlacement; row -1 when none qualifies.
Placement plainScan(Grid& grid, std::string_view word, bool children, ScanStart start);

// The eight direction codes in the order they are scanned for offset e; in a
// children's puzzle every code is mapped to Right or Down.
constexpr std::array<Direction, 8> scanDirections(int directionOffset, bool children) {
  std::array<Direction, 8> order{};
  for (int d = 0; d < 8; ++d) {
    int code = (d + directionOffset) % 8 + 1;
    if (children) code = (code >= 2 && code <= 5) ? 5 : 6;
    order[static_cast<std::size_t>(d)] = static_cast<Direction>(code);
  }
  return order;
}

// The i-th row (or column) visited when a scan of `count` lines starts at
// `offset`, wrapping around.
constexpr int scanLine(int offset, int i, int count) { return (offset + i) % count; }

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_SCAN_ORDER_H_
