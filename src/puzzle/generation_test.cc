// Tests of the generation run: the worked sizes, the fixed-size fallback and
// the run that is refused for want of words.
#include "puzzle/generation.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "test_util.h"
#include "text/random_draw.h"

namespace haravoija {
namespace {

using testing::FakeConsole;

const char kOpening[] = "\nOdota. Luodaan sanaristikko annetuista sanoista...\n";

TEST(BuildGrid, SmallestSizeForOneWord) {
  for (unsigned seed : {1u, 2u, 99u}) {
    std::srand(seed);
    FakeConsole console;
    Grid grid = create(1, 1);
    // Estimate 4 x 5, then 504 failures at 4 x 4 and success at 4 x 5.
    BuildResult result = buildGrid(grid, {"kissa"}, false, Sizing::kSmallest, 0, 0, console);
    EXPECT_EQ(result.status, BuildResult::Status::kBuilt);
    EXPECT_TRUE(result.unplacedWords.empty());
    EXPECT_EQ(result.attempts, 505);
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.columnCount(), 5);
    EXPECT_EQ(grid.placedWords, std::vector<std::string>{"kissa"});
    EXPECT_EQ(grid.emptyCellCount(), 15);
    EXPECT_EQ(console.output(), kOpening);

    // Estimate 1 x 2, search from 1 x 1, result 1 x 2.
    grid = create(1, 1);
    result = buildGrid(grid, {"\204l"}, true, Sizing::kSmallest, 0, 0, console);
    EXPECT_EQ(result.attempts, 505);
    EXPECT_EQ(grid.rows, std::vector<std::string>{"\216L"});
  }
}

TEST(BuildGrid, FixedSize) {
  std::srand(5);
  FakeConsole console;
  const std::vector<std::string> words{"kissa", "koira", "hevonen"};
  Grid grid = create(1, 1);
  // Nothing fits: 343 strict attempts, then the tolerance climbs from 1 to
  // 3 in steps of 68 attempts, and the 138th fallback attempt is accepted.
  BuildResult result = buildGrid(grid, words, false, Sizing::kFixed, 1, 1, console);
  EXPECT_EQ(result.unplacedWords, words);
  EXPECT_EQ(result.attempts, 343 + 138);
  EXPECT_EQ(grid.rows, std::vector<std::string>{" "});
  EXPECT_TRUE(grid.placedWords.empty());

  // Room for everything: the first strict attempt succeeds.
  grid = create(7, 7);
  result = buildGrid(grid, words, true, Sizing::kFixed, 7, 7, console);
  EXPECT_TRUE(result.unplacedWords.empty());
  EXPECT_EQ(result.attempts, 1);
  EXPECT_EQ(grid.placedWords, words);
  EXPECT_EQ(grid.rowCount(), 7);
  EXPECT_EQ(grid.columnCount(), 7);

  // One row of two cells holds one of two words: every strict attempt fails
  // (1000 / 2 + 10 of them) and the first tolerant one is accepted.
  grid = create(1, 2);
  result = buildGrid(grid, {"ab", "cd"}, false, Sizing::kFixed, 1, 2, console);
  EXPECT_EQ(result.unplacedWords, std::vector<std::string>{"cd"});
  EXPECT_EQ(result.attempts, 511);
  EXPECT_EQ(grid.placedWords, std::vector<std::string>{"ab"});
  EXPECT_TRUE(grid.rows[0] == "AB" || grid.rows[0] == "BA");
}

TEST(BuildGrid, NoWordsMeansNoRun) {
  std::srand(11);
  const int expectedDraw = drawRandom();
  std::srand(11);
  FakeConsole console;
  Grid grid = create(2, 3);
  grid.setCell(0, 0, 'X');
  const BuildResult result = buildGrid(grid, {}, false, Sizing::kSmallest, 0, 0, console);
  EXPECT_EQ(result.status, BuildResult::Status::kNoWords);
  EXPECT_EQ(console.output(), "");
  EXPECT_EQ(grid.rows, (std::vector<std::string>{"X  ", "   "}));
  EXPECT_EQ(drawRandom(), expectedDraw);
}

TEST(BuildGrid, SingleLetterWordsAreLeftOut) {
  std::srand(3);
  FakeConsole console;
  Grid grid = create(1, 1);
  const BuildResult result =
      buildGrid(grid, {"a", "kissa", "b"}, false, Sizing::kSmallest, 0, 0, console);
  EXPECT_EQ(result.unplacedWords, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(grid.placedWords, std::vector<std::string>{"kissa"});
  EXPECT_EQ(grid.rowCount() * grid.columnCount(), 20);
}

}  // namespace
}  // namespace haravoija
