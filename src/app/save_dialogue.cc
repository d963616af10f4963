// The save prompt: name test, refusal lines and the hand-over to the writer.
#include "app/save_dialogue.h"

#include <optional>

#include "app/puzzle_steps.h"
#include "text/letters.h"

namespace haravoija {

bool acceptFileNameAnswer(std::string& answer) {
  if (answer.empty()) return true;
  if (!checkTitle(answer)) return false;
  return answer.find('.') == std::string::npos && answer.find('\0') == std::string::npos;
}

SaveOutcome runSaveDialogue(const Grid& grid, std::string_view title, Environment& env) {
  Console& console = env.console;
  console.emptyLine();
  console.line("Anna tiedostonimi, johon tallennetaan. Huom: \216l\204 anna p\204\204tett\204.");
  console.line("Tiedostonimeen lis\204t\204\204n automaattisesti p\204\204te .html.");
  console.line(
      "Jos painat vain enteri\204, k\204ytet\204\204n tiedostonimen\204 ristikon otsikkoa.");
  for (;;) {
    std::optional<std::string> answer = console.ask();
    if (!answer) return SaveOutcome::kInputEnded;
    if (acceptFileNameAnswer(*answer)) {
      savePuzzle(grid, answer->empty() ? title : std::string_view(*answer), title, env);
      return SaveOutcome::kHandedOver;
    }
    console.line("Antamassasi tiedostonimess\204 on kiellettyj\204 merkkej\204. Anna uusi nimi. ");
    console.line("Muista antaa tiedostonimi ilman p\204\204tett\204.");
  }
}

}  // namespace haravoija
