// The playable page: a saved puzzle as one HTML file that is solved in the
// browser by drawing lines over the grid.
#ifndef HARAVOIJA_OUTPUT_PLAY_PAGE_H_
#define HARAVOIJA_OUTPUT_PLAY_PAGE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "key/puzzle_page.h"
#include "text/limits.h"

namespace haravoija {

// The page's bytes: HTML in UTF-8 with its style sheet and script inline and
// nothing fetched. Each grid cell is an element holding only its letter,
// with data-row and data-column (from 1); each listed word an element with
// data-word. No word's place is in it; a hidden phrase only as the digest
// of phraseDigestText of it, in the data-hash of the phrase form.
// Nothing when the page would be longer than `limit` bytes.
// REQUIRES: page as readPuzzlePage returns it (at least one row, rows of
// equal length).
[[nodiscard]] std::optional<std::string> playPage(const PuzzlePage& page,
                                                  std::size_t limit = kLargestOutputBytes);

// What the page hashes to check a typed phrase: the letters the phrase put
// into the grid (its characters but spaces, a-z and the Finnish letters
// upper-cased) in UTF-8. The page's script does the same to what the solver
// types.
std::string phraseDigestText(std::string_view cp850Phrase);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_PLAY_PAGE_H_
