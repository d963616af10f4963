// The placer's masks: built from the grid, kept in step with every cell it
// writes and every reset, clear and grow, and the placement that uses them.
#include "puzzle/placer.h"

#include <algorithm>
#include <cassert>

#include "puzzle/bit_rows.h"
#include "text/letters.h"

namespace haravoija {
namespace {

using bits::kMaxLength;
using bits::kPadBits;
using bits::kPadRows;

constexpr Step kOrientationStep[4] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};

}  // namespace

Placer::Placer(Grid& grid, RandomSource& random) : grid_(grid), random_(random) {
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
  stride_ = (kPadBits + capacityColumns_ + kMaxLength) / 64 + bits::kLanes + 2;
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
        bits::setBit(row, kPadBits + c);
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
        bits::setBit(row, kPadBits + c);
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
  for (int r = 0; r < rows_; ++r) bits::setBits(rowOf(empty_, r), kPadBits, kPadBits + columns_);
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
      bits::setBits(rowOf(plane, oldRows), kPadBits, kPadBits + columns_);
    } else {
      for (int r = 0; r < rows_; ++r) bits::setBit(rowOf(plane, r), kPadBits + oldColumns);
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
          row[w] &= bits::bitsAt(from, w * 64 + by * step.column);
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
  bits::clearBit(rowOf(empty_, row), bit);
  for (unsigned char other : activeLetters_) {
    if (other != letter) bits::clearBit(rowOf(fits_[other], row), bit);
  }
  ++letterCount_[letter];
  --emptyCount_;
  if (runLength_ == 0) return;
  // Every run that covers the cell is no longer empty.
  bits::clearBits(rowOf(runs_[0], row), bit - runLength_ + 1, bit + 1);
  for (int o = 1; o < 4; ++o) {
    const Step step = kOrientationStep[o];
    Plane& run = runs_[static_cast<std::size_t>(o)];
    for (int t = 0; t < runLength_; ++t) {
      bits::clearBit(rowOf(run, row - t * step.row), bit - t * step.column);
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

bool fitsSomeGrid(std::string_view word) {
  // The masks hold words of up to kMaxLength letters, and a space in a word
  // would read as an empty cell.
  return word.size() >= 2 && word.size() <= static_cast<std::size_t>(kMaxLength) &&
         word.find(kEmptyCell) == std::string_view::npos;
}

bool Placer::placeWord(std::string_view word, bool children) {
  assert(rows_ == grid_.rowCount() && columns_ == grid_.columnCount());
  const ScanStart start = drawScanStart(rows_, columns_, random_);
  const int length = static_cast<int>(word.size());
  if (rows_ == 0 || columns_ == 0 || !fitsSomeGrid(word) || length > std::max(rows_, columns_)) {
    return false;
  }
  for (int k = 0; k < length; ++k) {
    upper_[static_cast<std::size_t>(k)] = toUpperLetter(static_cast<unsigned char>(word[k]));
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
