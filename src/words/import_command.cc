// Parsing word entry's "+" command and handing the file to the import.
#include "words/import_command.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "text/charset.h"
#include "text/files.h"
#include "words/word_file.h"

namespace haravoija {
namespace {

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Splits at spaces and tabs; blanks at either end add no token.
std::vector<std::string_view> splitAtBlanks(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t pos = 0;
  while (pos < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t", pos);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
    tokens.push_back(line.substr(start, end - start));
    pos = end;
  }
  return tokens;
}

// A count of any length: one too large to represent asks for more words than
// any file holds, so it becomes the largest count.
std::size_t parseCount(std::string_view digits) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) return std::numeric_limits<std::size_t>::max();
  return value;
}

// The selection given by the parameters, or nothing when they are refused.
std::optional<WordSelection> parseSelection(const std::vector<std::string_view>& parameters) {
  WordSelection selection;
  if (parameters.empty()) return selection;
  if (parameters.size() == 1) {
    const std::string_view parameter = parameters[0];
    if (parameter.size() >= 7) return std::nullopt;
    if (allDigits(parameter)) {
      selection.count = parseCount(parameter);
    } else if (allLetters(parameter)) {
      if (parameter.size() == 1) {
        selection.initialLetter = static_cast<unsigned char>(parameter[0]);
      } else {
        selection.refuseAfterReading = true;
      }
    } else {
      return std::nullopt;
    }
    return selection;
  }
  std::string_view letters = parameters[0];
  std::string_view digits = parameters[1];
  if (allDigits(letters)) std::swap(letters, digits);
  if (!allLetters(letters) || !allDigits(digits)) return std::nullopt;
  selection.initialLetter = static_cast<unsigned char>(letters[0]);
  selection.count = parseCount(digits);
  return selection;
}

}  // namespace

void runImportCommand(std::string_view line, WordList& list, Console& console) {
  const bool plain = line.find(".txt") != std::string_view::npos;
  if (line.size() < 5 || (!plain && line.find(".html") == std::string_view::npos)) {
    console.line("VIRHE: Anna kunnollinen tiedostonimi.");
    console.line("Tiedostonimen p\204\204te tulee olla .txt tai .html.");
    return;
  }
  std::vector<std::string_view> tokens = splitAtBlanks(line);
  // The line begins with "+", so there is always a first token.
  const std::string_view name = tokens.front().substr(1);
  const std::vector<std::string_view> parameters(tokens.begin() + 1, tokens.end());

  std::ifstream file;
  if (!openForReading(file, diskFileName(name, console.charset()))) {
    console.line("VIRHE: Tiedostosta ei voitu lukea.");
    return;
  }
  if (parameters.size() > 2) {
    console.line("VIRHE: Liikaa parametrej\204.");
    return;
  }
  const std::optional<WordSelection> selection = parseSelection(parameters);
  if (!selection) {
    console.line("VIRHE: Parametri ei kelpaa.");
    return;
  }
  importWordFile(file, plain ? WordFileMode::kPlain : WordFileMode::kHtml, *selection, list,
                 console);
}

}  // namespace haravoija
