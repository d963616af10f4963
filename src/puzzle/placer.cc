// Bit-mask placement scan. Each mask holds one bit per cell, rows padded with
// zero bits on every side, so cells outside the grid read as "no" and the
// bounds test of a placement comes free with the letter tests.
#include "puzzle/placer.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

#include "text/letters.h"
#include "text/random_draw.h"

namespace haravoija {
namespace {

// Columns of padding at each side of a row, and rows above and below: a word
// of up to kMaxLength letters reads at most kMaxLength - 1 cells beyond its
// start in any direction.
constexpr int kPadBits = 128;
constexpr int kPadRows = 80;
constexpr int kMaxLength = 80;

constexpr Step kOrientationStep[4] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};

// 64 bits of a padded row starting at bit `offset` (bit 0 of the result is
// bit `offset` of the row).
inline std::uint64_t bitsAt(const std::uint64_t* row, int offset) {
  const std::uint64_t* p = row + (offset >> 6);
  const int shift = offset & 63;
  return (p[0] >> shift) | ((p[1] << 1) << (63 - shift));
}

// A block of starts tested together: 256 consecutive cells of a row.
constexpr int kLanes = 4;
constexpr int kBlockBits = 64 * kLanes;
typedef std::uint64_t Block __attribute__((vector_size(8 * kLanes)));

// The helpers take blocks by reference: passing vectors by value would tie
// them to a calling convention that depends on the processor.
inline void loadBlock(Block& block, const std::uint64_t* words) {
  std::memcpy(&block, words, sizeof block);
}

// kBlockBits bits from bit `shift` (0-63) of words[0] on.
inline void readShiftedBlock(Block& block, const std::uint64_t* p, int shift) {
  Block low;
  Block high;
  loadBlock(low, p);
  loadBlock(high, p + 1);
  block = (low >> shift) | ((high << 1) << (63 - shift));
}

// kBlockBits bits of a padded row from bit `offset` on.
inline void readBlock(Block& block, const std::uint64_t* row, int offset) {
  readShiftedBlock(block, row + (offset >> 6), offset & 63);
}

// Folds the lanes within the vector unit; reading them one by one would go
// through memory.
inline bool isZero(const Block& block) {
  typedef std::int64_t Order __attribute__((vector_size(8 * kLanes)));
#if defined(__clang__)
  const Block half = block | __builtin_shufflevector(block, block, 2, 3, 0, 1);
  const Block all = half | __builtin_shufflevector(half, half, 1, 0, 3, 2);
#else
  const Block half = block | __builtin_shuffle(block, Order{2, 3, 0, 1});
  const Block all = half | __builtin_shuffle(half, Order{1, 0, 3, 2});
#endif
  return all[0] == 0;
}

inline std::uint64_t lowBits(int count) {
  return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
}

inline void setBit(std::uint64_t* row, int bit) { row[bit >> 6] |= std::uint64_t{1} << (bit & 63); }
inline void clearBit(std::uint64_t* row, int bit) {
  row[bit >> 6] &= ~(std::uint64_t{1} << (bit & 63));
}

// Sets bits [from, to) of a row.
void setBits(std::uint64_t* row, int from, int to) {
  for (int bit = from; bit < to;) {
    const int shift = bit & 63;
    const int count = std::min(64 - shift, to - bit);
    row[bit >> 6] |= lowBits(count) << shift;
    bit += count;
  }
}

void clearBits(std::uint64_t* row, int from, int to) {
  for (int bit = from; bit < to;) {
    const int shift = bit & 63;
    const int count = std::min(64 - shift, to - bit);
    row[bit >> 6] &= ~(lowBits(count) << shift);
    bit += count;
  }
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

}  // namespace

Placer::Placer(Grid& grid) : grid_(grid) {
  rows_ = grid.rowCount();
  columns_ = grid.columnCount();
  ensureCapacity(rows_, columns_);
  rebuild();
}

std::size_t Placer::rowIndex(int row) const {
  return static_cast<std::size_t>(row + kPadRows) * static_cast<std::size_t>(stride_);
}

void Placer::ensureCapacity(int rowCount, int columnCount) {
  if (rowCount <= capacityRows_ && columnCount <= capacityColumns_ && stride_ > 0) return;
  // Room to grow a little without rebuilding at every new row or column.
  capacityRows_ = std::max(rowCount, capacityRows_ + capacityRows_ / 8 + 4);
  capacityColumns_ = std::max(columnCount, capacityColumns_ + capacityColumns_ / 8 + 4);
  // Right of the grid: room for a block read from the last start.
  stride_ = (kPadBits + capacityColumns_ + kMaxLength) / 64 + kLanes + 2;
  const std::size_t size =
      static_cast<std::size_t>(capacityRows_ + 2 * kPadRows) * static_cast<std::size_t>(stride_);
  empty_.assign(size, 0);
  for (unsigned char letter : activeLetters_) fits_[letter].assign(size, 0);
  for (Plane& run : runs_) run.assign(size, 0);
  runLength_ = 0;
}

// All masks from the grid's cells.
void Placer::rebuild() {
  std::fill(empty_.begin(), empty_.end(), 0);
  letterCount_.fill(0);
  emptyCount_ = 0;
  for (int r = 0; r < rows_; ++r) {
    std::uint64_t* row = rowOf(empty_, r);
    const std::string& cells = grid_.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columns_; ++c) {
      const unsigned char cell = static_cast<unsigned char>(cells[static_cast<std::size_t>(c)]);
      if (cell == static_cast<unsigned char>(kEmptyCell)) {
        setBit(row, kPadBits + c);
        ++emptyCount_;
      } else {
        ++letterCount_[cell];
      }
    }
  }
  const std::vector<unsigned char> letters = activeLetters_;
  activeLetters_.clear();
  for (unsigned char letter : letters) ensurePlane(letter);
  runLength_ = 0;
}

void Placer::ensurePlane(unsigned char letter) {
  Plane& plane = fits_[letter];
  if (std::find(activeLetters_.begin(), activeLetters_.end(), letter) != activeLetters_.end()) {
    return;
  }
  activeLetters_.push_back(letter);
  plane = empty_;
  if (letterCount_[letter] == 0) return;
  for (int r = 0; r < rows_; ++r) {
    std::uint64_t* row = rowOf(plane, r);
    const std::string& cells = grid_.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columns_; ++c) {
      if (static_cast<unsigned char>(cells[static_cast<std::size_t>(c)]) == letter) {
        setBit(row, kPadBits + c);
      }
    }
  }
}

void Placer::reset(int rowCount, int columnCount) {
  grid_.reset(rowCount, columnCount);
  rows_ = rowCount;
  columns_ = columnCount;
  ensureCapacity(rows_, columns_);
  std::fill(empty_.begin(), empty_.end(), 0);
  for (int r = 0; r < rows_; ++r) setBits(rowOf(empty_, r), kPadBits, kPadBits + columns_);
  for (unsigned char letter : activeLetters_) fits_[letter] = empty_;
  letterCount_.fill(0);
  emptyCount_ = rows_ * columns_;
  runLength_ = 0;
}

void Placer::clear() { reset(rows_, columns_); }

void Placer::grow() {
  grid_.grow();
  emptyCount_ += grid_.rowCount() * grid_.columnCount() - rows_ * columns_;
  const int oldRows = rows_;
  const int oldColumns = columns_;
  rows_ = grid_.rowCount();
  columns_ = grid_.columnCount();
  if (rows_ > capacityRows_ || columns_ > capacityColumns_) {
    ensureCapacity(rows_, columns_);
    rebuild();
    return;
  }
  // The new cells are empty: set their bits in every mask.
  auto addNewCells = [&](Plane& plane) {
    if (rows_ > oldRows) {
      setBits(rowOf(plane, oldRows), kPadBits, kPadBits + columns_);
    } else {
      for (int r = 0; r < rows_; ++r) setBit(rowOf(plane, r), kPadBits + oldColumns);
    }
  };
  addNewCells(empty_);
  for (unsigned char letter : activeLetters_) addNewCells(fits_[letter]);
  runLength_ = 0;
}

// "All of the next `length` cells are empty" for each orientation, by
// doubling runs: runs of 1, 2, 4, ... and finally two overlapping runs.
void Placer::computeRuns(int length) {
  const int firstWord = kPadBits / 64;
  const int lastWord = (kPadBits + columns_ - 1) / 64;
  for (int o = 0; o < 4; ++o) {
    const Step step = kOrientationStep[o];
    Plane& run = runs_[static_cast<std::size_t>(o)];
    run = empty_;
    auto andShifted = [&](int by) {
      for (int r = 0; r < rows_; ++r) {
        std::uint64_t* row = rowOf(run, r);
        const std::uint64_t* from = rowOf(run, r + by * step.row);
        for (int w = firstWord; w <= lastWord; ++w) {
          row[w] &= bitsAt(from, w * 64 + by * step.column);
        }
      }
    };
    int covered = 1;
    while (2 * covered <= length) {
      andShifted(covered);
      covered *= 2;
    }
    if (covered < length) andShifted(length - covered);
  }
  runLength_ = length;
}

void Placer::writeCell(int row, int column, unsigned char letter) {
  grid_.setCell(row, column, letter);
  const int bit = kPadBits + column;
  clearBit(rowOf(empty_, row), bit);
  for (unsigned char other : activeLetters_) {
    if (other != letter) clearBit(rowOf(fits_[other], row), bit);
  }
  ++letterCount_[letter];
  --emptyCount_;
  if (runLength_ == 0) return;
  // Every run that covers the cell is no longer empty.
  clearBits(rowOf(runs_[0], row), bit - runLength_ + 1, bit + 1);
  for (int o = 1; o < 4; ++o) {
    const Step step = kOrientationStep[o];
    Plane& run = runs_[static_cast<std::size_t>(o)];
    for (int t = 0; t < runLength_; ++t) {
      clearBit(rowOf(run, row - t * step.row), bit - t * step.column);
    }
  }
}

void Placer::write(std::string_view word, Placement placement) {
  const Step step = directionStep(placement.direction);
  for (int k = 0; k < static_cast<int>(word.size()); ++k) {
    const int row = placement.row + k * step.row;
    const int column = placement.column + k * step.column;
    if (grid_.cell(row, column) == static_cast<unsigned char>(kEmptyCell)) {
      writeCell(row, column, toUpperLetter(static_cast<unsigned char>(word[k])));
    }
  }
  grid_.placedWords.emplace_back(word);
}

Placer::Geometry Placer::geometry(Direction direction, int length) const {
  const int back = length - 1;
  switch (direction) {
    case Direction::kRight: return {{0, 1}, 0, 0, 0};
    case Direction::kLeft: return {{0, -1}, 0, 0, -back};
    case Direction::kDown: return {{1, 0}, 1, 0, 0};
    case Direction::kUp: return {{-1, 0}, 1, -back, 0};
    case Direction::kDownRight: return {{1, 1}, 2, 0, 0};
    case Direction::kUpLeft: return {{-1, -1}, 2, -back, -back};
    case Direction::kDownLeft: return {{1, -1}, 3, 0, 0};
    case Direction::kUpRight: return {{-1, 1}, 3, -back, back};
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
// code either way.
#if defined(__x86_64__) && defined(__has_attribute)
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
  const int kFirstLetters = std::min(length, 4);
  // Per letter of the word, in test order: its mask at row 0 advanced to
  // the word holding the start's bit, and the bit within that word.
  const std::uint64_t* letterWords[kMaxLength];
  int letterShifts[kMaxLength];
  for (int d = 0; d < usedDirections; ++d) {
    const Direction direction = directions[static_cast<std::size_t>(d)];
    const Geometry g = geometry(direction, length);
    for (int j = 0; j < length; ++j) {
      const int k = order_[static_cast<std::size_t>(j)];
      const int offset = kPadBits + k * g.step.column;
      letterWords[j] =
          rowOf(fits_[upper_[static_cast<std::size_t>(k)]], k * g.step.row) + (offset >> 6);
      letterShifts[j] = offset & 63;
    }
    const std::uint64_t* runRows =
        rowOf(runs_[static_cast<std::size_t>(g.orientation)], g.runRowOffset);
    const int runOffset = kPadBits + g.runColumnOffset;
    for (int i = 0; i < rows_; ++i) {
      const int row = scanLine(start.rowOffset, i, rows_);
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
        } else {
          starts = ~Block{};
        }
        // A few letters go in without looking: nearly every block needs
        // them, and a test after each would cost more than it saves.
        int j = 0;
        for (; j < kFirstLetters; ++j) {
          readShiftedBlock(mask, letterWords[j] + blockShift, letterShifts[j]);
          starts &= mask;
        }
        while (j < length && !isZero(starts)) {
          readShiftedBlock(mask, letterWords[j] + blockShift, letterShifts[j]);
          starts &= mask;
          if (++j == length) break;
          readShiftedBlock(mask, letterWords[j] + blockShift, letterShifts[j]);
          starts &= mask;
          ++j;
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
    for (int i = 0; i < rows_; ++i) {
      const int row = scanLine(start.rowOffset, i, rows_);
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

bool Placer::place(std::string_view word, bool children) {
  assert(rows_ == grid_.rowCount() && columns_ == grid_.columnCount());
  const ScanStart start = drawScanStart(rows_, columns_);
  const int length = static_cast<int>(word.size());
  if (rows_ == 0 || columns_ == 0 || length < 2 || length > std::max(rows_, columns_)) {
    return false;
  }
  bool plain = length > kMaxLength;
  for (int k = 0; k < length && !plain; ++k) {
    upper_[static_cast<std::size_t>(k)] = toUpperLetter(static_cast<unsigned char>(word[k]));
    plain = upper_[static_cast<std::size_t>(k)] == static_cast<unsigned char>(kEmptyCell);
  }
  if (plain) {
    const Placement best = plainScan(grid_, word, children, start);
    if (best.row < 0) return false;
    (void)tryPlacement(grid_, word, best, true);
    rebuild();
    return true;
  }

  for (int k = 0; k < length; ++k) ensurePlane(upper_[static_cast<std::size_t>(k)]);
  if (runLength_ != length) computeRuns(length);
  // Rarest letters first, so that a block of starts empties soonest.
  for (int k = 0; k < length; ++k) order_[static_cast<std::size_t>(k)] = k;
  std::stable_sort(order_.begin(), order_.begin() + length, [&](int x, int y) {
    return letterCount_[upper_[static_cast<std::size_t>(x)]] <
           letterCount_[upper_[static_cast<std::size_t>(y)]];
  });

  // A repeated direction (children's puzzles) finds the same placements in
  // the same order and cannot change the choice.
  std::array<Direction, 8> directions{};
  int usedDirections = 0;
  for (Direction direction : scanDirections(start.directionOffset, children)) {
    if (std::find(directions.begin(), directions.begin() + usedDirections, direction) ==
        directions.begin() + usedDirections) {
      directions[static_cast<std::size_t>(usedDirections++)] = direction;
    }
  }

  // Any placement that shares a letter beats every one that shares none.
  Placement best{-1, -1, Direction::kRight};
  if (length >= 3) best = crossingScan(directions, usedDirections, start, length);
  if (best.row < 0) best = emptyScan(directions, usedDirections, start, length);
  if (best.row < 0) return false;
  write(word, best);
  return true;
}

}  // namespace haravoija
