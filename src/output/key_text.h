// The answer key as the console shows it, and the parts of it that the
// printed key shares.
#ifndef HARAVOIJA_OUTPUT_KEY_TEXT_H_
#define HARAVOIJA_OUTPUT_KEY_TEXT_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "key/answer_key.h"
#include "key/puzzle_page.h"
#include "text/limits.h"

namespace haravoija {

// The key as CP850 lines, each ending in "\n": a heading with the title and
// the size, the grid with the letters that no word covers as "." (cells
// separated by spaces), then each word with the row, column and direction
// of every place it lies (counted from 1; a word found more than once says
// how often, a missing word says so), and with a hidden phrase, the phrase
// and whether the leftover letters spell it.
// Nothing when the text would be longer than `limit` bytes.
// REQUIRES: `key` is solvePage's key of this same page.
[[nodiscard]] std::optional<std::string> keyText(const PuzzlePage& page, const AnswerKey& key,
                                                 std::size_t limit = kLargestOutputBytes);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_KEY_TEXT_H_
