// Tests of the save prompt: the name test, the refusals, the name the
// document is saved under and the message for each outcome.
#include "app/save_dialogue.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace haravoija {
namespace {

using namespace std::string_literals;

const std::string kQuestion =
    "\n"
    "Anna tiedostonimi, johon tallennetaan. Huom: \216l\204 anna p\204\204tett\204.\n"
    "Tiedostonimeen lis\204t\204\204n automaattisesti p\204\204te .html.\n"
    "Jos painat vain enteri\204, k\204ytet\204\204n tiedostonimen\204 ristikon otsikkoa.\n"
    "> ";
const std::string kRefused =
    "Antamassasi tiedostonimess\204 on kiellettyj\204 merkkej\204. Anna uusi nimi. \n"
    "Muista antaa tiedostonimi ilman p\204\204tett\204.\n> ";

TEST(SaveDialogueTest, NamesRefusalsAndOutcomes) {
  struct Case {
    std::string input;
    std::string title;
    std::string output;  // after the question
    std::vector<std::string> saved;
    SaveOutcome outcome = SaveOutcome::kHandedOver;
    bool diskFull = false;
  };
  const std::vector<Case> cases = {
      // An empty answer saves under the title; the message shows small letters.
      {"\n",
       "El\204imet",
       "Ruudukko tallennettu tiedostoon el\204imet.html.\n\n",
       {"El\344imet.html"}},
      // The title is not tested again: its full stop stays.
      {"\n", "Osa 2.0", "Ruudukko tallennettu tiedostoon osa 2.0.html.\n\n", {"Osa 2.0.html"}},
      {"a/b\nristikko.html\nris\0ti\n.\n\"x\nristikko\n"s,
       "Aihe",
       kRefused + kRefused + kRefused + kRefused + kRefused +
           "Ruudukko tallennettu tiedostoon ristikko.html.\n\n",
       {"Ristikko.html"}},
      {"\204t\204n ristikko\n",
       "Aihe",
       "Ruudukko tallennettu tiedostoon \204t\204n ristikko.html.\n\n",
       {"\304t\344n ristikko.html"}},
      {"a.b\n", "Aihe", kRefused, {}, SaveOutcome::kInputEnded},
      {"nimi\n",
       "Aihe",
       "Tulosten talletus tiedostoon ei onnistunut!\n\n",
       {},
       SaveOutcome::kHandedOver,
       true},
  };
  for (const Case& c : cases) {
    testing::FakeEnvironment fake(c.input);
    if (c.diskFull) fake.files.saveFailsAfter = 0;
    Grid grid = create(2, 2);
    EXPECT_EQ(runSaveDialogue(grid, c.title, fake.env), c.outcome) << c.input;
    EXPECT_EQ(fake.output(), kQuestion + c.output) << c.input;
    std::vector<std::string> saved;
    for (const auto& [name, content] : fake.files.files) saved.push_back(name);
    EXPECT_EQ(saved, c.saved) << c.input;
  }
}

}  // namespace
}  // namespace haravoija
