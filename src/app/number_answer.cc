// The row and column prompts and their strict number parsing.
#include "app/number_answer.h"

#include <charconv>
#include <system_error>

#include "text/limits.h"

namespace haravoija {

namespace {

bool isWhiteSpace(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int> parseGridSide(std::string_view line) {
  std::size_t pos = 0;
  while (pos < line.size() && isWhiteSpace(static_cast<unsigned char>(line[pos]))) ++pos;
  bool negative = false;
  if (pos < line.size() && (line[pos] == '+' || line[pos] == '-')) {
    negative = line[pos] == '-';
    ++pos;
  }
  const std::string_view digits = line.substr(pos);
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (!isDigit(static_cast<unsigned char>(c))) return std::nullopt;
  }
  // from_chars reports a value too large for int instead of wrapping, so a
  // line of forty digits is simply out of range.
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < 1 || value > kMaxGridSide) return std::nullopt;
  return value;
}

namespace {

// The question and the two refusal lines of one prompt.
struct GridSideTexts {
  std::string_view question;
  std::string_view error;
  std::string_view rule;
};

constexpr GridSideTexts kRowTexts = {
    "Anna sanaristikon vaakarivien lukum\204\204r\204. ",
    "VIRHE: Sy\224te ei ole kelvollinen. Anna vaakarivien m\204\204r\204 uudelleen.",
    "Vaakarivien lukum\204\204r\204 tulee olla kokonaisluku v\204lilt\204 1 - 1000.",
};

constexpr GridSideTexts kColumnTexts = {
    "Anna pystyrivien lukum\204\204r\204. ",
    "VIRHE: Sy\224te ei ole kelvollinen. Anna pystyrivien m\204\204r\204 uudelleen.",
    "Pystyrivien lukum\204\204r\204 tulee olla kokonaisluku v\204lilt\204 1 - 1000.",
};

static_assert(statesNumber(kRowTexts.rule, kMaxGridSide) &&
              statesNumber(kColumnTexts.rule, kMaxGridSide));

}  // namespace

std::optional<int> askGridSide(GridSide side, Console& console) {
  const GridSideTexts& texts = side == GridSide::kRows ? kRowTexts : kColumnTexts;
  console.line(texts.question);
  for (;;) {
    const std::optional<std::string> answer = console.ask();
    if (!answer) return std::nullopt;
    if (const std::optional<int> value = parseGridSide(*answer)) return value;
    console.line(texts.error);
    console.line(texts.rule);
  }
}

}  // namespace haravoija
