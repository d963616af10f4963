// Tests of the import command as the user sees it: the order of its checks,
// each message, and the words and summary lines of an import.
#include "app/word_import.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace haravoija {
namespace {

const char* const kReading = "Odota, luetaan tiedostoa... \n";
const char* const kBadName =
    "VIRHE: Anna kunnollinen tiedostonimi.\nTiedostonimen p\204\204te tulee olla .txt tai .html.\n";

TEST(ImportCommandMessagesTest, ChecksInOrderThenTheImport) {
  struct Case {
    std::string line;
    std::string output;
    std::vector<std::string> words;
  };
  const std::vector<Case> cases = {
      {"+sanat.TXT", kBadName, {}},
      {"+abc", kBadName, {}},
      // The file is opened before the parameters are looked at.
      {"+puuttuu.txt a b c", "VIRHE: Tiedostosta ei voitu lukea.\n", {}},
      {"+ sanat.txt", "VIRHE: Tiedostosta ei voitu lukea.\n", {}},
      {"+kansio.txt", "VIRHE: Tiedostosta ei voitu lukea.\n", {}},
      {"+sanat.txt a 5 x", "VIRHE: Liikaa parametrej\204.\n", {}},
      {"+sanat.txt 1234567", "VIRHE: Parametri ei kelpaa.\n", {}},
      {"+sanat.txt 5 5", "VIRHE: Parametri ei kelpaa.\n", {}},
      // Letters are refused only once the file has been read.
      {"+sanat.txt ab", std::string(kReading) + "VIRHE: Parametri ei kelpaa.\n", {}},
      {"+sanat.txt k",
       std::string(kReading) +
           "Sana kissa lis\204tty.\nSana Kala lis\204tty.\nYhteens\204 2 sanaa lis\204ttiin.\n",
       {"kissa", "Kala"}},
      {"+sanat.txt x", std::string(kReading) + "Yhteens\204 0 sanaa lis\204ttiin.\n", {}},
      // The name is looked up with the Finnish letters in ISO 8859-1.
      {"+el\204imet.txt",
       std::string(kReading) + "Sana hevonen lis\204tty.\nYhteens\204 1 sanaa lis\204ttiin.\n",
       {"hevonen"}},
      // A page's words come from its word list only.
      {"+vanha.html",
       std::string(kReading) + "Sana Lintu lis\204tty.\nYhteens\204 1 sanaa lis\204ttiin.\n",
       {"Lintu"}},
      {"+vanha.txt.html",
       std::string(kReading) + "Sana lintu lis\204tty.\nSana sanat lis\204tty.\n"
                               "Yhteens\204 2 sanaa lis\204ttiin.\n",
       {"lintu", "sanat"}},
  };
  for (const Case& c : cases) {
    testing::FakeEnvironment fake;
    fake.files.files = {{"sanat.txt", "kissa koira Kala auto\n"},
                        {"el\344imet.txt", "hevonen\n"},
                        {"vanha.html", "lintu <!--Sanat-->\n<br>Lintu\n<!--Loppu-->\n"},
                        {"vanha.txt.html", "lintu <!--Sanat-->\n<p>x\nsanat\n"},
                        {"kansio.txt", ""}};
    fake.files.unopenable = {"kansio.txt"};
    WordList list;
    list.add("koira");
    runImportCommand(c.line, list, fake.env);
    EXPECT_EQ(fake.output(), c.output) << c.line;
    std::vector<std::string> all = {"koira"};
    all.insert(all.end(), c.words.begin(), c.words.end());
    EXPECT_EQ(list.words(), all) << c.line;
  }
}

TEST(ImportCommandMessagesTest, TheCapIsNoted) {
  testing::FakeEnvironment fake;
  fake.files.files = {{"sanat.txt", "uusi toinen kolmas\n"}};
  WordList list;
  for (int i = 0; i < 9999; ++i) {
    list.add(std::string("s") + static_cast<char>('a' + i / 676) +
             static_cast<char>('a' + i / 26 % 26) + static_cast<char>('a' + i % 26));
  }
  runImportCommand("+sanat.txt", list, fake.env);
  EXPECT_EQ(fake.output(), std::string(kReading) +
                               "Sana uusi lis\204tty.\nYhteens\204 1 sanaa lis\204ttiin.\n"
                               "Huom: Sanojen maksimim\204\204r\204 (10000) saavutettiin.\n");
}

TEST(ImportCommandMessagesTest, RandomPickDrawsFromTheEnvironment) {
  testing::FakeEnvironment fake;
  fake.files.files = {{"sanat.txt", "kissa koira Kala auto\n"}};
  fake.random = testing::ScriptedRandom({32767});
  WordList list;
  runImportCommand("+sanat.txt 1", list, fake.env);
  EXPECT_EQ(list.words(), std::vector<std::string>{"auto"});
  EXPECT_EQ(fake.random.draws(), 1);
}

}  // namespace
}  // namespace haravoija
