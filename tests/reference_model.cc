// The plain placement scan and generation run.
#include "reference_model.h"

#include <algorithm>

#include "puzzle/placement.h"
#include "text/letters.h"

namespace haravoija::testing {
namespace {

// Steps by direction code 1..8: DownRight, UpRight, UpLeft, DownLeft, Right, Down, Left, Up.
const int kRowStep[9] = {0, 1, -1, -1, 1, 0, 1, 0, -1};
const int kColumnStep[9] = {0, 1, 1, -1, -1, 1, 0, -1, 0};

// Shared letters of the placement, or -1 when it does not fit.
int sharedAt(const Grid& grid, std::string_view word, int code, int row, int column) {
  int shared = 0;
  for (int k = 0; k < static_cast<int>(word.size()); ++k) {
    const int r = row + k * kRowStep[code];
    const int c = column + k * kColumnStep[code];
    if (r < 0 || r >= grid.rowCount() || c < 0 || c >= grid.columnCount()) return -1;
    const unsigned char cell = grid.cell(r, c);
    if (cell != ' ' && cell != toUpperLetter(static_cast<unsigned char>(word[k]))) return -1;
    shared += cell != ' ';
  }
  return shared;
}

}  // namespace

bool referencePlaceWord(Grid& grid, std::string_view word, bool children, RandomSource& random) {
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
      for (int j = 0; j < columns; ++j) {
        const int row = (a + i) % rows;
        const int column = (b + j) % columns;
        const int shared = sharedAt(grid, word, code, row, column);
        if (shared > bestShared && shared < length - 1) {
          bestShared = shared;
          best = {row, column, static_cast<Direction>(code)};
        }
      }
    }
  }
  if (bestShared < 0) return false;
  const int code = static_cast<int>(best.direction);
  for (int k = 0; k < length; ++k) {
    grid.setCell(best.row + k * kRowStep[code], best.column + k * kColumnStep[code],
                 toUpperLetter(static_cast<unsigned char>(word[k])));
  }
  grid.placedWords.emplace_back(word);
  return true;
}

ReferenceRun referenceBuildGrid(Grid& grid, const std::vector<std::string>& words, bool children,
                                Sizing sizing, int rows, int columns, RandomSource& random) {
  ReferenceRun run;
  const int n = static_cast<int>(words.size());
  // One pass on the emptied grid; returns the refused words (strict: the first).
  auto attempt = [&](bool strict) {
    grid.clear();
    ++run.attempts;
    std::vector<std::string> refused;
    for (const std::string& word : words) {
      if (referencePlaceWord(grid, word, children, random)) continue;
      refused.push_back(word);
      if (strict) break;
    }
    return refused;
  };
  if (sizing == Sizing::kFixed) {
    const int attemptLimit = 1000 / n + 10;
    grid.reset(rows, columns);
    for (int i = 0; i < attemptLimit; ++i) {
      if (attempt(true).empty()) return run;
    }
    std::size_t tolerance = 1;
    int counter = 0;
    for (;;) {
      run.unplacedWords = attempt(false);
      if (counter >= attemptLimit / 5) {
        ++tolerance;
        counter = 1;
      } else if (run.unplacedWords.size() > tolerance) {
        ++counter;
      } else {
        return run;
      }
    }
  }
  // The estimate grows the grid until each word fits; the search starts square, one column less.
  grid.reset(1, 1);
  for (const std::string& word : words) {
    while (!referencePlaceWord(grid, word, children, random)) grid.grow();
  }
  const int side = std::max(1, grid.columnCount() - 1);
  grid.reset(side, side);
  int counter = 0;
  for (;;) {
    if (++counter == 500 / n + 5) {
      counter = 0;
      grid.grow();
    }
    if (attempt(true).empty()) return run;
  }
}

}  // namespace haravoija::testing
