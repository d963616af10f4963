// The word list and the checks a typed word goes through before it joins.
#include "words/word_list.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "text/letters.h"
#include "text/selection_sort.h"

namespace haravoija {

bool allLetters(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return isLetter(static_cast<unsigned char>(c)); });
}

void WordList::add(std::string word) {
  keys_.insert(toUpperText(word));
  words_.push_back(std::move(word));
}

std::string WordList::removeLast() {
  assert(!words_.empty());
  std::string word = std::move(words_.back());
  words_.pop_back();
  keys_.erase(keys_.find(toUpperText(word)));
  return word;
}

bool WordList::removeWord(std::string_view word) {
  const std::string key = toUpperText(word);
  const auto keyAt = keys_.find(key);
  if (keyAt == keys_.end()) return false;
  const auto at = std::find_if(words_.begin(), words_.end(), [&key](const std::string& stored) {
    return toUpperText(stored) == key;
  });
  assert(at != words_.end());
  words_.erase(at);
  keys_.erase(keyAt);
  return true;
}

void WordList::clear() {
  words_.clear();
  keys_.clear();
}

bool WordList::contains(std::string_view word) const {
  return keys_.find(toUpperText(word)) != keys_.end();
}

void WordList::sortLongestFirst() {
  // The order of words of equal length, and so every puzzle for a given
  // seed, depends on the exact swaps of the selection sort; this computes its
  // result without its quadratic cost on long lists.
  std::vector<long long> keys;
  keys.reserve(words_.size());
  for (const std::string& word : words_) keys.push_back(-static_cast<long long>(word.size()));
  applySortOrder(words_, selectionSortOrder(keys));
}

AddWordOutcome addTypedWord(WordList& list, std::string_view line) {
  if (!allLetters(line)) return AddWordOutcome::kNotLetters;
  if (line.size() < static_cast<std::size_t>(kMinWordLength)) return AddWordOutcome::kTooShort;
  if (line.size() > static_cast<std::size_t>(kMaxWordLength)) return AddWordOutcome::kTooLong;
  if (list.contains(line)) return AddWordOutcome::kDuplicate;
  if (list.size() >= static_cast<std::size_t>(kMaxWords)) return AddWordOutcome::kFull;
  list.add(std::string(line));
  return AddWordOutcome::kAdded;
}

}  // namespace haravoija
