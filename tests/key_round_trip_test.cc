// The answer key on pages the program made: generated puzzles, and the real binary.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "env/file_system.h"
#include "env/random_source.h"
#include "fakes.h"
#include "key/answer_key.h"
#include "key/puzzle_page.h"
#include "output/document.h"
#include "puzzle/fill.h"
#include "puzzle/generation.h"
#include "puzzle/grid.h"
#include "reference_model.h"
#include "test_util.h"
#include "text/letters.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija::testing {
namespace {

using Cells = std::vector<std::pair<int, int>>;

Cells cellsOf(int row, int column, Direction direction, std::size_t length) {
  Cells cells;
  for (int k = 0; k < static_cast<int>(length); ++k) {
    cells.emplace_back(row + k * directionStep(direction).row,
                       column + k * directionStep(direction).column);
  }
  return cells;
}

TEST(KeyRoundTripTest, TheKeyFindsEveryWordWhereTheGenerationPutIt) {
  enum Fill { kRandom, kPhrase, kEmpty };
  // The list, the words drawn from it, children's, rows x columns (0: smallest), fill.
  const std::vector<std::tuple<std::string, std::size_t, bool, int, int, Fill>> cases = {
      {"elaimet.txt", 30, false, 0, 0, kRandom},
      {"elaimet.txt", 30, true, 0, 0, kPhrase},
      {"koulu.txt", 36, false, 0, 0, kEmpty},
      {"koulu.txt", 36, true, 7, 9, kRandom},
      {"ruoat.txt", 38, false, 9, 6, kPhrase},
      {"ruoat.txt", 20, true, 0, 0, kEmpty},
      {"vaatteet-latin1.txt", 29, false, 1, 12, kRandom},
      {"vaatteet-latin1.txt", 29, false, 0, 0, kPhrase},
      {"sanat-100.txt", 45, false, 0, 0, kRandom},
      {"sanat-100.txt", 40, true, 12, 12, kEmpty},
      {"sanat-1000.txt", 25, false, 18, 18, kPhrase},
      {"sanat-1000.txt", 40, false, 8, 8, kRandom},
  };
  const std::string phrase = "Hyv\204\204 joulua & <kaikille>!";
  std::mt19937 draw(1207);
  int furtherOccurrences = 0;
  for (std::size_t n = 0; n < cases.size(); ++n) {
    const auto& [list, count, children, rows, columns, fill] = cases[n];
    SCOPED_TRACE("case " + std::to_string(n) + ": " + list);
    PosixFileSystem files;
    const auto file = files.openForReading(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/" + list);
    ASSERT_TRUE(file);
    std::vector<std::string> words = readWordFile(*file, WordFileMode::kPlain, WordList());
    std::shuffle(words.begin(), words.end(), draw);
    words.resize(std::min(words.size(), count));
    std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
      return a.size() > b.size();
    });
    // The plain run, which tells where it put each word, makes the same grid.
    const Sizing sizing = rows > 0 ? Sizing::kFixed : Sizing::kSmallest;
    std::srand(static_cast<unsigned>(n) * 7919 + 1);
    PlatformRandom random;
    Grid grid = create(std::max(rows, 1), std::max(columns, 1));
    ASSERT_EQ(buildGrid(grid, words, children, sizing, rows, columns, random).status,
              BuildResult::Status::kBuilt);
    std::srand(static_cast<unsigned>(n) * 7919 + 1);
    Grid plain = create(std::max(rows, 1), std::max(columns, 1));
    const ReferenceRun run =
        referenceBuildGrid(plain, words, children, sizing, rows, columns, random);
    ASSERT_EQ(grid.rows, plain.rows);
    ASSERT_EQ(grid.placedWords, plain.placedWords);
    const int emptyBeforeFill = grid.emptyCellCount();
    if (fill == kRandom) fillRandom(grid, random);
    if (fill == kPhrase) fillWithPhrase(grid, phrase, random);

    StringFile page(puzzleDocument(grid, "Ristikko <&>"), 4093);
    const PageReading reading = readPuzzlePage(page);
    ASSERT_EQ(reading.error, PageError::kNone);
    EXPECT_EQ(reading.page.rows, grid.rows);
    const KeyOutcome outcome = solvePage(reading.page);
    ASSERT_TRUE(std::holds_alternative<AnswerKey>(outcome));
    const AnswerKey& key = std::get<AnswerKey>(outcome);
    // Each occurrence spells its word, one lies at the placed cells; no other cell is marked.
    const std::vector<std::string>& listed = reading.page.words;
    ASSERT_EQ(listed.size(), grid.placedWords.size());
    std::vector<std::string> covered(grid.rowCount(), std::string(grid.columnCount(), '0'));
    const int before = furtherOccurrences;
    for (std::size_t w = 0; w < grid.placedWords.size(); ++w) {
      const std::string word = toUpperText(grid.placedWords[w]);
      const auto at = std::find_if(listed.begin(), listed.end(),
                                   [&](const std::string& l) { return toUpperText(l) == word; });
      ASSERT_NE(at, listed.end()) << word;
      const Placement& p = run.placements[w];
      Cells placed = cellsOf(p.row, p.column, p.direction, word.size());
      std::sort(placed.begin(), placed.end());
      bool foundPlaced = false;
      for (const Occurrence& o : key.occurrences[at - listed.begin()]) {
        Cells cells = cellsOf(o.row, o.column, o.direction, word.size());
        std::string spelt;
        for (const auto& [r, col] : cells) {
          spelt += static_cast<char>(toUpperLetter(grid.cell(r, col)));
          covered[r][col] = '1';
        }
        EXPECT_EQ(spelt, word);
        std::sort(cells.begin(), cells.end());
        foundPlaced = foundPlaced || cells == placed;
        furtherOccurrences += cells == placed ? 0 : 1;
      }
      EXPECT_TRUE(foundPlaced) << word;
    }
    EXPECT_EQ(key.covered, covered);

    if (fill == kPhrase) {
      EXPECT_EQ(toUpperText(reading.page.phrase.value_or("")), toUpperText(phrase));
      // The leftovers spell the phrase if it had room and no further occurrence covers some.
      const bool fits = emptyBeforeFill >= static_cast<int>(phraseCells(phrase).size());
      if (furtherOccurrences == before) {
        EXPECT_EQ(key.phraseMatches, fits);
      }
    } else {
      EXPECT_EQ(reading.page.phrase, std::nullopt);
      EXPECT_EQ(key.phraseMatches, std::nullopt);
    }
    if (fill == kEmpty) {
      EXPECT_EQ(key.leftoverLetters, "");
    }
  }
  // Random letters do spell short words by chance: the cases include some.
  EXPECT_GT(furtherOccurrences, 0);
}

TEST(E2eKey, WritesTheKeyBesideThePageAndReportsTheFilesItCannotUse) {
  TempDir dir;
  std::filesystem::copy_file(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/elaimet-ristikko.html",
                             dir.path() / "elaimet-ristikko.html");
  dir.write("sanat.txt", "kissa koira\n");
  RunOptions options;
  options.binary = HARAVOIJA_KEY_BINARY;
  const RunResult run =
      runBinary({"puuttuu.html", "elaimet-ristikko.html", "sanat.txt"}, "", dir.path(), options);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "haravoija-ratkaisu: puuttuu.html: tiedostoa ei voi avata\n"
            "haravoija-ratkaisu: sanat.txt: tiedosto ei ole Haravoijan tallentama ristikkosivu\n");
  EXPECT_TRUE(run.out.starts_with("Ratkaisu: El\204imet\nRuudukko 12 x 12, 30 sanaa\n")) << run.out;
  EXPECT_TRUE(run.out.ends_with("tallennettu tiedostoon elaimet-ristikko-ratkaisu.html.\n"));
  // Every one of the 30 words once, and one of them twice.
  EXPECT_EQ(occurrences(readFile(dir.path() / "elaimet-ristikko-ratkaisu.html"), "<line class="),
            31U);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "sanat-ratkaisu.html"));
}

TEST(E2eKey, RefusesAPageWhoseWordsLieInTheGridMoreOftenThanAKeyCanShow) {
  // Words of 2-79 A's in 150 x 150 A's: each once per start along rows, columns and diagonals.
  Grid grid{std::vector(150, std::string(150, 'A')), {}, ""};
  std::size_t lying = 0;
  for (std::size_t length = 2, starts = 149; length <= 79; ++length, --starts) {
    grid.placedWords.push_back(std::string(length, 'a'));
    lying += 2 * 150 * starts + 2 * starts * starts;
  }
  EXPECT_GT(lying, kMostOccurrences);
  TempDir dir;
  dir.write("a.html", puzzleDocument(grid, "A"));
  RunOptions options;
  options.binary = HARAVOIJA_KEY_BINARY;
  const RunResult run = runBinary({"a.html"}, "", dir.path(), options);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "haravoija-ratkaisu: a.html: sanat l\224ytyv\204t ruudukosta liian monta kertaa\n");
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "a-ratkaisu.html"));
}

}  // namespace
}  // namespace haravoija::testing
