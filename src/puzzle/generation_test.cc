// Tests of the generation run: the worked examples of the size search and
// the fixed-size fallback, and golden puzzles for fixed seeds of the
// platform's generator, written out cell by cell.
#include "puzzle/generation.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "fakes.h"
#include "puzzle/fill.h"
#include "test_util.h"

namespace haravoija {
namespace {

using Rows = std::vector<std::string>;
using testing::split;
using enum Sizing;

TEST(BuildGridTest, WorkedExamples) {
  const struct {
    const char* what;
    const char* words;
    Sizing sizing;
    int rows, columns, expectedRows, expectedColumns;
    const char* unplaced;
    int attempts;
  } cases[] = {
      // The estimate ends at 4 x 5; the search fails 504 times at 4 x 4
      // (one attempt short of the step limit 505) and succeeds at 4 x 5.
      {"one five-letter word", "kissa", kSmallest, 1, 1, 4, 5, "", 505},
      {"one two-letter word", "ab", kSmallest, 1, 1, 1, 2, "", 505},
      // Every attempt at 1 x 1 places nothing; the tolerance rises until it
      // holds all three words: 343 strict attempts (1000 / 3 + 10), then
      // tolerant ones with the counter at 0..68 for tolerance 1, at 1..68 for
      // tolerance 2, and one for tolerance 3.
      {"fixed 1 x 1", "kissa koira ab", kFixed, 1, 1, 1, 1, "kissa koira ab", 343 + 69 + 68 + 1},
      {"fixed size that holds all", "kissa koira ab", kFixed, 10, 10, 10, 10, "", 1},
      // "abc" fits no 2 x 2 grid: after the strict attempts the first
      // tolerant attempt leaves out just that word.
      {"fixed size that leaves one out", "abc de fg", kFixed, 2, 2, 2, 2, "abc", 344},
      // A word of one letter fits nowhere and is left out in list order.
      {"one-letter word", "kissa a ab", kFixed, 2, 5, 2, 5, "a", 1},
      {"only a one-letter word", "a", kSmallest, 1, 1, 1, 1, "a", 0},
      // 1 x 1: 1010 strict attempts, then a tolerant one may leave out one;
      // the one-letter word joins the left-out words in list order.
      {"counts below one", "ab a", kFixed, 0, -3, 1, 1, "ab a", 1010 + 1},
  };
  for (const auto& c : cases) {
    testing::ScriptedRandom random;
    Grid grid = create(1, 1);
    const Rows words = split(c.words);
    const BuildResult result = buildGrid(grid, words, false, c.sizing, c.rows, c.columns, random);
    EXPECT_EQ(result.status, BuildResult::Status::kBuilt) << c.what;
    EXPECT_EQ(grid.rowCount(), c.expectedRows) << c.what;
    EXPECT_EQ(grid.columnCount(), c.expectedColumns) << c.what;
    EXPECT_EQ(result.unplacedWords, split(c.unplaced)) << c.what;
    EXPECT_EQ(result.attempts, c.attempts) << c.what;
    // The placed words and the left-out ones together are the list.
    EXPECT_EQ(grid.placedWords.size() + result.unplacedWords.size(), words.size()) << c.what;
  }
}

TEST(BuildGridTest, NoWordsNoRun) {
  testing::ScriptedRandom random;
  Grid grid = create(2, 3);
  grid.setCell(0, 0, 'X');
  EXPECT_EQ(buildGrid(grid, {}, false, kSmallest, 1, 1, random).status,
            BuildResult::Status::kNoWords);
  EXPECT_EQ(grid.rows, (Rows{"X  ", "   "}));
  EXPECT_EQ(random.draws(), 0);
}

// The platform's generator with a fixed seed gives these puzzles, cell for
// cell: they pin the scaling of rand(), the scan, the run and the fill. The
// grids were computed with the tests' plain reference scan and rand() >> 16.
TEST(BuildGridTest, GoldenPuzzlesForFixedSeeds) {
  const Rows words = split("hevonen koira kissa lintu kala");
  const char* const placed[] = {"NENOVEH/    LK / K  IO / A SNI / LS TR / A  UA ",
                                "HEVONEN/LINTUKK/     OA/     IL/     RA/ KISSA "};
  const char* const filled[] = {"NENOVEH/EVTMLKG/CKGYIOA/\217ASSNIZ/RLS\216TRG/\231ABOUAT",
                                "HEVONEN/LINTUKK/EVTMGOA/CGYA\217IL/SZR\216GRA/\231KISSAB"};
  PlatformRandom random;
  for (const bool children : {false, true}) {
    std::srand(20261207);
    Grid grid = create(1, 1);
    EXPECT_EQ(buildGrid(grid, words, children, kSmallest, 1, 1, random).attempts, 105);
    EXPECT_EQ(grid.rows, split(placed[children], '/')) << children;
    EXPECT_EQ(grid.placedWords, words);
    fillRandom(grid, random);
    EXPECT_EQ(grid.rows, split(filled[children], '/')) << children;
  }

  std::srand(7);
  Grid grid = create(4, 4);
  const BuildResult fixed =
      buildGrid(grid, split("hevonen koira kissa lintu kala uu"), false, kFixed, 4, 4, random);
  EXPECT_EQ(fixed.unplacedWords, split("hevonen koira kissa lintu"));
  EXPECT_EQ(fixed.attempts, 283);
  EXPECT_EQ(grid.rows, split("    /U   / U  /KALA", '/'));
}

}  // namespace
}  // namespace haravoija
