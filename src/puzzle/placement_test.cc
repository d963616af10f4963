// Worked examples of placing one word: the scan order, the direction
// sequence for each offset, children's puzzles, crossings and refusals.
// Every expected grid was worked out by hand from the scan rules.
#include <gtest/gtest.h>

#include "fakes.h"
#include "puzzle/placer.h"
#include "test_util.h"

namespace haravoija {
namespace {

using Rows = std::vector<std::string>;
using testing::split;

// Draws that give the offsets: for a count n, draw * n / 32767.
constexpr int kA1 = 16384;   // a = 1 of 2 rows
constexpr int kB2 = 21845;   // b = 2 of 3 columns
constexpr int kE4 = 16384;   // e = 4: Right, Down, Left, Up, DownRight, ...
constexpr int kE6 = 24576;   // e = 6: Left, Up, DownRight, UpRight, ...
constexpr int kTop = 32767;  // a = rows, b = columns, e = 8: taken modulo

TEST(PlaceWordTest, WorkedExamples) {
  // Grids row by row, rows parted by '/'; the grid unchanged when the word
  // is refused.
  const struct {
    const char* grid;
    const char* word;
    bool children;
    std::vector<int> draws;  // a, b, e
    const char* expected;
  } cases[] = {
      // An empty grid takes the first fitting start in scan order: rows from
      // a, columns from b, wrapping. (1,2) is too near the edge; (1,0) fits.
      {"   /   ", "ab", false, {kA1, kB2, kE4}, "   /AB "},
      {"   /   ", "ab", false, {kA1, kB2, kE6}, "   / BA"},
      // Code 7 (Left) maps to Down in a children's puzzle; from row 1 a
      // two-letter word cannot go down, so row 0 wraps in.
      {"   /   ", "ab", true, {kA1, kB2, kE6}, "  A/  B"},
      {"   /   ", "ab", false, {0, 0, 0}, "A  / B "},  // down-right at e = 0
      {"   /   ", "ab", true, {0, 0, 0}, "A  /B  "},   // children: down at e = 0
      {"   /   ", "ab", false, {kTop}, "A  / B "},     // top draws wrap to 0
      {"  ", "ab", false, {0, 0, 0}, "AB"},
      {"  ", "ab", false, {0, 0, kE6}, "BA"},
      {"  ", "ab", true, {0, 0, kE6}, "AB"},  // children: only rightwards
      {" ", "ab", false, {0, 0, 0}, " "},
      {"  /  ", "abc", false, {0, 0, 0}, "  /  "},          // longer than both sides
      {"  /  /  ", "abc", false, {0, 0, kE6}, "C /B /A "},  // only up or down
      // A crossing beats every placement over empty cells, however early
      // those come: Right and Down find none, Left from (2,2) shares the K.
      {"   /   /  K", "kat", false, {0, 0, kE4}, "   /   /TAK"},
      // Among crossings the most shared letters win, below the word's
      // length minus one: sharing S and H beats sharing only the S, which
      // the scan finds first going right.
      {"S    /     /  H  /     ", "saha", false, {0, 0, kE4}, "S    / A   /  H  /   A "},
      // ISSA inside KISSA would share all four letters: refused, and every
      // other placement in the single row clashes.
      {"KISSA", "issa", false, {0, 0, 0}, "KISSA"},
      {"K ", "ka", false, {0, 0, 0}, "K "},  // two letters need two empty cells
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
}

// The placer keeps its own picture of the grid in step through resets,
// clears and growth: a word goes where the cells now are.
TEST(PlaceWordTest, FollowsResetsClearsAndGrowth) {
  Grid grid = create(1, 1);
  testing::ScriptedRandom random({0});
  Placer placer(grid, random);
  EXPECT_FALSE(placer.placeWord("ab", false));
  placer.grow();
  EXPECT_TRUE(placer.placeWord("ab", false));
  EXPECT_EQ(grid.rows, Rows{"AB"});
  placer.grow();  // 2 x 2: the new row is empty
  EXPECT_TRUE(placer.placeWord("cd", false));
  EXPECT_EQ(grid.rows, split("AB/CD", '/'));
  placer.clear();
  EXPECT_TRUE(grid.emptyCellCount() == 4 && grid.placedWords.empty());
  EXPECT_TRUE(placer.placeWord("xy", false));
  EXPECT_EQ(grid.rows, split("X / Y", '/'));
  placer.reset(1, 3);
  EXPECT_FALSE(placer.placeWord("\204ij\204", false));  // longer than the row
  EXPECT_TRUE(placer.placeWord("\204\224", false));
  EXPECT_EQ(grid.rows, Rows{"\216\231 "});
  EXPECT_EQ(grid.placedWords, Rows{"\204\224"});
}

TEST(PlaceWordTest, WordsNoGridTakes) {
  EXPECT_TRUE(fitsSomeGrid("ab") && fitsSomeGrid(std::string(80, 'a')));
  for (const std::string word : {"a", "", "a b"}) EXPECT_FALSE(fitsSomeGrid(word)) << word;
  EXPECT_FALSE(fitsSomeGrid(std::string(81, 'a')));
  Grid grid = create(5, 5);
  testing::ScriptedRandom random({0});
  Placer placer(grid, random);
  EXPECT_FALSE(placer.placeWord("a b", false));
  EXPECT_EQ(grid.emptyCellCount(), 25);
}

}  // namespace
}  // namespace haravoija
