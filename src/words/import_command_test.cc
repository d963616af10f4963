// Tests for word entry's "+" command: file-name checks, opening, parameter
// forms and the choice between plain files and puzzle documents.
#include "words/import_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "test_util.h"
#include "words/word_entry.h"

namespace haravoija {
namespace {

using testing::FakeConsole;
using testing::TempDir;
using Words = std::vector<std::string>;

const std::string kBadName =
    "VIRHE: Anna kunnollinen tiedostonimi.\nTiedostonimen p\204\204te tulee olla .txt tai .html.\n";
const std::string kUnreadable = "VIRHE: Tiedostosta ei voitu lukea.\n";
const std::string kBadParameter = "VIRHE: Parametri ei kelpaa.\n";
const std::string kReading = "Odota, luetaan tiedostoa... \n";

class ImportCommandTest : public ::testing::Test {
 protected:
  ImportCommandTest() {
    words_ = dir_.write("sanat.txt", "kissa Apina\nkoira auto\r\nankka\n").string();
  }

  std::string command(const std::string& line) {
    FakeConsole console;
    runImportCommand(line, list_, console);
    return console.output();
  }

  TempDir dir_;
  std::string words_;
  WordList list_;
};

TEST_F(ImportCommandTest, FileNameChecksComeFirst) {
  for (const char* line : {"+sanat.TXT", "+abc", "+a.tx", "+.tx", "+a.htm"}) {
    EXPECT_EQ(command(line), kBadName) << line;
  }
  // Names that pass the check but do not open.
  std::filesystem::create_directory(dir_.path() / "kansio.txt");
  const std::string missing = (dir_.path() / "puuttuu.txt").string();
  const std::string folder = (dir_.path() / "kansio.txt").string();
  for (const std::string& line :
       {std::string("+").append(missing), std::string("+").append(folder),
        std::string("+ ").append(words_), std::string("+").append(words_).append("x"),
        std::string("+").append(missing).append(" a 5 x")}) {
    EXPECT_EQ(command(line), kUnreadable) << line;
  }
  EXPECT_TRUE(list_.empty());
}

TEST_F(ImportCommandTest, ParameterForms) {
  const std::string line = "+" + words_;
  for (const char* parameters : {" 1234567", " a5", " 5 5", " a b", " 5-", " \204\344"}) {
    EXPECT_EQ(command(line + parameters), kBadParameter) << parameters;
  }
  EXPECT_EQ(command(line + " a 5 x"), "VIRHE: Liikaa parametrej\204.\n");
  EXPECT_EQ(command(line + " ab"), kReading + kBadParameter);
  EXPECT_EQ(command(line + "\tabcdef"), kReading + kBadParameter);
  EXPECT_TRUE(list_.empty());

  EXPECT_EQ(command(line + " A"),
            kReading +
                "Sana Apina lis\204tty.\nSana auto lis\204tty.\n"
                "Sana ankka lis\204tty.\nYhteens\204 3 sanaa lis\204ttiin.\n");
  list_.clear();
  // The letter and the count in either order; a count of any length.
  (void)command(line + " 2 a");
  EXPECT_EQ(list_.size(), 2u);
  list_.clear();
  (void)command(line + " 99999999999999999999999999999999 apina");
  EXPECT_EQ(list_.size(), 3u);
  EXPECT_TRUE(std::all_of(list_.words().begin(), list_.words().end(),
                          [](const std::string& w) { return w[0] == 'a' || w[0] == 'A'; }));
  list_.clear();
  (void)command(line + " 123456");
  EXPECT_EQ(list_.size(), 5u);
  list_.clear();
  // Blanks at the end add no parameter.
  (void)command(line + " \t ");
  EXPECT_EQ(list_.words(), (Words{"kissa", "Apina", "koira", "auto", "ankka"}));
}

TEST_F(ImportCommandTest, PlainOrDocumentByTheLine) {
  const std::string document =
      "<h1>\r\nKissat\r\n</h1>\r\n<!--Sanat-->\r\n<p>\r\n<br>Koira\r\n<br>\344iti\r\n</p>\r\n"
      "<!--Loppu-->\r\n";
  const std::string html = dir_.write("vanha.html", document).string();
  const std::string both = dir_.write("vanha.txt.html", document).string();
  (void)command("+" + html);
  EXPECT_EQ(list_.words(), (Words{"Koira", "\204iti"}));
  list_.clear();
  // With ".txt" anywhere on the line the file is a plain word file.
  (void)command("+" + both);
  EXPECT_EQ(list_.words(), (Words{"Kissat", "Koira", "\204iti"}));
}

TEST_F(ImportCommandTest, FinnishFileNameIsLookedUpInIso88591) {
  (void)dir_.write("\344iti.txt", "\344iti\n");
  (void)command(std::string("+").append((dir_.path() / "\204iti.txt").string()));
  EXPECT_EQ(list_.words(), Words{"\204iti"});
}

TEST_F(ImportCommandTest, ThroughWordEntry) {
  FakeConsole console("+" + words_ + " k\n+abc\nL\n");
  std::string title = "Otsikko";
  EXPECT_EQ(runWordEntry(list_, title, console), WordEntryOutcome::kFinished);
  const std::string out = console.output();
  const std::string tail = "> " + kReading +
                           "Sana kissa lis\204tty.\nSana koira lis\204tty.\n"
                           "Yhteens\204 2 sanaa lis\204ttiin.\n> " +
                           kBadName + "> ";
  ASSERT_GE(out.size(), tail.size());
  EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
}

}  // namespace
}  // namespace haravoija
