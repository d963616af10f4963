// Tests of the random and hidden-phrase fills: which letter each draw gives,
// one draw per empty cell, and where the phrase's characters go.
#include "puzzle/fill.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace haravoija {
namespace {

using Rows = std::vector<std::string>;
using testing::ScriptedRandom;

Grid gridOf(const Rows& rows) {
  Grid grid = create(static_cast<int>(rows.size()), static_cast<int>(rows[0].size()));
  grid.rows = rows;
  return grid;
}

TEST(FillTest, RandomLettersOneDrawPerEmptyCell) {
  // The letter is alphabet[draw * 29 / 32768] of A-Z, then Å Ä Ö; the draw
  // values are the edges where the index steps.
  Grid grid = gridOf({"  X   ", "Y     "});
  ScriptedRandom random({0, 1129, 1130, 29380, 30510, 32767, 16384, 15000});
  fillRandom(grid, random);
  EXPECT_EQ(grid.rows, (Rows{"AAXB\217\216", "Y\231ONAA"}));
  EXPECT_EQ(random.draws(), 10);
  EXPECT_TRUE(grid.hiddenPhrase.empty());
}

TEST(FillTest, HiddenPhraseFillsInReadingOrder) {
  struct Case {
    Rows grid;
    std::string line;
    Rows filled;
    std::string phrase;
    int draws;
  };
  const std::vector<Case> cases = {
      {{"K  ", "  K", "  Z"}, "Kala ja", {"KKA", "LAK", "JAZ"}, "kala ja", 0},
      {{"  ", "  ", "  "}, "Kala ja", {"KA", "LA", "JA"}, "kala ja", 0},
      {{"   ", "  X"}, "moi 2!", {"MOI", "2!X"}, "moi 2!", 0},
      // Capitals are lower-cased in the phrase and upper-cased in the cells.
      {{"   ", "  "}, "\216iti \217", {"\216IT", "I\217"}, "\204iti \206", 0},
      // Too short a phrase: random letters (draw 0 is A) complete the grid.
      {{"   ", "   "}, "\204 o", {"\216OA", "AAA"}, "\204 o", 4},
      // No empty cell: a line of spaces is still the phrase.
      {{"AB"}, "  ", {"AB"}, "  ", 0},
      {{"AB"}, "", {"AB"}, "", 0},
  };
  for (const Case& c : cases) {
    Grid grid = gridOf(c.grid);
    ScriptedRandom random({0});
    fillWithPhrase(grid, c.line, random);
    EXPECT_EQ(grid.rows, c.filled) << c.line;
    EXPECT_EQ(grid.hiddenPhrase, c.phrase) << c.line;
    EXPECT_EQ(random.draws(), c.draws) << c.line;
  }
}

TEST(FillTest, RemoveSpacesKeepsOtherBlanks) {
  EXPECT_EQ(removeSpaces(" a b\tc  d "), "ab\tcd");
  EXPECT_EQ(removeSpaces("   "), "");
}

}  // namespace
}  // namespace haravoija
