// Worked examples of placing one word: the scan order, the direction
// sequence for each offset, children's puzzles, crossings and refusals.
// Every expected grid was worked out by hand from the scan rules.
#include <gtest/gtest.h>

#include "fakes.h"
#include "puzzle/placer.h"

namespace haravoija {
namespace {

using Rows = std::vector<std::string>;

// Draws that give the offsets: for a count n, draw * n / 32767.
constexpr int kRow1Of2 = 16384;     // a = 1 of 2 rows
constexpr int kColumn2Of3 = 21845;  // b = 2 of 3 columns
constexpr int kDirection4 = 16384;  // e = 4: Right, Down, Left, Up, DownRight, ...
constexpr int kDirection6 = 24576;  // e = 6: Left, Up, DownRight, UpRight, ...
constexpr int kTop = 32767;         // a = rows, b = columns, e = 8: taken modulo

TEST(PlaceWordTest, WorkedExamples) {
  struct Case {
    const char* what;
    Rows grid;
    std::string word;
    bool children;
    std::vector<int> draws;  // a, b, e
    Rows expected;           // the grid unchanged when the word is refused
    bool placed;
  };
  const std::vector<Case> cases = {
      // An empty grid takes the first fitting start in scan order: rows from
      // a, columns from b, wrapping. (1,2) is too near the edge; (1,0) fits.
      {"right first",
       {"   ", "   "},
       "ab",
       false,
       {kRow1Of2, kColumn2Of3, kDirection4},
       {"   ", "AB "},
       true},
      {"left first",
       {"   ", "   "},
       "ab",
       false,
       {kRow1Of2, kColumn2Of3, kDirection6},
       {"   ", " BA"},
       true},
      // Code 7 (Left) maps to Down in a children's puzzle; from row 1 a
      // two-letter word cannot go down, so row 0 wraps in.
      {"children: down first",
       {"   ", "   "},
       "ab",
       true,
       {kRow1Of2, kColumn2Of3, kDirection6},
       {"  A", "  B"},
       true},
      {"down-right at e = 0", {"   ", "   "}, "ab", false, {0, 0, 0}, {"A  ", " B "}, true},
      {"children: down at e = 0", {"   ", "   "}, "ab", true, {0, 0, 0}, {"A  ", "B  "}, true},
      {"top draws wrap to 0", {"   ", "   "}, "ab", false, {kTop}, {"A  ", " B "}, true},
      {"1 x 2 rightwards", {"  "}, "ab", false, {0, 0, 0}, {"AB"}, true},
      {"1 x 2 leftwards", {"  "}, "ab", false, {0, 0, kDirection6}, {"BA"}, true},
      {"children: 1 x 2 only rightwards", {"  "}, "ab", true, {0, 0, kDirection6}, {"AB"}, true},
      {"1 x 1 holds no word", {" "}, "ab", false, {0, 0, 0}, {" "}, false},
      {"longer than both sides", {"  ", "  "}, "abc", false, {0, 0, 0}, {"  ", "  "}, false},
      // Three rows, two columns: only up or down.
      {"only upwards",
       {"  ", "  ", "  "},
       "abc",
       false,
       {0, 0, kDirection6},
       {"C ", "B ", "A "},
       true},
      // A crossing beats every placement over empty cells, however early
      // those come: Right and Down find none, Left from (2,2) shares the K.
      {"crossing later in the scan",
       {"   ", "   ", "  K"},
       "kat",
       false,
       {0, 0, kDirection4},
       {"   ", "   ", "TAK"},
       true},
      // Among crossings the most shared letters win, below the word's
      // length minus one: sharing S and H beats sharing only the S, which
      // the scan finds first going right.
      {"most shared letters",
       {"S    ", "     ", "  H  ", "     "},
       "saha",
       false,
       {0, 0, kDirection4},
       {"S    ", " A   ", "  H  ", "   A "},
       true},
      // ISSA inside KISSA would share all four letters: refused, and every
      // other placement in the single row clashes.
      {"never wholly inside another word", {"KISSA"}, "issa", false, {0, 0, 0}, {"KISSA"}, false},
      {"two letters need two empty cells", {"K "}, "ka", false, {0, 0, 0}, {"K "}, false},
  };
  for (const Case& c : cases) {
    Grid grid = create(static_cast<int>(c.grid.size()), static_cast<int>(c.grid[0].size()));
    grid.rows = c.grid;
    testing::ScriptedRandom random(c.draws);
    Placer placer(grid, random);
    EXPECT_EQ(placer.placeWord(c.word, c.children), c.placed) << c.what;
    EXPECT_EQ(grid.rows, c.expected) << c.what;
    EXPECT_EQ(grid.placedWords, c.placed ? Rows{c.word} : Rows{}) << c.what;
    EXPECT_EQ(random.draws(), 3) << c.what;
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
  EXPECT_EQ(grid.rows, (Rows{"AB", "CD"}));
  placer.clear();
  EXPECT_EQ(grid.rows, (Rows{"  ", "  "}));
  EXPECT_TRUE(grid.placedWords.empty());
  EXPECT_TRUE(placer.placeWord("xy", false));
  EXPECT_EQ(grid.rows, (Rows{"X ", " Y"}));
  placer.reset(1, 3);
  EXPECT_TRUE(placer.placeWord("\204ij\204", false) == false);  // longer than the row
  EXPECT_TRUE(placer.placeWord("\204\224", false));
  EXPECT_EQ(grid.rows, Rows{"\216\231 "});
  EXPECT_EQ(grid.placedWords, Rows{"\204\224"});
}

TEST(PlaceWordTest, WordsNoGridTakes) {
  EXPECT_TRUE(fitsSomeGrid("ab"));
  EXPECT_TRUE(fitsSomeGrid(std::string(80, 'a')));
  EXPECT_FALSE(fitsSomeGrid("a"));
  EXPECT_FALSE(fitsSomeGrid(""));
  EXPECT_FALSE(fitsSomeGrid(std::string(81, 'a')));
  EXPECT_FALSE(fitsSomeGrid("a b"));
  Grid grid = create(5, 5);
  testing::ScriptedRandom random({0});
  Placer placer(grid, random);
  EXPECT_FALSE(placer.placeWord("a b", false));
  EXPECT_EQ(grid.emptyCellCount(), 25);
}

}  // namespace
}  // namespace haravoija
