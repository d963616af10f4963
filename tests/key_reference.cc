// The plain word search.
#include "key_reference.h"

#include <algorithm>

#include "text/letters.h"

namespace haravoija::testing {
namespace {

bool readsForwards(Direction d) {
  return d == Direction::kRight || d == Direction::kDown || d == Direction::kDownRight ||
         d == Direction::kUpRight;
}

}  // namespace

std::vector<Occurrence> plainOccurrences(const std::vector<std::string>& rows,
                                         const std::string& word) {
  std::vector<Occurrence> found;
  const std::string key = toUpperText(word);
  if (key.empty() || key.find(' ') != std::string::npos) return found;
  const int length = static_cast<int>(key.size());
  const bool palindrome = std::equal(key.begin(), key.end(), key.rbegin());
  const int height = static_cast<int>(rows.size());
  const int width = static_cast<int>(rows[0].size());
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) {
      for (int code = 1; code <= 8; ++code) {
        const Direction d = static_cast<Direction>(code);
        if (palindrome && !readsForwards(d)) continue;
        if (length == 1 && d != Direction::kRight) continue;
        const Step step = directionStep(d);
        bool match = true;
        for (int k = 0; k < length && match; ++k) {
          const int rr = r + k * step.row;
          const int cc = c + k * step.column;
          match = rr >= 0 && rr < height && cc >= 0 && cc < width && rows[rr][cc] != ' ' &&
                  toUpperLetter(static_cast<unsigned char>(rows[rr][cc])) ==
                      static_cast<unsigned char>(key[k]);
        }
        if (match) {
          found.push_back({r, c, d, r + (length - 1) * step.row, c + (length - 1) * step.column});
        }
      }
    }
  }
  return found;
}

std::vector<std::pair<int, int>> cellsOf(const Occurrence& occurrence) {
  const Step step = directionStep(occurrence.direction);
  std::vector<std::pair<int, int>> cells;
  for (int r = occurrence.row, c = occurrence.column;; r += step.row, c += step.column) {
    cells.emplace_back(r, c);
    if (r == occurrence.endRow && c == occurrence.endColumn) break;
  }
  return cells;
}

}  // namespace haravoija::testing
