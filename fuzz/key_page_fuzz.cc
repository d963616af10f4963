// Fuzz target: any bytes as a saved page. Reading must end with a page or an
// error, never crash or hang; a page that is read keeps its promises (rows of
// one length within the bounds, words), and its key, the key document, the
// console key and the JSON are made without fault, every occurrence spelling
// its word.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fakes.h"
#include "key/answer_key.h"
#include "key/puzzle_page.h"
#include "output/key_json.h"
#include "output/key_page.h"
#include "output/key_text.h"
#include "text/letters.h"

namespace {

void check(bool promise, const char* what) {
  if (!promise) {
    std::fprintf(stderr, "key page: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte sets how many bytes each read hands out, so that lines
  // and markers fall across chunk borders.
  const std::size_t chunk = 1 + data[0] % 64;
  haravoija::testing::StringFile file(
      std::string(reinterpret_cast<const char*>(data) + 1, size - 1), chunk);
  const haravoija::PageReading reading = haravoija::readPuzzlePage(file);
  if (reading.error != haravoija::PageError::kNone) return 0;
  const haravoija::PuzzlePage& page = reading.page;
  check(!page.rows.empty() && page.rows.size() <= haravoija::kLargestPageSide, "row count");
  for (const std::string& row : page.rows) {
    check(!row.empty() && row.size() == page.rows[0].size(), "row length");
  }
  check(!page.words.empty(), "no words");

  const haravoija::AnswerKey key = haravoija::solvePage(page);
  for (std::size_t i = 0; i < page.words.size(); ++i) {
    const std::string word = haravoija::toUpperText(page.words[i]);
    for (const haravoija::Occurrence& at : key.occurrences[i]) {
      const haravoija::Step step = haravoija::directionStep(at.direction);
      for (std::size_t k = 0; k < word.size(); ++k) {
        const int r = at.row + static_cast<int>(k) * step.row;
        const int c = at.column + static_cast<int>(k) * step.column;
        check(r >= 0 && c >= 0 && r < static_cast<int>(page.rows.size()) &&
                  c < static_cast<int>(page.rows[0].size()),
              "occurrence outside the grid");
        check(haravoija::toUpperLetter(static_cast<unsigned char>(page.rows[r][c])) ==
                  static_cast<unsigned char>(word[k]),
              "occurrence does not spell its word");
        check(key.isCovered(r, c), "occurrence not marked");
      }
    }
  }
  check(!haravoija::keyPage(page, key).empty(), "no key page");
  check(!haravoija::keyText(page, key).empty(), "no console key");
  check(!haravoija::keyJson(page, key).empty(), "no JSON");
  return 0;
}
