// Tests of the fast selection-sort orders against plain sorts on random lists.
#include "text/selection_sort.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/letters.h"

namespace haravoija {
namespace {

// Each place takes the first of the remaining words no later one goes before.
template <typename GoesBefore>
std::vector<std::string> plainSort(std::vector<std::string> words, GoesBefore goesBefore) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::size_t chosen = i;
    for (std::size_t j = i + 1; j < words.size(); ++j) {
      if (goesBefore(words[j], words[chosen])) chosen = j;
    }
    std::swap(words[i], words[chosen]);
  }
  return words;
}

// Upper-cased letters as unsigned bytes; a prefix precedes nothing.
bool plainPrecedes(const std::string& a, const std::string& b) {
  for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
    const unsigned char x = toUpperLetter(static_cast<unsigned char>(a[k]));
    const unsigned char y = toUpperLetter(static_cast<unsigned char>(b[k]));
    if (x != y) return x < y;
  }
  return false;
}

// Worked orders are checked where the sorts are used: the word list, the document.
TEST(SelectionSort, MatchesPlainSortsOnRandomLists) {
  const unsigned char letters[] = {'a', 'B', 'b', 0x84 /* ä */, 0x8E /* Ä */, 0x86 /* å */};
  for (unsigned seed = 0; seed < 3000; ++seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> count(0, seed % 10 == 0 ? 300 : 40);
    std::uniform_int_distribution<int> length(0, 1 + static_cast<int>(seed % 6));
    std::uniform_int_distribution<int> pick(0, 1 + static_cast<int>(seed % 5));
    std::vector<std::string> words(static_cast<std::size_t>(count(gen)));
    for (std::string& word : words) {
      const int n = length(gen);
      for (int k = 0; k < n; ++k) word.push_back(static_cast<char>(letters[pick(gen)]));
    }
    std::vector<long long> negatedLengths;
    for (const std::string& word : words) negatedLengths.push_back(-std::ssize(word));
    std::vector<std::string> fast = words;
    applySortOrder(fast, selectionSortOrder(negatedLengths));
    ASSERT_EQ(fast, plainSort(words, [](auto& a, auto& b) { return a.size() > b.size(); }))
        << "seed " << seed;
    fast = words;
    applySortOrder(fast, precedesSelectionSortOrder(words));
    ASSERT_EQ(fast, plainSort(words, plainPrecedes)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace haravoija
