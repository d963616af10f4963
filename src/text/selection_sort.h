// The results of two unstable selection sorts, computed in O(n log n) each
// instead of O(n^2), exactly as the plain sorts would leave the elements.
#ifndef HARAVOIJA_TEXT_SELECTION_SORT_H_
#define HARAVOIJA_TEXT_SELECTION_SORT_H_

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace haravoija {

// The selection sort that, for each position i in turn, scans positions i to
// the end for the smallest key (a later element replaces the current choice
// only with a strictly smaller key) and swaps the choice with the element at
// i. Returns the order it leaves: element i of the result is the index, in
// `keys`, of the element that ends at position i.
std::vector<std::size_t> selectionSortOrder(const std::vector<long long>& keys);

// The selection sort of words in which the scan of each position starts
// with the word at that position and every later word that precedes the
// current choice replaces it. A word precedes another when, at the first
// position below both lengths where their bytes differ after toUpperLetter,
// its byte is the smaller (unsigned); equal words and a word and its prefix
// precede neither way. Same result convention as above.
std::vector<std::size_t> precedesSelectionSortOrder(const std::vector<std::string>& words);

// Rearranges `items` into `order`: element i becomes items[order[i]].
// REQUIRES: order is a permutation of 0 .. items.size() - 1, as the sorts
// above return.
template <typename T>
void applySortOrder(std::vector<T>& items, const std::vector<std::size_t>& order) {
  std::vector<T> sorted;
  sorted.reserve(items.size());
  for (std::size_t index : order) sorted.push_back(std::move(items[index]));
  items = std::move(sorted);
}

}  // namespace haravoija

#endif  // HARAVOIJA_TEXT_SELECTION_SORT_H_
