// The answer key as JSON, for other programs: one object per page.
#ifndef HARAVOIJA_OUTPUT_KEY_JSON_H_
#define HARAVOIJA_OUTPUT_KEY_JSON_H_

#include <cstddef>
#include <optional>
#include <string>

#include "key/answer_key.h"
#include "key/puzzle_page.h"
#include "text/limits.h"

namespace haravoija {

// One JSON object on one line, UTF-8, without a line end:
// {"title": ..., "rows": R, "columns": C, "grid": [row strings],
//  "words": [{"word": ..., "occurrences": [{"row", "column", "direction",
//  "endRow", "endColumn"}]}], "phrase": string or null,
//  "phraseMatches": bool or null, "chance": [offensive words the grid spells
//  by chance, shaped as "words"]}. Rows and columns count from 1; a
// direction is one of N NE E SE S SW W NW; an empty cell is a space.
// Nothing when the text would be longer than `limit` bytes.
// REQUIRES: `key` is solvePage's key of this same page.
[[nodiscard]] std::optional<std::string> keyJson(const PuzzlePage& page, const AnswerKey& key,
                                                 std::size_t limit = kLargestOutputBytes);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_KEY_JSON_H_
