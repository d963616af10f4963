// The document round trip, shared by the randomised test and the fuzz
// target: a puzzle written as a document and imported back yields exactly
// its placed words, and nothing typed by the user can close a comment or
// open markup on the page.
#ifndef HARAVOIJA_TESTS_DOCUMENT_ROUND_TRIP_H_
#define HARAVOIJA_TESTS_DOCUMENT_ROUND_TRIP_H_

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "output/document.h"
#include "puzzle/grid.h"
#include "text/letters.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija::testing {

// The form in which the document lists a word, in console bytes: the first
// letter upper case, the rest lower case.
inline std::string listedForm(std::string_view word) {
  std::string out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(word[i]);
    out += static_cast<char>(i == 0 ? toUpperLetter(c) : toLowerLetter(c));
  }
  return out;
}

inline std::size_t countOf(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// Empty when `document`, written for `grid`, keeps every promise; otherwise
// what it broke first.
inline std::string documentFault(const std::string& document, const Grid& grid) {
  std::istringstream file(document);
  const std::vector<std::string> read = readWordFile(file, WordFileMode::kHtml, WordList());
  if (read.size() != grid.placedWords.size()) return "a different number of words read back";
  std::vector<std::string> placed = grid.placedWords;
  for (std::string& word : placed) word = listedForm(word);
  // A permutation of the placed words: the sort only swaps.
  std::vector<std::string> sorted = placed;
  sortDocumentWords(sorted);
  if (read != sorted) return "words read back differ from the document's list";
  for (std::size_t i = 1; i < read.size(); ++i) {
    if (wordPrecedes(read[i], read[i - 1])) return "word list out of order";
  }
  // The fixed text has five comments; anything more, or a comment closed
  // early, came from the user's text.
  if (countOf(document, "-->") != 5 || countOf(document, "<!--") != 5) {
    return "comment markers in the user's text";
  }
  if (countOf(document, "--!>") != 0) return "a comment closed by --!>";
  // The information comment ends where its last fixed line ends.
  const std::string_view closing = grid.hiddenPhrase.empty()
                                       ? std::string_view(" sanaa. -->\r\n<font face = ")
                                       : std::string_view("\r\n -->\r\n<font face = ");
  const std::size_t info = document.find("<!-- Tietoja ristikosta: ");
  const std::size_t closed = document.find(closing, info);
  if (info == std::string::npos || closed == std::string::npos ||
      document.find("-->", info) != closed + closing.find("-->")) {
    return "the information comment closed early";
  }
  const std::size_t titleStart = document.find("<title>") + 7;
  const std::size_t titleEnd = document.find("</title>", titleStart);
  if (document.find('<', titleStart) != titleEnd) return "markup in the title";
  const std::size_t heading = document.find("<h1 align = \"center\">") + 21;
  if (document.find('<', heading) != document.find("</h1>", heading)) {
    return "markup in the heading";
  }
  return "";
}

inline std::string documentRoundTripFault(const Grid& grid, std::string_view title) {
  return documentFault(puzzleDocument(grid, title), grid);
}

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_DOCUMENT_ROUND_TRIP_H_
