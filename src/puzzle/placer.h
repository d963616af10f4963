// Placing words into a grid: the exhaustive scan that prefers crossings.
// The Placer keeps bit masks of the grid in step with its cells so that each
// scan tests many starts at once, and on a large grid shares the scan with a
// helper thread, while choosing exactly the placement of the plain scan:
// every start cell in every direction of the sequence, the one sharing the
// most letters (fewer than the word's length minus one) winning, ties going
// to the first in scan order.
#ifndef HARAVOIJA_PUZZLE_PLACER_H_
#define HARAVOIJA_PUZZLE_PLACER_H_

#include <memory>
#include <string_view>

#include "env/random_source.h"
#include "puzzle/block_scan.h"
#include "puzzle/grid.h"
#include "puzzle/placement.h"
#include "puzzle/placer_options.h"
#include "puzzle/scan_masks.h"

namespace haravoija {

class ScanHelper;

// False for a word that no grid can take: fewer than two letters, more than
// kMaxWordLength, or a space among them. The word rules keep such words out
// of the list.
[[nodiscard]] bool fitsSomeGrid(std::string_view word);

// Places words into one grid, keeping masks of its cells: the run resets,
// clears and grows the grid through it.
class Placer {
 public:
  // Every draw comes from `random`, in the calling thread; the options only
  // decide whether large scans are shared, never the placement chosen.
  // REQUIRES: the grid's rows are all of one length; `grid` and `random`
  // outlive the Placer, and while it lives nothing else writes the grid's
  // cells or changes its size.
  Placer(Grid& grid, RandomSource& random, PlacerOptions options = {});
  ~Placer();
  Placer(const Placer&) = delete;
  Placer& operator=(const Placer&) = delete;

  // Draws the scan's three offsets and places the word where it shares the
  // most letters; a children's puzzle scans only rightwards and downwards.
  // False, with the grid unchanged, when no placement qualifies, as for a
  // word that fitsSomeGrid refuses.
  [[nodiscard]] bool placeWord(std::string_view word, bool children);

  // The grid operations of the same names, keeping the masks in step.
  // REQUIRES (reset): rowCount >= 0 and columnCount >= 0.
  void reset(int rowCount, int columnCount);
  void clear();
  void grow();

  // What the placements have cost so far, the helper's work included.
  PlacerStats stats() const;

 private:
  // Best placement of the job set up in scan_ sharing at least one letter;
  // row -1 when none qualifies.
  Placement crossingScan();
  void write(std::string_view word, const ScanJob& job, Placement placement);
  bool useHelper(const ScanJob& job);

  Grid& grid_;
  RandomSource& random_;
  PlacerOptions options_;
  ScanMasks masks_;
  BlockScan scan_;
  std::unique_ptr<ScanHelper> helper_;
  bool helperFailed_ = false;
  long long largeScanBlocks_ = 0;
  long long scanSteps_ = 0;
};

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_PLACER_H_
