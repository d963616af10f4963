// Fuzz target: any bytes as a word file and as a saved page. The words read keep the word rules
// however the reads cut the file; a page read keeps its promises, and its keys are made.
#include <cstdint>
#include <string>
#include <unordered_set>

#include "checks.h"
#include "fakes.h"
#include "key/answer_key.h"
#include "key/puzzle_page.h"
#include "output/key_json.h"
#include "output/key_page.h"
#include "output/key_text.h"
#include "text/letters.h"
#include "words/word_file.h"

namespace {

using namespace haravoija;
using fuzzing::check;

void checkWords(const std::string& bytes, std::size_t piece) {
  WordList listed;
  listed.add("\204iti");  // äiti
  for (const WordFileMode mode : {WordFileMode::kPlain, WordFileMode::kHtml}) {
    testing::StringFile whole(bytes);
    const std::vector<std::string> words = readWordFile(whole, mode, listed);
    std::unordered_set<std::string> keys = {"\216ITI"};
    for (const std::string& word : words) {
      check(word.size() >= kMinWordLength && word.size() <= kMaxWordLength && allLetters(word) &&
                keys.insert(toUpperText(word)).second,
            "new words by the rules");
    }
    testing::StringFile piecewise(bytes, piece);
    check(readWordFile(piecewise, mode, listed) == words, "the same words read in pieces");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte sets the size of each read, so markers fall across chunks.
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  checkWords(bytes, 1 + data[0] % 64);
  testing::StringFile file(bytes, 1 + data[0] % 64);
  const PageReading reading = readPuzzlePage(file);
  if (reading.error != PageError::kNone) return 0;
  // The word search itself is checked against a plain search in its tests.
  const PuzzlePage& page = reading.page;
  check(!page.words.empty() && page.rows.size() <= kMaxGridSide, "words, and not too many rows");
  for (const std::string& row : page.rows) {
    check(!row.empty() && row.size() == page.rows[0].size(), "rows of one length");
  }
  const KeyOutcome outcome = solvePage(page);
  if (const AnswerKey* k = std::get_if<AnswerKey>(&outcome)) {
    check(keyPage(page, *k) && keyText(page, *k) && keyJson(page, *k), "the three keys");
  }
  return 0;
}
