// Tests of the puzzle document's bytes, its word list's columns and its name on disk. The word
// order is the selection sort's, tested in text/.
#include "output/document.h"

#include <string>

#include <gtest/gtest.h>

#include "fakes.h"
#include "test_util.h"

namespace haravoija {
namespace {

// The document of a 2 x 3 grid titled "Eläimet" with the words kis and ka: two cells a line in
// the grid rows.
const std::string kDocument =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n\r\n<html>\r\n<head>\r\n"
    "<title>El\344imet</title>\r\n</head>\r\n<body>\r\n"
    "<!-- T\344m\344 tiedosto on laadittu Haravoija -ohjelmalla -->\r\n"
    "<!-- Tietoja ristikosta: \r\n"
    "         Ristikon koko: 2x3\r\n         Ristikossa yhteens\344 2 sanaa. -->\r\n"
    "<font face = \"arial\">\r\n<table><tr><td>\r\n<h1 align = \"center\">El\344imet</h1>\r\n"
    "<!--Ristikko-->\r\n<p>\r\n"
    "<table align = \"center\" frame = \"box\" border = \"5\"><tr><td>\r\n"
    "<table frame = \"void\" rules = \"none\" border = \"0\" cellpadding = \"7\">\r\n"
    "<tr><td align = \"center\"><b>K</b></td><td align = \"center\"><b>I</b></td>\r\n"
    "<td align = \"center\"><b>S</b></td></tr>\r\n"
    "<tr><td align = \"center\"><b>\326</b></td><td align = \"center\"><b> </b></td>\r\n"
    "<td align = \"center\"><b>Z</b></td></tr>\r\n"
    "</table>\r\n</td></tr></table>\r\n</p>\r\n</td></tr><tr><td>\r\n<table><tr>\r\n"
    "<td valign = \"top\">\r\n<!--Sanat-->\r\n<p><font face = \"arial\" size = \"4\">\r\n"
    "<br>Ka\r\n<br>Kis\r\n</font></p>\r\n</td></tr></table>\r\n</td></tr></table>\r\n"
    "<!--Loppu-->\r\n<br><br>\r\n<p><font face= \"arial\" size = \"3\">\r\n"
    "Ristikon ratkaisi ____________________________\r\n</font></p>\r\n"
    "</font></body>\r\n</html>\r\n\r\n";

// With a phrase, and with markup in the title and the phrase shown as text.
TEST(DocumentTest, ExactBytes) {
  Grid grid{{"KIS", "\231 Z"}, {"kis", "KA"}, ""};
  EXPECT_EQ(puzzleDocument(grid, "El\204imet"), kDocument);

  std::string expected = kDocument;
  const auto replace = [&](const std::string& from, const std::string& to) {
    ASSERT_NE(expected.find(from), std::string::npos) << from;
    expected.replace(expected.find(from), from.size(), to);
  };
  replace("El\344imet", "&lt;Tom &amp; J\344rry&gt;");  // the title, then the heading
  replace("El\344imet", "&lt;Tom &amp; J\344rry&gt;");
  replace("2 sanaa. -->",
          "2 sanaa.\r\n         J\344ljelle j\344\344vist\344 kirjaimista muodostuu: "
          "\304iti &lt;on&gt; &amp; --&gt;\r\n -->");
  replace("Ristikon ratkaisi",
          "Mit\344 j\344ljelle j\344\344vist\344 kirjaimista muodostuu? "
          "_____________________________\r\n<br><br><br>\r\nRistikon ratkaisi");
  grid.hiddenPhrase = "\204ITI <on> & -->";
  EXPECT_EQ(puzzleDocument(grid, "<Tom & J\204rry>"), expected);
}

// The words in each column of the list, and their count in the information comment.
TEST(DocumentTest, ColumnBreaksFollowTheWordCount) {
  const std::pair<int, std::string> cases[] = {{0, "0 "},       {1, "1 "},      {15, "15 "},
                                               {16, "9 7 "},    {30, "16 14 "}, {31, "11 11 9 "},
                                               {33, "12 12 9 "}};
  for (const auto& [count, sizes] : cases) {
    Grid grid = create(1, 1);
    for (int i = 0; i < count; ++i) grid.placedWords.push_back({'W', char('a' + i), 'x'});
    const std::string document = puzzleDocument(grid, "t");
    std::string columns;
    int words = 0;
    for (const std::string& line : testing::split(document.substr(document.find("<!--S")), '\n')) {
      words += line.starts_with("<br>W") ? 1 : 0;
      if (line.starts_with("</font></p></td><td width") || line == "<!--Loppu-->\r") {
        columns += std::to_string(words) + " ";
        words = 0;
      }
    }
    EXPECT_EQ(columns, sizes) << count << " words";
    EXPECT_NE(document.find("yhteens\344 " + std::to_string(count) + " sanaa."), std::string::npos);
  }
}

// The name on disk follows the console's character set; a NUL in the name
// saves nothing.
TEST(DocumentTest, WrittenUnderItsName) {
  const Grid grid{{"A"}, {"kissa"}, ""};
  testing::FakeFileSystem files;
  EXPECT_FALSE(
      writePuzzleDocument(files, grid, std::string("a\0b", 3), "t", Charset::kPassthrough));
  EXPECT_TRUE(writePuzzleDocument(files, grid, "El\204imet", "t", Charset::kUtf8));
  EXPECT_EQ(files.files.size(), 1U);
  EXPECT_EQ(files.files["El\303\244imet.html"], puzzleDocument(grid, "t"));
}

}  // namespace
}  // namespace haravoija
