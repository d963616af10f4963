// Tests of the puzzle document's bytes and word order.
#include "output/document.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes.h"
#include "words/word_file.h"

namespace haravoija {
namespace {

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

std::string cellTag(const std::string& letter) {
  return "<td align = \"center\"><b>" + letter + "</b></td>";
}

// The document of a 2 x 3 grid titled "Eläimet" with the words kis and ka,
// as a list of lines.
std::vector<std::string> smallDocumentLines() {
  return {
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">",
      "",
      "<html>",
      "<head>",
      "<title>El\344imet</title>",
      "</head>",
      "<body>",
      "<!-- T\344m\344 tiedosto on laadittu Haravoija -ohjelmalla -->",
      "<!-- Tietoja ristikosta: ",
      "         Ristikon koko: 2x3",
      "         Ristikossa yhteens\344 2 sanaa. -->",
      "<font face = \"arial\">",
      "<table><tr><td>",
      "<h1 align = \"center\">El\344imet</h1>",
      "<!--Ristikko-->",
      "<p>",
      "<table align = \"center\" frame = \"box\" border = \"5\"><tr><td>",
      "<table frame = \"void\" rules = \"none\" border = \"0\" cellpadding = \"7\">",
      "<tr>" + cellTag("K") + cellTag("I"),
      cellTag("S") + "</tr>",
      "<tr>" + cellTag("A") + cellTag(" "),
      cellTag("\326") + "</tr>",
      "</table>",
      "</td></tr></table>",
      "</p>",
      "</td></tr><tr><td>",
      "<table><tr>",
      "<td valign = \"top\">",
      "<!--Sanat-->",
      "<p><font face = \"arial\" size = \"4\">",
      "<br>Ka",
      "<br>Kis",
      "</font></p>",
      "</td></tr></table>",
      "</td></tr></table>",
      "<!--Loppu-->",
      "<br><br>",
      "<p><font face= \"arial\" size = \"3\">",
      "Ristikon ratkaisi ____________________________",
      "</font></p>",
      "</font></body>",
      "</html>",
      "",
  };
}

Grid smallGrid() {
  Grid grid = create(2, 3);
  grid.rows = {"KIS", "A \231"};
  grid.placedWords = {"kis", "KA"};
  return grid;
}

// The number of words in each column of the document's list, and the
// words as the import reads them back.
std::vector<int> columnSizes(const std::string& document) {
  std::vector<int> sizes = {0};
  std::istringstream lines(document.substr(document.find("<!--Sanat-->")));
  for (std::string line; std::getline(lines, line) && line != "<!--Loppu-->\r";) {
    if (line.starts_with("<br>")) ++sizes.back();
    if (line.starts_with("</font></p></td><td width = \"100\"></td>")) sizes.push_back(0);
  }
  return sizes;
}

std::vector<std::string> documentWords(const std::string& document) {
  testing::StringFile file(document);
  return readWordFile(file, WordFileMode::kHtml, WordList());
}

TEST(DocumentTest, ExactBytesWithoutPhrase) {
  EXPECT_EQ(puzzleDocument(smallGrid(), "El\204imet"), joinLines(smallDocumentLines()));
}

TEST(DocumentTest, ExactBytesWithPhrase) {
  Grid grid = smallGrid();
  grid.hiddenPhrase = "\204iti on hyv\204";
  std::vector<std::string> lines = smallDocumentLines();
  lines[10] = "         Ristikossa yhteens\344 2 sanaa.";
  lines.insert(
      lines.begin() + 11,
      {"         J\344ljelle j\344\344vist\344 kirjaimista muodostuu: \304iti on hyv\344", " -->"});
  const auto solver = lines.end() - 5;
  ASSERT_EQ(solver->substr(0, 17), "Ristikon ratkaisi");
  lines.insert(solver, {"Mit\344 j\344ljelle j\344\344vist\344 kirjaimista muodostuu? "
                        "_____________________________",
                        "<br><br><br>"});
  EXPECT_EQ(puzzleDocument(grid, "El\204imet"), joinLines(lines));
}

TEST(DocumentTest, GridRowsHoldTwoCellsPerLine) {
  Grid narrow = create(2, 1);
  narrow.rows = {"A", "B"};
  Grid wide = create(1, 5);
  wide.rows = {"ABCDE"};
  const std::string a = cellTag("A"), b = cellTag("B"), c = cellTag("C");
  EXPECT_NE(puzzleDocument(narrow, "t")
                .find("\"7\">\r\n<tr>" + a + "</tr>\r\n<tr>" + b + "</tr>\r\n</table>"),
            std::string::npos);
  EXPECT_NE(puzzleDocument(wide, "t").find("\"7\">\r\n<tr>" + a + b + "\r\n" + c + cellTag("D") +
                                           "\r\n" + cellTag("E") + "</tr>\r\n</table>"),
            std::string::npos);
}

TEST(DocumentTest, ColumnBreaksFollowTheWordCount) {
  const std::vector<std::pair<int, std::vector<int>>> cases = {
      {0, {0}},       {1, {1}},          {15, {15}},        {16, {9, 7}},
      {30, {16, 14}}, {31, {11, 11, 9}}, {33, {12, 12, 9}},
  };
  for (const auto& [count, sizes] : cases) {
    Grid grid = create(1, 1);
    for (int i = 0; i < count; ++i) {
      grid.placedWords.push_back(
          {'W', static_cast<char>('a' + i / 26), static_cast<char>('a' + i % 26)});
    }
    const std::string document = puzzleDocument(grid, "t");
    EXPECT_EQ(columnSizes(document), sizes) << count << " words";
    EXPECT_EQ(documentWords(document), grid.placedWords) << count << " words";
    EXPECT_NE(document.find("Ristikossa yhteens\344 " + std::to_string(count) + " sanaa. -->"),
              std::string::npos);
  }
}

TEST(DocumentTest, WordOrder) {
  Grid grid = create(1, 1);
  // Z before Ä before Å before Ö, whatever the case.
  grid.placedWords = {"KISSAT", "KISSA", "\216ITI", "\206s", "\231RKKI", "zoo", "ASE"};
  EXPECT_EQ(
      documentWords(puzzleDocument(grid, "t")),
      (std::vector<std::string>{"Ase", "Kissa", "Kissat", "Zoo", "\216iti", "\217s", "\231rkki"}));
  EXPECT_EQ(grid.placedWords[0], "KISSAT");  // the grid's own list is not reordered

  grid.placedWords = {"KISSAT", "KISSA"};
  EXPECT_EQ(documentWords(puzzleDocument(grid, "t")),
            (std::vector<std::string>{"Kissat", "Kissa"}));
  grid.placedWords = {"kissa", "KISSAT"};
  EXPECT_EQ(documentWords(puzzleDocument(grid, "t")),
            (std::vector<std::string>{"Kissa", "Kissat"}));

  // A swap carries KISSA past KISSAT, which compares equal with it.
  std::vector<std::string> words = {"b", "KISSA", "KISSAT", "a"};
  sortDocumentWords(words);
  EXPECT_EQ(words, (std::vector<std::string>{"a", "b", "KISSAT", "KISSA"}));
}

TEST(DocumentTest, TitleAndPhraseAreShownAsText) {
  Grid grid = create(1, 1);
  grid.hiddenPhrase = "a-->b <i>&";
  const std::string document = puzzleDocument(grid, "Tom & <Jerry>");
  EXPECT_NE(document.find("<title>Tom &amp; &lt;Jerry&gt;</title>\r\n"), std::string::npos);
  EXPECT_NE(document.find("<h1 align = \"center\">Tom &amp; &lt;Jerry&gt;</h1>\r\n"),
            std::string::npos);
  EXPECT_NE(document.find("muodostuu: A--&gt;b &lt;i&gt;&amp;\r\n -->\r\n"), std::string::npos);
  EXPECT_EQ(document.find("-->b"), std::string::npos);

  const std::string untitled = puzzleDocument(create(1, 1), "");
  EXPECT_NE(untitled.find("<title></title>\r\n"), std::string::npos);
  EXPECT_NE(untitled.find("<h1 align = \"center\"></h1>\r\n"), std::string::npos);
}

// The name on disk follows the console's character set; what is saved
// reads back as the document's word list.
TEST(DocumentTest, WrittenUnderItsNameAndReadBack) {
  Grid grid = smallGrid();
  grid.placedWords = {"\204iti", "KISSA", "Kala"};
  struct Case {
    std::string stem;
    Charset charset;
    std::string diskName;
    bool saved;
  };
  const std::vector<Case> cases = {
      {"El\204imet", Charset::kPassthrough, "El\344imet.html", true},
      {"El\204imet", Charset::kLatin1, "El\344imet.html", true},
      {"El\204imet", Charset::kUtf8, "El\303\244imet.html", true},
      {"a/b", Charset::kPassthrough, "a/b.html", true},
      {std::string("a\0b", 3), Charset::kPassthrough, "", false},
  };
  for (const Case& c : cases) {
    testing::FakeFileSystem files;
    EXPECT_EQ(writePuzzleDocument(files, grid, c.stem, "Otsikko", c.charset), c.saved);
    EXPECT_EQ(files.saveRequests.size(), c.saved ? 1u : 0u);
    if (!c.saved) continue;
    EXPECT_EQ(files.files[c.diskName], puzzleDocument(grid, "Otsikko"));
    EXPECT_EQ(documentWords(files.files[c.diskName]),
              (std::vector<std::string>{"Kala", "Kissa", "\216iti"}));
  }
  testing::FakeFileSystem full;
  full.saveFailsAfter = 100;
  EXPECT_FALSE(writePuzzleDocument(full, grid, "x", "t", Charset::kPassthrough));
  EXPECT_TRUE(full.files.empty());
}

}  // namespace
}  // namespace haravoija
