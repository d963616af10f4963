// Fuzz target: any bytes as a saved page; a page read keeps its promises and its key holds.
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace haravoija;
  const auto check = [](bool promise, const char* what) {
    if (promise) return;
    std::fprintf(stderr, "key page: %s\n", what);
    std::abort();
  };
  if (size == 0) return 0;
  // The first byte sets the size of each read, so markers fall across chunks.
  testing::StringFile file(std::string(reinterpret_cast<const char*>(data) + 1, size - 1),
                           1 + data[0] % 64);
  const PageReading reading = readPuzzlePage(file);
  if (reading.error != PageError::kNone) return 0;
  const PuzzlePage& page = reading.page;
  const int height = static_cast<int>(page.rows.size());
  check(height > 0 && height <= kMaxGridSide, "row count");
  for (const std::string& row : page.rows) {
    check(!row.empty() && row.size() == page.rows[0].size(), "row length");
  }
  check(!page.words.empty(), "no words");
  const KeyOutcome outcome = solvePage(page);
  if (!std::holds_alternative<AnswerKey>(outcome)) return 0;
  const AnswerKey& key = std::get<AnswerKey>(outcome);
  for (std::size_t i = 0; i < page.words.size(); ++i) {
    const std::string word = toUpperText(page.words[i]);
    for (const Occurrence& at : key.occurrences[i]) {
      const Step step = directionStep(at.direction);
      for (int k = 0, r = at.row, c = at.column; k < static_cast<int>(word.size());
           ++k, r += step.row, c += step.column) {
        check(r >= 0 && c >= 0 && r < height && c < static_cast<int>(page.rows[0].size()),
              "occurrence outside the grid");
        check(toUpperLetter(static_cast<unsigned char>(page.rows[r][c])) ==
                  static_cast<unsigned char>(word[k]),
              "occurrence does not spell its word");
        check(key.isCovered(r, c), "occurrence not marked");
      }
    }
  }
  check(!keyPage(page, key).empty(), "no key page");
  check(!keyText(page, key).empty(), "no console key");
  check(!keyJson(page, key).empty(), "no JSON");
  return 0;
}
