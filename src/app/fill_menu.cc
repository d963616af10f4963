// The fill-mode menu and the phrase question with its length check.
#include "app/fill_menu.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/menu.h"
#include "puzzle/fill.h"
#include "text/letters.h"

namespace haravoija {
namespace {

void askForPhraseFill(Grid& grid, Environment& env) {
  Console& console = env.console;
  const int needed = grid.emptyCellCount();
  const std::string letterCountLine =
      "Sanassa / lauseessa pit\204\204 olla yhteens\204 " + std::to_string(needed) + " kirjainta.";
  console.line("Anna sana / lause, joka muodostuu j\204ljellej\204\204vist\204 kirjaimista. ");
  console.line(letterCountLine);
  std::string last;  // the empty phrase when input ends before any line
  while (std::optional<std::string> answer = console.ask()) {
    last = std::move(*answer);
    const std::size_t letters = phraseCells(last).size();
    if (letters == static_cast<std::size_t>(needed)) break;
    console.line("VIRHE: " + letterCountLine);
    console.line("Antamassasi sanassa / lauseessa oli " + std::to_string(letters) + " kirjainta.");
  }
  fillWithPhrase(grid, last, env.random);
}

}  // namespace

FillMode chooseFill(Grid& grid, Environment& env) {
  constexpr std::array<std::string_view, 5> kMenuLines = {
      "Valitse seuraavista:",
      "   1. Anna koneen t\204ytt\204\204 ristikon tyhj\204t kohdat",
      "      satunnaisilla kirjaimilla. (suositus)",
      "   2. Haluan ett\204 j\204ljelle j\204\204vist\204 kirjaimista muodostuu jokin sana.",
      "   3. J\204t\204 kohdat tyhjiksi.",
  };
  env.console.emptyLine();
  env.console.line("Ruudukkoon j\204i " + std::to_string(grid.emptyCellCount()) +
                   " tyhj\204\204 kohtaa. ");
  // A valid answer is acted on at once, so when input ends the last line read
  // was never a valid answer and nothing is filled.
  switch (askMenu(kMenuLines, 3, env.console).value_or(0)) {
    case 1: fillRandom(grid, env.random); return FillMode::kRandomLetters;
    case 2: askForPhraseFill(grid, env); return FillMode::kHiddenPhrase;
    case 3: return FillMode::kLeaveEmpty;
    default: return FillMode::kNone;
  }
}

}  // namespace haravoija
