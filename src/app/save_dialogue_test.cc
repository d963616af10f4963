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

std::string saved(const std::string& name) {
  return "Ruudukko tallennettu tiedostoon " + name + ".html.\n\n";
}

TEST(SaveDialogueTest, NamesRefusalsAndOutcomes) {
  const struct {
    std::string input, title;
    std::string output;    // after the question
    std::string diskName;  // "" for none
    SaveOutcome outcome = SaveOutcome::kHandedOver;
    bool diskFull = false;
  } cases[] = {
      // An empty answer saves under the title; the message shows small letters.
      {"\n", "El\204imet", saved("el\204imet"), "El\344imet.html"},
      // The title is not tested again: its full stop stays.
      {"\n", "Osa 2.0", saved("osa 2.0"), "Osa 2.0.html"},
      {"a/b\nristikko.html\nris\0ti\n.\n\"x\nristikko\n"s, "Aihe",
       kRefused + kRefused + kRefused + kRefused + kRefused + saved("ristikko"), "Ristikko.html"},
      {"\204t\204n ristikko\n", "Aihe", saved("\204t\204n ristikko"), "\304t\344n ristikko.html"},
      {"a.b\n", "Aihe", kRefused, "", SaveOutcome::kInputEnded},
      {"nimi\n", "Aihe", "Tulosten talletus tiedostoon ei onnistunut!\n\n", "",
       SaveOutcome::kHandedOver, true},
  };
  for (const auto& c : cases) {
    testing::FakeEnvironment fake(c.input);
    if (c.diskFull) fake.files.saveFailsAfter = 0;
    EXPECT_EQ(runSaveDialogue(create(2, 2), c.title, fake.env), c.outcome) << c.input;
    EXPECT_EQ(fake.output(), kQuestion + c.output) << c.input;
    std::string names;
    for (const auto& [name, content] : fake.files.files) names += name;
    EXPECT_EQ(names, c.diskName) << c.input;
  }
  // At a UTF-8 terminal the name on disk is in UTF-8 too.
  testing::FakeEnvironment utf8("\303\244t\303\244\n", Charset::kUtf8);
  EXPECT_EQ(runSaveDialogue(create(2, 2), "Aihe", utf8.env), SaveOutcome::kHandedOver);
  EXPECT_TRUE(utf8.files.files.contains("\303\204t\303\244.html"));
}

}  // namespace
}  // namespace haravoija
