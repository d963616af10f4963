// Tests for the word list and the typed-word rules.
#include "words/word_list.h"

#include <gtest/gtest.h>

#include <string>

#include "test_util.h"

namespace haravoija {
namespace {

using testing::FakeConsole;

AddWordOutcome typeWord(WordList& list, std::string_view line, FakeConsole& console) {
  console.clearOutput();
  return addTypedWord(list, line, console);
}

TEST(WordListTest, TypedWordRulesAndMessages) {
  WordList list;
  FakeConsole console;
  EXPECT_EQ(typeWord(list, "ab", console), AddWordOutcome::kAdded);
  EXPECT_EQ(console.output(),
            "Sana lis\204tty. Sanoja annettu yhteens\204 1. Anna seuraava sana.\n");

  EXPECT_EQ(typeWord(list, "k", console), AddWordOutcome::kTooShort);
  EXPECT_EQ(console.output(), "VIRHE: Sanassa on oltava v\204hint\204\204n kaksi kirjainta!\n");

  EXPECT_EQ(typeWord(list, std::string(79, 'x'), console), AddWordOutcome::kAdded);
  EXPECT_EQ(typeWord(list, std::string(80, 'y'), console), AddWordOutcome::kTooLong);
  EXPECT_EQ(console.output(), "VIRHE: Sanan pituus on oltava alle 80 merkki\204.\n");

  for (const char* bad : {"linja-auto", "kissa ", "3D", "\201ber", "\344iti"}) {
    EXPECT_EQ(typeWord(list, bad, console), AddWordOutcome::kNotLetters) << bad;
    EXPECT_EQ(console.output(), "VIRHE: Sy\224tteess\204 kiellettyj\204 merkkej\204!\n");
  }
  // The letter test comes first: a single forbidden byte is not "too short".
  EXPECT_EQ(typeWord(list, "-", console), AddWordOutcome::kNotLetters);

  EXPECT_EQ(typeWord(list, "\204iti", console), AddWordOutcome::kAdded);
  for (const char* same : {"\216ITI", "\216iti", "\204ITI"}) {
    EXPECT_EQ(typeWord(list, same, console), AddWordOutcome::kDuplicate) << same;
    EXPECT_EQ(console.output(), "VIRHE: Olet antanut jo kyseisen sanan.\n");
  }
  EXPECT_EQ(typeWord(list, "aiti", console), AddWordOutcome::kAdded);
  EXPECT_EQ(typeWord(list, "Kissa", console), AddWordOutcome::kAdded);
  EXPECT_EQ(typeWord(list, "KISSA", console), AddWordOutcome::kDuplicate);
  EXPECT_EQ(typeWord(list, "kissat", console), AddWordOutcome::kAdded);
  EXPECT_EQ(list.words(), (std::vector<std::string>{"ab", std::string(79, 'x'), "\204iti", "aiti",
                                                    "Kissa", "kissat"}));
}

TEST(WordListTest, CapOfTenThousandTypedWords) {
  WordList list;
  FakeConsole console;
  // Three-letter words counted in base 26 give 10000 distinct words.
  for (int i = 0; i < kMaxWords; ++i) {
    std::string word = {static_cast<char>('a' + i / 676), static_cast<char>('a' + i / 26 % 26),
                        static_cast<char>('a' + i % 26)};
    ASSERT_EQ(typeWord(list, word, console), AddWordOutcome::kAdded) << i;
  }
  EXPECT_EQ(console.output(),
            "Sana lis\204tty. Sanoja annettu yhteens\204 10000. Anna seuraava sana.\n");
  // A word already listed is a duplicate even when the list is full.
  EXPECT_EQ(typeWord(list, "AAA", console), AddWordOutcome::kDuplicate);
  EXPECT_EQ(typeWord(list, "uusi", console), AddWordOutcome::kFull);
  EXPECT_EQ(console.output(),
            "VIRHE: Sanaa ei voitu lis\204t\204. Sanojen maksimim\204\204r\204 on 10000.\n");
  EXPECT_EQ(list.size(), 10000u);
  EXPECT_TRUE(list.removeWord("aab"));
  EXPECT_EQ(typeWord(list, "uusi", console), AddWordOutcome::kAdded);
  EXPECT_EQ(list.size(), 10000u);
}

TEST(WordListTest, RemovalKeepsKeysInStep) {
  WordList list;
  list.add("kissa");
  list.add("Koira");
  list.add("hevonen");
  EXPECT_TRUE(list.contains("KOIRA"));
  EXPECT_FALSE(list.contains("koir"));
  EXPECT_FALSE(list.contains("kissat"));

  EXPECT_FALSE(list.removeWord("hevone"));
  EXPECT_EQ(list.size(), 3u);
  EXPECT_TRUE(list.removeWord("koira"));
  EXPECT_EQ(list.words(), (std::vector<std::string>{"kissa", "hevonen"}));
  EXPECT_FALSE(list.contains("koira"));

  EXPECT_EQ(list.removeLast(), "hevonen");
  EXPECT_FALSE(list.contains("HEVONEN"));
  EXPECT_TRUE(list.contains("Kissa"));
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(list.contains("kissa"));
  list.add("kissa");
  EXPECT_TRUE(list.contains("KISSA"));
}

TEST(WordListTest, SortLongestFirstIsTheUnstableSelectionSort) {
  WordList list;
  for (const char* word : {"ab", "cde", "fg", "hij"}) list.add(word);
  list.sortLongestFirst();
  EXPECT_EQ(list.words(), (std::vector<std::string>{"cde", "hij", "fg", "ab"}));
  list.sortLongestFirst();
  EXPECT_EQ(list.words(), (std::vector<std::string>{"cde", "hij", "fg", "ab"}));

  WordList mixed;
  for (const char* word : {"aa", "bbb", "cc", "dddd", "ee", "fff"}) mixed.add(word);
  mixed.sortLongestFirst();
  // dddd swaps with aa, bbb stays ahead of fff, fff swaps with cc: the
  // two-letter words end as aa, ee, cc.
  EXPECT_EQ(mixed.words(), (std::vector<std::string>{"dddd", "bbb", "fff", "aa", "ee", "cc"}));
}

}  // namespace
}  // namespace haravoija
