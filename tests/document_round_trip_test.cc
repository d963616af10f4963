// The document round trip on many random puzzles and on hostile titles and
// phrases: what is written is what the import reads back, and the page's
// comments and markup stay the program's own.
#include "document_round_trip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "output/document.h"
#include "puzzle/fill.h"
#include "puzzle/generation.h"
#include "puzzle/grid.h"
#include "test_util.h"
#include "text/letters.h"
#include "words/word_list.h"

namespace haravoija {
namespace {

using testing::documentFault;
using testing::documentRoundTripFault;

std::string letterAlphabet() {
  std::string letters;
  for (int c = 0; c < 256; ++c) {
    if (isLetter(static_cast<unsigned char>(c))) letters += static_cast<char>(c);
  }
  return letters;
}

const std::string kLetters = letterAlphabet();

class RandomPuzzles {
 public:
  explicit RandomPuzzles(unsigned seed) : random_(seed) {}

  int upTo(int most) { return std::uniform_int_distribution<int>(0, most)(random_); }

  // Any bytes but the line end, as a console line holds; often the bytes
  // that matter to HTML.
  std::string line(int most) {
    static const std::string kMarkup = "<>&-!/ \r\t\"'";
    std::string text;
    const int length = upTo(most);
    for (int i = 0; i < length; ++i) {
      const char c =
          upTo(2) == 0 ? kMarkup[static_cast<std::size_t>(upTo(10))] : static_cast<char>(upTo(255));
      if (c != '\n') text += c;
    }
    return text;
  }

  Grid puzzle() {
    const int rows = 1 + upTo(30);
    const int columns = 1 + upTo(30);
    Grid grid = create(rows, columns);
    std::unordered_set<std::string> keys;
    const int count = upTo(upTo(1) == 0 ? 16 : 70);
    for (int i = 0; i < count; ++i) {
      std::string word;
      const int length = kMinWordLength + upTo(upTo(3) == 0 ? kMaxWordLength - 2 : 8);
      for (int j = 0; j < length; ++j) {
        word += kLetters[static_cast<std::size_t>(upTo(static_cast<int>(kLetters.size()) - 1))];
      }
      if (!keys.insert(toUpperText(word)).second) continue;
      grid.setCell(upTo(rows - 1), upTo(columns - 1),
                   toUpperLetter(static_cast<unsigned char>(word[0])));
      grid.placedWords.push_back(word);
    }
    switch (upTo(2)) {
      case 0:
        fillRandom(grid);
        break;
      case 1:
        fillWithPhrase(grid, line(200));
        break;
      default:
        break;
    }
    return grid;
  }

 private:
  std::mt19937 random_;
};

TEST(DocumentRoundTripTest, RandomPuzzlesReadBackTheirWords) {
  RandomPuzzles random(20261206);
  std::srand(1);
  for (int i = 0; i < 400; ++i) {
    const Grid grid = random.puzzle();
    // Dialogue titles pass the name test; the batch run's can hold anything.
    std::string title = random.line(80);
    if (i % 2 == 0 && !checkTitle(title)) title = "Otsikko";
    ASSERT_EQ(documentRoundTripFault(grid, title), "") << "puzzle " << i;
  }
}

TEST(DocumentRoundTripTest, HostileTitlesAndPhrasesStayText) {
  const std::vector<std::string> hostile = {
      "-->",
      "a --> <script>alert(1)</script>",
      "--!>",
      "<!--Sanat-->",
      "x\n<!--Sanat-->\n<br>Vieras\n<!--Loppu-->",
      "<br>Vieras",
      "<!--Loppu--> <!--",
      "&lt;&amp;",
      "</title><h1>",
      std::string("nul\0byte", 8),
  };
  Grid grid = create(4, 6);
  grid.placedWords = {"kissa", "KOIRA", "\204iti"};
  for (const std::string& text : hostile) {
    Grid withPhrase = grid;
    fillWithPhrase(withPhrase, text.find('\n') == std::string::npos ? text : "--> x");
    EXPECT_EQ(documentRoundTripFault(withPhrase, text), "") << text;
    Grid plain = grid;
    fillRandom(plain);
    EXPECT_EQ(documentRoundTripFault(plain, text), "") << text;
  }
}

// Puzzles as the generation run makes them, at the smallest size and at
// fixed sizes that leave words out.
TEST(DocumentRoundTripTest, GeneratedPuzzlesReadBackTheirWords) {
  RandomPuzzles random(850);
  std::srand(2);
  for (int i = 0; i < 40; ++i) {
    WordList list;
    const int count = 1 + random.upTo(40);
    while (static_cast<int>(list.size()) < count) {
      std::string word;
      const int length = kMinWordLength + random.upTo(10);
      for (int j = 0; j < length; ++j)
        word +=
            kLetters[static_cast<std::size_t>(random.upTo(static_cast<int>(kLetters.size()) - 1))];
      if (!list.contains(word)) list.add(word);
    }
    list.sortLongestFirst();
    const bool fixed = i % 2 == 1;
    const int rows = fixed ? 1 + random.upTo(12) : 1;
    const int columns = fixed ? 1 + random.upTo(12) : 1;
    Grid grid = create(rows, columns);
    testing::FakeConsole console;
    const BuildResult built =
        buildGrid(grid, list.words(), i % 3 == 0, fixed ? Sizing::kFixed : Sizing::kSmallest, rows,
                  columns, console);
    ASSERT_EQ(built.status, BuildResult::Status::kBuilt);
    ASSERT_EQ(grid.placedWords.size() + built.unplacedWords.size(), list.size());
    if (i % 4 == 0) fillWithPhrase(grid, random.line(grid.emptyCellCount() + 5));
    ASSERT_EQ(documentRoundTripFault(grid, random.line(40)), "") << "puzzle " << i;
  }
}

// The property is only worth as much as its check: a document that breaks
// a promise is caught.
TEST(DocumentRoundTripTest, BrokenDocumentsAreCaught) {
  Grid grid = create(3, 3);
  grid.placedWords = {"kissa", "Ase"};
  fillWithPhrase(grid, "hei");
  const std::string good = puzzleDocument(grid, "Otsikko");
  ASSERT_EQ(documentFault(good, grid), "");

  auto replaced = [&good](const std::string& from, const std::string& to) {
    std::string document = good;
    const std::size_t at = document.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return document.replace(at, from.size(), to);
  };
  EXPECT_NE(documentFault(replaced("<br>Kissa\r\n", ""), grid), "");
  EXPECT_NE(documentFault(replaced("<br>Kissa", "<br>KISSA"), grid), "");
  EXPECT_NE(documentFault(replaced("<br>Ase\r\n<br>Kissa", "<br>Kissa\r\n<br>Ase"), grid), "");
  EXPECT_NE(documentFault(replaced("muodostuu: Hei", "muodostuu: Hei -->"), grid), "");
  EXPECT_NE(documentFault(replaced("muodostuu: Hei", "muodostuu: Hei --!>"), grid), "");
  EXPECT_NE(documentFault(replaced("<title>Otsikko", "<title><b>Otsikko"), grid), "");
}

}  // namespace
}  // namespace haravoija
