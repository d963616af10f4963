// Tests of the key page's layout: the largest sizes, and everything fitting at any size.
#include "output/key_layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace haravoija {
namespace {

TEST(KeyLayoutTest, ASmallPuzzleGetsTheLargestSizesAndEverythingFitsAtAnySize) {
  // 15 words of 10 letters at 3.9 mm: 5 columns of (10 * 0.62 + 1.5) * 3.9 mm, 3 lines each.
  const PageLayout largest = layoutPage(10, 10, 15, 10, 50);
  EXPECT_EQ(std::tie(largest.cell, largest.listFont, largest.listColumns, largest.listLines),
            std::make_tuple(11.0, 3.9, 5, 3));
  EXPECT_EQ(layoutPage(10, 10, 2, 10, 50).listColumns, 2);
  // Entries of 40 characters take (40 * 0.62 + 1.5) * 3.9 mm, over half the 170 mm: one column.
  const PageLayout wide = layoutPage(10, 10, 3, 40, 50);
  EXPECT_EQ(std::tie(wide.listColumns, wide.listLines), std::make_tuple(1, 3));
  for (const int side : {1, 10, 30, 57, 102, 319, 614, 1000}) {
    for (const int entries : {0, 15, 300, 3000, 37000}) {
      for (const int widest : {2, 16, 79}) {
        const PageLayout at = layoutPage(side, side, entries, widest, 60);
        EXPECT_LE(side * at.cell, kContentWidth + 1e-9) << side;
        EXPECT_LE(side * at.cell + at.listLines * 1.25 * at.listFont, kContentHeight - 60 + 1e-6)
            << side << " " << entries;
        EXPECT_GE(at.listColumns * at.listLines, entries);
        // A grid as wide as the page has letters of 170 / side * 0.65 mm.
        EXPECT_TRUE(at.small || side < 102) << side;
      }
    }
  }
  // A tall narrow grid is limited by the height, not the width.
  EXPECT_LE(1000 * layoutPage(1000, 1, 0, 0, 60).cell, kContentHeight - 60 + 1e-6);
}

}  // namespace
}  // namespace haravoija
