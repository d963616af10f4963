// Importing the words of a file into the list: the random pick, the import
// command's selections and word cap, and the batch run's import.
#include "words/word_file.h"

#include <cstdint>
#include <utility>

#include "text/letters.h"
#include "text/random_draw.h"

namespace haravoija {
namespace {

void printAdded(const std::string& word, Console& console) {
  console.line("Sana " + word + " lis\204tty.");
}

}  // namespace

void pickRandom(std::vector<std::string>& words, std::size_t n) {
  const std::size_t k = words.size();
  for (std::size_t i = 0; i + 1 < k && i < n; ++i) {
    const std::int64_t offset = static_cast<std::int64_t>(drawRandom()) *
                                static_cast<std::int64_t>(k - i) / (kRandomMax + 1);
    std::swap(words[i], words[i + static_cast<std::size_t>(offset)]);
  }
}

void importWordFile(std::istream& file, WordFileMode mode, const WordSelection& selection,
                    WordList& list, Console& console) {
  console.line("Odota, luetaan tiedostoa... ");
  std::vector<std::string> chosen = readWordFile(file, mode, list);
  if (selection.refuseAfterReading) {
    console.line("VIRHE: Parametri ei kelpaa.");
    return;
  }
  if (selection.initialLetter) {
    const unsigned char letter = toUpperLetter(*selection.initialLetter);
    std::erase_if(chosen, [letter](const std::string& word) {
      return toUpperLetter(static_cast<unsigned char>(word.front())) != letter;
    });
  }
  if (selection.count) {
    pickRandom(chosen, *selection.count);
    if (chosen.size() > *selection.count) chosen.resize(*selection.count);
  }
  std::size_t added = 0;
  for (std::string& word : chosen) {
    if (list.size() >= static_cast<std::size_t>(kMaxWords)) break;
    printAdded(word, console);
    list.add(std::move(word));
    ++added;
  }
  console.line("Yhteens\204 " + std::to_string(added) + " sanaa lis\204ttiin.");
  if (list.size() >= static_cast<std::size_t>(kMaxWords)) {
    console.line("Huom: Sanojen maksimim\204\204r\204 (10000) saavutettiin.");
  }
}

void importBatchFile(std::istream& file, WordFileMode mode, WordList& list, Console& console) {
  console.line("Odota, luetaan tiedostoa... ");
  for (std::string& word : readWordFile(file, mode, list)) {
    printAdded(word, console);
    list.add(std::move(word));
  }
}

}  // namespace haravoija
