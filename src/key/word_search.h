// Finding the listed words in a letter grid, in all eight directions, letter
// case ignored: every word in one pass over the grid's lines.
#ifndef HARAVOIJA_KEY_WORD_SEARCH_H_
#define HARAVOIJA_KEY_WORD_SEARCH_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "puzzle/direction.h"

namespace haravoija {

// One place where a word lies: its first letter (row and column from 0), the
// direction from it to the last letter and the number of letters. Six bytes:
// a large grid of random letters holds short words hundreds of thousands of
// times.
struct Occurrence {
  std::uint16_t row = 0;
  std::uint16_t column = 0;
  std::uint8_t directionCode = static_cast<std::uint8_t>(Direction::kRight);
  std::uint8_t length = 1;

  Direction direction() const { return static_cast<Direction>(directionCode); }
  int endRow() const { return row + (length - 1) * directionStep(direction()).row; }
  int endColumn() const { return column + (length - 1) * directionStep(direction()).column; }

  friend bool operator==(const Occurrence&, const Occurrence&) = default;
};

// Where the words lie. Words of the list that are the same word (letter case
// ignored) share their places.
struct WordSearch {
  // The places of every distinct word, those of one word together.
  std::vector<Occurrence> places;
  // Word i's places are places[keyFirst[k]] to places[keyFirst[k + 1] - 1]
  // for k = keyOfWord[i]; kNoKey for a word that cannot lie anywhere (empty,
  // or holding a space).
  std::vector<std::uint32_t> keyFirst;
  std::vector<std::uint32_t> keyOfWord;
  // The search stopped at its limit; the places are incomplete.
  bool tooMany = false;

  static constexpr std::uint32_t kNoKey = 0xFFFFFFFF;

  // Where word i of the list lies: in reading order of the first letter, then
  // by direction code. Empty for a missing word.
  // REQUIRES: i below the number of words searched for.
  std::span<const Occurrence> placesOf(std::size_t i) const {
    const std::uint32_t key = keyOfWord[i];
    if (key == kNoKey) return {};
    return std::span(places).subspan(keyFirst[key], keyFirst[key + 1] - keyFirst[key]);
  }
};

// Finds the words in the grid rows (CP850, all of equal length, a space for
// an empty cell). Letters match whatever their case; a space in a word or in
// the grid matches nothing. A word that reads the same backwards is reported
// once for the cells it covers, in the direction that reads rightwards or
// downwards (E, S, SE or NE); a word of one letter once per cell, as E.
// The search stops once it has found more than `limit` places.
// REQUIRES: every row as long as the first; at most 65535 rows and columns;
// fewer than 2^24 words, each at most 255 letters long.
[[nodiscard]] WordSearch findWords(const std::vector<std::string>& rows,
                                   const std::vector<std::string>& words, std::size_t limit);

}  // namespace haravoija

#endif  // HARAVOIJA_KEY_WORD_SEARCH_H_
