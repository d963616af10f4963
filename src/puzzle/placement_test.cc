// Tests of the placement of one word: the fitting test, the scan order and
// the worked cases of small grids.
#include "puzzle/placement.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "puzzle/scan_order.h"
#include "text/random_draw.h"

namespace haravoija {
namespace {

Grid gridOf(std::vector<std::string> rows) {
  Grid grid;
  grid.rows = std::move(rows);
  return grid;
}

TEST(TryPlacement, BoundsSharedLettersAndWriting) {
  Grid grid = gridOf({"     ", "KISSA", "     "});
  // Bounds: five letters do not fit downwards in three rows, nor leftwards
  // from column 3.
  EXPECT_FALSE(tryPlacement(grid, "kissa", {0, 0, Direction::kDown}, false).fits);
  EXPECT_FALSE(tryPlacement(grid, "kissa", {0, 3, Direction::kLeft}, false).fits);
  // Lying over KISSA itself, lower case matching upper-case cells.
  PlacementTest test = tryPlacement(grid, "kissa", {1, 0, Direction::kRight}, false);
  EXPECT_TRUE(test.fits);
  EXPECT_EQ(test.sharedLetters, 5);
  // ISSA over the end of KISSA shares all four letters.
  test = tryPlacement(grid, "ISSA", {1, 1, Direction::kRight}, false);
  EXPECT_TRUE(test.fits);
  EXPECT_EQ(test.sharedLetters, 4);
  // A clash stops the test.
  EXPECT_FALSE(tryPlacement(grid, "ISSA", {1, 0, Direction::kRight}, false).fits);
  // Crossing upwards through the S of column 2.
  test = tryPlacement(grid, "as\204", {2, 2, Direction::kUp}, false);
  EXPECT_TRUE(test.fits);
  EXPECT_EQ(test.sharedLetters, 1);
  EXPECT_TRUE(grid.placedWords.empty());
  EXPECT_EQ(grid.rows[0], "     ");

  test = tryPlacement(grid, "as\204", {2, 2, Direction::kUp}, true);
  EXPECT_TRUE(test.fits);
  EXPECT_EQ(grid.rows, (std::vector<std::string>{"  \216  ", "KISSA", "  A  "}));
  EXPECT_EQ(grid.placedWords, std::vector<std::string>{"as\204"});
  // A placement that does not fit writes nothing even when asked to.
  EXPECT_FALSE(tryPlacement(grid, "xx", {0, 0, Direction::kDownRight}, true).fits);
  EXPECT_EQ(grid.rows[0], "  \216  ");
  EXPECT_EQ(grid.placedWords.size(), 1u);
}

TEST(ScanOrder, StartCellsAndDirectionSequence) {
  // Two rows, three columns, a = 1, b = 2.
  std::vector<std::pair<int, int>> cells;
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 3; ++j) cells.emplace_back(scanLine(1, i, 2), scanLine(2, j, 3));
  }
  EXPECT_EQ(cells,
            (std::vector<std::pair<int, int>>{{1, 2}, {1, 0}, {1, 1}, {0, 2}, {0, 0}, {0, 1}}));

  using D = Direction;
  EXPECT_EQ(scanDirections(6, false),
            (std::array<D, 8>{D::kLeft, D::kUp, D::kDownRight, D::kUpRight, D::kUpLeft,
                              D::kDownLeft, D::kRight, D::kDown}));
  EXPECT_EQ(scanDirections(6, true), (std::array<D, 8>{D::kDown, D::kDown, D::kDown, D::kRight,
                                                       D::kRight, D::kRight, D::kRight, D::kDown}));
  const std::array<D, 8> inOrder{D::kDownRight, D::kUpRight, D::kUpLeft, D::kDownLeft,
                                 D::kRight,     D::kDown,    D::kLeft,   D::kUp};
  EXPECT_EQ(scanDirections(8, false), inOrder);
  EXPECT_EQ(scanDirections(0, false), inOrder);
}

TEST(PlaceWord, SmallGrids) {
  std::set<std::string> normalRows;
  std::set<std::string> childrenRows;
  for (unsigned seed = 1; seed <= 60; ++seed) {
    std::srand(seed);
    Grid grid = create(1, 2);
    ASSERT_TRUE(placeWord(grid, "ab", false));
    normalRows.insert(grid.rows[0]);
    grid = create(1, 2);
    ASSERT_TRUE(placeWord(grid, "ab", true));
    childrenRows.insert(grid.rows[0]);
    grid = create(1, 1);
    EXPECT_FALSE(placeWord(grid, "ab", false));
    EXPECT_EQ(grid.rows[0], " ");
    // Five letters in five rows and two columns: only vertically.
    grid = create(5, 2);
    ASSERT_TRUE(placeWord(grid, "kissa", seed % 2 == 0));
    EXPECT_TRUE(grid.rows[0] == "K " || grid.rows[0] == " K" || grid.rows[0] == "A " ||
                grid.rows[0] == " A");
    if (seed % 2 == 0) {
      EXPECT_TRUE(grid.rows[0][0] == 'K' || grid.rows[0][1] == 'K');
    }
    // Longer than both sides.
    grid = create(3, 4);
    EXPECT_FALSE(placeWord(grid, "kissa", false));
    EXPECT_EQ(grid.emptyCellCount(), 12);
  }
  EXPECT_EQ(normalRows, (std::set<std::string>{"AB", "BA"}));
  EXPECT_EQ(childrenRows, (std::set<std::string>{"AB"}));
}

TEST(PlaceWord, NeverAddsFewerThanTwoNewLetters) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    std::srand(seed);
    // The only room left for ISSA is over KISSA, which would add no letter,
    // or over SSA, which would add one.
    Grid grid = gridOf({"KISSA", "XXXXX", "XXXXX"});
    const Grid before = grid;
    EXPECT_FALSE(placeWord(grid, "issa", false));
    EXPECT_EQ(grid.rows, before.rows);
    EXPECT_TRUE(grid.placedWords.empty());
    // With a row of room it goes in sharing at most two letters.
    grid = gridOf({"KISSA", "     "});
    ASSERT_TRUE(placeWord(grid, "issa", false));
    EXPECT_EQ(grid.placedWords, std::vector<std::string>{"issa"});
    EXPECT_EQ(grid.rows[0], "KISSA");
    EXPECT_LE(10 - grid.emptyCellCount() - 5, 4);
    EXPECT_GE(10 - grid.emptyCellCount() - 5, 2);
  }
}

TEST(PlaceWord, PrefersCrossings) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    std::srand(seed);
    // KALA crosses KISSA at the K and the A's only if it lies on the right
    // line; the scan must find a crossing placement every time.
    Grid grid = create(5, 5);
    grid.rows[2] = "KISSA";
    ASSERT_TRUE(placeWord(grid, "kala", false));
    EXPECT_EQ(grid.emptyCellCount(), 20 - 3) << "seed " << seed;
  }
}

TEST(PlaceWord, ThreeDrawsPerCall) {
  std::srand(7);
  Grid grid = create(1, 1);
  EXPECT_FALSE(placeWord(grid, "ab", false));
  const int after = drawRandom();
  std::srand(7);
  for (int i = 0; i < 3; ++i) (void)drawRandom();
  EXPECT_EQ(drawRandom(), after);
}

}  // namespace
}  // namespace haravoija
