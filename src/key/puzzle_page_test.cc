// Tests of reading saved pages back, this version's and older, the largest, and endless input.
#include "key/puzzle_page.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "fakes.h"
#include "output/document.h"

namespace haravoija {
namespace {

using testing::StringFile;
using Rows = std::vector<std::string>;

// An empty cell, Ä and Ö in CP850, markup characters in title and phrase, and the words of the
// page's signature in the phrase.
const std::string kPage = puzzleDocument(Grid{{"KISSA", "\216IT I", "KOIR\231"},
                                              {"kissa", "KOIRA", "\204iti"},
                                              "haravoija -ohjelmalla t\204m\204 <b> & -->"},
                                         "El\204imet & <muut>");

TEST(PuzzlePageTest, ReadsBackPagesOfThisVersionAndOlderOnesAndNothingAfterTheWordList) {
  for (const std::size_t chunk : {std::size_t{1}, std::size_t{7}, std::size_t{65536}}) {
    // Any read past the word list fails.
    StringFile file(kPage, chunk, kPage.find("<!--Loppu-->\r\n") + 14);
    const PageReading reading = readPuzzlePage(file);
    ASSERT_EQ(reading.error, PageError::kNone) << chunk;
    EXPECT_EQ(reading.page.title, "El\204imet & <muut>");
    EXPECT_EQ(reading.page.rows, (Rows{"KISSA", "\216IT I", "KOIR\231"}));
    // The page's own order and capitalisation, Ä after the A-Z words.
    EXPECT_EQ(reading.page.words, (Rows{"Kissa", "Koira", "\216iti"}));
    EXPECT_EQ(reading.page.phrase, "Haravoija -ohjelmalla t\204m\204 <b> & -->");
  }
  // The largest pages the program makes; one larger is refused (tested with its message in app/).
  for (const Rows& rows : {Rows(1000, "A"), Rows{std::string(1000, 'A')}}) {
    StringFile file(puzzleDocument(Grid{rows, {std::string(79, 'a')}, ""}, ""));
    EXPECT_EQ(readPuzzlePage(file).page.rows, rows);
  }
  StringFile cut(kPage.substr(0, kPage.find("<!--Loppu-->") + 7));  // inside the end marker
  EXPECT_EQ(readPuzzlePage(cut).error, PageError::kTruncated);
  StringFile failing(kPage, 100, 500);
  EXPECT_EQ(readPuzzlePage(failing).error, PageError::kReadFailed);
  // An older version's page, without character references, carriage returns or the last
  // line end.
  StringFile old(
      "<html>\n<title>Vanha & <i>sivu</title></title>\n"
      "<!-- T\344m\344 tiedosto on laadittu Haravoija -ohjelmalla -->\n<!-- Tietoja ristikosta: \n"
      "         J\344ljelle j\344\344vist\344 kirjaimista muodostuu: A<b -->x \n -->\n"
      "<!--Ristikko-->\n<p>\n<table><tr><td>\n<table>\n"
      "<tr><td align = \"center\"><b>K</b></td><td align = \"center\"><b>U</b></td></tr>\n"
      "<tr><td align = \"center\"><b>\304</b></td><td align = \"center\"><b><</b></td></tr>\n"
      "</table>\n</td></tr></table>\n<!--Sanat-->\n<p><font size = \"4\">\n<br>Kuu\n</font></p>\n"
      "<!--Loppu-->");
  const PageReading reading = readPuzzlePage(old);
  ASSERT_EQ(reading.error, PageError::kNone);
  EXPECT_EQ(reading.page.title, "Vanha & <i>sivu</title>");
  EXPECT_EQ(reading.page.rows, (Rows{"KU", "\216<"}));
  EXPECT_EQ(reading.page.words, Rows{"Kuu"});
  EXPECT_EQ(reading.page.phrase, "A<b -->x ");
}

TEST(PuzzlePageTest, EndlessInputIsRefusedAfterABoundedRead) {
  const auto upTo = [](const std::string& marker) { return kPage.substr(0, kPage.find(marker)); };
  const std::vector<std::tuple<const char*, std::string, std::string, PageError>> cases = {
      {"garbage", "", "\x01 garbage <b>\xff\n", PageError::kNotAPage},
      {"garbage without line ends", "", "xyz", PageError::kNotAPage},
      {"an endless heading", upTo("<tr><td align"), "<p>\r\n", PageError::kDamagedGrid},
      {"endless gap before the words", upTo("<!--Sanat-->"), "<p>\r\n", PageError::kNoWords},
      {"endless words", upTo("<br>Kissa"), "<br>Kissa\r\n", PageError::kTooLarge},
      {"endless column breaks", upTo("<br>Kissa"), "<p>\r\n", PageError::kDamagedWords},
      {"an endless line among the words", upTo("<br>Kissa"), "<p>", PageError::kDamagedWords},
  };
  for (auto [what, head, pattern, error] : cases) {
    // Past 32 MB, far more than any part of a page, a read fails.
    while (pattern.size() <= (std::size_t{32} << 20)) pattern += pattern;
    StringFile file(head + pattern, 1 << 16, std::size_t{32} << 20);
    EXPECT_EQ(readPuzzlePage(file).error, error) << what;
  }
  // Rows padded to 67,200 bytes each: 990 of them stay under the 64 MB (67,108,864 bytes) that a
  // page may take, 1000 pass it.
  const std::size_t rows = kPage.find("<tr><td align");
  const std::string row =
      "<tr><td align = \"center\"><b>A</b></td>" + std::string(67'155, ' ') + "</tr>\r\n";
  for (const auto& [count, error] :
       {std::pair{990, PageError::kNone}, {1000, PageError::kTooLarge}}) {
    std::string page = kPage.substr(0, rows);
    for (int i = 0; i < count; ++i) page += row;
    StringFile file(page + kPage.substr(kPage.find("</table>", rows)), 1 << 16);
    EXPECT_EQ(readPuzzlePage(file).error, error) << count;
  }
  // Before the rows, the page's own 3 opening lines and 13 more are the most a page may have.
  for (const auto& [extra, error] :
       {std::pair{13, PageError::kNone}, {14, PageError::kDamagedGrid}}) {
    std::string page = kPage;
    for (int i = 0; i < extra; ++i) page.insert(rows, "<p>\r\n");
    StringFile file(page);
    EXPECT_EQ(readPuzzlePage(file).error, error) << extra;
  }
}

}  // namespace
}  // namespace haravoija
