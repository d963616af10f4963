// The fixed lines of the information comment, and the escaping of the
// user's text on a page both ways.
#include "page/page_format.h"

#include <array>
#include <utility>

#include "text/letters.h"

namespace haravoija {
namespace {

constexpr std::array<std::pair<char, std::string_view>, 4> kReferences = {
    {{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}}};

constexpr std::string_view kSignatureLine =
    "<!-- T\344m\344 tiedosto on laadittu Haravoija -ohjelmalla -->";
static_assert(kSignatureLine.find(kSignature) != std::string_view::npos);

// The indentation of the comment's lines after its first.
constexpr std::string_view kIndent = "         ";

}  // namespace

std::string_view markupReference(char c, Quotes quotes) {
  for (const auto& [character, reference] : kReferences) {
    if (c == character) return c == '"' && quotes == Quotes::kKept ? "" : reference;
  }
  return "";
}

std::string escapeMarkup(std::string_view text, Quotes quotes) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const std::string_view reference = markupReference(c, quotes);
    if (reference.empty()) {
      out += c;
    } else {
      out += reference;
    }
  }
  return out;
}

std::string unescapeMarkup(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    std::size_t taken = 1;
    char c = text.front();
    if (c == '&') {
      for (const auto& [character, reference] : kReferences) {
        if (character != '"' && text.starts_with(reference)) {
          c = character;
          taken = reference.size();
          break;
        }
      }
    }
    out += c;
    text.remove_prefix(taken);
  }
  return out;
}

std::string toPageText(std::string_view cp850) { return escapeMarkup(encodeDocumentText(cp850)); }

std::string fromPageText(std::string_view pageText) {
  std::string out = unescapeMarkup(pageText);
  for (char& c : out) c = static_cast<char>(decodeDocumentLetter(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trimmedPageLine(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  return line;
}

std::string informationComment(int rows, int columns, std::size_t words, std::string_view phrase) {
  std::string out;
  const auto addLine = [&out](std::string_view text) {
    out += text;
    out += kPageLineEnd;
  };
  addLine(kSignatureLine);
  addLine("<!-- Tietoja ristikosta: ");
  addLine(std::string(kIndent) + "Ristikon koko: " + std::to_string(rows) + "x" +
          std::to_string(columns));
  const std::string count =
      std::string(kIndent) + "Ristikossa yhteens\344 " + std::to_string(words) + " sanaa.";
  if (phrase.empty()) {
    addLine(count + " -->");
  } else {
    addLine(count);
    addLine(std::string(kIndent) + std::string(kPhraseLead) + toPageText(phrase));
    addLine(" -->");
  }
  return out;
}

bool isSignatureLine(std::string_view line) {
  return trimmedPageLine(line).starts_with("<!--") &&
         line.find(kSignature) != std::string_view::npos;
}

std::optional<std::string> phraseOfLine(std::string_view line) {
  if (!trimmedPageLine(line).starts_with(kPhraseLead)) return std::nullopt;
  // The phrase keeps its spaces: only the comment's indentation goes.
  return fromPageText(line.substr(line.find(kPhraseLead) + kPhraseLead.size()));
}

}  // namespace haravoija
