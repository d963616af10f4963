// Placing a word, the generation run and the fills: worked examples.
#include "puzzle/generation.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "puzzle/fill.h"
#include "puzzle/placer.h"
#include "test_util.h"
#include "text/limits.h"

namespace haravoija {
namespace {

using Rows = std::vector<std::string>;
using testing::split;
using enum Sizing;
using enum BuildResult::Status;

TEST(BuildGridTest, WorkedExamples) {
  const struct {
    const char *what, *words;
    Sizing sizing;
    int rows, columns, expectedRows, expectedColumns;
    const char* unplaced;
    int attempts;
  } cases[] = {
      // The estimate ends at 4 x 5; 504 failures at 4 x 4, one short of the step limit.
      {"one five-letter word", "kissa", kSmallest, 1, 1, 4, 5, "", 505},
      {"one two-letter word", "ab", kSmallest, 1, 1, 1, 2, "", 505},
      // 1000 / 3 + 10 strict attempts, then tolerant ones: the counter at 0..68
      // for tolerance 1, at 1..68 for 2, and one for 3, which holds all three.
      {"fixed 1 x 1", "kissa koira ab", kFixed, 1, 1, 1, 1, "kissa koira ab", 343 + 69 + 68 + 1},
      {"fixed size that holds all", "kissa koira ab", kFixed, 10, 10, 10, 10, "", 1},
      // "abc" fits no 2 x 2 grid: the first tolerant attempt leaves out just that.
      {"fixed size that leaves one out", "abc de fg", kFixed, 2, 2, 2, 2, "abc", 344},
      // A word of one letter fits nowhere and is left out in list order.
      {"one-letter word", "kissa a ab", kFixed, 2, 5, 2, 5, "a", 1},
      {"only a one-letter word", "a", kSmallest, 1, 1, 1, 1, "a", 0},
      // 1 x 1: 1010 strict attempts, then a tolerant one; list order kept.
      {"counts below one", "ab a", kFixed, 0, -3, 1, 1, "ab a", 1010 + 1},
      {"no words: the grid left alone", "", kSmallest, 1, 1, 2, 3, "", 0},
  };
  for (const auto& c : cases) {
    testing::ScriptedRandom random;
    Grid grid = create(2, 3);
    const Rows words = split(c.words);
    const BuildResult result = buildGrid(grid, words, false, c.sizing, c.rows, c.columns, random);
    EXPECT_EQ(result.status, words.empty() ? kNoWords : kBuilt) << c.what;
    EXPECT_EQ(grid.rowCount(), c.expectedRows) << c.what;
    EXPECT_EQ(grid.columnCount(), c.expectedColumns) << c.what;
    EXPECT_EQ(result.unplacedWords, split(c.unplaced)) << c.what;
    EXPECT_EQ(result.attempts, c.attempts) << c.what;
    // The placed words and the left-out ones together are the list.
    EXPECT_EQ(grid.placedWords.size() + result.unplacedWords.size(), words.size()) << c.what;
  }
}

// Draws that give the offsets: for a count n, draw * n / 32767.
constexpr int kA1 = 16384;   // a = 1 of 2 rows
constexpr int kB2 = 21845;   // b = 2 of 3 columns
constexpr int kE4 = 16384;   // e = 4: Right, Down, Left, Up, DownRight, ...
constexpr int kE6 = 24576;   // e = 6: Left, Up, DownRight, UpRight, ...
constexpr int kTop = 32767;  // a = rows, b = columns, e = 8: taken modulo

TEST(PlaceWordTest, WorkedExamples) {
  // Rows parted by '/'; the grid unchanged when the word is refused.
  const struct {
    const char *grid, *word;
    bool children;
    std::vector<int> draws;  // a, b, e
    const char* expected;
  } cases[] = {
      // The first fitting start from (a, b), wrapping: (1,2) is too near the edge.
      {"   /   ", "ab", false, {kA1, kB2, kE4}, "   /AB "},
      {"   /   ", "ab", false, {kA1, kB2, kE6}, "   / BA"},
      // Left maps to Down for children; row 1 cannot go down, so row 0 wraps in.
      {"   /   ", "ab", true, {kA1, kB2, kE6}, "  A/  B"},
      // Top draws wrap to 0: down-right at e = 0.
      {"   /   ", "ab", false, {kTop}, "A  / B "},
      {"  ", "ab", false, {0, 0, 0}, "AB"},
      {"  ", "ab", true, {0, 0, kE6}, "AB"},                // children: only rightwards
      {"  /  ", "abc", false, {0, 0, 0}, "  /  "},          // longer than both sides
      {"  /  /  ", "abc", false, {0, 0, kE6}, "C /B /A "},  // only up or down
      // A crossing beats every earlier placement over empty cells: Left from (2,2).
      {"   /   /  K", "kat", false, {0, 0, kE4}, "   /   /TAK"},
      // The most shared letters below length - 1 win: S and H beat the S alone.
      {"S    /     /  H  /     ", "saha", false, {0, 0, kE4}, "S    / A   /  H  /   A "},
      // ISSA inside KISSA would share all four letters; all else clashes.
      {"KISSA", "issa", false, {0, 0, 0}, "KISSA"},
      {"K ", "ka", false, {0, 0, 0}, "K "},             // two letters need two empty cells
      {"   /   ", "a b", false, {0, 0, 0}, "   /   "},  // a space is no letter
  };
  for (const auto& c : cases) {
    const bool placed = std::string(c.grid) != c.expected;
    Grid grid{split(c.grid, '/'), {}, {}};
    testing::ScriptedRandom random(c.draws);
    Placer placer(grid, random);
    EXPECT_EQ(placer.placeWord(c.word, c.children), placed) << c.word << " into " << c.grid;
    EXPECT_EQ(grid.rows, split(c.expected, '/')) << c.word << " into " << c.grid;
    EXPECT_EQ(grid.placedWords, placed ? Rows{c.word} : Rows{}) << c.word;
    EXPECT_EQ(random.draws(), 3) << c.word;
  }
  // Words that no grid takes.
  EXPECT_TRUE(fitsSomeGrid("ab") && fitsSomeGrid(std::string(kMaxWordLength, 'a')));
  for (const std::string& word : Rows{"a", "", "a b", std::string(kMaxWordLength + 1, 'a')})
    EXPECT_FALSE(fitsSomeGrid(word)) << word;
}

TEST(FillTest, RandomLettersAndHiddenPhrasesInReadingOrder) {
  // alphabet[draw * 29 / 32768] of A-Z, Å, Ä, Ö: draws at the edges; phrases draw 0.
  const std::vector<int> edges = {0, 1129, 1130, 29380, 30510, 32767, 16384, 15000};
  const struct {
    const char *grid, *line, *filled, *phrase;  // line nullptr: random letters only
    int draws;
  } cases[] = {
      {"  X   /Y     ", nullptr, "AAXB\217\216/Y\231ONAA", "", 10},
      {"K  /  K/  Z", "Kala ja", "KKA/LAK/JAZ", "kala ja", 0},
      {"   /  X", "m\ti 2!", "M\tI/2!X", "m\ti 2!", 0},  // only spaces are left out
      // Capitals are lower-cased in the phrase and upper-cased in the cells.
      {"   /  ", "\216iti \217", "\216IT/I\217", "\204iti \206", 0},
      // Too short a phrase: random letters complete the grid.
      {"   /   ", "\204 o", "\216OA/AAA", "\204 o", 4},
      // No empty cell: a line of spaces is still the phrase.
      {"AB", "  ", "AB", "  ", 0},
  };
  for (const auto& c : cases) {
    Grid grid{split(c.grid, '/'), {}, {}};
    testing::ScriptedRandom random(c.line ? std::vector<int>{0} : edges);
    c.line ? fillWithPhrase(grid, c.line, random) : fillRandom(grid, random);
    EXPECT_EQ(std::tie(grid.rows, grid.hiddenPhrase, c.draws),
              std::forward_as_tuple(split(c.filled, '/'), c.phrase, random.draws()));
  }
}

}  // namespace
}  // namespace haravoija
