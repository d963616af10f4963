// Importing the words of a file into the list: the random pick, the import
// command's selections and word cap, and the batch run's import.
#include "words/word_file.h"

#include <cstdint>
#include <utility>

#include "text/letters.h"

namespace haravoija {

void pickRandom(std::vector<std::string>& words, std::size_t n, RandomSource& random) {
  const std::size_t k = words.size();
  for (std::size_t i = 0; i + 1 < k && i < n; ++i) {
    const std::int64_t offset = static_cast<std::int64_t>(random.draw()) *
                                static_cast<std::int64_t>(k - i) / (kRandomMax + 1);
    std::swap(words[i], words[i + static_cast<std::size_t>(offset)]);
  }
}

ImportResult importWordFile(InputFile& file, WordFileMode mode, const WordSelection& selection,
                            WordList& list, RandomSource& random) {
  ImportResult result;
  std::vector<std::string> chosen = readWordFile(file, mode, list);
  if (selection.refuseAfterReading) {
    result.selectionRefused = true;
    return result;
  }
  if (selection.initialLetter) {
    const unsigned char letter = toUpperLetter(*selection.initialLetter);
    std::erase_if(chosen, [letter](const std::string& word) {
      return toUpperLetter(static_cast<unsigned char>(word.front())) != letter;
    });
  }
  if (selection.count) {
    pickRandom(chosen, *selection.count, random);
    if (chosen.size() > *selection.count) chosen.resize(*selection.count);
  }
  for (std::string& word : chosen) {
    if (list.size() >= static_cast<std::size_t>(kMaxWords)) break;
    list.add(word);
    result.added.push_back(std::move(word));
  }
  return result;
}

std::vector<std::string> importBatchFile(InputFile& file, WordFileMode mode, WordList& list) {
  std::vector<std::string> added = readWordFile(file, mode, list);
  for (const std::string& word : added) list.add(word);
  return added;
}

}  // namespace haravoija
