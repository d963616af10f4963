// Fuzz target: any puzzle the program can make, written as a document and
// imported back, yields exactly its placed words, and no title, phrase or
// cell closes a comment or opens markup on the page.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
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

std::size_t countOf(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != text.npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// Stops the run, naming the promise the document broke.
void check(bool kept, const char* promise) {
  if (kept) return;
  std::fprintf(stderr, "document round trip broke: %s\n", promise);
  std::abort();
}

void checkDocument(const std::string& document, const Grid& grid) {
  testing::StringFile file(document);
  // The placed words as listed: capitalised, in the document's order.
  std::vector<std::string> listed;
  for (const std::string& word : grid.placedWords) {
    std::string& form = listed.emplace_back(toUpperText(word.substr(0, 1)));
    for (const unsigned char c : word.substr(1)) form += static_cast<char>(toLowerLetter(c));
  }
  sortDocumentWords(listed);
  check(readWordFile(file, WordFileMode::kHtml, WordList()) == listed, "words read back as listed");
  // The fixed text has five comments; any more came from the user's text.
  check(countOf(document, "-->") == 5 && countOf(document, "<!--") == 5, "five comments");
  check(countOf(document, "--!>") == 0, "no comment closed by --!>");
  // The information comment ends where its last fixed line ends.
  const std::string_view closing = grid.hiddenPhrase.empty()
                                       ? std::string_view(" sanaa. -->\r\n<font face = ")
                                       : std::string_view("\r\n -->\r\n<font face = ");
  const std::size_t info = document.find("<!-- Tietoja ristikosta: ");
  const std::size_t closed = document.find(closing, info);
  check(info != std::string::npos && closed != std::string::npos &&
            document.find("-->", info) == closed + closing.find("-->"),
        "the information comment closed at its end");
  const std::size_t title = document.find("<title>") + 7;
  check(document.find('<', title) == document.find("</title>", title), "no markup in the title");
  const std::size_t heading = document.find("<h1 align = \"center\">") + 21;
  check(document.find('<', heading) == document.find("</h1>", heading), "no markup in the heading");
}

}  // namespace
}  // namespace haravoija

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace haravoija;
  static const std::string kLetters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz\204\206\216\217\224\231";
  FuzzedDataProvider input(data, size);
  const int rows = input.ConsumeIntegralInRange(1, 40);
  const int columns = input.ConsumeIntegralInRange(1, 40);
  Grid grid = create(rows, columns);

  // Words as the word list holds them: letters, kMinWordLength to kMaxWordLength
  // bytes, distinct keys.
  const int wordCount = input.ConsumeIntegralInRange(0, 70);
  std::unordered_set<std::string> keys;
  for (int i = 0; i < wordCount && input.remaining_bytes() > 0; ++i) {
    std::string word(input.ConsumeIntegralInRange<std::size_t>(kMinWordLength, kMaxWordLength),
                     ' ');
    for (char& c : word) {
      c = kLetters[input.ConsumeIntegralInRange<std::size_t>(0, kLetters.size() - 1)];
    }
    if (!keys.insert(toUpperText(word)).second) continue;
    const int row = input.ConsumeIntegralInRange(0, rows - 1);
    const int column = input.ConsumeIntegralInRange(0, columns - 1);
    grid.setCell(row, column, toUpperLetter(static_cast<unsigned char>(word[0])));
    grid.placedWords.push_back(word);
  }

  // The dialogue's title passes the name test; the batch run's has no NUL.
  std::string title = input.ConsumeRandomLengthString(200);
  if (input.ConsumeBool()) {
    std::erase(title, '\n');
    if (!checkTitle(title)) title = "Otsikko";
  } else {
    std::erase(title, '\0');
  }

  testing::ScriptedRandom random;
  // Filled at random, with a phrase as the console reads it, or left empty.
  const int fill = input.ConsumeIntegralInRange(0, 2);
  std::string phrase = input.ConsumeRandomLengthString(300);
  std::erase(phrase, '\n');
  if (fill == 0) fillRandom(grid, random);
  if (fill == 1) fillWithPhrase(grid, phrase, random);
  checkDocument(puzzleDocument(grid, title), grid);
  return 0;
}
