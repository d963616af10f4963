// End-to-end: the interactive dialogue on the real binary with scripted input.
#include <gtest/gtest.h>

#include <filesystem>

#include "frozen_clock.h"
#include "test_util.h"

namespace haravoija::testing {
namespace {

using namespace std::string_literals;

const std::string kGoodbye = "Kiitos ohjelman k\204yt\224st\204!\n";
// Title, words, finish; then a normal puzzle at the smallest size with
// random letters.
const std::string kPuzzle = "Aihe\nkissa\nkoira\nhevonen\nL\n1\n1\n1\n";

TEST(E2eDialogue, EndOfInputAtEveryPromptSaysGoodbyeAndExitsWithZero) {
  // Two prompts through the binary; every prompt is covered in-process.
  const std::string cases[] = {
      "",                  // title
      kPuzzle + "1\n.\n",  // save prompt after a refusal
  };
  TempDir dir;
  for (const std::string& input : cases) {
    const RunResult run = runBinary({}, input, dir.path());
    EXPECT_EQ(run.exitStatus, 0) << input;
    EXPECT_TRUE(endsWith(run.out, "> " + kGoodbye)) << input;
    EXPECT_EQ(occurrences(run.out, kGoodbye), 1U) << input;
    EXPECT_EQ(run.err, "") << input;
  }
  EXPECT_TRUE(filesIn(dir.path()).empty());
}

TEST(E2eDialogue, SaveUnderTheTitleAndUnderAGivenName) {
  TempDir dir;
  // The title is capitalised; an empty answer names the file after it.
  const RunResult run =
      runBinary({}, "\204-sanat\nkissa\nkoira\nL\n1\n1\n1\n1\n\n1\nristikko\n5\n", dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_NE(run.out.find("> Ruudukko tallennettu tiedostoon \204-sanat.html.\n\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("> Ruudukko tallennettu tiedostoon ristikko.html.\n\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"Ristikko.html", "\304-sanat.html"}));
  // Both saves are the same puzzle under the same title.
  EXPECT_EQ(readFile(dir.path() / "Ristikko.html"), readFile(dir.path() / "\304-sanat.html"));
}

// A 1 x 1 puzzle holds no word of two letters or more, so this run does not
// depend on the random generator: the whole transcript is fixed. The welcome
// and the command help before it are checked byte for byte in-process.
TEST(E2eDialogue, WholeTranscriptOfAPuzzleThatHoldsNoWord) {
  TempDir dir;
  const RunResult run = runBinary({}, "kissat\nkissa\nL\n1\n2\n1\n1\n\n3\n5\n", dir.path());
  const std::string expected =
      "\n"
      "Anna ensimm\204inen sana / tiedosto.\n"
      "> Sana lis\204tty. Sanoja annettu yhteens\204 1. Anna seuraava sana.\n"
      "> \n"
      "Valitse ristikon vaikeustaso:\n"
      "    1. Normaali ristikko (sanat kaikkiin suuntiin)\n"
      "    2. Lasten ristikko (sanat vain oikealle ja alas)\n"
      "> Valitse seuraavista:\n"
      "    1. Annan koneen luoda sanoista mahdollisimman pienikokoisen ristikon\n"
      "    2. Haluan m\204\204ritell\204 itse ristikon koon\n"
      "> Anna sanaristikon vaakarivien lukum\204\204r\204. \n"
      "> Anna pystyrivien lukum\204\204r\204. \n"
      "> \n"
      "Odota. Luodaan sanaristikko annetuista sanoista...\n"
      "\n"
      "VAROITUS: Seuraavat sanat eiv\204t mahtuneet ristikkoon: \n"
      " kissa\n"
      "\n"
      "(paina enter jatkaaksesi)\n"
      "\n"
      "\n"
      "Ruudukkoon j\204i 1 tyhj\204\204 kohtaa. \n"
      "Valitse seuraavista:\n"
      "   1. Anna koneen t\204ytt\204\204 ristikon tyhj\204t kohdat\n"
      "      satunnaisilla kirjaimilla. (suositus)\n"
      "   2. Haluan ett\204 j\204ljelle j\204\204vist\204 kirjaimista muodostuu jokin sana.\n"
      "   3. J\204t\204 kohdat tyhjiksi.\n"
      "> -\n"
      "  \n"
      "-\n"
      "\n"
      "(ristikon koko: 1x1, ristikossa 0 sanaa)\n"
      "\n"
      "Valitse seuraavista:\n"
      "   1. Tallenna sanaristikko tiedostoon\n"
      "   2. Luo uusi ristikko samoilla sanoilla\n"
      "   3. Luo uusi ristikko samoilla sanoilla ja asetuksilla\n"
      "   4. Luo kokonaan uusi ristikko alusta alkaen\n"
      "   5. Lopeta ohjelma\n"
      "> " +
      kGoodbye;
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(run.out.starts_with("\n                       Haravoija v. 1.2 \n")) << run.out;
  EXPECT_EQ(occurrences(run.out, "\nAnna ristikon aihe. \n> \nAnna nyt ristikkoon"), 1U);
  ASSERT_GE(run.out.size(), expected.size());
  EXPECT_EQ(run.out.substr(run.out.size() - expected.size()), expected);
  EXPECT_EQ(run.err, "");
}

// Under a stopped clock the seed is the same at every seeding, so a puzzle
// repeats exactly when, and only when, the generator was seeded again.
TEST(E2eDialogue, ChoiceFourReseedsAndChoiceTwoGoesOn) {
  const auto env = frozenClockEnv("2026-01-01 12:00:00");
  if (!env) GTEST_SKIP() << "libfaketime is not installed";
  TempDir dir;
  const std::string again = "1\n1\n1\n";  // normal, smallest, random letters
  const std::string input = kPuzzle + "1\neka\n" + "4\n" + kPuzzle + "1\ntoka\n" + "2\n" + again +
                            "1\nkolmas\n" + "3\n1\n1\nneljas\n5\n";
  const RunResult run = runBinary({}, input, dir.path(), *env);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(occurrences(run.out, "Tervetuloa sanaristikkojen laadintaohjelmaan."), 2U);
  const std::string first = readFile(dir.path() / "Eka.html");
  ASSERT_FALSE(first.empty()) << run.out;
  EXPECT_EQ(readFile(dir.path() / "Toka.html"), first);
  const std::string third = readFile(dir.path() / "Kolmas.html");
  const std::string fourth = readFile(dir.path() / "Neljas.html");
  ASSERT_FALSE(third.empty());
  ASSERT_FALSE(fourth.empty());
  EXPECT_NE(third, first);
  EXPECT_NE(fourth, third);
}

}  // namespace
}  // namespace haravoija::testing
