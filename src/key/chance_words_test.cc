// Tests of the search for offensive words spelled by chance.
#include "key/chance_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "key/word_search.h"

namespace haravoija {
namespace {

struct Placed {
  std::string word;
  int row, column, rowStep, columnStep;
};

// Chance words as "PERKELE 2,1 E; KUSI 4,3 W" (rows and columns from 0).
std::string chanceIn(const std::vector<Placed>& placed, const std::vector<std::string>& listed) {
  PuzzlePage page{"T", std::vector(10, std::string(10, 'X')), listed, {}};
  for (const Placed& p : placed) {
    for (std::size_t k = 0; k < p.word.size(); ++k) {
      page.rows[p.row + k * p.rowStep][p.column + k * p.columnStep] = p.word[k];
    }
  }
  const char* names[] = {"", "SE", "NE", "NW", "SW", "E", "S", "W", "N"};
  std::string text;
  for (const ChanceWord& chance : findChanceWords(page, findWords(page.rows, listed, 1000), 1000)) {
    for (const Occurrence& at : chance.places) {
      text += (text.empty() ? "" : "; ") + chance.word + " " + std::to_string(at.row) + "," +
              std::to_string(at.column) + " " + names[at.directionCode];
    }
  }
  return text;
}

TEST(ChanceWordsTest, ReportsWhatNoListedWordSpells) {
  const std::vector<Placed> grid = {
      {"KUSIAINEN", 0, 0, 0, 1}, {"PERKELE", 2, 1, 0, 1}, {"ISUK", 4, 0, 0, 1}};
  const struct {
    std::vector<Placed> placed;
    std::vector<std::string> listed;
    std::string expected;
  } cases[] = {
      // The KUSI of the listed ant is the teacher's; the one read backwards is chance.
      {grid, {"Kusiainen"}, "PERKELE 2,1 E; KUSI 4,3 W"},
      {grid, {"kusiainen", "Perkele"}, "KUSI 4,3 W"},
      {grid, {"KUSI"}, "PERKELE 2,1 E"},
      // Inside a listed word on the diagonals, either way.
      {{{"KUSIAINEN", 9, 9, -1, -1}}, {"Kusiainen"}, ""},
      {{{"KUSIAINEN", 9, 0, -1, 1}}, {"Kusiainen"}, ""},
      {{{"KUSIAINEN", 9, 0, -1, 1}}, {"Muurahainen"}, "KUSI 9,0 NE"},
      // Letters of two listed words side by side are not one listed word.
      {{{"KYRP\216", 0, 0, 1, 0}}, {"Kyr", "P\204"}, "KYRP\216 0,0 S"},
      // Listed words leaving each of its cells the other ways do not hide it.
      {{{"KUSI", 0, 0, 1, 0}, {"AAA", 1, 1, 1, 0}}, {"Ka", "Ua", "Sa"}, "KUSI 0,0 S"},
      {{}, {"Xx"}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(chanceIn(c.placed, c.listed), c.expected);
}

}  // namespace
}  // namespace haravoija
