// The word-entry loop: each typed line is a command or a word to add.
#include "app/word_entry.h"

#include <array>
#include <string_view>

#include "app/messages.h"
#include "app/word_import.h"
#include "app/word_listing.h"
#include "text/letters.h"
#include "text/limits.h"

namespace haravoija {
namespace {

constexpr std::string_view kTooLong = "VIRHE: Sanan pituus on oltava alle 80 merkki\204.";
static_assert(statesNumber(kTooLong, kMaxWordLength + 1));
constexpr std::string_view kFull =
    "VIRHE: Sanaa ei voitu lis\204t\204. Sanojen maksimim\204\204r\204 on 10000.";
static_assert(statesNumber(kFull, kMaxWords));

constexpr std::array<std::string_view, 16> kHelpLines = {
    " > L             // Lopettaa sanojen kyselemisen.",
    " > N             // N\204ytt\204\204 annetut sanat.",
    " > /POISTU       // Poistuu ohjelmasta v\204litt\224masti.",
    " > A             // N\204ytt\204\204 n\204m\204 aputekstit.",
    " > kissa         // Lis\204\204 ristikkoon sanan kissa.",
    " > -kissa        // Poistaa ristikosta sanan kissa.",
    " > -             // Poistaa viimeisimm\204n lis\204tyn sanan.",
    " > ---           // Poistaa listasta kaikki sanat.",
    " > #Jee          // Muuttaa otsikoksi Jee",
    " > +kunnat.txt   // Lis\204\204 kaikki tiedoston kunnat.txt sanat ristikkoon.",
    " > +sanat.txt a  // Lis\204\204 kaikki tiedostosta sanat.txt loytyv\204t a-kirjaimella",
    "                 // alkavat sanat ristikkoon",
    " > +nimet.txt 30 // Kone arpoo 30 sanaa nimet.txt -tiedostosta ja lis\204\204",
    "                 // ne ristikkoon",
    " > +nimet.txt a 5// Voit my\224s yhdist\204\204 komentoja n\204in",
    " > +oma.html     // Voit lis\204t\204 sanoja my\224s vanhoista ristikoista.",
};

void removeCommand(std::string_view line, WordList& list, Console& console) {
  if (list.empty()) {
    console.line("VIRHE: Yht\204\204n sanaa ei ole annettu!");
    return;
  }
  if (line == "---") {
    list.clear();
    console.line("Kaikki sanat poistettu.");
    return;
  }
  if (line == "-") {
    console.line("Sana " + list.removeLast() + " poistettu.");
    return;
  }
  const std::string word(line.substr(1));
  if (!allLetters(word)) {
    console.line(kForbiddenCharacters);
  } else if (list.removeWord(word)) {
    console.line("Sana " + word + " poistettu.");
  } else {
    console.line("VIRHE: Sanaa " + word + " ei voitu poistaa.");
  }
}

void titleCommand(std::string_view line, std::string& title, Console& console) {
  if (line == "#") {
    console.line("VIRHE: Otsikko liian lyhyt.");
    return;
  }
  std::string candidate(line.substr(1));
  if (!checkTitle(candidate)) {
    console.line("VIRHE: " + std::string(kTitleRefused));
    return;
  }
  title = std::move(candidate);
  console.line("Otsikoksi muutettu " + title + ".");
}

// The message for each outcome of a typed word.
void reportTypedWord(AddWordOutcome outcome, const WordList& list, Console& console) {
  switch (outcome) {
    case AddWordOutcome::kAdded:
      console.line("Sana lis\204tty. Sanoja annettu yhteens\204 " + std::to_string(list.size()) +
                   ". Anna seuraava sana.");
      break;
    case AddWordOutcome::kNotLetters: console.line(kForbiddenCharacters); break;
    case AddWordOutcome::kTooShort:
      console.line("VIRHE: Sanassa on oltava v\204hint\204\204n kaksi kirjainta!");
      break;
    case AddWordOutcome::kTooLong: console.line(kTooLong); break;
    case AddWordOutcome::kDuplicate: console.line("VIRHE: Olet antanut jo kyseisen sanan."); break;
    case AddWordOutcome::kFull: console.line(kFull); break;
  }
}

}  // namespace

void printCommandHelp(Console& console) {
  console.line(kRule);
  for (const std::string_view line : kHelpLines) console.line(line);
  console.line(kRule);
}

WordEntryOutcome runWordEntry(WordList& list, std::string& title, Environment& env) {
  Console& console = env.console;
  console.line("Anna nyt ristikkoon haluamasi sanat. Voit k\204ytt\204\204 seuraavia komentoja:");
  printCommandHelp(console);
  console.emptyLine();
  console.line("Anna ensimm\204inen sana / tiedosto.");
  for (;;) {
    const std::optional<std::string> read = console.ask();
    if (!read) return WordEntryOutcome::kFinished;
    const std::string& line = *read;
    if (line.empty()) continue;
    if (line == "A" || line == "a") {
      console.line("Voit k\204ytt\204\204 seuraavia komentoja:");
      printCommandHelp(console);
    } else if (toUpperText(line) == "/POISTU") {
      console.line(kGoodbyeLine);
      return WordEntryOutcome::kQuit;
    } else if (line == "L" || line == "l") {
      if (!list.empty()) return WordEntryOutcome::kFinished;
      console.line("VIRHE: Anna v\204hint\204\204n yksi sana!");
    } else if (line == "N" || line == "n") {
      console.lines(formatWordListing(list));
    } else if (line.front() == '-') {
      removeCommand(line, list, console);
    } else if (line.front() == '#') {
      titleCommand(line, title, console);
    } else if (line.front() == '+') {
      runImportCommand(line, list, env);
    } else {
      reportTypedWord(addTypedWord(list, line), list, console);
    }
  }
}

}  // namespace haravoija
