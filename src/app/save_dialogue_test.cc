// Tests for the save prompt.
#include "app/save_dialogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "test_util.h"

namespace haravoija {
namespace {

using namespace std::string_literals;

// Runs the test body inside a fresh folder, since the document is written
// to the current directory.
class SaveDialogueTest : public ::testing::Test {
 protected:
  SaveDialogueTest() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir_.path());
  }
  ~SaveDialogueTest() override { std::filesystem::current_path(previous_); }

  std::vector<std::string> files() const { return testing::filesIn(dir_.path()); }

  testing::TempDir dir_;
  std::filesystem::path previous_;
  Grid grid_ = create(2, 2);
};

const std::string kQuestion =
    "\n"
    "Anna tiedostonimi, johon tallennetaan. Huom: \216l\204 anna p\204\204tett\204.\n"
    "Tiedostonimeen lis\204t\204\204n automaattisesti p\204\204te .html.\n"
    "Jos painat vain enteri\204, k\204ytet\204\204n tiedostonimen\204 ristikon otsikkoa.\n"
    "> ";
const std::string kRefused =
    "Antamassasi tiedostonimess\204 on kiellettyj\204 merkkej\204. Anna uusi nimi. \n"
    "Muista antaa tiedostonimi ilman p\204\204tett\204.\n";

TEST(AcceptFileNameAnswer, AppliesTheNameTestAndRefusesFullStopsAndNul) {
  std::string empty;
  EXPECT_TRUE(acceptFileNameAnswer(empty));
  EXPECT_EQ(empty, "");
  std::string name = "\204t\204n ristikko";
  EXPECT_TRUE(acceptFileNameAnswer(name));
  EXPECT_EQ(name, "\216t\204n ristikko");
  for (std::string refused : {std::string("a/b"), std::string("ristikko.html"), std::string("."),
                              std::string("x:y"), "a\0b"s}) {
    EXPECT_FALSE(acceptFileNameAnswer(refused)) << refused;
  }
}

TEST_F(SaveDialogueTest, EmptyAnswerSavesUnderTheTitle) {
  grid_.rows = {"KI", "SA"};
  testing::FakeConsole fake("\n");
  EXPECT_EQ(runSaveDialogue(grid_, "El\204imet", fake), SaveOutcome::kHandedOver);
  EXPECT_EQ(fake.output(), kQuestion + "Ruudukko tallennettu tiedostoon el\204imet.html.\n\n");
  EXPECT_EQ(files(), std::vector<std::string>{"El\344imet.html"});
}

TEST_F(SaveDialogueTest, TitleIsNotTestedAgain) {
  // A full stop is refused in a typed name but not in the title.
  testing::FakeConsole fake("\n");
  EXPECT_EQ(runSaveDialogue(grid_, "Osa 2.0", fake), SaveOutcome::kHandedOver);
  EXPECT_EQ(files(), std::vector<std::string>{"Osa 2.0.html"});
}

TEST_F(SaveDialogueTest, RefusedNamesAskAgainThenTheNameIsCapitalised) {
  grid_.rows = {"KI", "SA"};
  testing::FakeConsole fake("a/b\nristikko.html\nris\0ti\nristikko\n"s);
  EXPECT_EQ(runSaveDialogue(grid_, "Aihe", fake), SaveOutcome::kHandedOver);
  EXPECT_EQ(fake.output(), kQuestion + kRefused + "> " + kRefused + "> " + kRefused + "> " +
                               "Ruudukko tallennettu tiedostoon ristikko.html.\n\n");
  EXPECT_EQ(files(), std::vector<std::string>{"Ristikko.html"});
}

TEST_F(SaveDialogueTest, EndOfInputWritesNothing) {
  testing::FakeConsole fake("a.b\n");
  EXPECT_EQ(runSaveDialogue(grid_, "Aihe", fake), SaveOutcome::kInputEnded);
  EXPECT_EQ(fake.output(), kQuestion + kRefused + "> ");
  EXPECT_TRUE(files().empty());
}

}  // namespace
}  // namespace haravoija
