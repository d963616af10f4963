// Tests for the random pick and for the import command's and the batch run's
// imports.
#include "words/word_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <set>
#include <sstream>

#include "test_util.h"
#include "text/random_draw.h"

namespace haravoija {
namespace {

using testing::FakeConsole;
using Words = std::vector<std::string>;

Words numberedWords(int count) {
  Words words;
  for (int i = 0; i < count; ++i) {
    words.push_back(std::string("sana") + static_cast<char>('a' + i / 26) +
                    static_cast<char>('a' + i % 26));
  }
  return words;
}

std::string joinLines(const Words& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\n";
  return text;
}

TEST(PickRandomTest, DrawsOncePerStepAndPicksWithoutRepeats) {
  const Words original = numberedWords(20);
  std::srand(7);
  std::vector<int> draws;
  for (int i = 0; i < 6; ++i) draws.push_back(drawRandom());

  std::srand(7);
  Words words = original;
  pickRandom(words, 5);
  // Five steps, one draw each: the generator has moved on by exactly five.
  EXPECT_EQ(drawRandom(), draws[5]);
  Words expected = original;
  for (std::size_t i = 0; i < 5; ++i) {
    std::swap(expected[i], expected[i + static_cast<std::size_t>(draws[i]) * (20 - i) / 32768]);
  }
  EXPECT_EQ(words, expected);
  EXPECT_EQ(std::set<std::string>(words.begin(), words.begin() + 5).size(), 5u);
  EXPECT_TRUE(std::is_permutation(words.begin(), words.end(), original.begin()));

  // A count of 0, an empty list and a single entry draw nothing.
  std::srand(7);
  words = original;
  pickRandom(words, 0);
  Words none;
  pickRandom(none, 3);
  Words one = {"yksi"};
  pickRandom(one, 3);
  EXPECT_EQ(words, original);
  EXPECT_EQ(drawRandom(), draws[0]);

  // A count at or beyond the size shuffles with k - 1 draws.
  std::srand(7);
  words = original;
  pickRandom(words, std::numeric_limits<std::size_t>::max());
  EXPECT_TRUE(std::is_permutation(words.begin(), words.end(), original.begin()));
}

// Imports `bytes` into `list` with `selection` and returns what was printed.
std::string runImport(const std::string& bytes, const WordSelection& selection, WordList& list,
                      WordFileMode mode = WordFileMode::kPlain) {
  FakeConsole console;
  std::istringstream file(bytes);
  importWordFile(file, mode, selection, list, console);
  return console.output();
}

TEST(ImportWordFileTest, AllWordsInFileOrder) {
  WordList list;
  list.add("Auto");
  EXPECT_EQ(runImport("kissa koira\nkissa\nKOIRA hevonen auto\n3D auto-ilu x\n", {}, list),
            "Odota, luetaan tiedostoa... \n"
            "Sana kissa lis\204tty.\n"
            "Sana koira lis\204tty.\n"
            "Sana hevonen lis\204tty.\n"
            "Yhteens\204 3 sanaa lis\204ttiin.\n");
  EXPECT_EQ(list.words(), (Words{"Auto", "kissa", "koira", "hevonen"}));

  // Nothing new is not an error.
  EXPECT_EQ(runImport("KISSA 12\n", {}, list),
            "Odota, luetaan tiedostoa... \nYhteens\204 0 sanaa lis\204ttiin.\n");
  EXPECT_EQ(list.size(), 4u);
}

TEST(ImportWordFileTest, CountAndLetterSelections) {
  const Words file = numberedWords(20);
  std::srand(1);
  {
    WordList list;
    WordSelection five;
    five.count = 5;
    runImport(joinLines(file), five, list);
    EXPECT_EQ(list.size(), 5u);
    EXPECT_EQ(std::set<std::string>(list.words().begin(), list.words().end()).size(), 5u);
    for (const std::string& word : list.words()) {
      EXPECT_NE(std::find(file.begin(), file.end(), word), file.end()) << word;
    }
  }
  {
    WordList list;
    WordSelection zero;
    zero.count = 0;
    EXPECT_EQ(runImport(joinLines(file), zero, list),
              "Odota, luetaan tiedostoa... \nYhteens\204 0 sanaa lis\204ttiin.\n");
    EXPECT_TRUE(list.empty());
  }
  const std::string mixed = "kissa Apina auto \204iti koira \216nkyr\204 ankka\n";
  {
    // The letter alone keeps file order and matches either case.
    WordList list;
    WordSelection letter;
    letter.initialLetter = 'a';
    runImport(mixed, letter, list);
    EXPECT_EQ(list.words(), (Words{"Apina", "auto", "ankka"}));
    WordList finnish;
    letter.initialLetter = static_cast<unsigned char>('\216');
    runImport(mixed, letter, finnish);
    EXPECT_EQ(finnish.words(), (Words{"\204iti", "\216nkyr\204"}));
  }
  {
    WordList list;
    WordSelection letterAndCount;
    letterAndCount.initialLetter = 'K';
    letterAndCount.count = 3;
    runImport(mixed, letterAndCount, list);
    const Words withK = {"kissa", "koira"};
    EXPECT_TRUE(
        std::is_permutation(list.words().begin(), list.words().end(), withK.begin(), withK.end()));
    WordList none;
    letterAndCount.initialLetter = 'z';
    EXPECT_EQ(runImport(mixed, letterAndCount, none),
              "Odota, luetaan tiedostoa... \nYhteens\204 0 sanaa lis\204ttiin.\n");
  }
  {
    WordList list;
    WordSelection refused;
    refused.refuseAfterReading = true;
    EXPECT_EQ(runImport(mixed, refused, list),
              "Odota, luetaan tiedostoa... \nVIRHE: Parametri ei kelpaa.\n");
    EXPECT_TRUE(list.empty());
  }
}

TEST(ImportWordFileTest, WordCap) {
  WordList list;
  for (const std::string& word : numberedWords(kMaxWords - 2)) list.add("x" + word);
  EXPECT_EQ(runImport("kissa koira hevonen auto talo\n", {}, list),
            "Odota, luetaan tiedostoa... \n"
            "Sana kissa lis\204tty.\n"
            "Sana koira lis\204tty.\n"
            "Yhteens\204 2 sanaa lis\204ttiin.\n"
            "Huom: Sanojen maksimim\204\204r\204 (10000) saavutettiin.\n");
  EXPECT_EQ(list.size(), 10000u);
  EXPECT_EQ(runImport("hevonen\n", {}, list),
            "Odota, luetaan tiedostoa... \n"
            "Yhteens\204 0 sanaa lis\204ttiin.\n"
            "Huom: Sanojen maksimim\204\204r\204 (10000) saavutettiin.\n");
}

TEST(ImportBatchFileTest, EveryCandidateWithoutCap) {
  Words words;
  for (int i = 0; i < 10050; ++i) {
    words.push_back({static_cast<char>('a' + i / 676), static_cast<char>('a' + i / 26 % 26),
                     static_cast<char>('a' + i % 26)});
  }
  std::istringstream file("<br>kissa\n" + joinLines(words) + "AAA\n");
  FakeConsole console;
  WordList list;
  importBatchFile(file, WordFileMode::kPlain, list, console);
  ASSERT_EQ(list.size(), 10051u);
  EXPECT_EQ(list[0], "kissa");
  EXPECT_EQ(list[10050], words.back());
  const std::string out = console.output();
  EXPECT_EQ(out.rfind("Odota, luetaan tiedostoa... \nSana kissa lis\204tty.\nSana aaa lis", 0), 0u);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 10052);
  EXPECT_EQ(out.find("Yhteens"), std::string::npos);

  // A document read in batch: only its listed words.
  std::istringstream document("<h1>Otsikko</h1>\n<!--Sanat-->\n<br>Kissa\n<!--Loppu-->\nx\n");
  WordList fromDocument;
  importBatchFile(document, WordFileMode::kHtml, fromDocument, console);
  EXPECT_EQ(fromDocument.words(), Words{"Kissa"});
}

}  // namespace
}  // namespace haravoija
