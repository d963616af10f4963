// Text of the console answer key.
#include "output/key_text.h"

#include <algorithm>
#include <span>

#include "output/bounded_text.h"
#include "output/direction_names.h"

namespace haravoija {
namespace {

// "3, 7 alas; 5, 1 oikealle (2 kertaa)", or that the word is missing.
std::string placesText(std::span<const Occurrence> places) {
  if (places.empty()) return "ei l\224ytynyt";
  std::string text;
  for (std::size_t k = 0; k < places.size(); ++k) {
    if (k > 0) text += "; ";
    text += std::to_string(places[k].row + 1) + ", " + std::to_string(places[k].column + 1) + " " +
            std::string(directionNames(places[k].direction()).words);
  }
  if (places.size() > 1) text += " (" + std::to_string(places.size()) + " kertaa)";
  return text;
}

}  // namespace

std::optional<std::string> keyText(const PuzzlePage& page, const AnswerKey& key,
                                   std::size_t limit) {
  const int rows = static_cast<int>(page.rows.size());
  const int columns = static_cast<int>(page.rows[0].size());
  BoundedText text(limit);
  text += "Ratkaisu: " + page.title + "\n";
  text += "Ruudukko " + std::to_string(rows) + " x " + std::to_string(columns) + ", " +
          std::to_string(page.words.size()) + " sanaa\n\n";
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const char cell = page.rows[r][c];
      if (c > 0) text += ' ';
      text += cell == ' ' || key.isCovered(r, c) ? cell : '.';
    }
    text += '\n';
  }

  text += "\nSanat (rivi, sarake, suunta):\n";
  std::size_t widest = 0;
  for (const std::string& word : page.words) widest = std::max(widest, word.size());
  for (std::size_t i = 0; i < page.words.size() && !text.tooLarge(); ++i) {
    text += "  " + page.words[i] + std::string(widest - page.words[i].size() + 2, ' ') +
            placesText(key.places(i)) + '\n';
  }

  if (!key.chance.empty()) {
    text += "\nRuudukkoon sattumalta syntyneet rumat sanat (rivi, sarake, suunta):\n";
    for (const ChanceWord& chance : key.chance) {
      text += "  " + chance.word + "  " + placesText(chance.places) + '\n';
    }
    text += "Tee tarvittaessa uusi ristikko ennen tulostamista.\n";
  }
  if (page.phrase) {
    text += "\nPiilolause: " + *page.phrase + "\n";
    text += *key.phraseMatches
                ? "J\204ljelle j\204\204v\204t kirjaimet muodostavat piilolauseen.\n"
                : "J\204ljelle j\204\204v\204t kirjaimet eiv\204t muodosta piilolausetta.\n";
  }
  return std::move(text).take();
}

}  // namespace haravoija
