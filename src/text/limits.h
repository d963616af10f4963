// The sizes the program accepts: how long a word may be, how many words a
// list may hold, how many rows or columns a grid may have and how large an
// output made of a saved page may be. Everything that
// checks, sizes a buffer by or states one of them refers to these.
#ifndef HARAVOIJA_TEXT_LIMITS_H_
#define HARAVOIJA_TEXT_LIMITS_H_

#include <cstddef>
#include <string_view>

namespace haravoija {

// Letters in a word of the list.
inline constexpr int kMinWordLength = 2;
inline constexpr int kMaxWordLength = 79;
// Words a list made in the dialogue may hold (the batch run reads them all).
inline constexpr int kMaxWords = 10000;
// Rows or columns the user may ask for, and of any page the key reads.
inline constexpr int kMaxGridSide = 1000;
// Megabytes (of 2^20 bytes) that an answer key or a playable page made of a
// saved page may take, in any of its forms. The largest puzzles the program
// makes give keys and pages of 20-50 megabytes; past this a page can only
// be one made to exhaust the machine.
inline constexpr int kLargestOutputMegabytes = 128;
inline constexpr std::size_t kLargestOutputBytes = std::size_t{kLargestOutputMegabytes} << 20;

// True when `text` writes `number` (not negative) in decimal digits that no
// other digit adjoins. A message that states a limit is checked against its
// constant with this at compile time, so that the two cannot drift apart.
// REQUIRES: number >= 0.
constexpr bool statesNumber(std::string_view text, int number) {
  char digits[12] = {};
  int length = 0;
  do {
    digits[length++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number > 0);
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  for (std::size_t at = 0; at + static_cast<std::size_t>(length) <= text.size(); ++at) {
    bool same = true;
    for (int k = 0; k < length && same; ++k) {
      same = text[at + static_cast<std::size_t>(k)] == digits[length - 1 - k];
    }
    const std::size_t end = at + static_cast<std::size_t>(length);
    if (same && (at == 0 || !isDigit(text[at - 1])) &&
        (end == text.size() || !isDigit(text[end]))) {
      return true;
    }
  }
  return false;
}

static_assert(statesNumber("on 10000.", 10000) && statesNumber("80", 80) &&
              statesNumber("1 - 1000", 1000));
static_assert(!statesNumber("on 100000.", 10000) && !statesNumber("alle 800", 80) &&
              !statesNumber("2 - 1000", 1) && !statesNumber("", 0));

}  // namespace haravoija

#endif  // HARAVOIJA_TEXT_LIMITS_H_
