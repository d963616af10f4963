// Covered cells, leftover letters and the phrase check from the word search.
#include "key/answer_key.h"

#include "puzzle/grid.h"
#include "text/letters.h"

namespace haravoija {

KeyOutcome solvePage(const PuzzlePage& page) {
  WordSearch search = findWords(page.rows, page.words);
  if (search.tooMany) return TooManyOccurrences{};
  AnswerKey key;
  key.occurrences = std::move(search.occurrences);
  for (const std::string& row : page.rows) key.covered.emplace_back(row.size(), '0');
  for (const std::vector<Occurrence>& list : key.occurrences) {
    for (const Occurrence& at : list) {
      const Step step = directionStep(at.direction);
      for (int r = at.row, c = at.column;; r += step.row, c += step.column) {
        key.covered[r][c] = '1';
        if (r == at.endRow && c == at.endColumn) break;
      }
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
  if (page.phrase) {
    const std::string letters = phraseCells(*page.phrase);
    key.phraseMatches = key.leftoverLetters.compare(0, letters.size(), letters) == 0;
  }
  return key;
}

}  // namespace haravoija
