// One scan of the placement over the scan masks: the job (the word, its
// directions, the order of the rows), the best start found, and the scan
// itself, which tests a block of 256 starts at a time against the window
// counts and the letter masks. A shared scan is the same job set up over
// each thread's own masks.
#ifndef HARAVOIJA_PUZZLE_BLOCK_SCAN_H_
#define HARAVOIJA_PUZZLE_BLOCK_SCAN_H_

#include <array>
#include <cstdint>

#include "puzzle/bit_rows.h"
#include "puzzle/placement.h"
#include "puzzle/scan_masks.h"

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

// Where a ScanBest of the job lies in the grid.
// REQUIRES: best.shared > 0 and best.scanRow < job.scanRows().
Placement placementOf(const ScanJob& job, ScanBest best);

class BlockScan {
 public:
  // Readies the scan of `job` over `masks`: where each letter's mask lies
  // relative to a start, and the rows a start may be in, per direction.
  // REQUIRES: 2 <= job.length <= bits::kMaxLength and job.length is at most
  // the grid's larger side; job.rows and job.columns are the masks' grid's;
  // masks.prepare(job.letters.data(), job.length) was called after the last
  // change to the masks. `masks` must outlive the scans.
  void setUp(const ScanMasks& masks, const ScanJob& job);

  const ScanJob& job() const { return job_; }

  // The best start of the rows [from, to) of the job's scan order, by
  // isBetter, that is better than `floor` (when floor.shared is 0, any
  // start sharing a letter); shared 0 when none is. Only starts sharing at
  // most length - 2 letters qualify. Adds the blocks of starts and the
  // single starts tested to `steps`.
  // REQUIRES: setUp, with the masks unchanged since; 0 <= from <= to <=
  // job().scanRows().
  ScanBest bestInRows(int from, int to, ScanBest floor, long long& steps) const;

  // The first placement over empty cells only, in scan order; row -1 when
  // there is none.
  // REQUIRES: setUp, with the masks unchanged since.
  Placement firstEmpty() const;

 private:
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

  const ScanMasks* masks_ = nullptr;
  ScanJob job_;
  std::array<DirectionSetup, 8> directions_;
};

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_BLOCK_SCAN_H_
