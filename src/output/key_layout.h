// Sizes for one printed A4 page of the answer-key document: how large the
// grid's cells and the word list's letters can be so that everything fits.
#ifndef HARAVOIJA_OUTPUT_KEY_LAYOUT_H_
#define HARAVOIJA_OUTPUT_KEY_LAYOUT_H_

#include <cstddef>

namespace haravoija {

// The box that holds one page's content, in millimetres: A4 less the
// margins that browsers print with by default (about 10 mm in Chromium,
// 12.7 mm in Firefox), with room to spare.
inline constexpr double kContentWidth = 170.0;
inline constexpr double kContentHeight = 245.0;

// Letters smaller than this (their em size, in millimetres: 5 points) are
// hard to read on paper.
inline constexpr double kReadableLetter = 1.76;

// The grid's letters are this share of a cell's side.
inline constexpr double kLetterPerCell = 0.65;

struct PageLayout {
  double cell = 0;      // side of a grid cell, mm
  double listFont = 0;  // font size of the word list, mm
  int listColumns = 1;
  int listLines = 0;  // lines in the longest column
  // The grid's letters or the list's are below kReadableLetter.
  bool small = false;
};

// Lays out a grid of rows x columns and a list of `entries` lines whose
// longest has `widestEntry` characters, in columns, with `otherHeight` mm of
// the page taken by everything else. The grid is as large as the page
// allows, the list's letters up to 11 points; where everything does not fit
// at those sizes, both shrink together.
// REQUIRES: rows and columns at least 1, otherHeight below kContentHeight.
PageLayout layoutPage(int rows, int columns, std::size_t entries, std::size_t widestEntry,
                      double otherHeight);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_KEY_LAYOUT_H_
