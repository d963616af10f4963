// The plain placement scan and generation run.
#include "reference_model.h"

#include <algorithm>

#include "text/letters.h"

namespace haravoija::testing {
namespace {

const int kRowStep[9] = {0, 1, -1, -1, 1, 0, 1, 0, -1};
const int kColumnStep[9] = {0, 1, 1, -1, -1, 1, 0, -1, 0};

// Shared letters of the placement, or -1 when it does not fit.
int sharedAt(const Grid& grid, std::string_view word, int code, int row, int column) {
  const int length = static_cast<int>(word.size());
  const int lastRow = row + (length - 1) * kRowStep[code];
  const int lastColumn = column + (length - 1) * kColumnStep[code];
  if (lastRow < 0 || lastRow >= grid.rowCount() || lastColumn < 0 ||
      lastColumn >= grid.columnCount()) {
    return -1;
  }
  int shared = 0;
  for (int k = 0; k < length; ++k) {
    const unsigned char cell = grid.cell(row + k * kRowStep[code], column + k * kColumnStep[code]);
    const unsigned char letter = toUpperLetter(static_cast<unsigned char>(word[k]));
    if (cell == ' ') continue;
    if (cell != letter) return -1;
    ++shared;
  }
  return shared;
}

// One pass over the words; the refused ones are returned (a strict pass
// stops at the first).
std::vector<std::string> attempt(Grid& grid, const std::vector<std::string>& words, bool children,
                                 bool strict, RandomSource& random,
                                 std::vector<Placement>& placements) {
  std::vector<std::string> refused;
  for (const std::string& word : words) {
    if (const auto placement = referencePlaceWord(grid, word, children, random)) {
      placements.push_back(*placement);
    } else {
      refused.push_back(word);
      if (strict) break;
    }
  }
  return refused;
}

}  // namespace

std::optional<Placement> referencePlaceWord(Grid& grid, std::string_view word, bool children,
                                            RandomSource& random) {
  const int rows = grid.rowCount();
  const int columns = grid.columnCount();
  const int length = static_cast<int>(word.size());
  const int a = random.draw() * rows / 32767;
  const int b = random.draw() * columns / 32767;
  const int e = random.draw() * 8 / 32767;

  int bestShared = -1;
  Placement best;
  for (int d = 0; d < 8; ++d) {
    int code = (d + e) % 8 + 1;
    if (children) code = (code == 2 || code == 3 || code == 4 || code == 5) ? 5 : 6;
    for (int i = 0; i < rows; ++i) {
      const int row = (a + i) % rows;
      for (int j = 0; j < columns; ++j) {
        const int column = (b + j) % columns;
        const int shared = sharedAt(grid, word, code, row, column);
        if (shared >= 0 && shared > bestShared && shared < length - 1) {
          bestShared = shared;
          best = {row, column, static_cast<Direction>(code)};
        }
      }
    }
  }
  if (bestShared < 0) return std::nullopt;
  const int code = static_cast<int>(best.direction);
  for (int k = 0; k < length; ++k) {
    grid.setCell(best.row + k * kRowStep[code], best.column + k * kColumnStep[code],
                 toUpperLetter(static_cast<unsigned char>(word[k])));
  }
  grid.placedWords.emplace_back(word);
  return best;
}

ReferenceRun referenceBuildGrid(Grid& grid, const std::vector<std::string>& words, bool children,
                                Sizing sizing, int rows, int columns, RandomSource& random) {
  ReferenceRun run;
  const int n = static_cast<int>(words.size());
  auto resetTo = [&](int r, int c) {
    grid.reset(r, c);
    run.placements.clear();
  };
  if (sizing == Sizing::kFixed) {
    const int attemptLimit = 1000 / n + 10;
    resetTo(rows, columns);
    for (int i = 0; i < attemptLimit; ++i) {
      ++run.attempts;
      if (attempt(grid, words, children, true, random, run.placements).empty()) return run;
      resetTo(rows, columns);
    }
    std::size_t tolerance = 1;
    int counter = 0;
    for (;;) {
      ++run.attempts;
      run.unplacedWords = attempt(grid, words, children, false, random, run.placements);
      if (counter >= attemptLimit / 5) {
        resetTo(rows, columns);
        ++tolerance;
        counter = 1;
      } else if (run.unplacedWords.size() > tolerance) {
        resetTo(rows, columns);
        ++counter;
      } else {
        return run;
      }
    }
  }
  const int sizeStepLimit = 500 / n + 5;
  resetTo(1, 1);
  for (const std::string& word : words) {
    while (!referencePlaceWord(grid, word, children, random)) grid.grow();
  }
  const int side = grid.columnCount() == 1 ? 1 : grid.columnCount() - 1;
  resetTo(side, side);
  int counter = 0;
  for (;;) {
    if (++counter == sizeStepLimit) {
      counter = 0;
      grid.grow();
    }
    ++run.attempts;
    if (attempt(grid, words, children, true, random, run.placements).empty()) return run;
    resetTo(grid.rowCount(), grid.columnCount());
  }
}

}  // namespace haravoija::testing
