// Covered cells, leftover letters and the phrase check from the word search.
#include "key/answer_key.h"

#include "puzzle/grid.h"
#include "text/letters.h"

namespace haravoija {

KeyOutcome solvePage(const PuzzlePage& page) {
  AnswerKey key;
  key.found = findWords(page.rows, page.words, kMostOccurrences);
  if (key.found.tooMany) return TooManyOccurrences{};
  for (const std::string& row : page.rows) key.covered.emplace_back(row.size(), '0');
  for (const Occurrence& at : key.found.places) {
    const Step step = directionStep(at.direction());
    for (int k = 0, r = at.row, c = at.column; k < at.length;
         ++k, r += step.row, c += step.column) {
      key.covered[r][c] = '1';
    }
  }
  for (std::size_t r = 0; r < page.rows.size(); ++r) {
    for (std::size_t c = 0; c < page.rows[r].size(); ++c) {
      const char cell = page.rows[r][c];
      if (cell != kEmptyCell && key.covered[r][c] == '0') {
        key.leftoverLetters += static_cast<char>(toUpperLetter(static_cast<unsigned char>(cell)));
      }
    }
  }
  key.chance = findChanceWords(page, key.found, kMostOccurrences);
  if (page.phrase) {
    const std::string letters = phraseCells(*page.phrase);
    key.phraseMatches = key.leftoverLetters.compare(0, letters.size(), letters) == 0;
  }
  return key;
}

}  // namespace haravoija
