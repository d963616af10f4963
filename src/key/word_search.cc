// An Aho-Corasick automaton over the upper-cased words, run along every row,
// column and diagonal of the grid in both directions: the cost grows with
// the grid and the total length of the words, not with their product.
#include "key/word_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>

#include "text/letters.h"

namespace haravoija {
namespace {

constexpr int kNone = -1;

// A trie node. Children form a list through nextSibling; the automaton's
// fail link leads to the longest proper suffix that is also in the trie, and
// output to the nearest such suffix that is a whole word.
struct Node {
  int firstChild = kNone;
  int nextSibling = kNone;
  int fail = 0;
  int output = kNone;
  int key = kNone;
  std::uint8_t symbol = 0;
};

struct Key {
  int length = 0;
  bool palindrome = false;
};

class Automaton {
 public:
  // Symbols are 1..n for the bytes that occur in some key; 0 for every
  // other byte, which no key contains.
  std::array<std::uint8_t, 256> symbolOf{};
  std::vector<Node> nodes{Node{}};
  std::vector<Key> keys;

  // The key's id; keys are upper-cased and hold no space.
  int add(std::string_view key) {
    int node = 0;
    for (const char c : key) {
      const unsigned char byte = static_cast<unsigned char>(c);
      if (symbolOf[byte] == 0) symbolOf[byte] = static_cast<std::uint8_t>(++symbols_);
      node = childOrNew(node, symbolOf[byte]);
    }
    if (nodes[node].key == kNone) {
      nodes[node].key = static_cast<int>(keys.size());
      keys.push_back(
          {static_cast<int>(key.size()), std::equal(key.begin(), key.end(), key.rbegin())});
    }
    return nodes[node].key;
  }

  // Fail and output links, breadth first; the root's moves become a table.
  void link() {
    rootMove_.assign(static_cast<std::size_t>(symbols_) + 1, 0);
    std::vector<int> queue;
    for (int child = nodes[0].firstChild; child != kNone; child = nodes[child].nextSibling) {
      rootMove_[nodes[child].symbol] = child;
      queue.push_back(child);
    }
    for (std::size_t next = 0; next < queue.size(); ++next) {
      const int parent = queue[next];
      for (int child = nodes[parent].firstChild; child != kNone; child = nodes[child].nextSibling) {
        const int fail = move(nodes[parent].fail, nodes[child].symbol);
        nodes[child].fail = fail;
        nodes[child].output = nodes[fail].key != kNone ? fail : nodes[fail].output;
        queue.push_back(child);
      }
    }
  }

  int move(int node, std::uint8_t symbol) const {
    if (symbol == 0) return 0;
    while (node != 0) {
      for (int child = nodes[node].firstChild; child != kNone; child = nodes[child].nextSibling) {
        if (nodes[child].symbol == symbol) return child;
      }
      node = nodes[node].fail;
    }
    return rootMove_[symbol];
  }

 private:
  int childOrNew(int node, std::uint8_t symbol) {
    for (int child = nodes[node].firstChild; child != kNone; child = nodes[child].nextSibling) {
      if (nodes[child].symbol == symbol) return child;
    }
    Node fresh;
    fresh.symbol = symbol;
    fresh.nextSibling = nodes[node].firstChild;
    nodes.push_back(fresh);
    const int created = static_cast<int>(nodes.size()) - 1;
    nodes[node].firstChild = created;
    return created;
  }

  int symbols_ = 0;
  std::vector<int> rootMove_;
};

class Search {
 public:
  Search(const std::vector<std::string>& rows, const Automaton& automaton, std::size_t limit)
      : rows_(rows), automaton_(automaton), found_(automaton.keys.size()), limit_(limit) {
    for (int byte = 0; byte < 256; ++byte) {
      cellSymbol_[byte] = byte == ' ' ? 0 : automaton.symbolOf[toUpperLetter(byte)];
    }
  }

  // Runs along every line of the grid in both directions.
  void run() {
    const int height = static_cast<int>(rows_.size());
    const int width = static_cast<int>(rows_[0].size());
    for (int r = 0; r < height; ++r) both(r, 0, Direction::kRight, width);
    for (int c = 0; c < width; ++c) both(0, c, Direction::kDown, height);
    for (int c = 0; c < width; ++c) both(0, c, Direction::kDownRight, std::min(height, width - c));
    for (int r = 1; r < height; ++r) both(r, 0, Direction::kDownRight, std::min(height - r, width));
    for (int r = 0; r < height; ++r) both(r, 0, Direction::kUpRight, std::min(r + 1, width));
    for (int c = 1; c < width; ++c) {
      both(height - 1, c, Direction::kUpRight, std::min(height, width - c));
    }
  }

  bool tooMany() const { return stored_ > limit_; }
  std::vector<std::vector<Occurrence>>& found() { return found_; }

 private:
  void both(int row, int column, Direction direction, int length) {
    line(row, column, direction, length);
    const Step step = directionStep(direction);
    line(row + (length - 1) * step.row, column + (length - 1) * step.column, reversed(direction),
         length);
  }

  void line(int row, int column, Direction direction, int length) {
    const Step step = directionStep(direction);
    int node = 0;
    for (int i = 0; i < length && !tooMany(); ++i) {
      const int r = row + i * step.row;
      const int c = column + i * step.column;
      node = automaton_.move(node, cellSymbol_[static_cast<unsigned char>(rows_[r][c])]);
      for (int hit = automaton_.nodes[node].key != kNone ? node : automaton_.nodes[node].output;
           hit != kNone; hit = automaton_.nodes[hit].output) {
        report(automaton_.nodes[hit].key, r, c, direction);
      }
    }
  }

  void report(int key, int endRow, int endColumn, Direction direction) {
    const Key& found = automaton_.keys[key];
    // The same cells read the other way, or one cell in eight directions.
    if (found.palindrome && !readsForwards(direction)) return;
    if (found.length == 1 && direction != Direction::kRight) return;
    const Step step = directionStep(direction);
    Occurrence occurrence;
    occurrence.row = endRow - (found.length - 1) * step.row;
    occurrence.column = endColumn - (found.length - 1) * step.column;
    occurrence.direction = direction;
    occurrence.endRow = endRow;
    occurrence.endColumn = endColumn;
    found_[key].push_back(occurrence);
    ++stored_;
  }

  const std::vector<std::string>& rows_;
  const Automaton& automaton_;
  std::array<std::uint8_t, 256> cellSymbol_{};
  std::vector<std::vector<Occurrence>> found_;
  std::size_t limit_;
  std::size_t stored_ = 0;
};

bool readingOrder(const Occurrence& a, const Occurrence& b) {
  if (a.row != b.row) return a.row < b.row;
  if (a.column != b.column) return a.column < b.column;
  return static_cast<int>(a.direction) < static_cast<int>(b.direction);
}

}  // namespace

WordSearch findWords(const std::vector<std::string>& rows, const std::vector<std::string>& words,
                     std::size_t limit) {
  WordSearch result;
  result.occurrences.resize(words.size());
  Automaton automaton;
  std::vector<int> keyOf(words.size(), kNone);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string key = toUpperText(words[i]);
    if (!key.empty() && key.find(' ') == std::string::npos) keyOf[i] = automaton.add(key);
  }
  if (rows.empty() || rows[0].empty() || automaton.keys.empty()) return result;
  automaton.link();
  Search search(rows, automaton, limit);
  search.run();
  result.tooMany = search.tooMany();
  std::vector<std::vector<Occurrence>>& found = search.found();
  for (std::vector<Occurrence>& list : found) std::sort(list.begin(), list.end(), readingOrder);
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (keyOf[i] != kNone) result.occurrences[i] = found[static_cast<std::size_t>(keyOf[i])];
  }
  return result;
}

}  // namespace haravoija
