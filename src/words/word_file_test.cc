// Tests of the random pick and of the import command's and the batch run's
// imports: which words join the list, in which order, and what is drawn.
#include "words/word_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "fakes.h"

namespace haravoija {
namespace {

using testing::ScriptedRandom;
using testing::StringFile;
using Words = std::vector<std::string>;

TEST(PickRandomTest, OneDrawPerStepScaledToTheRemainingWords) {
  // Step i swaps entry i with entry i + draw * (k - i) / 32768.
  const struct {
    std::size_t count;
    std::vector<int> draws;
    Words expected;
    int drawsMade;
  } cases[] = {
      // 0 * 5 / 32768 = 0, 32767 * 4 / 32768 = 3, 16384 * 3 / 32768 = 1.
      {3, {0, 32767, 16384}, {"a", "e", "d", "c", "b"}, 3},
      {2, {13107, 8192}, {"b", "c", "a", "d", "e"}, 2},
      // A count beyond the size shuffles with k - 1 draws; each top draw
      // swaps with the last entry.
      {std::numeric_limits<std::size_t>::max(), {32767}, {"e", "a", "b", "c", "d"}, 4},
      {0, {32767}, {"a", "b", "c", "d", "e"}, 0},
  };
  for (const auto& c : cases) {
    Words words = {"a", "b", "c", "d", "e"};
    ScriptedRandom random(c.draws);
    pickRandom(words, c.count, random);
    EXPECT_EQ(words, c.expected) << c.count;
    EXPECT_EQ(random.draws(), c.drawsMade) << c.count;
  }

  // The platform's generator seeded with 42 picks in this order (worked out
  // with rand() >> 16 outside the program).
  std::srand(42);
  PlatformRandom platform;
  Words ten = {"a0", "a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9"};
  pickRandom(ten, 5, platform);
  EXPECT_EQ(ten, (Words{"a0", "a3", "a7", "a5", "a1", "a4", "a6", "a2", "a8", "a9"}));
}

// The messages, the cap and the simpler selections are tested with the
// import command in app/.
TEST(ImportWordFileTest, SelectionsAndTheBatchImport) {
  const std::string file = "Kissa koira Kala \344iti auto KANA hevonen\n";
  auto letter = [](char c) { return std::optional<unsigned char>(static_cast<unsigned char>(c)); };
  const struct {
    WordSelection selection;
    std::vector<int> draws;
    Words added;
  } cases[] = {
      // The initial letter is compared upper-cased, also for Ä.
      {{letter('\216'), {}, false}, {}, {"\204iti"}},
      // Two of the four k-words: draws 32767 then 0 pick KANA, then koira.
      {{letter('K'), 2, false}, {32767, 0}, {"KANA", "koira"}},
      {{std::nullopt, 0, false}, {}, {}},
  };
  for (const auto& c : cases) {
    WordList list;
    list.add("Hevonen");  // already listed, so never a candidate
    ScriptedRandom random(c.draws);
    StringFile in(file);
    EXPECT_EQ(importWordFile(in, WordFileMode::kPlain, c.selection, list, random).added, c.added);
    EXPECT_EQ(list.size(), 1 + c.added.size());
  }
  // The batch run takes every new word.
  WordList list;
  list.add("kissa");
  StringFile in("KISSA koira\n<br>Kala kala x\n");
  EXPECT_EQ(importBatchFile(in, WordFileMode::kPlain, list), (Words{"koira", "Kala"}));
  EXPECT_EQ(list.words(), (Words{"kissa", "koira", "Kala"}));
}

}  // namespace
}  // namespace haravoija
