// The bytes of the HTML puzzle document and the order of its word list.
#include "output/document.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "page/page_format.h"
#include "text/letters.h"
#include "text/selection_sort.h"

namespace haravoija {
namespace {

// The lines that start another column of the word list; the readers pass
// over them.
constexpr std::string_view kColumnEnd =
    "</font></p></td><td width = \"100\"></td><td valign = \"top\">";
constexpr std::string_view kColumnStart = "<p><font face = \"arial\" size = \"4\">";
static_assert(isWordListFrameLine(kColumnEnd) && isWordListFrameLine(kColumnStart));

// Up to this many words the list stays in one column; up to kTwoColumnLimit
// in two.
constexpr std::size_t kOneColumnLimit = 15;
constexpr std::size_t kTwoColumnLimit = 30;

void addLine(std::string& out, std::string_view text) {
  out += text;
  out += kPageLineEnd;
}

// First byte upper case, the rest lower case.
std::string capitalised(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    out += static_cast<char>(i == 0 ? toUpperLetter(c) : toLowerLetter(c));
  }
  return out;
}

void addGridRows(std::string& out, const Grid& grid) {
  for (const std::string& row : grid.rows) {
    out += kRowStart;
    for (std::size_t column = 0; column < row.size(); ++column) {
      if (column >= 2 && column % 2 == 0) out += kPageLineEnd;
      out += kCellStart;
      out += kLetterStart;
      out += static_cast<char>(encodeDocumentLetter(static_cast<unsigned char>(row[column])));
      out += kLetterEnd;
      out += kCellEnd;
    }
    out += kRowEnd;
    out += kPageLineEnd;
  }
}

// Positions of the words that open a new column.
std::vector<std::size_t> columnBreaks(std::size_t count) {
  if (count <= kOneColumnLimit) return {};
  if (count <= kTwoColumnLimit) return {count / 2 + 1};
  const std::size_t perColumn = count / 3 + 1;
  return {perColumn, 2 * perColumn};
}

void addWordList(std::string& out, const Grid& grid) {
  std::vector<std::string> words = grid.placedWords;
  sortDocumentWords(words);
  const std::vector<std::size_t> breaks = columnBreaks(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (std::find(breaks.begin(), breaks.end(), i) != breaks.end()) {
      addLine(out, kColumnEnd);
      addLine(out, kColumnStart);
    }
    addLine(out, std::string(kWordLead) + encodeDocumentText(capitalised(words[i])));
  }
}

}  // namespace

void sortDocumentWords(std::vector<std::string>& words) {
  // The unstable selection sort, whose exact result the list
  // must keep, computed without its quadratic cost.
  applySortOrder(words, precedesSelectionSortOrder(words));
}

std::string puzzleDocument(const Grid& grid, std::string_view title) {
  const std::string shownTitle = toPageText(title);
  const bool hasPhrase = !grid.hiddenPhrase.empty();

  std::string out;
  addLine(out, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
  addLine(out, "");
  addLine(out, "<html>");
  addLine(out, "<head>");
  addLine(out, std::string(kTitleStart) + shownTitle + std::string(kTitleEnd));
  addLine(out, "</head>");
  addLine(out, "<body>");
  out += informationComment(grid.rowCount(), grid.columnCount(), grid.placedWords.size(),
                            capitalised(grid.hiddenPhrase));
  addLine(out, "<font face = \"arial\">");
  addLine(out, "<table><tr><td>");
  addLine(out, "<h1 align = \"center\">" + shownTitle + "</h1>");
  addLine(out, kGridMarker);
  addLine(out, "<p>");
  addLine(out, "<table align = \"center\" frame = \"box\" border = \"5\"><tr><td>");
  addLine(out, "<table frame = \"void\" rules = \"none\" border = \"0\" cellpadding = \"7\">");
  addGridRows(out, grid);
  addLine(out, kTableEnd);
  addLine(out, "</td></tr></table>");
  addLine(out, "</p>");
  addLine(out, "</td></tr><tr><td>");
  addLine(out, "<table><tr>");
  addLine(out, "<td valign = \"top\">");
  addLine(out, kWordsMarker);
  addLine(out, kColumnStart);
  addWordList(out, grid);
  addLine(out, "</font></p>");
  addLine(out, "</td></tr></table>");
  addLine(out, "</td></tr></table>");
  addLine(out, kEndMarker);
  addLine(out, "<br><br>");
  addLine(out, "<p><font face= \"arial\" size = \"3\">");
  if (hasPhrase) {
    addLine(out, encodeDocumentText(kPhraseQuestionLine));
    addLine(out, "<br><br><br>");
  }
  addLine(out, encodeDocumentText(kSolverLine));
  addLine(out, "</font></p>");
  addLine(out, "</font></body>");
  addLine(out, "</html>");
  addLine(out, "");
  return out;
}

bool writePuzzleDocument(FileSystem& files, const Grid& grid, std::string_view stem,
                         std::string_view title, Charset consoleCharset) {
  const std::string name = std::string(stem) + ".html";
  // A NUL would cut the name short and the file would land under another
  // name than the one reported.
  if (name.find('\0') != std::string::npos) return false;
  return files.replaceFile(diskFileName(name, consoleCharset), puzzleDocument(grid, title));
}

}  // namespace haravoija
