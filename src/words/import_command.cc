// Parsing the import command's line and its selection parameters.
#include "words/import_command.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

#include "words/word_list.h"

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

}  // namespace

bool namesWordFile(std::string_view text) {
  return text.find(".txt") != std::string_view::npos ||
         text.find(".html") != std::string_view::npos;
}

WordFileMode wordFileModeOf(std::string_view text) {
  return text.find(".txt") != std::string_view::npos ? WordFileMode::kPlain : WordFileMode::kHtml;
}

std::optional<ImportLine> parseImportLine(std::string_view line) {
  if (line.size() < 5 || !namesWordFile(line)) return std::nullopt;
  const std::vector<std::string_view> tokens = splitAtBlanks(line);
  // The line begins with "+", so there is always a first token.
  ImportLine parsed;
  parsed.fileName = tokens.front().substr(1);
  parsed.mode = wordFileModeOf(line);
  parsed.parameters.assign(tokens.begin() + 1, tokens.end());
  return parsed;
}

SelectionParse parseSelection(const std::vector<std::string_view>& parameters) {
  SelectionParse parse;
  WordSelection& selection = parse.selection;
  if (parameters.size() > 2) {
    parse.status = SelectionParse::Status::kTooManyParameters;
  } else if (parameters.size() == 1) {
    const std::string_view parameter = parameters[0];
    if (parameter.size() >= 7) {
      parse.status = SelectionParse::Status::kRefused;
    } else if (allDigits(parameter)) {
      selection.count = parseCount(parameter);
    } else if (allLetters(parameter)) {
      if (parameter.size() == 1) {
        selection.initialLetter = static_cast<unsigned char>(parameter[0]);
      } else {
        selection.refuseAfterReading = true;
      }
    } else {
      parse.status = SelectionParse::Status::kRefused;
    }
  } else if (parameters.size() == 2) {
    std::string_view letters = parameters[0];
    std::string_view digits = parameters[1];
    if (allDigits(letters)) std::swap(letters, digits);
    if (allLetters(letters) && allDigits(digits)) {
      selection.initialLetter = static_cast<unsigned char>(letters[0]);
      selection.count = parseCount(digits);
    } else {
      parse.status = SelectionParse::Status::kRefused;
    }
  }
  return parse;
}

}  // namespace haravoija
