// The bytes of the HTML puzzle document and the order of its word list.
#include "output/document.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "text/letters.h"
#include "text/selection_sort.h"

namespace haravoija {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Up to this many words the list stays in one column; up to kTwoColumnLimit
// in two.
constexpr std::size_t kOneColumnLimit = 15;
constexpr std::size_t kTwoColumnLimit = 30;

void addLine(std::string& out, std::string_view text) {
  out += text;
  out += kLineEnd;
}

// First byte upper case, the rest lower case, in document code.
std::string capitalised(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    out += static_cast<char>(encodeDocumentLetter(i == 0 ? toUpperLetter(c) : toLowerLetter(c)));
  }
  return out;
}

// Text typed by the user shown as text: without this a title or phrase could
// end the comment it stands in or start markup of its own.
std::string escapedMarkup(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c; break;
    }
  }
  return out;
}

void addGridRows(std::string& out, const Grid& grid) {
  for (const std::string& row : grid.rows) {
    out += "<tr>";
    for (std::size_t column = 0; column < row.size(); ++column) {
      if (column >= 2 && column % 2 == 0) out += kLineEnd;
      out += "<td align = \"center\"><b>";
      out += static_cast<char>(encodeDocumentLetter(static_cast<unsigned char>(row[column])));
      out += "</b></td>";
    }
    out += "</tr>";
    out += kLineEnd;
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
      addLine(out, "</font></p></td><td width = \"100\"></td><td valign = \"top\">");
      addLine(out, "<p><font face = \"arial\" size = \"4\">");
    }
    addLine(out, "<br>" + capitalised(words[i]));
  }
}

}  // namespace

void sortDocumentWords(std::vector<std::string>& words) {
  // The unstable selection sort, whose exact result the list
  // must keep, computed without its quadratic cost.
  applySortOrder(words, precedesSelectionSortOrder(words));
}

std::string puzzleDocument(const Grid& grid, std::string_view title) {
  const std::string shownTitle = escapedMarkup(encodeDocumentText(title));
  const std::string count = std::to_string(grid.placedWords.size());
  const bool hasPhrase = !grid.hiddenPhrase.empty();

  std::string out;
  addLine(out, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
  addLine(out, "");
  addLine(out, "<html>");
  addLine(out, "<head>");
  addLine(out, "<title>" + shownTitle + "</title>");
  addLine(out, "</head>");
  addLine(out, "<body>");
  addLine(out, "<!-- T\344m\344 tiedosto on laadittu Haravoija -ohjelmalla -->");
  addLine(out, "<!-- Tietoja ristikosta: ");
  addLine(out, "         Ristikon koko: " + std::to_string(grid.rowCount()) + "x" +
                   std::to_string(grid.columnCount()));
  if (hasPhrase) {
    addLine(out, "         Ristikossa yhteens\344 " + count + " sanaa.");
    addLine(out, "         J\344ljelle j\344\344vist\344 kirjaimista muodostuu: " +
                     escapedMarkup(capitalised(grid.hiddenPhrase)));
    addLine(out, " -->");
  } else {
    addLine(out, "         Ristikossa yhteens\344 " + count + " sanaa. -->");
  }
  addLine(out, "<font face = \"arial\">");
  addLine(out, "<table><tr><td>");
  addLine(out, "<h1 align = \"center\">" + shownTitle + "</h1>");
  addLine(out, "<!--Ristikko-->");
  addLine(out, "<p>");
  addLine(out, "<table align = \"center\" frame = \"box\" border = \"5\"><tr><td>");
  addLine(out, "<table frame = \"void\" rules = \"none\" border = \"0\" cellpadding = \"7\">");
  addGridRows(out, grid);
  addLine(out, "</table>");
  addLine(out, "</td></tr></table>");
  addLine(out, "</p>");
  addLine(out, "</td></tr><tr><td>");
  addLine(out, "<table><tr>");
  addLine(out, "<td valign = \"top\">");
  addLine(out, "<!--Sanat-->");
  addLine(out, "<p><font face = \"arial\" size = \"4\">");
  addWordList(out, grid);
  addLine(out, "</font></p>");
  addLine(out, "</td></tr></table>");
  addLine(out, "</td></tr></table>");
  addLine(out, "<!--Loppu-->");
  addLine(out, "<br><br>");
  addLine(out, "<p><font face= \"arial\" size = \"3\">");
  if (hasPhrase) {
    addLine(out,
            "Mit\344 j\344ljelle j\344\344vist\344 kirjaimista muodostuu? " + std::string(29, '_'));
    addLine(out, "<br><br><br>");
  }
  addLine(out, "Ristikon ratkaisi " + std::string(28, '_'));
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
