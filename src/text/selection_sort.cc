// Selection sorts simulated with segment trees. A plain selection sort
// swaps the chosen element into place, which carries the element that stood
// there to the chosen one's old position: that is the whole of its
// instability, and the trees follow it swap by swap.
#include "text/selection_sort.h"

#include <algorithm>
#include <limits>
#include <set>

#include "text/letters.h"

namespace haravoija {
namespace {

// Minimum over a range of (value, index) pairs; ties go to the lower index.
class MinTree {
 public:
  explicit MinTree(std::size_t size) {
    while (leaves_ < size) leaves_ *= 2;
    nodes_.assign(2 * leaves_, kNone);
  }

  void set(std::size_t index, long long value) {
    std::size_t node = index + leaves_;
    nodes_[node] = {value, index};
    for (node /= 2; node >= 1; node /= 2) {
      nodes_[node] = std::min(nodes_[2 * node], nodes_[2 * node + 1]);
    }
  }

  // The smallest (value, index) with index in [from, to).
  std::pair<long long, std::size_t> minimum(std::size_t from, std::size_t to) const {
    std::pair<long long, std::size_t> best = kNone;
    for (std::size_t lo = from + leaves_, hi = to + leaves_; lo < hi; lo /= 2, hi /= 2) {
      if (lo & 1) best = std::min(best, nodes_[lo++]);
      if (hi & 1) best = std::min(best, nodes_[--hi]);
    }
    return best;
  }

  static constexpr std::pair<long long, std::size_t> kNone{std::numeric_limits<long long>::max(),
                                                           std::numeric_limits<std::size_t>::max()};

 private:
  std::size_t leaves_ = 1;
  std::vector<std::pair<long long, std::size_t>> nodes_;
};

}  // namespace

std::vector<std::size_t> selectionSortOrder(const std::vector<long long>& keys) {
  const std::size_t n = keys.size();
  std::vector<std::size_t> at(n);  // element index standing at each position
  MinTree tree(n);
  for (std::size_t i = 0; i < n; ++i) {
    at[i] = i;
    tree.set(i, keys[i]);
  }
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t chosen = tree.minimum(i, n).second;
    order[i] = at[chosen];
    // The element at i moves to the chosen one's place; position i is done.
    at[chosen] = at[i];
    tree.set(chosen, keys[at[chosen]]);
    tree.set(i, MinTree::kNone.first);
  }
  return order;
}

// How the scan for one position ends. Let m be the smallest word left in the
// usual order (a prefix before its extensions). No word outside the words
// beginning with m can replace one that does, and the first of those in the
// scan replaces any choice outside them; so the choice ends among them, at
// the first one in the scan. If that one is m itself (or equal to it), it is
// the result, since nothing precedes m. Otherwise the words equal to m never
// replace nor get chosen, and the same reasoning repeats on the words that
// extend m: their smallest m', the first word beginning with m', and so on.
std::vector<std::size_t> precedesSelectionSortOrder(const std::vector<std::string>& words) {
  const std::size_t n = words.size();
  std::vector<std::string> keys(n);
  for (std::size_t i = 0; i < n; ++i) keys[i] = toUpperText(words[i]);
  // Ranks in the usual byte order; std::string compares bytes unsigned.
  std::vector<std::size_t> byRank(n);
  for (std::size_t i = 0; i < n; ++i) byRank[i] = i;
  std::stable_sort(byRank.begin(), byRank.end(),
                   [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<std::size_t> rankOf(n);
  for (std::size_t r = 0; r < n; ++r) rankOf[byRank[r]] = r;
  // For each rank: the end of the run of equal keys and of the keys that
  // begin with it (both contiguous in this order).
  std::vector<std::size_t> equalEnd(n);
  std::vector<std::size_t> extensionEnd(n);
  for (std::size_t r = n; r-- > 0;) {
    const std::string& key = keys[byRank[r]];
    equalEnd[r] = (r + 1 < n && keys[byRank[r + 1]] == key) ? equalEnd[r + 1] : r + 1;
    const auto beyond = std::partition_point(
        byRank.begin() + static_cast<std::ptrdiff_t>(r), byRank.end(),
        [&](std::size_t index) { return keys[index].compare(0, key.size(), key) == 0; });
    extensionEnd[r] = static_cast<std::size_t>(beyond - byRank.begin());
  }

  std::vector<std::size_t> rankAt(n);  // rank of the word at each position
  MinTree positions(n);                // current position of each rank
  std::set<std::size_t> left;          // ranks not yet sorted into place
  for (std::size_t i = 0; i < n; ++i) {
    rankAt[i] = rankOf[i];
    positions.set(rankOf[i], static_cast<long long>(i));
    left.insert(rankOf[i]);
  }
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t from = 0;
    std::size_t chosenRank = 0;
    std::size_t chosenPosition = 0;
    for (;;) {
      const std::size_t smallest = *left.lower_bound(from);
      const auto first = positions.minimum(smallest, extensionEnd[smallest]);
      chosenRank = first.second;
      chosenPosition = static_cast<std::size_t>(first.first);
      if (chosenRank < equalEnd[smallest]) break;
      from = equalEnd[smallest];
    }
    order[i] = byRank[chosenRank];
    const std::size_t displaced = rankAt[i];
    rankAt[chosenPosition] = displaced;
    rankAt[i] = chosenRank;
    positions.set(displaced, static_cast<long long>(chosenPosition));
    positions.set(chosenRank, MinTree::kNone.first);
    left.erase(chosenRank);
  }
  return order;
}

}  // namespace haravoija
