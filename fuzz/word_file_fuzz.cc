// Fuzz target: any file bytes, both modes: every word keeps the word rules,
// any cutting of the stream gives the same words, a failing one a prefix.
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "fakes.h"
#include "text/letters.h"
#include "words/word_file.h"
#include "words/word_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace haravoija;
  auto check = [](bool condition) {
    if (!condition) __builtin_trap();
  };
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
      testing::StringFile whole(bytes);
      const std::vector<std::string> words = readWordFile(whole, mode, *list);
      std::unordered_set<std::string> keys;
      for (const std::string& word : words) {
        check(word.size() >= kMinWordLength && word.size() <= kMaxWordLength);
        check(allLetters(word));
        check(!list->contains(toUpperText(word)) && keys.insert(toUpperText(word)).second);
      }
      testing::StringFile piecewise(bytes, piece);
      check(readWordFile(piecewise, mode, *list) == words);
      testing::StringFile broken(bytes, piece, failAt);
      const std::vector<std::string> before = readWordFile(broken, mode, *list);
      check(before.size() <= words.size() &&
            std::equal(before.begin(), before.end(), words.begin()));
      check(failAt <= bytes.size() || before == words);
    }
  }
  return 0;
}
