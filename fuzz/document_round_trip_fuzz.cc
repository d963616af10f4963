// Fuzz target: any puzzle the program can make, written as a document and
// imported back, yields exactly its placed words, and no title, phrase or
// cell closes a comment or opens markup on the page.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "fakes.h"
#include "output/document.h"
#include "puzzle/fill.h"
#include "puzzle/grid.h"
#include "text/letters.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija {
namespace {

// The form in which the document lists a word, in console bytes: the first
// letter upper case, the rest lower case.
std::string listedForm(std::string_view word) {
  std::string out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(word[i]);
    out += static_cast<char>(i == 0 ? toUpperLetter(c) : toLowerLetter(c));
  }
  return out;
}

std::size_t countOf(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// Empty when `document`, written for `grid`, keeps every promise; otherwise
// what it broke first.
std::string documentFault(const std::string& document, const Grid& grid) {
  haravoija::testing::StringFile file(document);
  const std::vector<std::string> read = readWordFile(file, WordFileMode::kHtml, WordList());
  if (read.size() != grid.placedWords.size()) return "a different number of words read back";
  std::vector<std::string> placed = grid.placedWords;
  for (std::string& word : placed) word = listedForm(word);
  // A permutation of the placed words: the sort only swaps.
  std::vector<std::string> sorted = placed;
  sortDocumentWords(sorted);
  if (read != sorted) return "words read back differ from the document's list";
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

}  // namespace
}  // namespace haravoija

namespace {

// Every byte the letter test accepts: A-Z a-z and the six Finnish letters.
std::string letterAlphabet() {
  std::string letters;
  for (int c = 0; c < 256; ++c) {
    if (haravoija::isLetter(static_cast<unsigned char>(c))) letters += static_cast<char>(c);
  }
  return letters;
}

// A line as the console reads it: any bytes but the line end.
std::string consoleLine(FuzzedDataProvider& input, std::size_t most) {
  std::string line = input.ConsumeRandomLengthString(most);
  std::erase(line, '\n');
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string kLetters = letterAlphabet();
  FuzzedDataProvider input(data, size);

  const int rows = input.ConsumeIntegralInRange(1, 40);
  const int columns = input.ConsumeIntegralInRange(1, 40);
  haravoija::Grid grid = haravoija::create(rows, columns);

  // Words as the word list holds them: letters only, 2-79 bytes, no two
  // with the same key. Their letters go into the grid upper-cased.
  const int wordCount = input.ConsumeIntegralInRange(0, 70);
  std::unordered_set<std::string> keys;
  for (int i = 0; i < wordCount && input.remaining_bytes() > 0; ++i) {
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(haravoija::kMinWordLength,
                                                                         haravoija::kMaxWordLength);
    std::string word;
    for (std::size_t j = 0; j < length; ++j) {
      word += kLetters[input.ConsumeIntegralInRange<std::size_t>(0, kLetters.size() - 1)];
    }
    if (!keys.insert(haravoija::toUpperText(word)).second) continue;
    const int row = input.ConsumeIntegralInRange(0, rows - 1);
    const int column = input.ConsumeIntegralInRange(0, columns - 1);
    grid.setCell(row, column, haravoija::toUpperLetter(static_cast<unsigned char>(word[0])));
    grid.placedWords.push_back(word);
  }

  // A title from the dialogue passes the name test; the batch run's is the
  // command-line argument, which can hold anything but a NUL.
  std::string title = input.ConsumeRandomLengthString(200);
  if (input.ConsumeBool()) {
    std::erase(title, '\n');
    if (!haravoija::checkTitle(title)) title = "Otsikko";
  } else {
    std::erase(title, '\0');
  }

  haravoija::testing::ScriptedRandom random;
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: haravoija::fillRandom(grid, random); break;
    case 1: haravoija::fillWithPhrase(grid, consoleLine(input, 300), random); break;
    default: break;  // cells left empty
  }

  if (const std::string fault =
          haravoija::documentFault(haravoija::puzzleDocument(grid, title), grid);
      !fault.empty()) {
    std::fprintf(stderr, "document round trip: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
