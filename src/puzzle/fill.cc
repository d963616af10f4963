// Random and hidden-phrase fills of the cells no word uses.
#include "puzzle/fill.h"

#include <array>

#include "text/letters.h"

namespace haravoija {
namespace {

// Index order matters: a given seed must give the same letters everywhere.
// clang-format off
constexpr std::array<unsigned char, 29> kRandomAlphabet = {
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O',
    'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z',
    kCapitalARing, kCapitalAUmlaut, kCapitalOUmlaut};
// clang-format on

char randomLetter(RandomSource& random) {
  // Every index gets 1129 or 1130 of the 32768 draw values.
  const int index = random.draw() * static_cast<int>(kRandomAlphabet.size()) / (kRandomMax + 1);
  return static_cast<char>(kRandomAlphabet[static_cast<std::size_t>(index)]);
}

}  // namespace

void fillRandom(Grid& grid, RandomSource& random) {
  for (std::string& row : grid.rows) {
    for (char& cell : row) {
      if (cell == kEmptyCell) cell = randomLetter(random);
    }
  }
}

void fillWithPhrase(Grid& grid, std::string_view line, RandomSource& random) {
  grid.hiddenPhrase.clear();
  for (char c : line) {
    grid.hiddenPhrase += static_cast<char>(toLowerLetter(static_cast<unsigned char>(c)));
  }
  const std::string letters = phraseCells(line);
  std::size_t next = 0;
  for (std::string& row : grid.rows) {
    for (char& cell : row) {
      if (cell != kEmptyCell) continue;
      if (next < letters.size()) {
        cell = letters[next++];
      } else {
        cell = randomLetter(random);
      }
    }
  }
}

}  // namespace haravoija
