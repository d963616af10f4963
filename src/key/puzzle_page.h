// Reading back a puzzle page that the program saved: its title, letter grid,
// word list and hidden phrase, from a file read a chunk at a time.
#ifndef HARAVOIJA_KEY_PUZZLE_PAGE_H_
#define HARAVOIJA_KEY_PUZZLE_PAGE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "env/file_system.h"
#include "text/limits.h"

namespace haravoija {

// What a saved page holds, in CP850 like all text inside the program.
struct PuzzlePage {
  // The title with the character references &amp; &lt; &gt; read back.
  std::string title;
  // The grid rows top to bottom, one byte per cell, a space for an empty
  // cell; at least one row, all of the same length, at least one column.
  std::vector<std::string> rows;
  // The word list in page order, as listed (first letter upper case).
  std::vector<std::string> words;
  // The hidden phrase as the information comment gives it, when it does.
  std::optional<std::string> phrase;
};

enum class PageError {
  kNone,
  kReadFailed,    // the file could not be read to the end of the page
  kNotAPage,      // no sign of a saved puzzle page
  kNoGrid,        // a page without grid rows
  kDamagedGrid,   // grid rows whose cells cannot be made out
  kUnequalRows,   // grid rows of different lengths
  kTruncated,     // the page ends inside the grid or the word list
  kNoWords,       // a word list without words, or none at all
  kDamagedWords,  // lines in the word list that a saved page never has
  kTooLarge,      // larger than any page the program makes
};

struct PageReading {
  PageError error = PageError::kNone;
  // Meaningful only when error is kNone.
  PuzzlePage page;
};

// Reads the page from the file. Everything after the word list is never
// read. Letters come back as CP850. Reading stops as soon as the page passes
// one of the limits of a saved page (page/page_format.h) or the grid side of
// text/limits.h, so garbage costs bounded time and memory.
[[nodiscard]] PageReading readPuzzlePage(InputFile& file);

}  // namespace haravoija

#endif  // HARAVOIJA_KEY_PUZZLE_PAGE_H_
