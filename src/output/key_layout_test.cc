// Tests of the key page's layout: sizes worked out by hand for a small
// puzzle, and a fit on the page for every size the program makes.
#include "output/key_layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace haravoija {
namespace {

TEST(KeyLayoutTest, ASmallPuzzleGetsTheLargestSizes) {
  // 15 words of up to 10 letters at 3.9 mm: columns of
  // (10 * 0.62 + 1.5) * 3.9 = 30.03 mm, five of them in 170 mm with the
  // gaps, three lines each. A list of two words stays in two columns.
  const PageLayout layout = layoutPage(10, 10, 15, 10, 50);
  EXPECT_EQ(std::make_tuple(layout.cell, layout.listFont, layout.listColumns, layout.listLines,
                            layout.small),
            std::make_tuple(11.0, 3.9, 5, 3, false));
  EXPECT_EQ(layoutPage(10, 10, 2, 10, 50).listColumns, 2);
}

TEST(KeyLayoutTest, EverythingFitsThePageAtAnySize) {
  const double other = 60;
  for (const int side : {1, 10, 30, 57, 102, 319, 614, 1000}) {
    for (const int entries : {0, 15, 300, 3000, 37000}) {
      for (const int widest : {2, 16, 79}) {
        const PageLayout layout = layoutPage(side, side, entries, widest, other);
        const double height = side * layout.cell + layout.listLines * 1.25 * layout.listFont;
        EXPECT_LE(side * layout.cell, kContentWidth + 1e-9) << side;
        EXPECT_LE(height, kContentHeight - other + 1e-6) << side << " " << entries;
        EXPECT_GE(layout.listColumns * layout.listLines, entries);
        // A grid as wide as the page has letters of 170 / side * 0.65 mm.
        EXPECT_TRUE(layout.small || side < 102) << side;
      }
    }
  }
  // A tall narrow grid is limited by the height, not the width.
  EXPECT_LE(1000 * layoutPage(1000, 1, 0, 0, other).cell, kContentHeight - other + 1e-6);
}

}  // namespace
}  // namespace haravoija
