// The dialogue's three menus and the prompt loop they share.
#include "app/menu.h"

#include <array>
#include <cassert>

namespace haravoija {

std::optional<int> askMenu(std::span<const std::string_view> lines, int choices, Console& console) {
  assert(choices >= 1 && choices <= 9);
  for (std::string_view line : lines) console.line(line);
  for (;;) {
    const std::optional<std::string> answer = console.ask();
    if (!answer) return std::nullopt;
    if (answer->size() == 1) {
      const int digit = static_cast<unsigned char>((*answer)[0]) - '0';
      if (digit >= 1 && digit <= choices) return digit;
    }
  }
}

std::optional<int> askDifficulty(Console& console) {
  constexpr std::array<std::string_view, 3> kLines = {
      "Valitse ristikon vaikeustaso:",
      "    1. Normaali ristikko (sanat kaikkiin suuntiin)",
      "    2. Lasten ristikko (sanat vain oikealle ja alas)",
  };
  return askMenu(kLines, 2, console);
}

std::optional<int> askSizing(Console& console) {
  constexpr std::array<std::string_view, 3> kLines = {
      "Valitse seuraavista:",
      "    1. Annan koneen luoda sanoista mahdollisimman pienikokoisen ristikon",
      "    2. Haluan m\204\204ritell\204 itse ristikon koon",
  };
  return askMenu(kLines, 2, console);
}

std::optional<int> askEndChoice(Console& console) {
  constexpr std::array<std::string_view, 6> kLines = {
      "Valitse seuraavista:",
      "   1. Tallenna sanaristikko tiedostoon",
      "   2. Luo uusi ristikko samoilla sanoilla",
      "   3. Luo uusi ristikko samoilla sanoilla ja asetuksilla",
      "   4. Luo kokonaan uusi ristikko alusta alkaen",
      "   5. Lopeta ohjelma",
  };
  return askMenu(kLines, 5, console);
}

}  // namespace haravoija
