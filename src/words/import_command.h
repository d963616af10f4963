// The import command's line ("+name.txt a 5") and the word-file names of the
// batch run: how a name picks the way a file is read, and which of its words
// the parameters select.
#ifndef HARAVOIJA_WORDS_IMPORT_COMMAND_H_
#define HARAVOIJA_WORDS_IMPORT_COMMAND_H_

#include <optional>
#include <string_view>
#include <vector>

#include "words/word_file.h"

namespace haravoija {

// True when the text holds ".txt" or ".html" anywhere (case matters).
[[nodiscard]] bool namesWordFile(std::string_view text);

// Plain when the text holds ".txt" anywhere, otherwise a saved puzzle page.
[[nodiscard]] WordFileMode wordFileModeOf(std::string_view text);

struct ImportLine {
  // The first token without its "+"; console bytes, possibly empty.
  std::string_view fileName;
  WordFileMode mode = WordFileMode::kPlain;
  // The tokens after the first.
  std::vector<std::string_view> parameters;
};

// Splits the line at spaces and tabs. Nothing when the line has fewer than
// 5 bytes or does not name a word file. The result views the line.
// REQUIRES: the line begins with "+".
[[nodiscard]] std::optional<ImportLine> parseImportLine(std::string_view line);

struct SelectionParse {
  enum class Status { kAccepted, kTooManyParameters, kRefused };
  Status status = Status::kAccepted;
  WordSelection selection;
};

// The selection that up to two parameters give: none, all words; digits, a
// count; one letter, an initial letter; a letter and a count in either
// order. One parameter must be shorter than 7 bytes; a single parameter of
// 2-6 letters is accepted here and refused once the file has been read.
// REQUIRES: no parameter is empty (parseImportLine's are not).
[[nodiscard]] SelectionParse parseSelection(const std::vector<std::string_view>& parameters);

}  // namespace haravoija

#endif  // HARAVOIJA_WORDS_IMPORT_COMMAND_H_
