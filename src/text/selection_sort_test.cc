// Compares the fast selection-sort orders with the plain sorts on random
// lists full of ties, prefixes and case variants.
#include "text/selection_sort.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/letters.h"

namespace haravoija {
namespace {

// The plain sorts, step by step.
std::vector<std::string> plainLongestFirst(std::vector<std::string> words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::size_t chosen = i;
    for (std::size_t j = i + 1; j < words.size(); ++j) {
      if (words[j].size() > words[chosen].size()) chosen = j;
    }
    std::swap(words[i], words[chosen]);
  }
  return words;
}

bool plainPrecedes(const std::string& a, const std::string& b) {
  for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
    const unsigned char x = toUpperLetter(static_cast<unsigned char>(a[k]));
    const unsigned char y = toUpperLetter(static_cast<unsigned char>(b[k]));
    if (x != y) return x < y;
  }
  return false;
}

std::vector<std::string> plainPrecedesSort(std::vector<std::string> words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::size_t chosen = i;
    for (std::size_t j = i; j < words.size(); ++j) {
      if (plainPrecedes(words[j], words[chosen])) chosen = j;
    }
    std::swap(words[i], words[chosen]);
  }
  return words;
}

std::vector<long long> negatedLengths(const std::vector<std::string>& words) {
  std::vector<long long> keys;
  for (const std::string& word : words) keys.push_back(-static_cast<long long>(word.size()));
  return keys;
}

// The worked orders are checked where the sorts are used: the word list's
// longest-first order and the document's word order.
TEST(SelectionSort, MatchesPlainSortsOnRandomLists) {
  const unsigned char letters[] = {'a', 'B', 'b', 0x84 /* ä */, 0x8E /* Ä */, 0x86 /* å */};
  for (unsigned seed = 0; seed < 3000; ++seed) {
    std::mt19937 gen(seed);
    const int alphabet = 2 + static_cast<int>(seed % 5);
    const int maxLength = 1 + static_cast<int>(seed % 6);
    std::uniform_int_distribution<int> count(0, seed % 10 == 0 ? 300 : 40);
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<int> pick(0, alphabet - 1);
    std::vector<std::string> words(static_cast<std::size_t>(count(gen)));
    for (std::string& word : words) {
      const int n = length(gen);
      for (int k = 0; k < n; ++k) word.push_back(static_cast<char>(letters[pick(gen)]));
    }
    std::vector<std::string> fast = words;
    applySortOrder(fast, selectionSortOrder(negatedLengths(words)));
    ASSERT_EQ(fast, plainLongestFirst(words)) << "seed " << seed;
    fast = words;
    applySortOrder(fast, precedesSelectionSortOrder(words));
    ASSERT_EQ(fast, plainPrecedesSort(words)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace haravoija
