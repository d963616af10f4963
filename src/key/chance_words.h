// Offensive words that the random fill spelled by chance: a teacher checks
// the key for them before handing the sheet to children.
#ifndef HARAVOIJA_KEY_CHANCE_WORDS_H_
#define HARAVOIJA_KEY_CHANCE_WORDS_H_

#include <string>
#include <vector>

#include "key/puzzle_page.h"
#include "key/word_search.h"

namespace haravoija {

// An offensive word and every place where it lies other than inside a
// listed word of the puzzle.
struct ChanceWord {
  std::string word;
  std::vector<Occurrence> places;
};

// The offensive words (common Finnish swear words and slurs) that lie in
// the page's grid by chance, in the order of their list. An offensive word
// that is also a listed word of the page is never one, nor is a place wholly
// inside a place where `found` has a listed word (the teacher chose those
// letters). Places as findWords gives them; at most `limit` places in all.
// REQUIRES: `found` is the search of this page's words; the page keeps the
// promises of PuzzlePage.
[[nodiscard]] std::vector<ChanceWord> findChanceWords(const PuzzlePage& page,
                                                      const WordSearch& found, std::size_t limit);

}  // namespace haravoija

#endif  // HARAVOIJA_KEY_CHANCE_WORDS_H_
