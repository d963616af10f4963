// The answer key of a saved page: where each listed word lies, which cells
// no word covers, and whether those leftover letters spell the hidden phrase.
#ifndef HARAVOIJA_KEY_ANSWER_KEY_H_
#define HARAVOIJA_KEY_ANSWER_KEY_H_

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "key/chance_words.h"
#include "key/puzzle_page.h"
#include "key/word_search.h"

namespace haravoija {

// More places than this in one grid (a grid of one letter and words of that
// letter, say) are not searched further. A large grid of random letters
// holds each short word thousands of times by chance.
inline constexpr std::size_t kMostOccurrences = 4'000'000;

struct AnswerKey {
  // Where the words of the page's list lie.
  WordSearch found;
  // One string per grid row: 1 where some occurrence covers the cell, 0
  // where none does.
  std::vector<std::string> covered;
  // The letters of the cells no word covers, in reading order (empty cells
  // are not letters), upper-cased.
  std::string leftoverLetters;
  // With a phrase on the page: whether the leftover letters begin with the
  // phrase's characters other than spaces, upper-cased. The fill puts them
  // there first and random letters after them.
  std::optional<bool> phraseMatches;
  // Offensive words that the grid spells by chance, outside the listed words.
  std::vector<ChanceWord> chance;

  // Every place where word i of the page's list lies.
  // REQUIRES: i below the number of words on the page.
  std::span<const Occurrence> places(std::size_t i) const { return found.placesOf(i); }
  // REQUIRES: the cell lies in the grid.
  bool isCovered(int row, int column) const { return covered[row][column] == '1'; }
};

// No key: the page's words lie in the grid more often than a key can show
// (kMostOccurrences).
struct TooManyOccurrences {};

using KeyOutcome = std::variant<AnswerKey, TooManyOccurrences>;

// The key of a page as readPuzzlePage gives it, complete, or the refusal.
// REQUIRES: the page keeps the promises of PuzzlePage (at least one row,
// rows of equal length).
[[nodiscard]] KeyOutcome solvePage(const PuzzlePage& page);

}  // namespace haravoija

#endif  // HARAVOIJA_KEY_ANSWER_KEY_H_
