// The page's sizes found by bisecting one scale that the grid and the list
// both grow with: the height they take only grows with it.
#include "output/key_layout.h"

#include <algorithm>

namespace haravoija {
namespace {

constexpr double kLargestCell = 11.0;
constexpr double kLargestListFont = 3.9;  // 11 points
// Grid cells against the list's font size while both shrink.
constexpr double kCellPerListFont = 2.6;
// Text estimates in ems: an average character of the sans-serif font with
// room for the widest words, the gap between columns, and the line height.
constexpr double kCharacterWidth = 0.62;
constexpr double kColumnGap = 1.5;
constexpr double kLineHeight = 1.25;
constexpr double kSmallestScale = 0.01;

PageLayout layoutAt(double scale, int columns, std::size_t entries, std::size_t widestEntry) {
  PageLayout layout;
  layout.cell = std::min({kLargestCell, kContentWidth / columns, kCellPerListFont * scale});
  layout.listFont = std::min(kLargestListFont, scale);
  const double columnWidth =
      (static_cast<double>(widestEntry) * kCharacterWidth + kColumnGap) * layout.listFont;
  const double gap = kColumnGap * layout.listFont;
  layout.listColumns = std::max(1, static_cast<int>((kContentWidth + gap) / columnWidth));
  if (entries > 0) {
    layout.listColumns = std::min<int>(layout.listColumns, static_cast<int>(entries));
  }
  layout.listLines = static_cast<int>((entries + static_cast<std::size_t>(layout.listColumns) - 1) /
                                      static_cast<std::size_t>(layout.listColumns));
  layout.small = layout.cell * kLetterPerCell < kReadableLetter ||
                 (entries > 0 && layout.listFont < kReadableLetter);
  return layout;
}

double heightOf(const PageLayout& layout, int rows) {
  return rows * layout.cell + layout.listLines * kLineHeight * layout.listFont;
}

}  // namespace

PageLayout layoutPage(int rows, int columns, std::size_t entries, std::size_t widestEntry,
                      double otherHeight) {
  const double room = kContentHeight - otherHeight;
  double low = kSmallestScale;
  double high = kLargestCell;
  if (heightOf(layoutAt(high, columns, entries, widestEntry), rows) <= room) low = high;
  for (int i = 0; i < 50 && high - low > 1e-4; ++i) {
    const double middle = (low + high) / 2;
    if (heightOf(layoutAt(middle, columns, entries, widestEntry), rows) <= room) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return layoutAt(low, columns, entries, widestEntry);
}

}  // namespace haravoija
