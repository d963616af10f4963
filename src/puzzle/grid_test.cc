// Tests of grid creation, growth and clearing.
#include "puzzle/grid.h"

#include <gtest/gtest.h>

namespace haravoija {
namespace {

TEST(GridTest, GrowAddsToTheSmallerSide) {
  Grid grid = create(1, 1);
  const int expected[][2] = {{1, 2}, {2, 2}, {2, 3}, {3, 3}, {3, 4}};
  for (const auto& size : expected) {
    grid.grow();
    EXPECT_EQ(grid.rowCount(), size[0]);
    EXPECT_EQ(grid.columnCount(), size[1]);
    for (const std::string& row : grid.rows) EXPECT_EQ(row.size(), size_t(size[1]));
  }
  Grid tall = create(5, 3);
  tall.setCell(4, 2, 'X');
  tall.grow();
  EXPECT_EQ(tall.rowCount(), 5);
  EXPECT_EQ(tall.columnCount(), 4);
  EXPECT_EQ(tall.cell(4, 2), 'X');
  EXPECT_EQ(tall.cell(4, 3), ' ');
}

TEST(GridTest, ClearResetAndCounts) {
  Grid grid = create(3, 5);
  EXPECT_EQ(grid.emptyCellCount(), 15);
  EXPECT_TRUE(grid.placedWords.empty());
  EXPECT_TRUE(grid.hiddenPhrase.empty());
  grid.setCell(0, 0, 'K');
  grid.setCell(2, 4, 0x8E);
  grid.placedWords.push_back("kissa");
  grid.hiddenPhrase = "moi";
  EXPECT_EQ(grid.emptyCellCount(), 13);
  EXPECT_EQ(grid.cell(2, 4), 0x8E);

  grid.clear();
  EXPECT_EQ(grid.rowCount(), 3);
  EXPECT_EQ(grid.columnCount(), 5);
  EXPECT_EQ(grid.emptyCellCount(), 15);
  EXPECT_TRUE(grid.placedWords.empty());
  EXPECT_EQ(grid.hiddenPhrase, "moi");

  grid.placedWords.push_back("koira");
  grid.reset(4, 7);
  EXPECT_EQ(grid.rows, std::vector<std::string>(4, std::string(7, ' ')));
  EXPECT_TRUE(grid.placedWords.empty());
  EXPECT_EQ(grid.hiddenPhrase, "moi");
}

}  // namespace
}  // namespace haravoija
