// Tests of the word search: random grids against a plain search, and the limit.
#include "key/word_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "text/letters.h"

namespace haravoija {
namespace {

// Every cell and direction; a palindrome once for its cells, one letter once for its cell.
std::vector<Occurrence> plainSearch(const std::vector<std::string>& rows, const std::string& word) {
  std::vector<Occurrence> found;
  const std::string key = toUpperText(word);
  const int length = static_cast<int>(key.size());
  const bool palindrome = std::equal(key.begin(), key.end(), key.rbegin());
  const int height = static_cast<int>(rows.size()), width = static_cast<int>(rows[0].size());
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) {
      for (int code = 1; code <= 8; ++code) {
        const Direction d = static_cast<Direction>(code);
        const Step step = directionStep(d);
        // Rightwards, downwards and the diagonals between.
        const bool forwards = step.column > 0 || (step.column == 0 && step.row > 0);
        if ((palindrome && !forwards) || (length == 1 && d != Direction::kRight)) continue;
        std::string spelt;
        for (int k = 0, y = r, x = c; k < length && y >= 0 && y < height && x >= 0 && x < width;
             ++k, y += step.row, x += step.column) {
          spelt += rows[y][x] == ' ' ? '\0' : static_cast<char>(toUpperLetter(rows[y][x]));
        }
        if (spelt == key) {
          found.push_back({static_cast<std::uint16_t>(r), static_cast<std::uint16_t>(c),
                           static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(length)});
        }
      }
    }
  }
  return found;
}

TEST(WordSearchTest, AgreesWithAPlainSearchOnRandomGridsAndGivesUpPastItsLimit) {
  // Few letters, so that words overlap and repeat; either case and empty cells.
  const std::string cells = "AB\216\204a ";
  const std::string letters = "aAbB\204\216";
  std::mt19937 random(20261207);
  for (int round = 0; round < 400; ++round) {
    std::vector<std::string> rows(1 + random() % 7, std::string(1 + random() % 7, ' '));
    for (std::string& row : rows) {
      for (char& cell : row) cell = cells[random() % cells.size()];
    }
    std::vector<std::string> words(1 + random() % 6);
    for (std::string& word : words) {
      word.resize(1 + random() % 5);
      for (char& letter : word) letter = letters[random() % letters.size()];
    }
    const WordSearch search = findWords(rows, words, 1000);
    for (std::size_t i = 0; i < words.size(); ++i) {
      const std::span<const Occurrence> places = search.placesOf(i);
      EXPECT_EQ(std::vector(places.begin(), places.end()), plainSearch(rows, words[i]))
          << "round " << round << " word " << words[i];
    }
  }
  // Past its limit it gives up: 20 x 20 holds AA 2 * 19 * 20 + 2 * 19 * 19 times.
  const std::vector<std::string> rows(20, std::string(20, 'A'));
  EXPECT_FALSE(findWords(rows, {"aa", "b"}, 1482).tooMany);
  EXPECT_TRUE(findWords(rows, {"aa", "b"}, 1481).tooMany);
}

}  // namespace
}  // namespace haravoija
