// The scan masks kept in step with the cells: built from them, updated on
// every cell write, reset and grow, and the window counts for a word length.
#include "puzzle/scan_masks.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace haravoija {
namespace {

using bits::kMaxLength;
using bits::kPadBits;
using bits::kPadRows;

}  // namespace

ScanMasks::ScanMasks(const Grid& grid) : cells_(grid) {
  cells_.placedWords.clear();
  cells_.hiddenPhrase.clear();
  rows_ = cells_.rowCount();
  columns_ = cells_.columnCount();
  ensureCapacity(rows_, columns_);
  rebuild();
}

void ScanMasks::ensureCapacity(int rowCount, int columnCount) {
  if (rowCount <= capacityRows_ && columnCount <= capacityColumns_ && stride_ > 0) return;
  // Room to grow a little without rebuilding at every new row or column.
  capacityRows_ = std::max(rowCount, capacityRows_ + capacityRows_ / 8 + 4);
  capacityColumns_ = std::max(columnCount, capacityColumns_ + capacityColumns_ / 8 + 4);
  // Right of the grid: room for a block read from the last start.
  stride_ = (kPadBits + capacityColumns_ + kMaxLength) / 64 + bits::kLanes + 2;
  paddedRows_ = static_cast<std::size_t>(capacityRows_ + 2 * kPadRows);
  const std::size_t size = paddedRows_ * static_cast<std::size_t>(stride_);
  empty_.assign(size, 0);
  filled_.assign(size, 0);
  for (unsigned char letter : activeLetters_) fits_[letter].assign(size, 0);
  counts_.assign(4 * kCountLimit * size, 0);
  countLength_ = 0;
}

// All masks from the cells.
void ScanMasks::rebuild() {
  std::fill(empty_.begin(), empty_.end(), 0);
  std::fill(filled_.begin(), filled_.end(), 0);
  letterCount_.fill(0);
  emptyCount_ = 0;
  for (int r = 0; r < rows_; ++r) {
    const std::string& cells = cells_.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columns_; ++c) {
      const unsigned char cell = static_cast<unsigned char>(cells[static_cast<std::size_t>(c)]);
      if (cell == static_cast<unsigned char>(kEmptyCell)) {
        bits::setBit(rowOf(empty_, r), kPadBits + c);
        ++emptyCount_;
      } else {
        bits::setBit(rowOf(filled_, r), kPadBits + c);
        ++letterCount_[cell];
      }
    }
  }
  fillPlanes(activeLetters_);
  const int length = countLength_;
  countLength_ = 0;
  if (length > 0) computeCounts(length);
}

void ScanMasks::ensurePlane(unsigned char letter) {
  if (std::find(activeLetters_.begin(), activeLetters_.end(), letter) != activeLetters_.end()) {
    return;
  }
  activeLetters_.push_back(letter);
  fillPlanes({letter});
}

// "Empty or this letter" for each of `letters`, from the cells in one pass
// over them; no pass when no cell holds any of the letters.
void ScanMasks::fillPlanes(const std::vector<unsigned char>& letters) {
  std::array<bool, 256> wanted{};
  bool anyPlaced = false;
  for (unsigned char letter : letters) {
    fits_[letter] = empty_;
    wanted[letter] = true;
    anyPlaced = anyPlaced || letterCount_[letter] > 0;
  }
  if (!anyPlaced) return;
  for (int r = 0; r < rows_; ++r) {
    const std::string& cells = cells_.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columns_; ++c) {
      const unsigned char cell = static_cast<unsigned char>(cells[static_cast<std::size_t>(c)]);
      if (wanted[cell]) bits::setBit(rowOf(fits_[cell], r), kPadBits + c);
    }
  }
}

void ScanMasks::reset(int rowCount, int columnCount) {
  cells_.reset(rowCount, columnCount);
  // Bits lie only in the rows of the grid (and, in the counts, in rows
  // above it that no scan reads): clearing the rows of the larger of the
  // two grids is enough, and cheap for a small grid in padded masks.
  const int dirtyRows = std::max(rows_, rowCount);
  rows_ = rowCount;
  columns_ = columnCount;
  const int length = countLength_;
  ensureCapacity(rows_, columns_);
  const std::size_t rowWords = static_cast<std::size_t>(stride_);
  const std::size_t words = static_cast<std::size_t>(dirtyRows) * rowWords;
  std::fill_n(rowOf(empty_, 0), words, 0);
  std::fill_n(rowOf(filled_, 0), words, 0);
  for (int r = 0; r < rows_; ++r) bits::setBits(rowOf(empty_, r), kPadBits, kPadBits + columns_);
  for (unsigned char letter : activeLetters_)
    std::copy_n(rowOf(empty_, 0), words, rowOf(fits_[letter], 0));
  for (int o = 0; o < 4; ++o) std::fill_n(countRow(o, 1, 0), words * kCountLimit, 0);
  // Nothing is filled: every count is 0 whatever the length.
  countLength_ = length;
  letterCount_.fill(0);
  emptyCount_ = rows_ * columns_;
}

void ScanMasks::grow() {
  cells_.grow();
  emptyCount_ += cells_.rowCount() * cells_.columnCount() - rows_ * columns_;
  const int oldRows = rows_;
  const int oldColumns = columns_;
  rows_ = cells_.rowCount();
  columns_ = cells_.columnCount();
  if (rows_ > capacityRows_ || columns_ > capacityColumns_) {
    const int length = countLength_;
    ensureCapacity(rows_, columns_);
    countLength_ = length;
    rebuild();
    return;
  }
  // The new cells are empty: set their bits in every "empty" mask. The
  // counts stay right, since cells outside the grid counted as empty.
  auto addNewCells = [&](Plane& plane) {
    if (rows_ > oldRows) {
      bits::setBits(rowOf(plane, oldRows), kPadBits, kPadBits + columns_);
    } else {
      for (int r = 0; r < rows_; ++r) bits::setBit(rowOf(plane, r), kPadBits + oldColumns);
    }
  };
  addNewCells(empty_);
  for (unsigned char letter : activeLetters_) addNewCells(fits_[letter]);
}

// Per start cell and orientation, the filled cells of the window as unary
// counts: bit k-1 of a start's column across the planes says "at least k".
void ScanMasks::computeCounts(int length) {
  countLength_ = length;
  // Windows that start left of the grid are never asked for; those right of
  // it are, once the grid has grown.
  const int firstWord = kPadBits / 64;
  const int lastWord = (kPadBits + capacityColumns_ + kMaxLength) / 64;
  const long long filled = static_cast<long long>(rows_) * columns_ - emptyCount_;
  if (filled * 3 < static_cast<long long>(rows_) * (lastWord - firstWord + 1) * kCountLimit) {
    // Few letters: counting them one by one costs less than the sweep.
    for (int o = 0; o < 4; ++o) {
      std::fill_n(countRow(o, 1, 0), static_cast<std::size_t>(rows_) * kCountLimit * stride_, 0);
    }
    for (int r = 0; r < rows_; ++r) {
      const std::uint64_t* row = rowOf(filled_, r);
      for (int w = firstWord; w <= (kPadBits + columns_ - 1) / 64; ++w) {
        for (std::uint64_t cells = row[w]; cells != 0; cells &= cells - 1) {
          countCell(r, w * 64 + std::countr_zero(cells) - kPadBits);
        }
      }
    }
    return;
  }
  for (int o = 0; o < 4; ++o) {
    const Step step = kOrientationStep[o];
    std::array<std::uint64_t*, kCountLimit> planeRows{};
    for (int r = 0; r < rows_; ++r) {
      for (int k = 0; k < kCountLimit; ++k) planeRows[k] = countRow(o, k + 1, r);
      for (int w = firstWord; w <= lastWord; ++w) {
        std::array<std::uint64_t, kCountLimit> atLeast{};
        for (int t = 0; t < length; ++t) {
          const std::uint64_t filled =
              bits::bitsAt(rowOf(filled_, r + t * step.row), w * 64 + t * step.column);
          for (int k = kCountLimit - 1; k > 0; --k) atLeast[k] |= atLeast[k - 1] & filled;
          atLeast[0] |= filled;
        }
        for (int k = 0; k < kCountLimit; ++k) planeRows[k][w] = atLeast[k];
      }
    }
  }
}

void ScanMasks::prepare(const unsigned char* letters, int length) {
  for (int k = 0; k < length; ++k) ensurePlane(letters[k]);
  if (countLength_ != length) computeCounts(length);
}

void ScanMasks::writeCell(int row, int column, unsigned char letter) {
  assert(cells_.cell(row, column) == static_cast<unsigned char>(kEmptyCell));
  cells_.setCell(row, column, letter);
  const int bit = kPadBits + column;
  bits::clearBit(rowOf(empty_, row), bit);
  bits::setBit(rowOf(filled_, row), bit);
  for (unsigned char other : activeLetters_) {
    if (other != letter) bits::clearBit(rowOf(fits_[other], row), bit);
  }
  ++letterCount_[letter];
  --emptyCount_;
  if (countLength_ > 0) countCell(row, column);
}

// One more filled cell in every window that holds this cell: a unary
// increment, "at least k" gaining the starts that had at least k - 1.
// Saturated counts stay. Without branches, since in a crowded grid whether
// a count is saturated is anyone's guess.
void ScanMasks::countCell(int row, int column) {
  const int bit = kPadBits + column;
  auto increment = [&](std::uint64_t* word, std::uint64_t mask) {
    for (int k = kCountLimit - 1; k > 0; --k) {
      word[static_cast<std::size_t>(k) * stride_] |=
          word[static_cast<std::size_t>(k - 1) * stride_] & mask;
    }
    word[0] |= mask;
  };
  // Rightwards the windows holding the cell start at the bits
  // [bit - length + 1, bit] of its own row.
  std::uint64_t* levels = countRow(0, 1, row);
  for (int from = bit - countLength_ + 1; from <= bit;) {
    const int shift = from & 63;
    const int count = std::min(64 - shift, bit + 1 - from);
    increment(levels + (from >> 6), bits::lowBits(count) << shift);
    from += count;
  }
  for (int o = 1; o < 4; ++o) {
    const Step step = kOrientationStep[o];
    for (int t = 0; t < countLength_; ++t) {
      const int startBit = bit - t * step.column;
      increment(countRow(o, 1, row - t * step.row) + (startBit >> 6),
                std::uint64_t{1} << (startBit & 63));
    }
  }
}

int ScanMasks::filledInWindow(int orientation, int row, int column) const {
  assert(countLength_ > 0);
  const int bit = kPadBits + column;
  const std::uint64_t* word = countRow(orientation, 1, row) + (bit >> 6);
  int count = 0;
  while (count < kCountLimit && ((*word >> (bit & 63)) & 1) != 0) {
    ++count;
    word += stride_;
  }
  return count;
}

}  // namespace haravoija
