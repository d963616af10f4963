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
#include "puzzle/grid.h"
#include "puzzle/placement.h"
#include "puzzle/scan_rows.h"

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

  void reset(int rowCount, int columnCount);
  void grow();
  // Writes a letter into an empty cell.
  void writeCell(int row, int column, unsigned char letter);

  // Makes the masks ready for words of `length` letters, among them
  // `letters[0 .. length)`.
  void prepare(const unsigned char* letters, int length);

  // Filled cells, at most kCountLimit, among the prepared window length of
  // cells from (row, column) along an orientation; cells outside the grid
  // count as empty. Rows and columns within the grid.
  int filledInWindow(int orientation, int row, int column) const;

  // Per direction of a job: where each letter's mask lies relative to a
  // start, and the rows a start may be in.
  struct DirectionSetup {
    std::array<const std::uint64_t*, bits::kMaxLength> letterWords{};
    // The bit within the word, and 63 minus it, in every lane.
    std::array<bits::Block, bits::kMaxLength> lowShifts{};
    std::array<bits::Block, bits::kMaxLength> highShifts{};
    Step step;
    int orientation = 0;
    int windowRowOffset = 0;
    int windowColumnOffset = 0;
    int firstRow = 0;
    int endRow = 0;
  };
  using JobSetup = std::array<DirectionSetup, 8>;
  void setUp(const ScanJob& job, JobSetup& setup) const;

  // The best start of the rows [from, to) of the job's scan order, found
  // no earlier than `after` (a start better than `floor`, in this scan's
  // order, if floor.shared > 0): the most shared letters, then the first.
  // Only starts sharing at most length - 2 letters qualify. Adds the blocks
  // of starts and the single starts tested to `steps`.
  ScanBest bestInRows(const ScanJob& job, const JobSetup& setup, int from, int to, ScanBest floor,
                      long long& steps) const;

  // The first placement over empty cells only, in scan order; row -1 when
  // there is none.
  Placement firstEmpty(const ScanJob& job, const JobSetup& setup) const;

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
  const std::uint64_t* countRow(int orientation, int k, int row) const {
    return counts_.data() + countIndex(orientation, k, row);
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
