// Tests of the fill-mode menu and the phrase question, as transcripts.
#include "app/fill_menu.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace haravoija {
namespace {

const std::string kMenu =
    "\nRuudukkoon j\204i 6 tyhj\204\204 kohtaa. \n"
    "Valitse seuraavista:\n"
    "   1. Anna koneen t\204ytt\204\204 ristikon tyhj\204t kohdat\n"
    "      satunnaisilla kirjaimilla. (suositus)\n"
    "   2. Haluan ett\204 j\204ljelle j\204\204vist\204 kirjaimista muodostuu jokin sana.\n"
    "   3. J\204t\204 kohdat tyhjiksi.\n"
    "> ";

const std::string kPhraseQuestion =
    "Anna sana / lause, joka muodostuu j\204ljellej\204\204vist\204 kirjaimista. \n"
    "Sanassa / lauseessa pit\204\204 olla yhteens\204 6 kirjainta.\n> ";

std::string refused(int letters) {
  return kPhraseQuestion +
         "VIRHE: Sanassa / lauseessa pit\204\204 olla yhteens\204 6 kirjainta.\n" +
         "Antamassasi sanassa / lauseessa oli " + std::to_string(letters) + " kirjainta.\n> ";
}

// Every draw is 0, a letter A; the cells are compared row by row.
TEST(FillMenuTest, AnswersAndThePhraseQuestion) {
  using enum FillMode;
  const struct {
    std::string input;
    FillMode mode;
    std::string output;  // after the menu
    std::string cells, phrase;
  } cases[] = {
      {"1\n", kRandomLetters, "", "KAAAAXAAK", ""},
      {" 1\n4\n\n3\n", kLeaveEmpty, "> > > ", "K    X  K", ""},
      {"", kNone, "", "K    X  K", ""},
      {"x\n", kNone, "> ", "K    X  K", ""},
      {"2\nka la\nkala ja\n", kHiddenPhrase, refused(4), "KKALAXJAK", "kala ja"},
      // Input ends at the question: the last line read fills what it can.
      {"2\nab\n", kHiddenPhrase, refused(2), "KABAAXAAK", "ab"},
      {"2\n", kHiddenPhrase, kPhraseQuestion, "KAAAAXAAK", ""},
  };
  for (const auto& c : cases) {
    testing::FakeEnvironment fake(c.input);
    fake.random = testing::ScriptedRandom({0});
    Grid grid = create(3, 3);
    grid.rows = {"K  ", "  X", "  K"};
    EXPECT_EQ(chooseFill(grid, fake.env), c.mode) << c.input;
    EXPECT_EQ(fake.output(), kMenu + c.output) << c.input;
    EXPECT_EQ(grid.rows[0] + grid.rows[1] + grid.rows[2], c.cells) << c.input;
    EXPECT_EQ(grid.hiddenPhrase, c.phrase) << c.input;
  }
}

}  // namespace
}  // namespace haravoija
