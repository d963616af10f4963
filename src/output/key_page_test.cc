// Tests of the key document's bytes: self-contained UTF-8, a mark per
// occurrence at its cells, the letters of no word faint, the phrase shown.
#include "output/key_page.h"

#include <gtest/gtest.h>

#include <string>

#include "test_util.h"

namespace haravoija {
namespace {

using testing::occurrences;

TEST(KeyPageTest, MarksEveryOccurrenceAndFadesTheLettersOfNoWord) {
  // K I S A
  // A B B A
  // Ä T A T    SB lies twice from the S, Koira nowhere; A and T are left over.
  PuzzlePage page;
  page.title = "Sanat & <\204>";
  page.rows = {"KISA", "ABBA", "\216TAT"};
  page.words = {"Abba", "Kisa", "Koira", "Sb", "\216t"};
  page.phrase = "A t";
  const std::string html = keyPage(page, solvePage(page));
  EXPECT_TRUE(
      html.starts_with("<!DOCTYPE html>\n<html lang=\"fi\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Sanat &amp; &lt;\303\244&gt; \342\200\223 ratkaisu</title>"));
  // Nothing runs and nothing is fetched.
  for (const char* absent :
       {"<script", "http", "url(", "@import", "<link", "<img", "src=", "class=\"huom\""}) {
    EXPECT_EQ(html.find(absent), std::string::npos) << absent;
  }
  EXPECT_EQ(occurrences(html, "<line class=\"m "), 5U);
  // Cell (r, c) has its centre at (2c + 1, 2r + 1). Page 1 shows the grid
  // plain, page 2 the leftover A and T faint.
  for (const char* once : {
           "x1=\"1\" y1=\"3\" x2=\"7\" y2=\"3\"",
           "x1=\"1\" y1=\"1\" x2=\"7\" y2=\"1\"",
           "x1=\"5\" y1=\"1\" x2=\"3\" y2=\"3\"",
           "x1=\"5\" y1=\"1\" x2=\"5\" y2=\"3\"",
           "x1=\"1\" y1=\"5\" x2=\"3\" y2=\"5\"",
           "<text x=\"1 3 5 7\" y=\"5.47\">\303\204TAT</text>",
           "<text x=\"1 3 5 7\" y=\"5.47\">\303\204T<tspan class=\"j\">AT</tspan></text>",
           "<span class=\"puuttuu\">Koira \342\200\223</span>",
           "<span class=\"monta\">Sb 1,3\342\206\231 1,3\342\206\223 (2\303\227)</span>",
           "<p><b>Piilolause:</b> A t</p>",
           "<p>Ne muodostavat piilolauseen.</p>",
           "Mit\303\244 j\303\244ljelle j\303\244\303\244vist\303\244 kirjaimista muodostuu? _____",
       }) {
    EXPECT_EQ(occurrences(html, once), 1U) << once;
  }
}

TEST(KeyPageTest, EmptyCellsHaveNoLetterAndLargeGridsGetTheNote) {
  PuzzlePage page;
  page.title = "Iso";
  page.rows.assign(102, std::string(102, 'A'));
  page.rows[0] = " B" + std::string(100, ' ');
  page.words = {"Bb"};
  const std::string html = keyPage(page, solvePage(page));
  EXPECT_NE(html.find("<text x=\"3\" y=\"1.47\"><tspan class=\"j\">B</tspan></text>"),
            std::string::npos);
  EXPECT_EQ(occurrences(html, "<p class=\"huom\">"), 2U);
}

}  // namespace
}  // namespace haravoija
