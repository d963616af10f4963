// Tests of the random and hidden-phrase fills: which letter each draw gives,
// one draw per empty cell, and where the phrase's characters go.
#include "puzzle/fill.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "test_util.h"

namespace haravoija {
namespace {

using testing::split;

TEST(FillTest, RandomLettersAndHiddenPhrasesInReadingOrder) {
  // The letter is alphabet[draw * 29 / 32768] of A-Z, then Å Ä Ö; these
  // draws are the edges where the index steps. The phrases draw 0 (A).
  const std::vector<int> edges = {0, 1129, 1130, 29380, 30510, 32767, 16384, 15000};
  const struct {
    const char* grid;  // rows parted by '/'
    const char* line;  // nullptr: random letters only
    const char* filled;
    const char* phrase;
    int draws;
  } cases[] = {
      {"  X   /Y     ", nullptr, "AAXB\217\216/Y\231ONAA", "", 10},
      {"K  /  K/  Z", "Kala ja", "KKA/LAK/JAZ", "kala ja", 0},
      {"  /  /  ", "Kala ja", "KA/LA/JA", "kala ja", 0},
      {"   /  X", "moi 2!", "MOI/2!X", "moi 2!", 0},
      // Capitals are lower-cased in the phrase and upper-cased in the cells.
      {"   /  ", "\216iti \217", "\216IT/I\217", "\204iti \206", 0},
      // Too short a phrase: random letters complete the grid.
      {"   /   ", "\204 o", "\216OA/AAA", "\204 o", 4},
      // No empty cell: a line of spaces is still the phrase.
      {"AB", "  ", "AB", "  ", 0},
      {"AB", "", "AB", "", 0},
  };
  for (const auto& c : cases) {
    Grid grid{split(c.grid, '/'), {}, {}};
    testing::ScriptedRandom random(c.line ? std::vector<int>{0} : edges);
    c.line ? fillWithPhrase(grid, c.line, random) : fillRandom(grid, random);
    EXPECT_EQ(grid.rows, split(c.filled, '/')) << c.grid;
    EXPECT_EQ(grid.hiddenPhrase, c.phrase) << c.grid;
    EXPECT_EQ(random.draws(), c.draws) << c.grid;
  }
}

TEST(FillTest, RemoveSpacesKeepsOtherBlanks) {
  EXPECT_EQ(removeSpaces(" a b\tc  d "), "ab\tcd");
  EXPECT_EQ(removeSpaces("   "), "");
}

}  // namespace
}  // namespace haravoija
