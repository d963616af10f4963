// The bit masks that the placement scan reads, kept in step with a copy of the
// grid's cells: "empty", "empty or this letter" for the letters asked for,
// and per start cell a small count of the filled cells in the window of the
// current word length. One ScanMasks is read by one thread at a time; a
// second thread keeps its own copy in step through the same operations.
#ifndef HARAVOIJA_PUZZLE_SCAN_MASKS_H_
#define HARAVOIJA_PUZZLE_SCAN_MASKS_H_

#include <array>
#include <cstdint>
#include <vector>

#include "puzzle/bit_rows.h"
#include "puzzle/direction.h"
#include "puzzle/grid.h"

namespace haravoija {

class ScanMasks {
 public:
  // Filled cells are counted up to this many: enough for the bounds of most
  // words, small enough to keep the masks few.
  static constexpr int kCountLimit = 4;
  // Window orientations of the counts: right, down, down-right, down-left.
  static constexpr Step kOrientationStep[4] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};

  explicit ScanMasks(const Grid& grid);

  const Grid& cells() const { return cells_; }
  int emptyCount() const { return emptyCount_; }
  int letterCount(unsigned char letter) const { return letterCount_[letter]; }

  // The Grid operations of the same names, on the copy and the masks.
  // REQUIRES (reset): rowCount >= 0 and columnCount >= 0.
  void reset(int rowCount, int columnCount);
  void grow();
  // Writes a letter into an empty cell.
  // REQUIRES: the cell lies in the grid and is empty; letter is not a space.
  void writeCell(int row, int column, unsigned char letter);

  // Makes the masks ready for words of `length` letters, among them
  // `letters[0 .. length)`; the counts stay those of this length, kept in
  // step through every change, until another length is prepared.
  // REQUIRES: 1 <= length <= bits::kMaxLength.
  void prepare(const unsigned char* letters, int length);

  // Filled cells, at most kCountLimit, among the prepared window length of
  // cells from (row, column) along an orientation; cells outside the grid
  // count as empty.
  // REQUIRES: prepare() has been called; 0 <= orientation < 4; the cell lies
  // in the grid.
  int filledInWindow(int orientation, int row, int column) const;

  // The masks as the scan reads them. A cell (row, column) is bit
  // bits::kPadBits + column of its row; rows reach bits::kPadRows beyond
  // the grid above and below, and bits all of the blocks read from a start
  // in the grid, with zero bits outside it.
  // Words of 64 bits from one row of a mask to the next.
  int rowWords() const { return stride_; }
  // Row `row` of "empty or `letter`".
  // REQUIRES: prepare() was given `letter` since the masks were made.
  const std::uint64_t* fitsRow(unsigned char letter, int row) const {
    return rowOf(fits_[letter], row);
  }
  // Row `row` of "at least k filled cells in the window" along an
  // orientation, at the start of each window.
  // REQUIRES: prepare() has been called; 1 <= k <= kCountLimit.
  const std::uint64_t* countRow(int orientation, int k, int row) const {
    return counts_.data() + countIndex(orientation, k, row);
  }

 private:
  using Plane = std::vector<std::uint64_t>;

  void ensureCapacity(int rowCount, int columnCount);
  void rebuild();
  void ensurePlane(unsigned char letter);
  void fillPlanes(const std::vector<unsigned char>& letters);
  void computeCounts(int length);
  void countCell(int row, int column);
  std::size_t rowIndex(int row) const {
    return static_cast<std::size_t>(row + bits::kPadRows) * static_cast<std::size_t>(stride_);
  }
  std::uint64_t* rowOf(Plane& plane, int row) { return plane.data() + rowIndex(row); }
  const std::uint64_t* rowOf(const Plane& plane, int row) const {
    return plane.data() + rowIndex(row);
  }
  // Row `row` of "at least k filled cells in the window", k = 1 ..
  // kCountLimit. The rows of the k masks of one grid row lie together, so
  // that a count's update stays within a few cache lines.
  std::size_t countIndex(int orientation, int k, int row) const {
    return ((static_cast<std::size_t>(orientation) * paddedRows_ +
             static_cast<std::size_t>(row + bits::kPadRows)) *
                kCountLimit +
            static_cast<std::size_t>(k - 1)) *
           static_cast<std::size_t>(stride_);
  }
  std::uint64_t* countRow(int orientation, int k, int row) {
    return counts_.data() + countIndex(orientation, k, row);
  }

  Grid cells_;
  int rows_ = 0;
  int columns_ = 0;
  int capacityRows_ = 0;
  int capacityColumns_ = 0;
  int stride_ = 0;  // 64-bit words per padded row
  std::size_t paddedRows_ = 0;
  Plane empty_;
  Plane filled_;
  // "Empty or this byte" for every byte some word has asked for.
  std::array<Plane, 256> fits_;
  std::vector<unsigned char> activeLetters_;
  std::array<int, 256> letterCount_{};
  int emptyCount_ = 0;
  // Unary counts per orientation; stale while countLength_ is 0.
  Plane counts_;
  int countLength_ = 0;
};

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_SCAN_MASKS_H_
