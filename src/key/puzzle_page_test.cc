// Tests of reading saved pages back: what a page gives, and the pages that
// are refused, hand-edited, cut short, endless or not pages at all.
#include "key/puzzle_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fakes.h"
#include "output/document.h"
#include "puzzle/grid.h"

namespace haravoija {
namespace {

using testing::StringFile;

// A 3 x 5 grid with an empty cell, Ä and Ö in CP850, three placed words and
// a phrase holding markup characters.
Grid smallGrid() {
  Grid grid;
  grid.rows = {"KISSA", "\216IT I", "KOIR\231"};
  grid.placedWords = {"kissa", "KOIRA", "\204iti"};
  grid.hiddenPhrase = "t\204m\204 <b> & -->";
  return grid;
}

const std::string kTitle = "El\204imet & <muut>";

std::string smallPage() { return puzzleDocument(smallGrid(), kTitle); }

PageReading readText(const std::string& text, std::size_t chunk = 4096) {
  StringFile file(text, chunk);
  return readPuzzlePage(file);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string upTo(const std::string& text, const std::string& marker) {
  return text.substr(0, text.find(marker));
}

TEST(PuzzlePageTest, ReadsBackWhatTheWriterWrote) {
  for (const std::size_t chunk : {std::size_t{1}, std::size_t{7}, std::size_t{65536}}) {
    const PageReading reading = readText(smallPage(), chunk);
    ASSERT_EQ(reading.error, PageError::kNone) << chunk;
    EXPECT_EQ(reading.page.title, kTitle);
    EXPECT_EQ(reading.page.rows, smallGrid().rows);
    // The page's own order and capitalisation, Ä after the A-Z words.
    EXPECT_EQ(reading.page.words, (std::vector<std::string>{"Kissa", "Koira", "\216iti"}));
    EXPECT_EQ(reading.page.phrase, "T\204m\204 <b> & -->");
  }
  const Grid plain = [] {
    Grid grid = smallGrid();
    grid.hiddenPhrase.clear();
    return grid;
  }();
  EXPECT_EQ(readText(puzzleDocument(plain, "")).page.phrase, std::nullopt);
}

TEST(PuzzlePageTest, ReadsAPageOfAnOlderVersionWithoutReferencesOrCarriageReturns) {
  const std::string page =
      "<html>\n<head>\n<title>Vanha & <i>sivu</title></title>\n</head>\n<body>\n"
      "<!-- T\344m\344 tiedosto on laadittu Haravoija -ohjelmalla -->\n"
      "<!-- Tietoja ristikosta: \n         Ristikon koko: 2x3\n"
      "         Ristikossa yhteens\344 1 sanaa.\n"
      "         J\344ljelle j\344\344vist\344 kirjaimista muodostuu: A<b -->x \n -->\n"
      "<!--Ristikko-->\n<p>\n<table><tr><td>\n<table>\n"
      "<tr><td align = \"center\"><b>K</b></td><td align = \"center\"><b>U</b></td>\n"
      "<td align = \"center\"><b>U</b></td></tr>\n"
      "<tr><td align = \"center\"><b>\304</b></td><td align = \"center\"><b><</b></td>\n"
      "<td align = \"center\"><b>B</b></td></tr>\n"
      "</table>\n</td></tr></table>\n<!--Sanat-->\n<p><font size = \"4\">\n<br>Kuu\n"
      "</font></p>\n<!--Loppu-->\n<br><br>\n";
  const PageReading reading = readText(page);
  ASSERT_EQ(reading.error, PageError::kNone);
  EXPECT_EQ(reading.page.title, "Vanha & <i>sivu</title>");
  EXPECT_EQ(reading.page.rows, (std::vector<std::string>{"KUU", "\216<B"}));
  EXPECT_EQ(reading.page.words, std::vector<std::string>{"Kuu"});
  EXPECT_EQ(reading.page.phrase, "A<b -->x ");
}

TEST(PuzzlePageTest, StopsReadingAtTheEndOfTheWordList) {
  const std::string page = smallPage();
  const std::size_t end = page.find("<!--Loppu-->\r\n") + 14;
  // Any read past the word list would fail.
  StringFile file(page + std::string(1 << 20, 'x'), 1, end);
  EXPECT_EQ(readPuzzlePage(file).error, PageError::kNone);
}

TEST(PuzzlePageTest, RefusesPagesThatAreNotWholeSavedPages) {
  const std::string page = smallPage();
  const std::string cellK = "<td align = \"center\"><b>K</b></td>";
  const std::string rows = page.substr(
      page.find("<tr><td align"), page.find("</tr>\r\n</table>") + 7 - page.find("<tr><td align"));
  Grid wide;
  wide.rows = {std::string(1001, 'A')};
  wide.placedWords = {"AA"};
  Grid widest = wide;
  widest.rows[0].pop_back();
  Grid tall;
  tall.rows = std::vector<std::string>(1001, "A");
  tall.placedWords = {"AA"};
  struct Case {
    const char* what;
    std::string text;
    PageError error;
  };
  const std::vector<Case> cases = {
      {"empty file", "", PageError::kNotAPage},
      {"a word file", "kissa koira\nhiiri\n", PageError::kNotAPage},
      {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), PageError::kNotAPage},
      {"one endless line", std::string(3 << 20, 'a'), PageError::kNotAPage},
      {"cut before the grid", upTo(page, "<!--Ristikko-->"), PageError::kNoGrid},
      {"cut in the grid", upTo(page, "\r\n</table>"), PageError::kTruncated},
      {"cut in the word list", upTo(page, "<br>Koira"), PageError::kTruncated},
      {"cut inside a word", upTo(page, "<br>Koira") + "<br>Ko", PageError::kTruncated},
      {"only the last line end missing", upTo(page, "<!--Loppu-->") + "<!--Loppu-->",
       PageError::kNone},
      {"cut before the word list", upTo(page, "<!--Sanat-->"), PageError::kNoWords},
      {"a cell deleted", replaced(page, cellK, ""), PageError::kUnequalRows},
      {"a cell added", replaced(page, cellK, cellK + cellK), PageError::kUnequalRows},
      {"rows deleted", replaced(page, rows, ""), PageError::kNoGrid},
      {"two letters in a cell", replaced(page, "<b>K</b>", "<b>KK</b>"), PageError::kDamagedGrid},
      {"an empty cell tag", replaced(page, "<b>K</b>", "<b></b>"), PageError::kDamagedGrid},
      {"a row without cells", replaced(page, rows, "<tr></tr>\r\n"), PageError::kDamagedGrid},
      {"a row left open", replaced(page, "</tr>\r\n</table>", "\r\n</table>"),
       PageError::kDamagedGrid},
      {"text among the rows", replaced(page, "</tr>\r\n<tr>", "</tr>\r\nhello\r\n<tr>"),
       PageError::kDamagedGrid},
      {"words deleted",
       replaced(replaced(replaced(page, "<br>Kissa\r\n", ""), "<br>Koira\r\n", ""),
                "<br>\304iti\r\n", ""),
       PageError::kNoWords},
      {"word-list marker deleted", replaced(page, "<!--Sanat-->", ""), PageError::kNoWords},
      {"a word without its tag", replaced(page, "<br>Koira", "Koira"), PageError::kDamagedWords},
      {"a word of 80 letters", replaced(page, "<br>Koira", "<br>" + std::string(80, 'a')),
       PageError::kTooLarge},
      {"1001 columns", puzzleDocument(wide, "t"), PageError::kTooLarge},
      {"1000 columns", puzzleDocument(widest, "t"), PageError::kNone},
      {"1001 rows", puzzleDocument(tall, "t"), PageError::kTooLarge},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readText(c.text).error, c.error) << c.what;
  }
  StringFile failing(page, 100, 500);
  EXPECT_EQ(readPuzzlePage(failing).error, PageError::kReadFailed);
}

// A file that never ends: `head` once, then `pattern` over and over.
class EndlessFile final : public InputFile {
 public:
  EndlessFile(std::string head, const std::string& pattern) : data_(std::move(head)) {
    start_ = data_.size();
    while (data_.size() < start_ + (1 << 16)) data_ += pattern;
    period_ = pattern.size();
  }
  std::optional<std::size_t> read(std::span<char> buffer) override {
    // Wrap within the repeated part at a whole number of patterns.
    if (at_ >= data_.size() - period_) at_ = start_ + (at_ - start_) % period_;
    const std::size_t n = std::min(buffer.size(), data_.size() - at_);
    std::memcpy(buffer.data(), data_.data() + at_, n);
    at_ += n;
    handedOut_ += n;
    return n;
  }
  std::size_t handedOut() const { return handedOut_; }

 private:
  std::string data_;
  std::size_t start_ = 0;
  std::size_t period_ = 1;
  std::size_t at_ = 0;
  std::size_t handedOut_ = 0;
};

TEST(PuzzlePageTest, EndlessInputIsRefusedAfterABoundedRead) {
  const std::string page = smallPage();
  const std::string cell = "<td align = \"center\"><b>A</b></td>";
  struct Case {
    const char* what;
    std::string head;
    std::string pattern;
    PageError error;
  };
  const std::vector<Case> cases = {
      {"garbage", "", "\x01 garbage <b>\xff\n", PageError::kNotAPage},
      {"garbage without line ends", "", "xyz", PageError::kNotAPage},
      {"endless head comment", upTo(page, "<!--Ristikko-->"), "<!-- -->\r\n", PageError::kNotAPage},
      {"endless rows", upTo(page, "<tr><td align"), "<tr>" + cell + "</tr>\r\n",
       PageError::kTooLarge},
      {"an endless row", upTo(page, "<tr><td align") + "<tr>", cell + "\r\n", PageError::kTooLarge},
      {"endless gap before the words", upTo(page, "<!--Sanat-->"), "<p>\r\n", PageError::kNoWords},
      {"endless words", upTo(page, "<br>Kissa"), "<br>Kissa\r\n", PageError::kTooLarge},
      {"endless column breaks", upTo(page, "<br>Kissa"), "<p>\r\n", PageError::kDamagedWords},
      {"an endless line among the words", upTo(page, "<br>Kissa"), "<p>", PageError::kDamagedWords},
  };
  for (const Case& c : cases) {
    EndlessFile file(c.head, c.pattern);
    EXPECT_EQ(readPuzzlePage(file).error, c.error) << c.what;
    EXPECT_LT(file.handedOut(), std::size_t{32} << 20) << c.what;
  }
}

}  // namespace
}  // namespace haravoija
