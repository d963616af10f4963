// Random, hidden-phrase and empty fills, and the console menu that picks one.
#include "puzzle/fill.h"

#include <array>
#include <optional>
#include <string>

#include "text/letters.h"
#include "text/random_draw.h"

namespace haravoija {
namespace {

// Index order matters: a given seed must give the same letters everywhere.
constexpr std::array<unsigned char, 29> kRandomAlphabet = {
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O',
    'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z',
    kCapitalARing, kCapitalAUmlaut, kCapitalOUmlaut};

unsigned char randomLetter() {
  // Every index gets 1129 or 1130 of the 32768 draw values.
  const int index = drawRandom() * static_cast<int>(kRandomAlphabet.size()) / (kRandomMax + 1);
  return kRandomAlphabet[static_cast<std::size_t>(index)];
}

void askForPhraseFill(Grid& grid, Console& console) {
  const int needed = grid.emptyCellCount();
  const std::string count = std::to_string(needed);
  console.line("Anna sana / lause, joka muodostuu j\204ljellej\204\204vist\204 kirjaimista. ");
  console.line("Sanassa / lauseessa pit\204\204 olla yhteens\204 " + count + " kirjainta.");
  std::string last;  // the empty phrase when input ends before any line
  while (std::optional<std::string> answer = console.ask()) {
    last = std::move(*answer);
    const std::size_t letters = removeSpaces(last).size();
    if (letters == static_cast<std::size_t>(needed)) break;
    console.line("VIRHE: Sanassa / lauseessa pit\204\204 olla yhteens\204 " + count + " kirjainta.");
    console.line("Antamassasi sanassa / lauseessa oli " + std::to_string(letters) + " kirjainta.");
  }
  fillWithPhrase(grid, last);
}

}  // namespace

void fillRandom(Grid& grid) {
  for (std::string& row : grid.rows) {
    for (char& cell : row) {
      if (cell == kEmptyCell) cell = static_cast<char>(randomLetter());
    }
  }
}

void fillWithPhrase(Grid& grid, std::string_view line) {
  grid.hiddenPhrase.clear();
  for (char c : line) {
    grid.hiddenPhrase += static_cast<char>(toLowerLetter(static_cast<unsigned char>(c)));
  }
  const std::string letters = removeSpaces(line);
  std::size_t next = 0;
  for (std::string& row : grid.rows) {
    for (char& cell : row) {
      if (cell != kEmptyCell) continue;
      if (next < letters.size()) {
        cell = static_cast<char>(toUpperLetter(static_cast<unsigned char>(letters[next++])));
      } else {
        cell = static_cast<char>(randomLetter());
      }
    }
  }
}

std::string removeSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

FillMode chooseFill(Grid& grid, Console& console) {
  console.emptyLine();
  console.line("Ruudukkoon j\204i " + std::to_string(grid.emptyCellCount()) +
               " tyhj\204\204 kohtaa. ");
  console.line("Valitse seuraavista:");
  console.line("   1. Anna koneen t\204ytt\204\204 ristikon tyhj\204t kohdat");
  console.line("      satunnaisilla kirjaimilla. (suositus)");
  console.line("   2. Haluan ett\204 j\204ljelle j\204\204vist\204 kirjaimista muodostuu jokin sana.");
  console.line("   3. J\204t\204 kohdat tyhjiksi.");
  // A valid answer is acted on at once, so when input ends the last line read
  // was never a valid answer and nothing is filled.
  while (std::optional<std::string> answer = console.ask()) {
    if (*answer == "1") {
      fillRandom(grid);
      return FillMode::kRandomLetters;
    }
    if (*answer == "2") {
      askForPhraseFill(grid, console);
      return FillMode::kHiddenPhrase;
    }
    if (*answer == "3") return FillMode::kLeaveEmpty;
  }
  return FillMode::kNone;
}

}  // namespace haravoija
