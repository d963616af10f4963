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
  // Outcomes by initial: Added, Not letters, too Short, too Long, Duplicate.
  // CP850 u-umlaut and the ISO 8859-1 a-umlaut are no letters; letters are
  // tested before the length.
  const std::string x79(79, 'x');
  const std::string lines[] = {"ab",         "k",       x79,    std::string(80, 'y'),
                               "linja-auto", "kissa ",  "3D",   "\201ber",
                               "\344iti",    "-",       "",     "\204iti",
                               "\216ITI",    "\216iti", "aiti", "Kissa",
                               "KISSA",      "kissat"};
  std::string outcomes;
  for (const std::string& line : lines) {
    outcomes += "ANSLDF"[static_cast<int>(addTypedWord(list, line))];
  }
  EXPECT_EQ(outcomes, "ASALNNNNNNSADDAADA");
  EXPECT_EQ(list.words(),
            (std::vector<std::string>{"ab", x79, "\204iti", "aiti", "Kissa", "kissat"}));
}

TEST(WordListTest, RemovalKeepsKeysInStep) {
  WordList list;
  for (const char* word : {"kissa", "Koira", "hevonen", "KOIRAT"}) list.add(word);
  // Which of the words the list holds, one digit each.
  const auto holds = [&](std::initializer_list<const char*> words) {
    std::string found;
    for (const char* word : words) found += list.contains(word) ? '1' : '0';
    return found;
  };
  EXPECT_EQ(holds({"KOIRA", "koir", "kissat"}), "100");
  EXPECT_FALSE(list.removeWord("hevone"));
  EXPECT_EQ(list.size(), 4u);
  EXPECT_TRUE(list.removeWord("koira"));
  EXPECT_EQ(list.words(), (std::vector<std::string>{"kissa", "hevonen", "KOIRAT"}));
  EXPECT_EQ(holds({"koira", "koirat"}), "01");
  EXPECT_EQ(list.removeLast(), "KOIRAT");
  EXPECT_EQ(holds({"koirat", "Kissa"}), "01");
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(holds({"kissa"}), "0");
  list.add("kissa");
  EXPECT_EQ(holds({"KISSA"}), "1");
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
