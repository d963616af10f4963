// Tests of the key document's bytes and of the heights it leaves the grid.
#include "output/key_page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "test_util.h"

namespace haravoija {
namespace {

using testing::occurrences;
using namespace std::string_literals;

AnswerKey keyOf(const PuzzlePage& page) { return std::get<AnswerKey>(solvePage(page)); }

TEST(KeyPageTest, MarksEveryOccurrenceFadesTheLettersOfNoWordAndLeavesEmptyCellsEmpty) {
  // SB lies twice from the S, Koira nowhere; A and T are left over.
  PuzzlePage page{"Sanat & <\204>", {"KISA", "ABBA", "\216TAT"}, {}, "A t"};
  page.words = {"Abba", "Kisa", "Koira", "Sb", "\216t"};
  const AnswerKey key = keyOf(page);
  const std::string html = keyPage(page, key).value();
  // Not one byte more than its limit.
  EXPECT_EQ(keyPage(page, key, html.size()), html);
  EXPECT_EQ(keyPage(page, key, html.size() - 1), std::nullopt);
  EXPECT_TRUE(
      html.starts_with("<!DOCTYPE html>\n<html lang=\"fi\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Sanat &amp; &lt;\303\244&gt; \342\200\223 ratkaisu</title>"));
  EXPECT_EQ(occurrences(html, "useammin kuin kerran.</p>\n<div class=\"lause\">"), 1U);
  // The puzzle's heading, then the key's.
  EXPECT_EQ(occurrences(html, "Sanat &amp; &lt;\303\244&gt;</h1>"), 1U);
  EXPECT_EQ(occurrences(html, "Sanat &amp; &lt;\303\244&gt; \342\200\223 ratkaisu</h1>"), 1U);
  // Every element opened is closed.
  for (const std::string tag : {"section", "svg", "g", "text", "tspan", "div", "span", "p", "h1"}) {
    EXPECT_EQ(occurrences(html, "<" + tag + ">") + occurrences(html, "<" + tag + " "),
              occurrences(html, "</" + tag + ">"))
        << tag;
  }
  // Nothing runs and nothing is fetched.
  for (const char* absent :
       {"<script", "http", "url(", "@import", "<link", "<img", "src=", "class=\"huom\""}) {
    EXPECT_EQ(html.find(absent), std::string::npos) << absent;
  }
  EXPECT_EQ(occurrences(html, "<line class=\"m "), 5U);
  // Both halves' grids span two units a cell, 4 x 3 cells.
  EXPECT_EQ(occurrences(html, "<svg class=\"ruudukko\" viewBox=\"0 0 8 6\" style="), 2U);
  EXPECT_EQ(occurrences(html, "<rect class=\"kehys\" x=\"0\" y=\"0\" width=\"8\" height=\"6\"/>"),
            2U);
  // Cell (r, c) has its centre at (2c + 1, 2r + 1); page 2 shows A and T faint.
  for (const char* once :
       {"x1=\"1\" y1=\"3\" x2=\"7\" y2=\"3\"", "x1=\"1\" y1=\"1\" x2=\"7\" y2=\"1\"",
        "x1=\"5\" y1=\"1\" x2=\"3\" y2=\"3\"", "x1=\"5\" y1=\"1\" x2=\"5\" y2=\"3\"",
        "x1=\"1\" y1=\"5\" x2=\"3\" y2=\"5\"", "<text x=\"1 3 5 7\" y=\"5.47\">\303\204TAT</text>",
        "<text x=\"1 3 5 7\" y=\"5.47\">\303\204T<tspan class=\"j\">AT</tspan></text>",
        "<span class=\"puuttuu\">Koira \342\200\223</span>",
        "<span class=\"monta\">Sb 1,3\342\206\231 1,3\342\206\223 (2\303\227)</span>",
        "<p><b>Piilolause:</b> A t</p>", "kirjaimet: AT</p>\n<p>Ne muodostavat piilolauseen.</p>",
        "<div>Abba</div>\n<div>Kisa</div>\n<div>Koira</div>\n<div>Sb</div>\n<div>\303\204t</"
        "div>\n</div>",
        // Columns of 3.9 mm letters: the widest word Koira fits nine, the widest key
        // entry (Sb with its two places, 17 characters) three.
        "grid-template-columns:repeat(5,1fr)", "grid-template-columns:repeat(3,1fr)",
        "Mit\303\244 j\303\244ljelle j\303\244\303\244vist\303\244 kirjaimista muodostuu? _____"}) {
    EXPECT_EQ(occurrences(html, once), 1U) << once;
  }
  page.phrase = "T a";
  EXPECT_EQ(occurrences(keyPage(page, keyOf(page)).value(),
                        "<p class=\"puuttuu\">Ne eiv\303\244t muodosta piilolausetta.</p>\n</div>"),
            1U);
  // The colours go round after eight words, past three places an entry is cut short, and a
  // control byte shows as U+FFFD.
  PuzzlePage ten{"A\001", {"ABCDEFGHIJAAAAA"}, {"Ab", "Bc", "Cd", "De", "Ef"}, {}};
  ten.words.insert(ten.words.end(), {"Fg", "Gh", "Hi", "Ij", "Aa"});
  const std::string round = keyPage(ten, keyOf(ten)).value();
  EXPECT_NE(round.find("<title>A\357\277\275 \342\200\223"), std::string::npos);
  EXPECT_EQ(occurrences(round, "class=\"m c0\"") * 10 + occurrences(round, "class=\"m c7\""), 21U);
  EXPECT_EQ(
      occurrences(round, "Aa 1,11\342\206\222 1,12\342\206\222 1,13\342\206\222 \342\200\246"), 1U);
  // Empty cells have no letter, a large grid gets the note, and only 60 leftovers are shown.
  PuzzlePage large{"Iso", std::vector(102, std::string(102, 'A')), {"Bb"}, "x"};
  large.rows[0] = " B" + std::string(100, ' ');
  const std::string big = keyPage(large, keyOf(large)).value();
  for (const std::string& once : {"<text x=\"3\" y=\"1.47\"><tspan class=\"j\">B</tspan></text>"s,
                                  "kirjaimet: B" + std::string(59, 'A') + "\342\200\246</p>"}) {
    EXPECT_EQ(occurrences(big, once), 1U) << once;
  }
  // The note on both halves, each followed by the grid.
  EXPECT_EQ(occurrences(big,
                        "<p class=\"huom\">Huom: ruudukko tai sanalista on niin suuri, "
                        "ett\303\244 kirjaimet tulostuvat alle 5 pisteen kokoisina ja niit\303\244 "
                        "voi olla vaikea lukea.</p>\n<svg class=\"ruudukko\""),
            2U);
}

// A grid one column wide and too tall for 11 mm cells takes all the height the
// page leaves, as the style sheet sets the rest: heading 6 mm x 1.2 + 3, note
// 2 x 3 x 1.25 + 2, gaps 4 + 4, solver's line 6 + 3.5 x 1.25 (twice with a
// phrase), key legend 2.8 x 1.25 + 3, phrase lines 3 x (3.5 x 1.25 + 1), 6 spare.
TEST(KeyPageTest, ATallGridTakesTheHeightTheRestOfThePageLeaves) {
  for (const bool phrase : {false, true}) {
    const PuzzlePage page{"Pitk\204",
                          std::vector<std::string>(20, "A"),
                          {},
                          phrase ? std::optional<std::string>("a") : std::nullopt};
    const std::string html = keyPage(page, keyOf(page)).value();
    const double expected[] = {phrase ? 190.55 : 200.925, phrase ? 188.675 : 204.8};
    std::size_t at = 0;
    for (const double height : expected) {
      at = html.find("mm;height:", at) + 10;
      ASSERT_NE(at, std::string::npos + 10);
      EXPECT_NEAR(std::strtod(html.c_str() + at, nullptr), height, 0.011) << phrase;
      // One column of the 20 rows' cells.
      const std::size_t width = html.rfind("width:", at) + 6;
      EXPECT_NEAR(std::strtod(html.c_str() + width, nullptr), height / 20, 0.011) << phrase;
    }
  }
}

}  // namespace
}  // namespace haravoija
