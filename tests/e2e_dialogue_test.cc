// End-to-end: the interactive dialogue on the real binary with scripted input.
#include <gtest/gtest.h>

#include <filesystem>

#include "frozen_clock.h"
#include "test_util.h"

namespace haravoija::testing {
namespace {

using namespace std::string_literals;

const std::string kGoodbye = "Kiitos ohjelman k\204yt\224st\204!\n";
const std::string kSaveRefused =
    "Antamassasi tiedostonimess\204 on kiellettyj\204 merkkej\204. Anna uusi nimi. \n"
    "Muista antaa tiedostonimi ilman p\204\204tett\204.\n";
const std::string kRowsRefused =
    "VIRHE: Sy\224te ei ole kelvollinen. Anna vaakarivien m\204\204r\204 uudelleen.\n";
const std::string kColumnsRefused =
    "VIRHE: Sy\224te ei ole kelvollinen. Anna pystyrivien m\204\204r\204 uudelleen.\n";
// Title, words, finish; then a normal puzzle at the smallest size with
// random letters.
const std::string kPuzzle = "Aihe\nkissa\nkoira\nhevonen\nL\n1\n1\n1\n";

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> filesIn(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(E2eDialogue, EndOfInputAtEveryPromptSaysGoodbyeAndExitsWithZero) {
  // A few prompts through the binary; every prompt is covered in-process.
  const std::string cases[] = {
      "",                           // title
      "Aihe\n",                     // word entry with an empty list
      "Aihe\nkissa\nL\n1\n2\n",     // rows
      "Aihe\nkissa\nL\n1\n1\n2\n",  // hidden phrase
      kPuzzle + "1\n.\n",           // save prompt after a refusal
  };
  TempDir dir;
  for (const std::string& input : cases) {
    const RunResult run = runBinary({}, input, dir.path());
    EXPECT_EQ(run.exitStatus, 0) << input;
    EXPECT_TRUE(endsWith(run.out, "> " + kGoodbye)) << input;
    EXPECT_EQ(count(run.out, kGoodbye), 1U) << input;
    EXPECT_EQ(run.err, "") << input;
  }
  EXPECT_TRUE(filesIn(dir.path()).empty());
}

TEST(E2eDialogue, SaveUnderTheTitleAndUnderGivenNames) {
  TempDir dir;
  // The title is capitalised; an empty answer names the file after it.
  const std::string input =
      "\204-sanat\nkissa\nkoira\nL\n1\n1\n1\n"
      "1\n\n"
      "1\na/b\nristikko.html\nris\0ti\nristikko\n"
      "5\n"s;
  const RunResult run = runBinary({}, input, dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_NE(run.out.find("> Ruudukko tallennettu tiedostoon \204-sanat.html.\n\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("> " + kSaveRefused + "> " + kSaveRefused + "> " + kSaveRefused +
                         "> Ruudukko tallennettu tiedostoon ristikko.html.\n\n"),
            std::string::npos)
      << run.out;
  EXPECT_TRUE(endsWith(run.out, "   5. Lopeta ohjelma\n> " + kGoodbye));
  EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"Ristikko.html", "\304-sanat.html"}));
  // Both saves are the same puzzle under the same title.
  EXPECT_EQ(readFile(dir.path() / "Ristikko.html"), readFile(dir.path() / "\304-sanat.html"));
}

TEST(E2eDialogue, NumberPromptsRefuseUntilAValidCount) {
  TempDir dir;
  const std::string rows = "1001\n0\n-5\n\n12 \n1e2\n" + std::string(40, '9') + "\n+7\n";
  const std::string columns = "x\n  7\n";
  const RunResult run =
      runBinary({}, "Aihe\nkissa\nL\n1\n2\n" + rows + columns + "3\n5\n", dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(count(run.out, kRowsRefused), 7U);
  EXPECT_EQ(count(run.out, kColumnsRefused), 1U);
  EXPECT_NE(run.out.find("(ristikon koko: 7x7, ristikossa 1 sanaa)"), std::string::npos) << run.out;

  const RunResult other = runBinary({}, "Aihe\nkissa\nL\n1\n2\n1000\n007\n3\n5\n", dir.path());
  EXPECT_EQ(count(other.out, kRowsRefused), 0U);
  EXPECT_NE(other.out.find("(ristikon koko: 1000x7, ristikossa 1 sanaa)"), std::string::npos);
}

TEST(E2eDialogue, FitWarningThenTheFillMenu) {
  TempDir dir;
  const RunResult run =
      runBinary({}, "Aihe\nkoira\nhevonen\nkissat\nL\n1\n2\n2\n2\n\n3\n5\n", dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_NE(run.out.find("\nVAROITUS: Seuraavat sanat eiv\204t mahtuneet ristikkoon: \n"
                         " hevonen\n kissat\n koira\n\n(paina enter jatkaaksesi)\n\n"),
            std::string::npos)
      << run.out;
  EXPECT_TRUE(endsWith(run.out, "> " + kGoodbye));
}

// A 1 x 1 puzzle holds no word of two letters or more, so this run does not
// depend on the random generator: the whole transcript is fixed.
TEST(E2eDialogue, WholeTranscriptOfAPuzzleThatHoldsNoWord) {
  TempDir dir;
  const RunResult run = runBinary({}, "kissat\nkissa\nL\n1\n2\n1\n1\n\n3\n5\n", dir.path());
  const std::string rule(79, '-');
  const std::string expected =
      "\n"
      "                       Haravoija v. 1.2 \n"
      "\n"
      " Tervetuloa sanaristikkojen laadintaohjelmaan. Ohjelma laatii\n"
      " sanaristikkoja antamistasi sanoista. Lopuksi ohjelma tallentaa\n"
      " valmiin ristikon ja sanat html-dokumentiksi, jonka voi sitten\n"
      " esimerkiksi tulostaa. \n" +
      rule + "\n" +
      "\n"
      "Anna ristikon aihe. \n"
      "> \n"
      "Anna nyt ristikkoon haluamasi sanat. Voit k\204ytt\204\204 seuraavia komentoja:\n" +
      rule + "\n" +
      " > L             // Lopettaa sanojen kyselemisen.\n"
      " > N             // N\204ytt\204\204 annetut sanat.\n"
      " > /POISTU       // Poistuu ohjelmasta v\204litt\224masti.\n"
      " > A             // N\204ytt\204\204 n\204m\204 aputekstit.\n"
      " > kissa         // Lis\204\204 ristikkoon sanan kissa.\n"
      " > -kissa        // Poistaa ristikosta sanan kissa.\n"
      " > -             // Poistaa viimeisimm\204n lis\204tyn sanan.\n"
      " > ---           // Poistaa listasta kaikki sanat.\n"
      " > #Jee          // Muuttaa otsikoksi Jee\n"
      " > +kunnat.txt   // Lis\204\204 kaikki tiedoston kunnat.txt sanat ristikkoon.\n"
      " > +sanat.txt a  // Lis\204\204 kaikki tiedostosta sanat.txt loytyv\204t a-kirjaimella\n"
      "                 // alkavat sanat ristikkoon\n"
      " > +nimet.txt 30 // Kone arpoo 30 sanaa nimet.txt -tiedostosta ja lis\204\204\n"
      "                 // ne ristikkoon\n"
      " > +nimet.txt a 5// Voit my\224s yhdist\204\204 komentoja n\204in\n"
      " > +oma.html     // Voit lis\204t\204 sanoja my\224s vanhoista ristikoista.\n" +
      rule + "\n" +
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
  EXPECT_EQ(run.out, expected);
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
  EXPECT_EQ(count(run.out, "Tervetuloa sanaristikkojen laadintaohjelmaan."), 2U);
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
