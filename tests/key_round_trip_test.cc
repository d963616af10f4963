// Round trip of the answer key: puzzles made by the generation run from the
// example word lists, saved as pages by the document writer, read back and
// solved. The key must find every word exactly where the generation put it,
// mark nothing else but true further occurrences, and give back the phrase.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fakes.h"
#include "key/answer_key.h"
#include "key/puzzle_page.h"
#include "key_reference.h"
#include "output/document.h"
#include "puzzle/fill.h"
#include "puzzle/generation.h"
#include "puzzle/grid.h"
#include "reference_model.h"
#include "text/file_system.h"
#include "text/letters.h"
#include "text/random_source.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija::testing {
namespace {

using Cells = std::set<std::pair<int, int>>;

std::vector<std::string> exampleWords(const std::string& name) {
  PosixFileSystem files;
  const std::unique_ptr<InputFile> file =
      files.openForReading(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/" + name);
  EXPECT_TRUE(file) << name;
  if (!file) return {};
  return readWordFile(*file, WordFileMode::kPlain, WordList());
}

enum class Fill { kRandom, kPhrase, kEmpty };

struct Case {
  std::string list;
  std::size_t words;  // drawn from the list
  bool children;
  Sizing sizing;
  int rows;
  int columns;
  Fill fill;
};

// What the page lists for a placed word: first letter upper case, the rest
// lower case.
std::string listed(const std::string& word) {
  std::string out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(word[i]);
    out += static_cast<char>(i == 0 ? toUpperLetter(c) : toLowerLetter(c));
  }
  return out;
}

Cells cellSet(const Occurrence& occurrence) {
  const std::vector<std::pair<int, int>> cells = cellsOf(occurrence);
  return Cells(cells.begin(), cells.end());
}

Cells placementCells(const Placement& placement, std::size_t length) {
  const Step step = directionStep(placement.direction);
  Cells cells;
  for (std::size_t k = 0; k < length; ++k) {
    cells.emplace(placement.row + static_cast<int>(k) * step.row,
                  placement.column + static_cast<int>(k) * step.column);
  }
  return cells;
}

TEST(KeyRoundTripTest, TheKeyFindsEveryWordWhereTheGenerationPutIt) {
  const std::string phrase = "Hyv\204\204 joulua & <kaikille>!";
  const std::vector<Case> cases = {
      {"elaimet.txt", 30, false, Sizing::kSmallest, 0, 0, Fill::kRandom},
      {"elaimet.txt", 30, true, Sizing::kSmallest, 0, 0, Fill::kPhrase},
      {"koulu.txt", 36, false, Sizing::kSmallest, 0, 0, Fill::kEmpty},
      {"koulu.txt", 36, true, Sizing::kFixed, 7, 9, Fill::kRandom},
      {"ruoat.txt", 38, false, Sizing::kFixed, 9, 6, Fill::kPhrase},
      {"ruoat.txt", 20, true, Sizing::kSmallest, 0, 0, Fill::kEmpty},
      {"vaatteet-latin1.txt", 29, false, Sizing::kFixed, 1, 12, Fill::kRandom},
      {"vaatteet-latin1.txt", 29, false, Sizing::kSmallest, 0, 0, Fill::kPhrase},
      {"sanat-100.txt", 45, false, Sizing::kSmallest, 0, 0, Fill::kRandom},
      {"sanat-100.txt", 40, true, Sizing::kFixed, 12, 12, Fill::kEmpty},
      {"sanat-1000.txt", 70, false, Sizing::kFixed, 20, 20, Fill::kPhrase},
      {"sanat-1000.txt", 40, false, Sizing::kFixed, 8, 8, Fill::kRandom},
  };
  std::mt19937 draw(1207);
  int extraOccurrences = 0;
  for (std::size_t n = 0; n < cases.size(); ++n) {
    const Case& c = cases[n];
    SCOPED_TRACE("case " + std::to_string(n) + ": " + c.list);
    std::vector<std::string> words = exampleWords(c.list);
    std::shuffle(words.begin(), words.end(), draw);
    words.resize(std::min(words.size(), c.words));
    std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
      return a.size() > b.size();
    });

    std::srand(static_cast<unsigned>(n) * 7919 + 1);
    PlatformRandom random;
    Grid grid =
        create(c.sizing == Sizing::kFixed ? c.rows : 1, c.sizing == Sizing::kFixed ? c.columns : 1);
    const ReferenceRun run =
        referenceBuildGrid(grid, words, c.children, c.sizing, c.rows, c.columns, random);
    ASSERT_FALSE(grid.placedWords.empty());
    const int emptyBeforeFill = grid.emptyCellCount();
    if (c.fill == Fill::kRandom) fillRandom(grid, random);
    if (c.fill == Fill::kPhrase) fillWithPhrase(grid, phrase, random);

    const std::string document = puzzleDocument(grid, "Ristikko " + std::to_string(n) + " <&>");
    StringFile file(document, 4093);
    const PageReading reading = readPuzzlePage(file);
    ASSERT_EQ(reading.error, PageError::kNone);
    const PuzzlePage& page = reading.page;
    EXPECT_EQ(page.title, "Ristikko " + std::to_string(n) + " <&>");
    EXPECT_EQ(page.rows, grid.rows);
    const AnswerKey key = solvePage(page);
    ASSERT_FALSE(key.tooManyOccurrences);

    // Every placed word at exactly its cells.
    std::map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < page.words.size(); ++i) index[page.words[i]] = i;
    ASSERT_EQ(index.size(), grid.placedWords.size());
    Cells placed;
    std::size_t expectedOccurrences = 0;
    for (std::size_t w = 0; w < grid.placedWords.size(); ++w) {
      const std::string& word = grid.placedWords[w];
      ASSERT_TRUE(index.contains(listed(word))) << word;
      const std::vector<Occurrence>& found = key.occurrences[index[listed(word)]];
      const Cells where = placementCells(run.placements[w], word.size());
      placed.insert(where.begin(), where.end());
      EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const Occurrence& o) {
        return cellSet(o) == where;
      })) << word;
      // Any further occurrence is one the plain search finds too.
      EXPECT_EQ(found, plainOccurrences(page.rows, page.words[index[listed(word)]])) << word;
      expectedOccurrences += found.size();
    }

    // Marked are the placements' cells and those of the further occurrences.
    Cells marked;
    for (int r = 0; r < grid.rowCount(); ++r) {
      for (int col = 0; col < grid.columnCount(); ++col) {
        if (key.isCovered(r, col)) marked.emplace(r, col);
      }
    }
    Cells occupied = placed;
    for (const std::vector<Occurrence>& list : key.occurrences) {
      for (const Occurrence& o : list) {
        const Cells cells = cellSet(o);
        occupied.insert(cells.begin(), cells.end());
      }
    }
    EXPECT_EQ(marked, occupied);
    const bool onlyPlacements = expectedOccurrences == grid.placedWords.size();
    if (onlyPlacements) {
      EXPECT_EQ(marked, placed);
    }
    extraOccurrences += static_cast<int>(expectedOccurrences - grid.placedWords.size());

    if (c.fill == Fill::kPhrase) {
      ASSERT_TRUE(page.phrase.has_value());
      EXPECT_EQ(*page.phrase, listed(grid.hiddenPhrase));
      // When no word lies anywhere else, the letters left over are those of
      // the fill: they begin with the phrase if it had room.
      const bool fits = emptyBeforeFill >= static_cast<int>(removeSpaces(phrase).size());
      if (onlyPlacements) {
        EXPECT_EQ(key.phraseMatches, fits);
      }
    } else {
      EXPECT_FALSE(page.phrase.has_value());
      EXPECT_FALSE(key.phraseMatches.has_value());
    }
    if (c.fill == Fill::kEmpty) {
      EXPECT_EQ(key.leftoverLetters, "");
    }
  }
  // Random letters do spell short words by chance: the cases include some.
  EXPECT_GT(extraOccurrences, 0);
}

}  // namespace
}  // namespace haravoija::testing
