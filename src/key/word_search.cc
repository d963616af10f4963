// An Aho-Corasick automaton over the upper-cased words, run along every row,
// column and diagonal of the grid in both directions: the cost grows with
// the grid and the total length of the words, not with their product.
//
// The trie is built from the sorted words one depth at a time, so its nodes
// come out breadth first with the children of each node side by side: a
// node is a few plain numbers, finding a child scans a few adjacent bytes,
// and a page's hundreds of thousands of words cost neither a list per node
// nor a cache miss per sibling.
#include "key/word_search.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <string_view>

#include "text/letters.h"

namespace haravoija {
namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFF;

// The upper-cased words that can lie somewhere, each distinct one once, in
// byte order.
class Keys {
 public:
  // Sets keyOfWord for every word.
  Keys(const std::vector<std::string>& words, std::vector<std::uint32_t>& keyOfWord) {
    std::vector<std::uint32_t> order;
    start_.push_back(0);
    for (const std::string& word : words) {
      if (!word.empty() && word.find(' ') == std::string::npos) {
        order.push_back(static_cast<std::uint32_t>(start_.size() - 1));
        for (const char c : word) {
          letters_ += static_cast<char>(toUpperLetter(static_cast<unsigned char>(c)));
        }
      }
      start_.push_back(static_cast<std::uint32_t>(letters_.size()));
    }
    std::sort(order.begin(), order.end(),
              [this](std::uint32_t a, std::uint32_t b) { return wordKey(a) < wordKey(b); });
    keyOfWord.assign(words.size(), kNone);
    for (const std::uint32_t word : order) {
      if (first_.empty() || wordKey(first_.back()) != wordKey(word)) first_.push_back(word);
      keyOfWord[word] = static_cast<std::uint32_t>(first_.size() - 1);
    }
  }

  std::size_t size() const { return first_.size(); }
  std::size_t letters() const { return letters_.size(); }
  std::string_view operator[](std::size_t key) const { return wordKey(first_[key]); }

 private:
  std::string_view wordKey(std::uint32_t word) const {
    return std::string_view(letters_).substr(start_[word], start_[word + 1] - start_[word]);
  }

  std::string letters_;               // every word's key, one after another
  std::vector<std::uint32_t> start_;  // where word i's key begins in letters_
  std::vector<std::uint32_t> first_;  // per key, the first word that has it
};

class Automaton {
 public:
  // REQUIRES: keys not empty.
  explicit Automaton(const Keys& keys) {
    // Every node but the root ends a distinct prefix, so the arrays never grow twice.
    for (auto* array : {&firstChild_, &fail_, &output_, &key_}) array->reserve(keys.letters() + 1);
    symbol_.reserve(keys.letters() + 1);
    childCount_.reserve(keys.letters() + 1);
    addNode(0);
    build(keys);
    link();
  }

  std::uint32_t move(std::uint32_t node, unsigned char byte) const {
    for (;;) {
      if (node == 0) return rootMove_[byte];
      const std::uint32_t first = firstChild_[node];
      for (std::uint32_t child = first; child < first + childCount_[node]; ++child) {
        if (symbol_[child] == byte) return child;
      }
      node = fail_[node];
    }
  }

  // The key that ends at the node, or kNone.
  std::uint32_t key(std::uint32_t node) const { return key_[node]; }
  // The nearest node down the fail links that ends a key, or kNone.
  std::uint32_t output(std::uint32_t node) const { return output_[node]; }

 private:
  std::uint32_t addNode(unsigned char symbol) {
    symbol_.push_back(symbol);
    childCount_.push_back(0);
    for (auto* array : {&firstChild_, &fail_, &output_, &key_}) array->push_back(kNone);
    return static_cast<std::uint32_t>(symbol_.size() - 1);
  }

  // Depth by depth: the keys still longer than the depth, in order, each
  // with the node of its prefix so far. Keys sharing a prefix stand
  // together, so a node's children are made one after another.
  void build(const Keys& keys) {
    std::vector<std::uint32_t> active(keys.size());
    std::vector<std::uint32_t> at(keys.size(), 0);
    for (std::uint32_t k = 0; k < active.size(); ++k) active[k] = k;
    for (std::size_t depth = 0; !active.empty(); ++depth) {
      std::uint32_t parent = kNone;
      std::uint32_t node = kNone;
      std::size_t kept = 0;
      for (const std::uint32_t k : active) {
        const unsigned char byte = static_cast<unsigned char>(keys[k][depth]);
        if (at[k] != parent || node == kNone || symbol_[node] != byte) {
          parent = at[k];
          node = addNode(byte);
          if (childCount_[parent]++ == 0) firstChild_[parent] = node;
        }
        at[k] = node;
        if (keys[k].size() == depth + 1) {
          key_[node] = k;
        } else {
          active[kept++] = k;
        }
      }
      active.resize(kept);
    }
  }

  // Fail and output links in node order, which is breadth first: a node's
  // fail link leads to the longest proper suffix that is also in the trie,
  // its output link to the nearest such suffix that is a whole key.
  void link() {
    const std::uint32_t rootChildren = childCount_[0];
    for (std::uint32_t child = 1; child <= rootChildren; ++child) {
      rootMove_[symbol_[child]] = child;
      fail_[child] = 0;
    }
    for (std::uint32_t parent = 1; parent < symbol_.size(); ++parent) {
      const std::uint32_t first = firstChild_[parent];
      for (std::uint32_t child = first; child < first + childCount_[parent]; ++child) {
        const std::uint32_t fail = move(fail_[parent], symbol_[child]);
        fail_[child] = fail;
        output_[child] = key_[fail] != kNone ? fail : output_[fail];
      }
    }
  }

  std::vector<unsigned char> symbol_;  // the byte that leads into the node
  std::vector<unsigned char> childCount_;
  std::vector<std::uint32_t> firstChild_;
  std::vector<std::uint32_t> fail_;
  std::vector<std::uint32_t> output_;
  std::vector<std::uint32_t> key_;
  std::array<std::uint32_t, 256> rootMove_{};
};

// A place as one number that sorts by key, then in reading order, then by
// direction code.
constexpr int kKeyShift = 36;
constexpr int kRowShift = 20;
constexpr int kColumnShift = 4;

class Search {
 public:
  Search(const std::vector<std::string>& rows, const Keys& keys, const Automaton& automaton,
         std::size_t limit)
      : rows_(rows), automaton_(automaton), limit_(limit) {
    for (int byte = 0; byte < 256; ++byte) {
      cell_[byte] = static_cast<unsigned char>(toUpperLetter(static_cast<unsigned char>(byte)));
    }
    for (std::size_t k = 0; k < keys.size(); ++k) {
      const std::string_view key = keys[k];
      length_.push_back(static_cast<std::uint8_t>(key.size()));
      palindrome_.push_back(std::equal(key.begin(), key.end(), key.rbegin()));
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

  bool tooMany() const { return found_.size() > limit_; }

  // The places grouped by key, and where each key's begin.
  void collect(WordSearch& result) {
    std::sort(found_.begin(), found_.end());
    result.keyFirst.assign(length_.size() + 1, 0);
    result.places.reserve(found_.size());
    for (const std::uint64_t place : found_) {
      Occurrence at;
      at.row = static_cast<std::uint16_t>(place >> kRowShift);
      at.column = static_cast<std::uint16_t>(place >> kColumnShift);
      at.directionCode = static_cast<std::uint8_t>(place & 0xF);
      const std::size_t key = place >> kKeyShift;
      at.length = length_[key];
      result.places.push_back(at);
      ++result.keyFirst[key + 1];
    }
    for (std::size_t k = 1; k < result.keyFirst.size(); ++k) {
      result.keyFirst[k] += result.keyFirst[k - 1];
    }
    found_ = {};
  }

 private:
  void both(int row, int column, Direction direction, int length) {
    line(row, column, direction, length);
    const Step step = directionStep(direction);
    line(row + (length - 1) * step.row, column + (length - 1) * step.column, reversed(direction),
         length);
  }

  void line(int row, int column, Direction direction, int length) {
    const Step step = directionStep(direction);
    std::uint32_t node = 0;
    for (int i = 0; i < length && !tooMany(); ++i) {
      const int r = row + i * step.row;
      const int c = column + i * step.column;
      node = automaton_.move(node, cell_[static_cast<unsigned char>(rows_[r][c])]);
      for (std::uint32_t hit = automaton_.key(node) != kNone ? node : automaton_.output(node);
           hit != kNone; hit = automaton_.output(hit)) {
        report(automaton_.key(hit), r, c, direction);
      }
    }
  }

  void report(std::uint32_t key, int endRow, int endColumn, Direction direction) {
    const int length = length_[key];
    // The same cells read the other way, or one cell in eight directions.
    if (palindrome_[key] && !readsForwards(direction)) return;
    if (length == 1 && direction != Direction::kRight) return;
    const Step step = directionStep(direction);
    const auto row = static_cast<std::uint64_t>(endRow - (length - 1) * step.row);
    const auto column = static_cast<std::uint64_t>(endColumn - (length - 1) * step.column);
    found_.push_back(std::uint64_t{key} << kKeyShift | row << kRowShift | column << kColumnShift |
                     static_cast<std::uint64_t>(direction));
  }

  const std::vector<std::string>& rows_;
  const Automaton& automaton_;
  // Each grid byte as the keys spell it. A space is in no key, so it
  // matches nothing.
  std::array<unsigned char, 256> cell_{};
  std::vector<std::uint8_t> length_;
  std::vector<bool> palindrome_;
  std::vector<std::uint64_t> found_;
  std::size_t limit_;
};

}  // namespace

WordSearch findWords(const std::vector<std::string>& rows, const std::vector<std::string>& words,
                     std::size_t limit) {
  assert(words.size() < (std::size_t{1} << 24));
  assert(
      std::all_of(words.begin(), words.end(), [](const std::string& w) { return w.size() < 256; }));
  WordSearch result;
  const Keys keys(words, result.keyOfWord);
  result.keyFirst.assign(keys.size() + 1, 0);
  if (rows.empty() || rows[0].empty() || keys.size() == 0) return result;
  assert(rows.size() < 65536 && rows[0].size() < 65536);
  const Automaton automaton(keys);
  Search search(rows, keys, automaton, limit);
  search.run();
  result.tooMany = search.tooMany();
  search.collect(result);
  return result;
}

}  // namespace haravoija
