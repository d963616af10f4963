// Tests of the fill-mode menu and the phrase question, as transcripts.
#include "app/fill_menu.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace haravoija {
namespace {

std::string menu(int empty) {
  return "\nRuudukkoon j\204i " + std::to_string(empty) +
         " tyhj\204\204 kohtaa. \n"
         "Valitse seuraavista:\n"
         "   1. Anna koneen t\204ytt\204\204 ristikon tyhj\204t kohdat\n"
         "      satunnaisilla kirjaimilla. (suositus)\n"
         "   2. Haluan ett\204 j\204ljelle j\204\204vist\204 kirjaimista muodostuu jokin sana.\n"
         "   3. J\204t\204 kohdat tyhjiksi.\n"
         "> ";
}

const std::string kPhraseQuestion =
    "Anna sana / lause, joka muodostuu j\204ljellej\204\204vist\204 kirjaimista. \n"
    "Sanassa / lauseessa pit\204\204 olla yhteens\204 6 kirjainta.\n> ";

TEST(FillMenuTest, AnswersAndThePhraseQuestion) {
  struct Case {
    std::string input;
    FillMode mode;
    std::string output;  // after the menu
    std::vector<std::string> rows;
    std::string phrase;
  };
  const std::vector<Case> cases = {
      {"1\n", FillMode::kRandomLetters, "", {"KAA", "AAX", "AAK"}, ""},
      {" 1\n4\n\n3\n", FillMode::kLeaveEmpty, "> > > ", {"K  ", "  X", "  K"}, ""},
      {"", FillMode::kNone, "", {"K  ", "  X", "  K"}, ""},
      {"x\n", FillMode::kNone, "> ", {"K  ", "  X", "  K"}, ""},
      {"2\nka la\nkala ja\n",
       FillMode::kHiddenPhrase,
       kPhraseQuestion + "VIRHE: Sanassa / lauseessa pit\204\204 olla yhteens\204 6 kirjainta.\n"
                         "Antamassasi sanassa / lauseessa oli 4 kirjainta.\n> ",
       {"KKA", "LAX", "JAK"},
       "kala ja"},
      // Input ends at the question: the last line read fills what it can.
      {"2\nab\n",
       FillMode::kHiddenPhrase,
       kPhraseQuestion + "VIRHE: Sanassa / lauseessa pit\204\204 olla yhteens\204 6 kirjainta.\n"
                         "Antamassasi sanassa / lauseessa oli 2 kirjainta.\n> ",
       {"KAB", "AAX", "AAK"},
       "ab"},
      {"2\n", FillMode::kHiddenPhrase, kPhraseQuestion, {"KAA", "AAX", "AAK"}, ""},
  };
  for (const Case& c : cases) {
    testing::FakeEnvironment fake(c.input);
    fake.random = testing::ScriptedRandom({0});
    Grid grid = create(3, 3);
    grid.rows = {"K  ", "  X", "  K"};
    EXPECT_EQ(chooseFill(grid, fake.env), c.mode) << c.input;
    EXPECT_EQ(fake.output(), menu(6) + c.output) << c.input;
    EXPECT_EQ(grid.rows, c.rows) << c.input;
    EXPECT_EQ(grid.hiddenPhrase, c.phrase) << c.input;
  }
}

}  // namespace
}  // namespace haravoija
