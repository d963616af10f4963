// Finding the listed words in a letter grid, in all eight directions, letter
// case ignored: every word in one pass over the grid's lines.
#ifndef HARAVOIJA_KEY_WORD_SEARCH_H_
#define HARAVOIJA_KEY_WORD_SEARCH_H_

#include <cstddef>
#include <string>
#include <vector>

#include "puzzle/direction.h"

namespace haravoija {

// One place where a word lies: its first and last letter (rows and columns
// from 0) and the direction from the one to the other.
struct Occurrence {
  int row = 0;
  int column = 0;
  Direction direction = Direction::kRight;
  int endRow = 0;
  int endColumn = 0;

  friend bool operator==(const Occurrence&, const Occurrence&) = default;
};

// More occurrences than this in one grid (a grid of one letter and words of
// that letter, say) are not searched further. A large grid of random
// letters holds each short word thousands of times by chance.
inline constexpr std::size_t kMostOccurrences = 4'000'000;

struct WordSearch {
  // For each listed word, in list order, where it lies: in reading order of
  // the first letter, then by direction code. Empty for a missing word.
  std::vector<std::vector<Occurrence>> occurrences;
  // The search stopped at its limit; the lists are incomplete.
  bool tooMany = false;
};

// Finds the words in the grid rows (CP850, all of equal length, a space for
// an empty cell). Letters match whatever their case; a space in a word or in
// the grid matches nothing. A word that reads the same backwards is reported
// once for the cells it covers, in the direction that reads rightwards or
// downwards (E, S, SE or NE); a word of one letter once per cell, as E.
// The search stops once it has found more than `limit` occurrences.
// REQUIRES: every row as long as the first.
[[nodiscard]] WordSearch findWords(const std::vector<std::string>& rows,
                                   const std::vector<std::string>& words,
                                   std::size_t limit = kMostOccurrences);

}  // namespace haravoija

#endif  // HARAVOIJA_KEY_WORD_SEARCH_H_
