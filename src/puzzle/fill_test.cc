// Tests of the fills and the fill-mode menu.
#include "puzzle/fill.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_util.h"
#include "text/random_draw.h"

namespace haravoija {
namespace {

using testing::FakeConsole;

const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\217\216\231";

// The letters the random fill must produce for the next `count` draws.
std::string expectedRandomLetters(unsigned seed, int count) {
  std::srand(seed);
  std::string letters;
  for (int i = 0; i < count; ++i) letters += kAlphabet[drawRandom() * 29 / 32768];
  return letters;
}

// The draw that follows the first `count` draws after seeding.
int drawAfter(unsigned seed, int count) {
  std::srand(seed);
  for (int i = 0; i < count; ++i) (void)drawRandom();
  return drawRandom();
}

// A 2 x 4 grid with letters in two cells: six empty cells.
Grid sixEmptyCells() {
  Grid grid = create(2, 4);
  grid.setCell(0, 1, 'X');
  grid.setCell(1, 2, 'Y');
  return grid;
}

std::string menuText(int empty) {
  return "\nRuudukkoon j\204i " + std::to_string(empty) +
         " tyhj\204\204 kohtaa. \n"
         "Valitse seuraavista:\n"
         "   1. Anna koneen t\204ytt\204\204 ristikon tyhj\204t kohdat\n"
         "      satunnaisilla kirjaimilla. (suositus)\n"
         "   2. Haluan ett\204 j\204ljelle j\204\204vist\204 kirjaimista muodostuu jokin sana.\n"
         "   3. J\204t\204 kohdat tyhjiksi.\n"
         "> ";
}

std::string phraseQuestion(int empty) {
  return "Anna sana / lause, joka muodostuu j\204ljellej\204\204vist\204 kirjaimista. \n"
         "Sanassa / lauseessa pit\204\204 olla yhteens\204 " +
         std::to_string(empty) + " kirjainta.\n> ";
}

TEST(FillTest, RemoveSpacesDropsOnlySpaces) {
  EXPECT_EQ(removeSpaces(" ka la "), "kala");
  EXPECT_EQ(removeSpaces("a\tb\n!2"), "a\tb\n!2");
  EXPECT_EQ(removeSpaces("   "), "");
}

TEST(FillTest, RandomFillDrawsOncePerEmptyCellAndOnlyAlphabetLetters) {
  Grid grid = create(30, 31);
  grid.setCell(0, 0, 'K');
  grid.setCell(29, 30, '\231');
  grid.setCell(10, 5, '!');
  const int empty = grid.emptyCellCount();
  const std::string expected = expectedRandomLetters(41, empty);
  const int following = drawAfter(41, empty);

  std::srand(41);
  fillRandom(grid);
  EXPECT_EQ(drawRandom(), following);  // exactly one draw per empty cell

  EXPECT_EQ(grid.emptyCellCount(), 0);
  EXPECT_EQ(grid.cell(0, 0), 'K');
  EXPECT_EQ(grid.cell(29, 30), 0x99);
  EXPECT_EQ(grid.cell(10, 5), '!');
  std::string drawn;
  for (int r = 0; r < grid.rowCount(); ++r) {
    for (int c = 0; c < grid.columnCount(); ++c) {
      if ((r == 0 && c == 0) || (r == 29 && c == 30) || (r == 10 && c == 5)) continue;
      drawn += static_cast<char>(grid.cell(r, c));
    }
  }
  EXPECT_EQ(drawn, expected);  // reading order
  for (char letter : kAlphabet) {
    EXPECT_NE(drawn.find(letter), std::string::npos) << "never drawn: " << letter;
  }
  EXPECT_TRUE(grid.hiddenPhrase.empty());
}

TEST(FillTest, PhraseFillUpperCasesAndKeepsEveryNonSpace) {
  Grid grid = create(2, 3);
  grid.setCell(0, 0, 'Q');
  fillWithPhrase(grid, "Moi 2!");
  EXPECT_EQ(grid.rows, (std::vector<std::string>{"QMO", "I2!"}));
  EXPECT_EQ(grid.hiddenPhrase, "moi 2!");

  Grid finnish = create(1, 4);
  fillWithPhrase(finnish, "\204\224 \216\206");  // ä ö Ä å
  EXPECT_EQ(finnish.rows[0], "\216\231\216\217");
  EXPECT_EQ(finnish.hiddenPhrase, "\204\224 \204\206");
}

TEST(FillTest, ShortPhraseIsCompletedWithRandomLetters) {
  Grid grid = create(1, 5);
  const std::string tail = expectedRandomLetters(5, 3);
  const int following = drawAfter(5, 3);
  std::srand(5);
  fillWithPhrase(grid, "a b");
  EXPECT_EQ(drawRandom(), following);
  EXPECT_EQ(grid.rows[0], "AB" + tail);
  EXPECT_EQ(grid.hiddenPhrase, "a b");
}

TEST(FillTest, MenuWithWrongLengthPhraseThenMatchingOne) {
  Grid grid = sixEmptyCells();
  FakeConsole fake("2\nka la\nKala ja\n");
  EXPECT_EQ(chooseFill(grid, fake), FillMode::kHiddenPhrase);
  EXPECT_EQ(fake.output(), menuText(6) + phraseQuestion(6) +
                               "VIRHE: Sanassa / lauseessa pit\204\204 olla yhteens\204 6 kirjainta.\n"
                               "Antamassasi sanassa / lauseessa oli 4 kirjainta.\n"
                               "> ");
  EXPECT_EQ(grid.rows, (std::vector<std::string>{"KXAL", "AJYA"}));
  EXPECT_EQ(grid.hiddenPhrase, "kala ja");
}

TEST(FillTest, MenuTakesOnlyItsExactDigits) {
  Grid grid = sixEmptyCells();
  FakeConsole fake(" 1\n4\n\n1 \n3\n1\n");
  EXPECT_EQ(chooseFill(grid, fake), FillMode::kLeaveEmpty);
  EXPECT_EQ(fake.output(), menuText(6) + "> > > > ");
  EXPECT_EQ(grid.emptyCellCount(), 6);
  EXPECT_TRUE(grid.hiddenPhrase.empty());

  Grid random = sixEmptyCells();
  FakeConsole one("x\n1\n");
  EXPECT_EQ(chooseFill(random, one), FillMode::kRandomLetters);
  EXPECT_EQ(random.emptyCellCount(), 0);
  EXPECT_EQ(one.output(), menuText(6) + "> ");
}

TEST(FillTest, MenuAtEndOfInputFillsNothing) {
  for (const char* input : {"", "\n", "4\n", "x"}) {
    Grid grid = sixEmptyCells();
    const Grid before = grid;
    FakeConsole fake(input);
    EXPECT_EQ(chooseFill(grid, fake), FillMode::kNone) << input;
    EXPECT_EQ(grid.rows, before.rows);
    EXPECT_TRUE(grid.hiddenPhrase.empty());
  }
}

TEST(FillTest, PhraseDialogueAtEndOfInputUsesLastLine) {
  // Input ends after a phrase that is too short: its letters go in first.
  Grid grid = sixEmptyCells();
  const std::string tail = expectedRandomLetters(9, 3);
  std::srand(9);
  FakeConsole fake("2\nab c\n");
  EXPECT_EQ(chooseFill(grid, fake), FillMode::kHiddenPhrase);
  EXPECT_EQ(grid.rows[0].substr(0, 1) + grid.rows[0].substr(2) + grid.rows[1].substr(0, 2) +
                grid.rows[1].substr(3),
            "ABC" + tail);
  EXPECT_EQ(grid.hiddenPhrase, "ab c");

  // Input ends before any phrase: the empty phrase, every cell random.
  Grid none = sixEmptyCells();
  FakeConsole ended("2\n");
  EXPECT_EQ(chooseFill(none, ended), FillMode::kHiddenPhrase);
  EXPECT_EQ(none.emptyCellCount(), 0);
  EXPECT_TRUE(none.hiddenPhrase.empty());
  EXPECT_EQ(ended.output(), menuText(6) + phraseQuestion(6));
}

TEST(FillTest, NoEmptyCellsAcceptsOnlyBlankPhrases) {
  Grid full = create(1, 2);
  full.rows[0] = "AB";
  FakeConsole fake("2\nx\n   \n");
  EXPECT_EQ(chooseFill(full, fake), FillMode::kHiddenPhrase);
  EXPECT_EQ(fake.output(), menuText(0) + phraseQuestion(0) +
                               "VIRHE: Sanassa / lauseessa pit\204\204 olla yhteens\204 0 kirjainta.\n"
                               "Antamassasi sanassa / lauseessa oli 1 kirjainta.\n"
                               "> ");
  EXPECT_EQ(full.rows[0], "AB");
  EXPECT_EQ(full.hiddenPhrase, "   ");  // a phrase of spaces is still a phrase

  Grid empty = create(1, 2);
  empty.rows[0] = "AB";
  FakeConsole blank("2\n\n");
  EXPECT_EQ(chooseFill(empty, blank), FillMode::kHiddenPhrase);
  EXPECT_TRUE(empty.hiddenPhrase.empty());
}

}  // namespace
}  // namespace haravoija
