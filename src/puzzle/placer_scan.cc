// The mask scans of one placement: the placements that share letters, tested
// a block of starts at a time, and the first placement over empty cells.
#include <algorithm>
#include <bit>

#include "puzzle/bit_rows.h"
#include "puzzle/placer.h"

namespace haravoija {
namespace {

using bits::bitsAt;
using bits::Block;
using bits::isZero;
using bits::kBlockBits;
using bits::kLanes;
using bits::kMaxLength;
using bits::kPadBits;
using bits::lowBits;
using bits::readBlock;
using bits::readShiftedBlock;

}  // namespace

Placer::Geometry Placer::geometry(Direction direction, int length) const {
  const int back = length - 1;
  switch (direction) {
    case Direction::kRight:
      return {{0, 1}, 0, 0, 0};
    case Direction::kLeft:
      return {{0, -1}, 0, 0, -back};
    case Direction::kDown:
      return {{1, 0}, 1, 0, 0};
    case Direction::kUp:
      return {{-1, 0}, 1, -back, 0};
    case Direction::kDownRight:
      return {{1, 1}, 2, 0, 0};
    case Direction::kUpLeft:
      return {{-1, -1}, 2, -back, -back};
    case Direction::kDownLeft:
      return {{1, -1}, 3, 0, 0};
    case Direction::kUpRight:
      return {{-1, 1}, 3, -back, back};
  }
  return {};
}

int Placer::sharedLetters(int row, int column, Step step, int length) const {
  int shared = 0;
  for (int k = 0; k < length; ++k) {
    shared += grid_.cell(row + k * step.row, column + k * step.column) !=
              static_cast<unsigned char>(kEmptyCell);
  }
  return shared;
}

// Built for the wider vector unit where the processor has one; the same
// code either way. Not with clang 14, which leaves the member function
// undefined at link time when it is cloned.
#if defined(__x86_64__) && defined(__has_attribute) && !defined(__clang__)
#if __has_attribute(target_clones)
#define HARAVOIJA_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#endif
#endif
#ifndef HARAVOIJA_VECTOR_CLONES
#define HARAVOIJA_VECTOR_CLONES
#endif

HARAVOIJA_VECTOR_CLONES
Placement Placer::crossingScan(const std::array<Direction, 8>& directions, int usedDirections,
                               ScanStart start, int length) {
  const int mostShared = length - 2;
  const int firstColumn = start.columnOffset % columns_;
  const std::ptrdiff_t stride = stride_;
  // While few starts touch a letter the empty-run mask clears most blocks at
  // once; in a crowded grid the rarest letter does that better.
  const long long filled = static_cast<long long>(rows_) * columns_ - emptyCount_;
  const bool runFirst = filled * length * 2 < static_cast<long long>(rows_) * columns_;
  int bestShared = 0;
  Placement best{-1, -1, Direction::kRight};
  // About how many letters it takes to clear a block of starts: a letter
  // keeps a start with roughly the share of empty cells plus a little.
  const double keepShare =
      static_cast<double>(emptyCount_) / (static_cast<double>(rows_) * columns_) + 0.05;
  int headLetters = 1;
  for (double left = kBlockBits * keepShare; left > 1.0 && headLetters < std::min(length, 8);
       ++headLetters) {
    left *= keepShare;
  }
  // Per letter of the word, in test order: its mask at row 0 advanced to
  // the word holding the start's bit, and the bit within that word.
  const std::uint64_t* letterWords[kMaxLength];
  Block letterLowShifts[kMaxLength];
  Block letterHighShifts[kMaxLength];
  for (int d = 0; d < usedDirections; ++d) {
    const Direction direction = directions[static_cast<std::size_t>(d)];
    const Geometry g = geometry(direction, length);
    for (int j = 0; j < length; ++j) {
      const int k = order_[static_cast<std::size_t>(j)];
      const int offset = kPadBits + k * g.step.column;
      letterWords[j] =
          rowOf(fits_[upper_[static_cast<std::size_t>(k)]], k * g.step.row) + (offset >> 6);
      const std::uint64_t shift = static_cast<std::uint64_t>(offset & 63);
      letterLowShifts[j] = Block{} + shift;
      letterHighShifts[j] = Block{} + (63 - shift);
    }
    const std::uint64_t* runRows =
        rowOf(runs_[static_cast<std::size_t>(g.orientation)], g.runRowOffset);
    const int runOffset = kPadBits + g.runColumnOffset;
    // Rows from the start row down, wrapping round to row 0; rows from
    // which the word would leave the grid are skipped.
    const int firstRow = g.step.row < 0 ? length - 1 : 0;
    const int endRow = g.step.row > 0 ? rows_ - length + 1 : rows_;
    int row = start.rowOffset % rows_;
    for (int i = 0; i < rows_; ++i, row = row + 1 == rows_ ? 0 : row + 1) {
      if (row < firstRow || row >= endRow) continue;
      const std::ptrdiff_t rowShift = row * stride;
      const std::uint64_t* runRow = runRows + rowShift;
      // Within the row the scan runs from firstColumn round to the column
      // before it: the blocks are tested in any order and the scan position
      // of a start breaks ties.
      int rowShared = bestShared;
      int rowKey = columns_;
      for (int c0 = 0; c0 < columns_; c0 += kBlockBits) {
        const std::ptrdiff_t blockShift = rowShift + c0 / 64;
        Block starts;
        Block mask;
        if (runFirst) {
          readBlock(mask, runRow, runOffset + c0);
          starts = ~mask;
          if (isZero(starts)) continue;
          readShiftedBlock(mask, letterWords[0] + blockShift, letterLowShifts[0],
                           letterHighShifts[0]);
          starts &= mask;
        } else {
          readShiftedBlock(starts, letterWords[0] + blockShift, letterLowShifts[0],
                           letterHighShifts[0]);
        }
        // The letters that nearly every block needs go in without looking
        // (a test after each would cost more than it saves), then two at a
        // time until the block is empty. The jump into the unrolled run is
        // one well-predicted branch; a loop would mispredict its end.
        auto andLetter = [&](int j) {
          readShiftedBlock(mask, letterWords[j] + blockShift, letterLowShifts[j],
                           letterHighShifts[j]);
          starts &= mask;
        };
        switch (headLetters) {
          case 8:
            andLetter(7);
            [[fallthrough]];
          case 7:
            andLetter(6);
            [[fallthrough]];
          case 6:
            andLetter(5);
            [[fallthrough]];
          case 5:
            andLetter(4);
            [[fallthrough]];
          case 4:
            andLetter(3);
            [[fallthrough]];
          case 3:
            andLetter(2);
            [[fallthrough]];
          case 2:
            andLetter(1);
            [[fallthrough]];
          default:
            break;
        }
        int j = headLetters;
        for (; j < length && !isZero(starts); j += 2) {
          readShiftedBlock(mask, letterWords[j] + blockShift, letterLowShifts[j],
                           letterHighShifts[j]);
          starts &= mask;
          if (j + 1 == length) break;
          readShiftedBlock(mask, letterWords[j + 1] + blockShift, letterLowShifts[j + 1],
                           letterHighShifts[j + 1]);
          starts &= mask;
        }
        if (isZero(starts)) continue;
        if (!runFirst) {
          readBlock(mask, runRow, runOffset + c0);
          starts &= ~mask;
        }
        for (int lane = 0; lane < kLanes; ++lane) {
          std::uint64_t bits = starts[lane];
          while (bits != 0) {
            const int column = c0 + 64 * lane + std::countr_zero(bits);
            bits &= bits - 1;
            const int shared = sharedLetters(row, column, g.step, length);
            if (shared > mostShared || shared < rowShared) continue;
            const int key =
                column >= firstColumn ? column - firstColumn : column + columns_ - firstColumn;
            if (shared == rowShared && (rowShared == bestShared || key > rowKey)) continue;
            rowShared = shared;
            rowKey = key;
          }
        }
      }
      if (rowShared > bestShared) {
        bestShared = rowShared;
        best = {row, (rowKey + firstColumn) % columns_, direction};
        if (bestShared == mostShared) return best;
      }
    }
  }
  return best;
}

Placement Placer::emptyScan(const std::array<Direction, 8>& directions, int usedDirections,
                            ScanStart start, int length) const {
  const int firstColumn = start.columnOffset % columns_;
  const int segments[2][2] = {{firstColumn, columns_}, {0, firstColumn}};
  for (int d = 0; d < usedDirections; ++d) {
    const Direction direction = directions[static_cast<std::size_t>(d)];
    const Geometry g = geometry(direction, length);
    const Plane& run = runs_[static_cast<std::size_t>(g.orientation)];
    // Rows from the start row down, wrapping round to row 0.
    int row = start.rowOffset % rows_;
    for (int i = 0; i < rows_; ++i, row = row + 1 == rows_ ? 0 : row + 1) {
      const std::uint64_t* runRow = rowOf(run, row + g.runRowOffset);
      const int runOffset = kPadBits + g.runColumnOffset;
      for (const auto& segment : segments) {
        for (int c0 = segment[0]; c0 < segment[1]; c0 += 64) {
          const std::uint64_t starts = lowBits(segment[1] - c0) & bitsAt(runRow, runOffset + c0);
          if (starts != 0) return {row, c0 + std::countr_zero(starts), direction};
        }
      }
    }
  }
  return {-1, -1, Direction::kRight};
}

}  // namespace haravoija
