// Tests of the word list: the typed-word rules in their order, and removals that keep the keys in
// step. The longest-first order is the selection sort's, tested in text/ and in whole runs.
#include "words/word_list.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace haravoija {
namespace {

using Words = std::vector<std::string>;

TEST(WordListTest, TypedWordRulesInOrderAndRemovals) {
  using enum AddWordOutcome;
  const std::string x79(79, 'x');
  // CP850 u-umlaut and the ISO 8859-1 a-umlaut are no letters; letters are tested before the
  // length, and a word is the same whatever its case.
  // clang-format off
  const std::pair<std::string, AddWordOutcome> lines[] = {
      {"ab", kAdded}, {"k", kTooShort}, {x79, kAdded}, {std::string(80, 'y'), kTooLong},
      {"kissa ", kNotLetters}, {"\201ber", kNotLetters}, {"\344iti", kNotLetters}, {"-", kNotLetters},
      {"", kTooShort}, {"\204iti", kAdded}, {"\216ITI", kDuplicate}, {"aiti", kAdded},
      {"Kissa", kAdded}, {"KISSA", kDuplicate}, {"kissat", kAdded}};
  // clang-format on
  WordList list;
  for (const auto& [line, outcome] : lines) EXPECT_EQ(addTypedWord(list, line), outcome) << line;
  EXPECT_EQ(list.words(), (Words{"ab", x79, "\204iti", "aiti", "Kissa", "kissat"}));
  // Removed words take their keys with them.
  EXPECT_TRUE(list.removeWord("KISSA"));
  EXPECT_EQ(list.removeLast(), "kissat");
  EXPECT_EQ(addTypedWord(list, "kissa"), kAdded);
  EXPECT_EQ(addTypedWord(list, "KISSAT"), kAdded);
  list.clear();
  EXPECT_EQ(addTypedWord(list, "aiti"), kAdded);
}

}  // namespace
}  // namespace haravoija
