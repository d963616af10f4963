// The generation run: strict and tolerant attempts, the size search that
// starts from an estimate, and the fallback that leaves words out.
#include "puzzle/generation.h"

#include <algorithm>
#include <cstddef>

#include "puzzle/placer.h"

namespace haravoija {
namespace {

class Run {
 public:
  Run(Grid& grid, const std::vector<std::string>& words, bool children, RandomSource& random,
      PlacerOptions options)
      : grid_(grid), words_(words), children_(children), placer_(grid, random, options) {}

  int attempts() const { return attempts_; }
  PlacerStats stats() const { return placer_.stats(); }

  // Every word in list order; stops at the first refusal.
  bool strictAttempt() {
    ++attempts_;
    for (const std::string& word : words_) {
      if (!place(word)) return false;
    }
    return true;
  }

  // Every word in list order; the refused ones are collected.
  void tolerantAttempt(std::vector<std::string>& unplaced) {
    ++attempts_;
    unplaced.clear();
    for (const std::string& word : words_) {
      if (!place(word)) unplaced.push_back(word);
    }
  }

  std::vector<std::string> fixedSize(int rows, int columns) {
    const int wordCount = static_cast<int>(words_.size());
    const int attemptLimit = 1000 / wordCount + 10;
    reset(rows, columns);
    for (int attempt = 0; attempt < attemptLimit; ++attempt) {
      if (strictAttempt()) return {};
      reset(rows, columns);
    }
    std::vector<std::string> unplaced;
    std::size_t tolerance = 1;
    int counter = 0;
    for (;;) {
      tolerantAttempt(unplaced);
      if (counter >= attemptLimit / 5) {
        reset(rows, columns);
        ++tolerance;
        counter = 1;
      } else if (unplaced.size() > tolerance) {
        reset(rows, columns);
        ++counter;
      } else {
        return unplaced;
      }
    }
  }

  void smallestSize() {
    const int wordCount = static_cast<int>(words_.size());
    const int sizeStepLimit = 500 / wordCount + 5;
    reset(1, 1);
    for (const std::string& word : words_) {
      while (!place(word)) grow();
    }
    const int side = std::max(1, grid_.columnCount() - 1);
    reset(side, side);
    int counter = 0;
    for (;;) {
      if (++counter == sizeStepLimit) {
        counter = 0;
        grow();
      }
      if (strictAttempt()) return;
      clear();
    }
  }

 private:
  bool place(const std::string& word) { return placer_.placeWord(word, children_); }
  void reset(int rows, int columns) { placer_.reset(rows, columns); }
  void clear() { placer_.clear(); }
  void grow() { placer_.grow(); }

  Grid& grid_;
  const std::vector<std::string>& words_;
  bool children_;
  Placer placer_;
  int attempts_ = 0;
};

}  // namespace

BuildResult buildGrid(Grid& grid, const std::vector<std::string>& words, bool children,
                      Sizing sizing, int rows, int columns, RandomSource& random,
                      PlacerOptions options) {
  BuildResult result;
  if (words.empty()) {
    result.status = BuildResult::Status::kNoWords;
    return result;
  }
  // A word that fits no grid would make the size search grow the grid
  // without end: such words are left out from the start.
  std::vector<std::string> placeable;
  bool allPlaceable = true;
  for (const std::string& word : words) {
    if (fitsSomeGrid(word)) {
      placeable.push_back(word);
    } else {
      allPlaceable = false;
    }
  }
  if (placeable.empty()) {
    grid.reset(sizing == Sizing::kFixed ? std::max(1, rows) : 1,
               sizing == Sizing::kFixed ? std::max(1, columns) : 1);
  } else {
    Run run(grid, placeable, children, random, options);
    if (sizing == Sizing::kFixed) {
      result.unplacedWords = run.fixedSize(std::max(1, rows), std::max(1, columns));
    } else {
      run.smallestSize();
    }
    result.attempts = run.attempts();
    result.placement = run.stats();
  }
  if (!allPlaceable) {
    // Back into list order among the words the run left out.
    std::vector<std::string> unplaced;
    std::size_t next = 0;
    for (const std::string& word : words) {
      if (!fitsSomeGrid(word)) {
        unplaced.push_back(word);
      } else if (next < result.unplacedWords.size() && result.unplacedWords[next] == word) {
        unplaced.push_back(result.unplacedWords[next++]);
      }
    }
    result.unplacedWords = std::move(unplaced);
  }
  return result;
}

}  // namespace haravoija
