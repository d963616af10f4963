// Tests of the puzzle document's bytes and word order.
#include "output/document.h"

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

// The word list section of a document: the lines between the opening of the
// first column and the closing of the last.
std::string wordSection(const std::string& document) {
  const std::string open = "<!--Sanat-->\r\n<p><font face = \"arial\" size = \"4\">\r\n";
  const std::size_t begin = document.find(open) + open.size();
  const std::size_t end = document.find("</font></p>\r\n</td></tr></table>", begin);
  return document.substr(begin, end - begin);
}

// The number of words in each column of the document's list.
std::vector<int> columnSizes(const std::string& document) {
  const std::string breakLines =
      "</font></p></td><td width = \"100\"></td><td valign = \"top\">\r\n"
      "<p><font face = \"arial\" size = \"4\">\r\n";
  std::string section = wordSection(document);
  std::vector<int> sizes;
  for (;;) {
    const std::size_t cut = section.find(breakLines);
    const std::string column = section.substr(0, cut);
    int words = 0;
    for (std::size_t at = column.find("<br>"); at != std::string::npos;
         at = column.find("<br>", at + 1)) {
      ++words;
    }
    sizes.push_back(words);
    if (cut == std::string::npos) break;
    section.erase(0, cut + breakLines.size());
  }
  return sizes;
}

std::vector<std::string> documentWords(const std::string& document) {
  std::vector<std::string> words;
  const std::string section = wordSection(document);
  for (std::size_t at = section.find("<br>"); at != std::string::npos;
       at = section.find("<br>", at + 1)) {
    words.push_back(section.substr(at + 4, section.find("\r\n", at) - at - 4));
  }
  return words;
}

TEST(DocumentTest, ExactBytesWithoutPhrase) {
  EXPECT_EQ(puzzleDocument(smallGrid(), "El\204imet"), joinLines(smallDocumentLines()));
}

TEST(DocumentTest, ExactBytesWithPhrase) {
  Grid grid = smallGrid();
  grid.hiddenPhrase = "\204iti on hyv\204";
  std::vector<std::string> lines = smallDocumentLines();
  lines[10] = "         Ristikossa yhteens\344 2 sanaa.";
  lines.insert(lines.begin() + 11,
               {"         J\344ljelle j\344\344vist\344 kirjaimista muodostuu: \304iti on hyv\344",
                " -->"});
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
  const std::string oneColumn = "<tr>" + cellTag("A") + "</tr>\r\n<tr>" + cellTag("B") + "</tr>\r\n";
  EXPECT_NE(puzzleDocument(narrow, "t").find("cellpadding = \"7\">\r\n" + oneColumn + "</table>"),
            std::string::npos);

  Grid wide = create(1, 5);
  wide.rows = {"ABCDE"};
  const std::string fiveColumns = "<tr>" + cellTag("A") + cellTag("B") + "\r\n" + cellTag("C") +
                                  cellTag("D") + "\r\n" + cellTag("E") + "</tr>\r\n";
  EXPECT_NE(puzzleDocument(wide, "t").find("cellpadding = \"7\">\r\n" + fiveColumns + "</table>"),
            std::string::npos);
}

TEST(DocumentTest, ColumnBreaksFollowTheWordCount) {
  const std::vector<std::pair<int, std::vector<int>>> cases = {
      {0, {0}},       {1, {1}},          {15, {15}},         {16, {9, 7}},
      {30, {16, 14}}, {31, {11, 11, 9}}, {33, {12, 12, 9}},
  };
  for (const auto& [count, sizes] : cases) {
    Grid grid = create(1, 1);
    std::vector<std::string> expectedWords;
    for (int i = 0; i < count; ++i) {
      const std::string suffix = {static_cast<char>('a' + i / 26), static_cast<char>('a' + i % 26)};
      grid.placedWords.push_back("W" + suffix);
      expectedWords.push_back("W" + suffix);
    }
    const std::string document = puzzleDocument(grid, "t");
    EXPECT_EQ(columnSizes(document), sizes) << count << " words";
    EXPECT_EQ(documentWords(document), expectedWords) << count << " words";
    EXPECT_NE(document.find("Ristikossa yhteens\344 " + std::to_string(count) + " sanaa. -->"),
              std::string::npos);
  }
  Grid empty = create(1, 1);
  EXPECT_EQ(wordSection(puzzleDocument(empty, "t")), "");
}

TEST(DocumentTest, WordOrder) {
  Grid grid = create(1, 1);
  // Z before Ä before Å before Ö, whatever the case.
  grid.placedWords = {"KISSAT", "KISSA", "\216ITI", "\206s", "\231RKKI", "zoo", "ASE"};
  EXPECT_EQ(documentWords(puzzleDocument(grid, "t")),
            (std::vector<std::string>{"Ase", "Kissa", "Kissat", "Zoo", "\304iti", "\305s",
                                      "\326rkki"}));
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
    if (!c.saved) {
      EXPECT_TRUE(files.saveRequests.empty());
      continue;
    }
    ASSERT_EQ(files.files.size(), 1u);
    EXPECT_EQ(files.files.begin()->first, c.diskName);
    EXPECT_EQ(files.files.begin()->second, puzzleDocument(grid, "Otsikko"));
    const std::unique_ptr<InputFile> page = files.openForReading(c.diskName);
    EXPECT_EQ(readWordFile(*page, WordFileMode::kHtml, WordList()),
              (std::vector<std::string>{"Kala", "Kissa", "\216iti"}));
  }
  testing::FakeFileSystem full;
  full.saveFailsAfter = 100;
  EXPECT_FALSE(writePuzzleDocument(full, grid, "x", "t", Charset::kPassthrough));
  EXPECT_TRUE(full.files.empty());
}

}  // namespace
}  // namespace haravoija
