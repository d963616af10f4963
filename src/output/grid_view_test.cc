// Tests of the console view of a grid.
#include "output/grid_view.h"

#include <gtest/gtest.h>

namespace haravoija {
namespace {

TEST(GridViewTest, GridsBetweenRulesUpToTheWidthLimit) {
  EXPECT_EQ(gridView({{"KISS", "A  X", "\216\217\231Q"}, {"kissa", "ax"}, {}}),
            "-------\nK I S S \nA     X \n\216 \217 \231 Q \n-------\n\n"
            "(ristikon koko: 3x4, ristikossa 2 sanaa)\n\n");
  EXPECT_EQ(gridView({{"A", "B"}, {}, {}}),
            "-\nA \nB \n-\n\n(ristikon koko: 2x1, ristikossa 0 sanaa)\n\n");
  Grid widest = create(2, 35);
  widest.rows[1][34] = 'Z';
  widest.placedWords = {"z"};
  const std::string rule(69, '-');
  EXPECT_EQ(gridView(widest), rule + "\n" + std::string(70, ' ') + "\n" + std::string(68, ' ') +
                                  "Z \n" + rule +
                                  "\n\n(ristikon koko: 2x35, ristikossa 1 sanaa)\n\n");
  Grid tooWide = create(40, 36);
  tooWide.placedWords = {"aa", "bb", "cc"};
  EXPECT_EQ(gridView(tooWide),
            "\nSanaristikko ei mahdu ruudulle.\n\n(ristikon koko: 40x36, ristikossa 3 sanaa)\n\n");
}

}  // namespace
}  // namespace haravoija
