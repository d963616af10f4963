// Tests of the import command as the user sees it: the order of its checks,
// each message, and the words and summary lines of an import.
#include "app/word_import.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace haravoija {
namespace {

const std::string kReading = "Odota, luetaan tiedostoa... \n";
const std::string kBadName =
    "VIRHE: Anna kunnollinen tiedostonimi.\nTiedostonimen p\204\204te tulee olla .txt tai .html.\n";
const std::string kUnreadable = "VIRHE: Tiedostosta ei voitu lukea.\n";

// With no error given, the output is that of the import of `words`. Every
// draw is the highest.
TEST(ImportCommandMessagesTest, ChecksInOrderThenTheImport) {
  const struct {
    std::string line, error;
    std::vector<std::string> words;
  } cases[] = {
      {"+sanat.TXT", kBadName, {}},
      {"+abc", kBadName, {}},
      {"+vanha.htm", kBadName, {}},
      // The file is opened before the parameters are looked at.
      {"+puuttuu.txt a b c", kUnreadable, {}},
      {"+ sanat.txt", kUnreadable, {}},
      {"+kansio.txt", kUnreadable, {}},
      {"+sanat.txt a 5 x", "VIRHE: Liikaa parametrej\204.\n", {}},
      {"+sanat.txt 1234567", "VIRHE: Parametri ei kelpaa.\n", {}},
      {"+sanat.txt 5 5", "VIRHE: Parametri ei kelpaa.\n", {}},
      // Letters are refused only once the file has been read.
      {"+sanat.txt ab", kReading + "VIRHE: Parametri ei kelpaa.\n", {}},
      {"+sanat.txt k", "", {"kissa", "Kala"}},
      {"+sanat.txt x", "", {}},
      // One of kissa, Kala and auto: the top draw swaps the first with the last.
      {"+sanat.txt 1", "", {"auto"}},
      // The name is looked up with the Finnish letters in ISO 8859-1.
      {"+el\204imet.txt", "", {"hevonen"}},
      // A page's words come from its word list only.
      {"+vanha.html", "", {"Lintu"}},
      {"+vanha.txt.html", "", {"lintu", "sanat"}},
  };
  for (const auto& c : cases) {
    testing::FakeEnvironment fake;
    fake.files.files = {{"sanat.txt", "kissa koira Kala auto\n"},
                        {"el\344imet.txt", "hevonen\n"},
                        {"vanha.html", "lintu <!--Sanat-->\n<br>Lintu\n<!--Loppu-->\n"},
                        {"vanha.txt.html", "lintu <!--Sanat-->\n<p>x\nsanat\n"},
                        {"kansio.txt", ""}};
    fake.files.unopenable = {"kansio.txt"};
    fake.random = testing::ScriptedRandom({32767});
    WordList list;
    list.add("koira");
    runImportCommand(c.line, list, fake.env);
    std::string expected = c.error;
    if (expected.empty()) {
      expected = kReading;
      for (const std::string& word : c.words) expected += "Sana " + word + " lis\204tty.\n";
      expected += "Yhteens\204 " + std::to_string(c.words.size()) + " sanaa lis\204ttiin.\n";
    }
    EXPECT_EQ(fake.output(), expected) << c.line;
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
    list.add(std::string{'s', char('a' + i / 676), char('a' + i / 26 % 26), char('a' + i % 26)});
  }
  runImportCommand("+sanat.txt", list, fake.env);
  EXPECT_EQ(fake.output(), kReading +
                               "Sana uusi lis\204tty.\nYhteens\204 1 sanaa lis\204ttiin.\n"
                               "Huom: Sanojen maksimim\204\204r\204 (10000) saavutettiin.\n");
}

}  // namespace
}  // namespace haravoija
