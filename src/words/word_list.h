// The list of puzzle words and the rules a typed word must meet.
#ifndef HARAVOIJA_WORDS_WORD_LIST_H_
#define HARAVOIJA_WORDS_WORD_LIST_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "text/limits.h"

namespace haravoija {

// True when every byte is a letter (isLetter); true for the empty string.
bool allLetters(std::string_view text);

// Ordered words, stored as typed; two words are the same word when their
// toUpperText keys are equal.
class WordList {
 public:
  std::size_t size() const { return words_.size(); }
  bool empty() const { return words_.empty(); }
  const std::vector<std::string>& words() const { return words_; }
  // REQUIRES: i < size().
  const std::string& operator[](std::size_t i) const { return words_[i]; }

  // Appends the word as it is, unchecked.
  // REQUIRES: the word keeps the word rules (addTypedWord checks a typed one).
  void add(std::string word);
  // Removes and returns the last word.
  // REQUIRES: !empty().
  std::string removeLast();
  // Removes the first word whose key equals the key of `word`; false (list
  // unchanged) when none does.
  bool removeWord(std::string_view word);
  void clear();
  // True when some word's key equals the key of `word`. Constant time on
  // average: a typed list of kMaxWords words must not cost quadratic time.
  bool contains(std::string_view word) const;
  // Reorders the words longest first by the unstable selection sort.
  void sortLongestFirst();

 private:
  std::vector<std::string> words_;
  // The keys of words_, kept in step with it. A multiset because add() takes
  // the caller's word without checking it.
  std::unordered_multiset<std::string> keys_;
};

enum class AddWordOutcome { kAdded, kNotLetters, kTooShort, kTooLong, kDuplicate, kFull };

// Tests a typed line by the word rules, in the order of the outcomes above
// (the first rule it breaks decides), and adds it as typed when all pass.
[[nodiscard]] AddWordOutcome addTypedWord(WordList& list, std::string_view line);

}  // namespace haravoija

#endif  // HARAVOIJA_WORDS_WORD_LIST_H_
