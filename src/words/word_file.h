// Importing words from files into the list: the import command's selections
// and the batch run's import.
#ifndef HARAVOIJA_WORDS_WORD_FILE_H_
#define HARAVOIJA_WORDS_WORD_FILE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "env/file_system.h"
#include "env/random_source.h"
#include "words/word_file_reader.h"
#include "words/word_list.h"

namespace haravoija {

// Which of a file's candidate words the import command takes.
struct WordSelection {
  // Only words whose first letter matches this one (compared upper-cased).
  std::optional<unsigned char> initialLetter;
  // At most this many, drawn at random.
  std::optional<std::size_t> count;
  // A single parameter of 2-6 letters: refused once the file has been read.
  bool refuseAfterReading = false;
};

// Partial shuffle: afterwards the first min(n, size) entries are a random
// pick, one draw per step.
void pickRandom(std::vector<std::string>& words, std::size_t n, RandomSource& random);

struct ImportResult {
  // The selection was refused after reading (nothing added).
  bool selectionRefused = false;
  // The words added, in the order they joined the list.
  std::vector<std::string> added;
};

// The import command: reads, selects, and adds the chosen words until the
// list holds kMaxWords.
[[nodiscard]] ImportResult importWordFile(InputFile& file, WordFileMode mode,
                                          const WordSelection& selection, WordList& list,
                                          RandomSource& random);

// The batch run's import: every candidate added, no cap. Returns the words
// added, in file order.
std::vector<std::string> importBatchFile(InputFile& file, WordFileMode mode, WordList& list);

}  // namespace haravoija

#endif  // HARAVOIJA_WORDS_WORD_FILE_H_
