// Fuzz target: arbitrary file bytes through the word-file reader, in both
// modes. Checks the word rules on every candidate, and that the reader gives
// the same words however the stream hands out its bytes and keeps a prefix
// of them when the stream fails part way.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "fakes.h"
#include "text/letters.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace {

using haravoija::WordFileMode;
using haravoija::WordList;
using haravoija::testing::StringFile;

void check(bool condition) {
  if (!condition) __builtin_trap();
}

void checkCandidates(const std::vector<std::string>& words, const WordList& list) {
  std::unordered_set<std::string> keys;
  for (const std::string& word : words) {
    check(word.size() >= haravoija::kMinWordLength && word.size() <= haravoija::kMaxWordLength);
    check(haravoija::allLetters(word));
    const std::string key = haravoija::toUpperText(word);
    check(!list.contains(key));
    check(keys.insert(key).second);
  }
}

bool isPrefix(const std::vector<std::string>& prefix, const std::vector<std::string>& whole) {
  if (prefix.size() > whole.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (prefix[i] != whole[i]) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first two bytes choose how the stream is cut up and where it fails.
  const std::size_t piece = 1 + data[0] % 97;
  const std::size_t failAt = data[1];
  const std::string bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

  WordList empty;
  WordList listed;
  listed.add("Kissa");
  listed.add("\204iti");  // äiti
  for (const WordList* list : {&empty, &listed}) {
    for (const WordFileMode mode : {WordFileMode::kPlain, WordFileMode::kHtml}) {
      StringFile whole(bytes);
      const std::vector<std::string> words = haravoija::readWordFile(whole, mode, *list);
      checkCandidates(words, *list);

      StringFile piecewise(bytes, piece);
      check(haravoija::readWordFile(piecewise, mode, *list) == words);

      StringFile broken(bytes, piece, failAt);
      const std::vector<std::string> before = haravoija::readWordFile(broken, mode, *list);
      check(isPrefix(before, words));
      if (failAt > bytes.size()) check(before == words);
    }
  }
  return 0;
}
