// Tests of the word search: a grid worked out by hand, and random grids
// against a plain search of every cell in every direction.
#include "key/word_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "key_reference.h"

namespace haravoija {
namespace {

constexpr Direction kE = Direction::kRight;
constexpr Direction kW = Direction::kLeft;
constexpr Direction kN = Direction::kUp;
constexpr Direction kS = Direction::kDown;
constexpr Direction kNE = Direction::kUpRight;
constexpr Direction kNW = Direction::kUpLeft;

TEST(WordSearchTest, FindsTheWordsOfAGridWorkedOutByHand) {
  // K I S A
  // A B B A
  // Ä T A T
  const std::vector<std::string> rows = {"KISA", "ABBA", "\216TAT"};
  const std::vector<std::string> words = {"Kisa", "abba", "\204t", "TA", "s", "aa", "koira"};
  const WordSearch search = findWords(rows, words);
  EXPECT_FALSE(search.tooMany);
  const std::vector<std::vector<Occurrence>> expected = {
      {{0, 0, kE, 0, 3}},
      // Read backwards it covers the same cells: reported once.
      {{1, 0, kE, 1, 3}},
      {{2, 0, kE, 2, 1}},
      {{2, 1, kNW, 1, 0}, {2, 1, kE, 2, 2}, {2, 3, kW, 2, 2}, {2, 3, kN, 1, 3}},
      {{0, 2, kE, 0, 2}},
      {{0, 3, kS, 1, 3}, {2, 2, kNE, 1, 3}},
      {},
  };
  EXPECT_EQ(search.occurrences, expected);

  // An empty cell is no letter, and a word with a space is never found.
  const WordSearch spaced = findWords({"A B"}, {"AB", "A B", "B"});
  EXPECT_EQ(spaced.occurrences, (std::vector<std::vector<Occurrence>>{{}, {}, {{0, 2, kE, 0, 2}}}));
  EXPECT_EQ(compassName(Direction::kDownLeft), "SW");
}

TEST(WordSearchTest, AgreesWithAPlainSearchOnRandomGrids) {
  // Few letters, so that words turn up often, overlap and repeat; cells in
  // either case and empty ones, as a hand-edited page may have.
  const std::string cells = "AB\216\204a ";
  const std::string letters = "aAbB\204\216";
  std::mt19937 random(20261207);
  for (int round = 0; round < 400; ++round) {
    const int height = 1 + static_cast<int>(random() % 7);
    const int width = 1 + static_cast<int>(random() % 7);
    std::vector<std::string> rows(height, std::string(width, ' '));
    for (std::string& row : rows) {
      for (char& cell : row) cell = cells[random() % cells.size()];
    }
    std::vector<std::string> words(1 + random() % 6);
    for (std::string& word : words) {
      word.resize(1 + random() % 5);
      for (char& letter : word) letter = letters[random() % letters.size()];
    }
    const WordSearch search = findWords(rows, words);
    for (std::size_t i = 0; i < words.size(); ++i) {
      EXPECT_EQ(search.occurrences[i], testing::plainOccurrences(rows, words[i]))
          << "round " << round << " word " << words[i];
    }
  }
}

TEST(WordSearchTest, GivesUpPastItsLimit) {
  const std::vector<std::string> rows(20, std::string(20, 'A'));
  // Every pair of neighbouring cells holds AA: a limit of exactly their
  // number is enough, one fewer is not.
  const std::size_t pairs = testing::plainOccurrences(rows, "aa").size();
  EXPECT_FALSE(findWords(rows, {"aa", "b"}, pairs).tooMany);
  EXPECT_TRUE(findWords(rows, {"aa", "b"}, pairs - 1).tooMany);
}

}  // namespace
}  // namespace haravoija
