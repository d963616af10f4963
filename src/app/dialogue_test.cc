// Tests for the interactive dialogue, run on string streams.
#include "app/dialogue.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/dialogue_texts.h"
#include "test_util.h"

namespace haravoija {
namespace {

// Runs the dialogue in a fresh folder, so that a stray save cannot litter
// the source tree, and fails the test if it wrote any file.
std::string runOn(const std::string& input) {
  testing::TempDir dir;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  testing::FakeConsole fake(input);
  runDialogue(fake);
  std::filesystem::current_path(previous);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << input;
  return fake.output();
}

const std::string kGoodbye = std::string(kGoodbyeLine) + "\n";
const std::string kDifficultyMenu = "Valitse ristikon vaikeustaso:\n";
const std::string kGenerating = "Odota. Luodaan sanaristikko annetuista sanoista...\n";
const std::string kEndMenu = "   5. Lopeta ohjelma\n";
const std::string kFillMenu = "   3. J\204t\204 kohdat tyhjiksi.\n";
// Title, two words and the finish command.
const std::string kWords = "Aihe\nkissa\nkoira\nL\n";

// Refusals before the end of input are covered by the prompts' own tests.
TEST(Dialogue, EndOfInputAtAnyPromptEndsWithTheGoodbyeLine) {
  const std::string cases[] = {
      "",                             // title
      "a/b\n",                        // title after a refusal
      "Aihe\n",                       // word entry, no words yet
      "Aihe\nkissa\n",                // word entry with a word
      kWords,                         // difficulty
      kWords + "1\n",                 // size
      kWords + "1\n2\n",              // rows
      kWords + "1\n2\n5\n",           // columns
      kWords + "1\n2\n1\n1\n",        // fit warning pause
      kWords + "1\n1\n",              // fill menu
      kWords + "1\n1\n2\n",           // hidden phrase
      kWords + "1\n1\n1\n",           // end menu
      kWords + "1\n1\n1\n1\n",        // save prompt
      kWords + "1\n1\n1\n2\n",        // difficulty after choice 2
      kWords + "1\n1\n1\n3\n",        // fill menu after choice 3
      kWords + "1\n1\n1\n4\n",        // title after choice 4
      kWords + "1\n1\n1\n4\nUusi\n",  // word entry after choice 4
  };
  for (const std::string& input : cases) {
    const std::string out = runOn(input);
    ASSERT_GE(out.size(), kGoodbye.size()) << input;
    EXPECT_EQ(out.substr(out.size() - kGoodbye.size()), kGoodbye) << input;
    EXPECT_EQ(testing::occurrences(out, kGoodbye), 1U) << input;
  }
}

TEST(Dialogue, NoGenerationWithoutWords) {
  const std::string out = runOn("Aihe\n");
  EXPECT_EQ(testing::occurrences(out, kGenerating), 0U);
  EXPECT_EQ(testing::occurrences(out, kDifficultyMenu), 0U);
}

TEST(Dialogue, WelcomeAndTitlePrompt) {
  const std::string refused = std::string(kTitleRefused) + "\n> ";
  const std::string out = runOn("\na/b\n\204-sanat\n");
  const std::string expected =
      "\n                       Haravoija v. 1.2 \n\n"
      " Tervetuloa sanaristikkojen laadintaohjelmaan. Ohjelma laatii\n"
      " sanaristikkoja antamistasi sanoista. Lopuksi ohjelma tallentaa\n"
      " valmiin ristikon ja sanat html-dokumentiksi, jonka voi sitten\n"
      " esimerkiksi tulostaa. \n" +
      std::string(79, '-') + "\n\nAnna ristikon aihe. \n> " + refused + refused + "\n";
  EXPECT_EQ(out.substr(0, expected.size()), expected);
}

TEST(Dialogue, QuitCommandOfWordEntryEndsAtOnce) {
  const std::string out = runOn("Aihe\nkissa\n/poistu\n1\n1\n");
  EXPECT_EQ(out.substr(out.size() - kGoodbye.size()), kGoodbye);
  EXPECT_EQ(testing::occurrences(out, kGoodbye), 1U);
  EXPECT_EQ(testing::occurrences(out, kDifficultyMenu), 0U);
}

TEST(Dialogue, ChoiceTwoAsksTheSettingsAgainButNotTheTitleOrWords) {
  const std::string out = runOn(kWords + "1\n1\n1\n2\n2\n2\n5\n6\n1\n5\n");
  EXPECT_EQ(testing::occurrences(out, "Anna ristikon aihe. \n"), 1U);
  EXPECT_EQ(testing::occurrences(out, kDifficultyMenu), 2U);
  EXPECT_EQ(testing::occurrences(out, "    2. Haluan m\204\204ritell\204 itse ristikon koon\n"), 2U);
  EXPECT_EQ(testing::occurrences(out, kGenerating), 2U);
  EXPECT_EQ(testing::occurrences(out, "(ristikon koko: 5x6, ristikossa 2 sanaa)"), 1U);
  EXPECT_EQ(testing::occurrences(out, kFillMenu), 2U);
  EXPECT_EQ(testing::occurrences(out, kEndMenu), 2U);
}

TEST(Dialogue, ChoiceThreeKeepsTheSettingsAndAsksTheFillModeAgain) {
  const std::string out = runOn(kWords + "2\n2\n10\n12\n3\n3\n3\n5\n");
  EXPECT_EQ(testing::occurrences(out, kDifficultyMenu), 1U);
  EXPECT_EQ(testing::occurrences(out, "(ristikon koko: 10x12, ristikossa 2 sanaa)"), 2U);
  EXPECT_EQ(testing::occurrences(out, kFillMenu), 2U);
  EXPECT_EQ(testing::occurrences(out, "VAROITUS"), 0U);
  EXPECT_EQ(testing::occurrences(out, kEndMenu), 2U);
}

TEST(Dialogue, ChoiceFourStartsOverWithAnEmptyList) {
  const std::string out = runOn(kWords + "1\n1\n1\n4\nUusi\nhevonen\nL\n1\n1\n1\n5\n");
  EXPECT_EQ(testing::occurrences(out, "Tervetuloa sanaristikkojen laadintaohjelmaan."), 2U);
  EXPECT_EQ(testing::occurrences(out, "Anna ristikon aihe. \n"), 2U);
  EXPECT_EQ(testing::occurrences(out, "ristikossa 2 sanaa)"), 1U);
  EXPECT_EQ(testing::occurrences(out, "ristikossa 1 sanaa)"), 1U);
}

TEST(Dialogue, FitWarningListsTheLeftOutWordsAndWaits) {
  const std::string out =
      runOn("Aihe\nkoira\nhevonen\nkissat\nL\n1\n2\n2\n2\nmit\204 vain\n3\n5\n");
  const std::string warning =
      "\nVAROITUS: Seuraavat sanat eiv\204t mahtuneet ristikkoon: \n"
      " hevonen\n kissat\n koira\n\n(paina enter jatkaaksesi)\n\n";
  const std::size_t at = out.find(kGenerating + warning);
  ASSERT_NE(at, std::string::npos) << out;
  // The pause took the line, so the fill menu's answer is the next one.
  EXPECT_LT(at, out.find(kFillMenu));
  EXPECT_EQ(testing::occurrences(out, "(ristikon koko: 2x2, ristikossa 0 sanaa)"), 1U);
}

}  // namespace
}  // namespace haravoija
