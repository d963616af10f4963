// Tests of the word list: the typed-word rules in their order, the cap, the
// keys kept in step with removals, and the longest-first order.
#include "words/word_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace haravoija {
namespace {

TEST(WordListTest, TypedWordRulesInOrder) {
  WordList list;
  struct Case {
    std::string line;
    AddWordOutcome outcome;
  };
  const std::vector<Case> cases = {
      {"ab", AddWordOutcome::kAdded},
      {"k", AddWordOutcome::kTooShort},
      {std::string(79, 'x'), AddWordOutcome::kAdded},
      {std::string(80, 'y'), AddWordOutcome::kTooLong},
      {"linja-auto", AddWordOutcome::kNotLetters},
      {"kissa ", AddWordOutcome::kNotLetters},
      {"3D", AddWordOutcome::kNotLetters},
      {"\201ber", AddWordOutcome::kNotLetters},  // CP850 u-umlaut is no letter here
      {"\344iti", AddWordOutcome::kNotLetters},  // nor the ISO 8859-1 byte of a-umlaut
      {"-", AddWordOutcome::kNotLetters},        // letters are tested before the length
      {"", AddWordOutcome::kTooShort},
      {"\204iti", AddWordOutcome::kAdded},
      {"\216ITI", AddWordOutcome::kDuplicate},
      {"\216iti", AddWordOutcome::kDuplicate},
      {"aiti", AddWordOutcome::kAdded},
      {"Kissa", AddWordOutcome::kAdded},
      {"KISSA", AddWordOutcome::kDuplicate},
      {"kissat", AddWordOutcome::kAdded},
  };
  for (const Case& c : cases) EXPECT_EQ(addTypedWord(list, c.line), c.outcome) << c.line;
  EXPECT_EQ(list.words(), (std::vector<std::string>{"ab", std::string(79, 'x'), "\204iti", "aiti",
                                                    "Kissa", "kissat"}));
}

TEST(WordListTest, RemovalKeepsKeysInStep) {
  WordList list;
  for (const char* word : {"kissa", "Koira", "hevonen", "KOIRAT"}) list.add(word);
  EXPECT_TRUE(list.contains("KOIRA"));
  EXPECT_FALSE(list.contains("koir"));
  EXPECT_FALSE(list.contains("kissat"));
  EXPECT_FALSE(list.removeWord("hevone"));
  EXPECT_EQ(list.size(), 4u);
  EXPECT_TRUE(list.removeWord("koira"));
  EXPECT_EQ(list.words(), (std::vector<std::string>{"kissa", "hevonen", "KOIRAT"}));
  EXPECT_FALSE(list.contains("koira"));
  EXPECT_TRUE(list.contains("koirat"));
  EXPECT_EQ(list.removeLast(), "KOIRAT");
  EXPECT_FALSE(list.contains("koirat"));
  EXPECT_TRUE(list.contains("Kissa"));
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(list.contains("kissa"));
  list.add("kissa");
  EXPECT_TRUE(list.contains("KISSA"));
}

// dddd swaps with aa, bbb stays ahead of fff, fff swaps with cc: the
// two-letter words end as aa, ee, cc. Sorting again changes nothing.
TEST(WordListTest, SortLongestFirstIsTheUnstableSelectionSort) {
  WordList list;
  for (const char* word : {"aa", "bbb", "cc", "dddd", "ee", "fff"}) list.add(word);
  for (int i = 0; i < 2; ++i) {
    list.sortLongestFirst();
    EXPECT_EQ(list.words(), (std::vector<std::string>{"dddd", "bbb", "fff", "aa", "ee", "cc"}));
  }
}

}  // namespace
}  // namespace haravoija
