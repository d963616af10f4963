// Placing words into a grid: the exhaustive scan that prefers crossings.
// The Placer keeps bit masks of the grid in step with its cells so that each
// scan tests many starts at once, while choosing exactly the placement of the
// plain scan: every start cell in every direction of the sequence, the one
// sharing the most letters (fewer than the word's length minus one) winning,
// ties going to the first in scan order.
#ifndef HARAVOIJA_PUZZLE_PLACER_H_
#define HARAVOIJA_PUZZLE_PLACER_H_

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "puzzle/grid.h"
#include "puzzle/placement.h"
#include "text/random_source.h"

namespace haravoija {

// False for a word that no grid can take: fewer than two letters, more than
// 80, or a space among them. The word rules keep such words out of the list.
[[nodiscard]] bool fitsSomeGrid(std::string_view word);

// While a Placer lives it must be the only writer of its grid's cells and
// size: the run resets, clears and grows the grid through it.
class Placer {
 public:
  Placer(Grid& grid, RandomSource& random);
  Placer(const Placer&) = delete;
  Placer& operator=(const Placer&) = delete;

  // Draws the scan's three offsets and places the word where it shares the
  // most letters; a children's puzzle scans only rightwards and downwards.
  // False, with the grid unchanged, when no placement qualifies. Words of
  // fewer than two letters, of more than 80 or holding a space fit nowhere.
  [[nodiscard]] bool placeWord(std::string_view word, bool children);

  // The grid operations of the same names, keeping the masks in step.
  void reset(int rowCount, int columnCount);
  void clear();
  void grow();

 private:
  using Plane = std::vector<std::uint64_t>;

  // How a direction reads the masks: its step, and the orientation and
  // offset of the empty-run mask that says "all cells of the word empty".
  struct Geometry {
    Step step;
    int orientation = 0;
    int runRowOffset = 0;
    int runColumnOffset = 0;
  };
  Geometry geometry(Direction direction, int length) const;

  void ensureCapacity(int rowCount, int columnCount);
  void rebuild();
  void ensurePlane(unsigned char letter);
  void computeRuns(int length);
  void writeCell(int row, int column, unsigned char letter);
  void write(std::string_view word, Placement placement);

  // Best placement sharing at least one letter; row -1 when none qualifies.
  Placement crossingScan(const std::array<Direction, 8>& directions, int usedDirections,
                         ScanStart start, int length);
  // First placement over empty cells only; row -1 when there is none.
  Placement emptyScan(const std::array<Direction, 8>& directions, int usedDirections,
                      ScanStart start, int length) const;
  int sharedLetters(int row, int column, Step step, int length) const;

  std::uint64_t* rowOf(Plane& plane, int row) { return plane.data() + rowIndex(row); }
  const std::uint64_t* rowOf(const Plane& plane, int row) const {
    return plane.data() + rowIndex(row);
  }
  std::size_t rowIndex(int row) const;

  Grid& grid_;
  RandomSource& random_;
  int rows_ = 0;
  int columns_ = 0;
  int capacityRows_ = 0;
  int capacityColumns_ = 0;
  int stride_ = 0;  // 64-bit words per padded row
  Plane empty_;
  // "Empty or this byte" for every byte some word has asked for.
  std::array<Plane, 256> fits_;
  std::vector<unsigned char> activeLetters_;
  std::array<int, 256> letterCount_{};
  int emptyCount_ = 0;
  // "The next runLength_ cells from here are empty", one mask per line
  // orientation (right, down, down-right, down-left); stale when 0.
  std::array<Plane, 4> runs_;
  int runLength_ = 0;
  std::array<unsigned char, 128> upper_{};
  std::array<int, 128> order_{};
};

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_PLACER_H_
