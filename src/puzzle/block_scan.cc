// The scan of rows of starts: the starts that share letters, tested a block
// of 256 at a time against the window counts and the letter masks, and the
// first placement over empty cells.
#include "puzzle/block_scan.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace haravoija {
namespace {

using bits::Block;
using bits::isZero;
using bits::kBlockBits;
using bits::kLanes;
using bits::kPadBits;
using bits::readBlock;
using bits::readShiftedBlock;
constexpr int kCountLimit = ScanMasks::kCountLimit;

// Which count orientation a direction reads: the one whose step is its own
// or the opposite.
int orientationOf(Step step) {
  for (int o = 0; o < 4; ++o) {
    const Step along = ScanMasks::kOrientationStep[o];
    if ((along.row == step.row && along.column == step.column) ||
        (along.row == -step.row && along.column == -step.column)) {
      return o;
    }
  }
  return 0;
}

}  // namespace

void BlockScan::setUp(const ScanMasks& masks, const ScanJob& job) {
  masks_ = &masks;
  job_ = job;
  const int length = job.length;
  for (int d = 0; d < job.usedDirections; ++d) {
    DirectionSetup& s = directions_[static_cast<std::size_t>(d)];
    s.step = directionStep(job.directions[static_cast<std::size_t>(d)]);
    s.orientation = orientationOf(s.step);
    // Read against its orientation, the word's window starts at its last letter.
    const Step along = ScanMasks::kOrientationStep[s.orientation];
    const int back = along.row == s.step.row && along.column == s.step.column ? 0 : length - 1;
    s.windowRowOffset = back * s.step.row;
    s.windowColumnOffset = back * s.step.column;
    // Rows from which the word would leave the grid are skipped.
    s.firstRow = s.step.row < 0 ? length - 1 : 0;
    s.endRow = s.step.row > 0 ? job.rows - length + 1 : job.rows;
    for (int j = 0; j < length; ++j) {
      const int k = job.order[static_cast<std::size_t>(j)];
      const int offset = kPadBits + k * s.step.column;
      s.letterWords[static_cast<std::size_t>(j)] =
          masks.fitsRow(job.letters[static_cast<std::size_t>(k)], k * s.step.row) + (offset >> 6);
      const std::uint64_t shift = static_cast<std::uint64_t>(offset & 63);
      s.lowShifts[static_cast<std::size_t>(j)] = Block{} + shift;
      s.highShifts[static_cast<std::size_t>(j)] = Block{} + (63 - shift);
    }
  }
}

// Built for the wider vector units where the processor has them; the same
// code either way. Not with clang 14, which leaves the member function
// undefined at link time when it is cloned.
#if defined(__x86_64__) && defined(__has_attribute) && !defined(__clang__)
#if __has_attribute(target_clones)
#define HARAVOIJA_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
#endif
#ifndef HARAVOIJA_VECTOR_CLONES
#define HARAVOIJA_VECTOR_CLONES
#endif

Placement placementOf(const ScanJob& job, ScanBest best) {
  int row = job.firstRow + best.scanRow % job.rows;
  if (row >= job.rows) row -= job.rows;
  return {row, (best.key + job.firstColumn) % job.columns,
          job.directions[static_cast<std::size_t>(best.scanRow / job.rows)]};
}

HARAVOIJA_VECTOR_CLONES
ScanBest BlockScan::bestInRows(int from, int to, ScanBest floor, long long& steps) const {
  const ScanJob& job = job_;
  const ScanMasks& masks = *masks_;
  const Grid& cells = masks.cells();
  const std::ptrdiff_t stride = masks.rowWords();
  const int length = job.length;
  const int mostShared = length - 2;
  const int headLetters = job.headLetters;
  ScanBest known = floor;
  ScanBest found;
  // The direction and grid row of scanRow, advanced without dividing.
  int direction = from / job.rows;
  int inDirection = from % job.rows;
  int row = job.firstRow + inDirection;
  if (row >= job.rows) row -= job.rows;
  auto advance = [&] {
    if (++inDirection == job.rows) {
      inDirection = 0;
      ++direction;
      row = job.firstRow;
    } else if (++row == job.rows) {
      row = 0;
    }
  };
  for (int scanRow = from; scanRow < to; ++scanRow, advance()) {
    const DirectionSetup& s = directions_[static_cast<std::size_t>(direction)];
    if (row < s.firstRow || row >= s.endRow) continue;
    // A start here must beat the best known: with more shared letters if
    // that lies in an earlier row, with as many if in a later one. A
    // fitting start shares exactly the filled cells of its window, so the
    // counts tell which starts can; and two cells must stay empty.
    int need = 1;
    if (known.shared > 0) {
      if (known.scanRow < scanRow && known.shared == mostShared) break;
      need = known.shared + (known.scanRow < scanRow ? 1 : 0);
    }
    const std::ptrdiff_t rowShift = row * stride;
    const int windowRow = row + s.windowRowOffset;
    const int windowBit = kPadBits + s.windowColumnOffset;
    // "At least k filled cells"; past kCountLimit the masks say only "at
    // least kCountLimit", which keeps every start that has more.
    auto atLeast = [&](int k) {
      return masks.countRow(s.orientation, std::min(k, kCountLimit), windowRow);
    };
    const std::uint64_t* enough = atLeast(need);
    const std::uint64_t* tooFull = mostShared < kCountLimit ? atLeast(mostShared + 1) : nullptr;
    bool countsFirst = (job.countsFirst >> std::min(need, kCountLimit) & 1) != 0;
    int rowShared = 0;
    int rowKey = 0;
    for (int c0 = 0; c0 < job.columns; c0 += kBlockBits) {
      ++steps;
      const std::ptrdiff_t blockShift = rowShift + c0 / 64;
      Block starts;
      Block mask;
      auto andLetter = [&](int j) {
        const auto at = static_cast<std::size_t>(j);
        readShiftedBlock(mask, s.letterWords[at] + blockShift, s.lowShifts[at], s.highShifts[at]);
        starts &= mask;
      };
      if (countsFirst) {
        readBlock(starts, enough, windowBit + c0);
        if (tooFull != nullptr) {
          readBlock(mask, tooFull, windowBit + c0);
          starts &= ~mask;
        }
        if (isZero(starts)) continue;
        andLetter(0);
      } else {
        readShiftedBlock(starts, s.letterWords[0] + blockShift, s.lowShifts[0], s.highShifts[0]);
      }
      // The letters that nearly every block needs go in without looking (a
      // test after each would cost more than it saves), then two at a time
      // until the block is empty. The jump into the unrolled run is one
      // well-predicted branch; a loop would mispredict its end.
      static_assert(ScanJob::kMostHeadLetters == 12);
      switch (headLetters) {
        case 12: andLetter(11); [[fallthrough]];
        case 11: andLetter(10); [[fallthrough]];
        case 10: andLetter(9); [[fallthrough]];
        case 9: andLetter(8); [[fallthrough]];
        case 8: andLetter(7); [[fallthrough]];
        case 7: andLetter(6); [[fallthrough]];
        case 6: andLetter(5); [[fallthrough]];
        case 5: andLetter(4); [[fallthrough]];
        case 4: andLetter(3); [[fallthrough]];
        case 3: andLetter(2); [[fallthrough]];
        case 2: andLetter(1); [[fallthrough]];
        default: break;
      }
      for (int j = headLetters; j < length && !isZero(starts); j += 2) {
        andLetter(j);
        if (j + 1 == length) break;
        andLetter(j + 1);
      }
      if (isZero(starts)) continue;
      if (!countsFirst) {
        readBlock(mask, enough, windowBit + c0);
        starts &= mask;
        if (isZero(starts)) continue;
      }
      for (int lane = 0; lane < kLanes; ++lane) {
        std::uint64_t laneBits = starts[lane];
        while (laneBits != 0) {
          const int column = c0 + 64 * lane + std::countr_zero(laneBits);
          laneBits &= laneBits - 1;
          ++steps;
          // Every cell of a start left fits: the filled ones are shared.
          int shared = 0;
          for (int k = 0; k < length; ++k) {
            shared += cells.cell(row + k * s.step.row, column + k * s.step.column) !=
                      static_cast<unsigned char>(kEmptyCell);
          }
          assert(std::min(shared, kCountLimit) ==
                 masks.filledInWindow(s.orientation, windowRow, column + s.windowColumnOffset));
          if (shared > mostShared || shared < need) continue;
          const int key = column >= job.firstColumn ? column - job.firstColumn
                                                    : column + job.columns - job.firstColumn;
          if (shared == rowShared && key > rowKey) continue;
          rowShared = shared;
          rowKey = key;
          if (shared > need) {
            need = shared;
            enough = atLeast(need);
            countsFirst = (job.countsFirst >> std::min(need, kCountLimit) & 1) != 0;
          }
        }
      }
    }
    if (rowShared > 0) {
      const ScanBest here{rowShared, scanRow, rowKey};
      if (found.shared == 0 || isBetter(here, found)) found = here;
      if (known.shared == 0 || isBetter(here, known)) known = here;
    }
  }
  return found;
}

Placement BlockScan::firstEmpty() const {
  const ScanJob& job = job_;
  for (int d = 0; d < job.usedDirections; ++d) {
    const DirectionSetup& s = directions_[static_cast<std::size_t>(d)];
    // Starts whose word stays within the grid's columns.
    const int lowColumn = s.step.column < 0 ? job.length - 1 : 0;
    const int endColumn = s.step.column > 0 ? job.columns - job.length + 1 : job.columns;
    const int segments[2][2] = {{std::max(job.firstColumn, lowColumn), endColumn},
                                {lowColumn, std::min(job.firstColumn, endColumn)}};
    int row = job.firstRow;
    for (int i = 0; i < job.rows; ++i, row = row + 1 == job.rows ? 0 : row + 1) {
      if (row < s.firstRow || row >= s.endRow) continue;
      const std::uint64_t* someFilled = masks_->countRow(s.orientation, 1, row + s.windowRowOffset);
      const int windowBit = kPadBits + s.windowColumnOffset;
      for (const auto& segment : segments) {
        for (int c0 = segment[0]; c0 < segment[1]; c0 += 64) {
          const std::uint64_t starts =
              bits::lowBits(segment[1] - c0) & ~bits::bitsAt(someFilled, windowBit + c0);
          if (starts != 0) {
            return {row, c0 + std::countr_zero(starts),
                    job.directions[static_cast<std::size_t>(d)]};
          }
        }
      }
    }
  }
  return {-1, -1, Direction::kRight};
}

}  // namespace haravoija
