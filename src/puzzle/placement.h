// Where a word goes and the order of the placement scan: the three random
// offsets of one scan and the sequence of directions it tries.
#ifndef HARAVOIJA_PUZZLE_PLACEMENT_H_
#define HARAVOIJA_PUZZLE_PLACEMENT_H_

#include <array>

#include "env/random_source.h"
#include "puzzle/direction.h"

namespace haravoija {

// A word's first letter and the direction it reads in.
struct Placement {
  int row = 0;
  int column = 0;
  Direction direction = Direction::kRight;
};

// The random start of one scan: a in 0..rows, b in 0..columns, e in 0..8
// (each can reach its top value; the scan takes them modulo).
struct ScanStart {
  int rowOffset = 0;
  int columnOffset = 0;
  int directionOffset = 0;
};

// Draws a, b and e in that order: three draws, each scaled as
// draw * count / kRandomMax.
// REQUIRES: rowCount >= 0 and columnCount >= 0.
ScanStart drawScanStart(int rowCount, int columnCount, RandomSource& random);

// The eight direction codes in the order they are scanned for offset e; in a
// children's puzzle every code is mapped to Right or Down.
// REQUIRES: directionOffset >= 0.
constexpr std::array<Direction, 8> scanDirections(int directionOffset, bool children) {
  std::array<Direction, 8> order{};
  for (int d = 0; d < 8; ++d) {
    int code = (d + directionOffset) % 8 + 1;
    if (children) code = (code >= 2 && code <= 5) ? 5 : 6;
    order[static_cast<std::size_t>(d)] = static_cast<Direction>(code);
  }
  return order;
}

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_PLACEMENT_H_
