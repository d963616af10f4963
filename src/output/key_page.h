// The printable answer-key document: the puzzle on one A4 page and its key
// on a second.
#ifndef HARAVOIJA_OUTPUT_KEY_PAGE_H_
#define HARAVOIJA_OUTPUT_KEY_PAGE_H_

#include <cstddef>
#include <optional>
#include <string>

#include "key/answer_key.h"
#include "key/puzzle_page.h"
#include "text/limits.h"

namespace haravoija {

// The document's bytes: HTML in UTF-8 that declares its character set, with
// no script and nothing fetched from elsewhere. Page 1 holds the title, the
// grid scaled to the page, the word list and the solver's lines; page 2 the
// grid with every occurrence of every word outlined (an inline SVG, one
// line element of class "m" per occurrence, drawn through the centres of its
// first and last cell, a cell being 2 units wide), the letters of no word
// faint, each word with the row, column and direction of its occurrences,
// and the hidden phrase with the outcome of its check. A page whose letters
// print below a readable size says so.
// Nothing when the document would be longer than `limit` bytes.
// REQUIRES: `key` is solvePage's key of this same page.
[[nodiscard]] std::optional<std::string> keyPage(const PuzzlePage& page, const AnswerKey& key,
                                                 std::size_t limit = kLargestOutputBytes);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_KEY_PAGE_H_
