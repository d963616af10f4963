// Reading words from plain word files and from saved puzzle documents.
#ifndef HARAVOIJA_WORDS_WORD_FILE_H_
#define HARAVOIJA_WORDS_WORD_FILE_H_

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "text/console.h"
#include "words/word_list.h"

namespace haravoija {

enum class WordFileMode { kPlain, kHtml };

// Which of a file's candidate words the import command takes.
struct WordSelection {
  // Only words whose first letter matches this one (compared upper-cased).
  std::optional<unsigned char> initialLetter;
  // At most this many, drawn at random.
  std::optional<std::size_t> count;
  // A single parameter of 2-6 letters: refused once the file has been read.
  bool refuseAfterReading = false;
};

// Reads the whole stream and returns the new words it holds, in file order:
// letters only, 2-79 bytes, not in `list` and not read before. Prints nothing.
std::vector<std::string> readWordFile(std::istream& file, WordFileMode mode, const WordList& list);

// Partial shuffle: afterwards the first min(n, size) entries are a random
// pick, one draw per step.
void pickRandom(std::vector<std::string>& words, std::size_t n);

// The import command: progress line, read, select, add up to the word cap,
// summary lines.
void importWordFile(std::istream& file, WordFileMode mode, const WordSelection& selection,
                    WordList& list, Console& console);

// The batch run's import: progress line, then every candidate added with its
// line; no cap, no summary.
void importBatchFile(std::istream& file, WordFileMode mode, WordList& list, Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_WORDS_WORD_FILE_H_
