// The answer-key command: options, one page after another, messages.
#include "app/key_program.h"

#include <optional>
#include <variant>

#include "key/answer_key.h"
#include "output/key_json.h"
#include "output/key_page.h"
#include "output/key_text.h"

namespace haravoija {
namespace {

constexpr PageCommand kCommand{"haravoija-ratkaisu", "-ratkaisu.html", "ratkaisusivu",
                               "ratkaisusivua", "--json"};

class KeyRun {
 public:
  KeyRun(const PageOptions& options, KeyEnvironment& env)
      : options_(options), env_(env), run_(kCommand, options, env) {}

  int pages() {
    // Several pages' keys form an array, each written as soon as it is made.
    if (options_.ownSwitch && options_.pages.size() > 1) env_.console.writeBytes("[");
    const int status = run_.forEachPage([this](const std::string& name) { return page(name); });
    if (options_.ownSwitch && options_.pages.size() > 1) env_.console.writeBytes("\n]\n");
    return status;
  }

 private:
  // The key of one page; false when it failed (reported). Its forms are made
  // one at a time, since each may be as long as the output limit allows.
  bool page(const std::string& name) {
    const std::optional<PuzzlePage> puzzle = run_.read(name);
    if (!puzzle) return false;
    const KeyOutcome outcome = solvePage(*puzzle);
    if (std::holds_alternative<TooManyOccurrences>(outcome)) {
      return run_.fail(name, "sanat l\224ytyv\204t ruudukosta liian monta kertaa");
    }
    const AnswerKey& key = std::get<AnswerKey>(outcome);
    if (const std::optional<bool> delivered = deliverPage(name, *puzzle, key)) return *delivered;
    if (options_.ownSwitch) {
      const std::optional<std::string> json = keyJson(*puzzle, key);
      if (!json) return run_.tooLarge(name, "ratkaisu JSON-muodossa");
      if (options_.pages.size() > 1) env_.console.writeBytes(jsonShown_++ > 0 ? ",\n" : "\n");
      env_.console.writeBytes(*json);
      if (options_.pages.size() == 1) env_.console.writeBytes("\n");
    } else {
      const std::optional<std::string> text = keyText(*puzzle, key);
      if (!text) return run_.tooLarge(name, "ratkaisu");
      if (shownKeys_++ > 0) env_.console.emptyLine();
      env_.console.lines(*text);
      env_.console.emptyLine();
      env_.console.line(run_.savedLine(name));
    }
    return true;
  }

  // The key page written where the options say; nothing when it went to a
  // file and the key is still to be shown, else whether the page is done.
  std::optional<bool> deliverPage(const std::string& name, const PuzzlePage& puzzle,
                                  const AnswerKey& key) {
    const std::optional<std::string> document = keyPage(puzzle, key);
    if (!document) return run_.tooLarge(name, kCommand.made);
    const PageRun::Delivery delivery = run_.deliver(name, *document);
    if (delivery == PageRun::Delivery::kFile) return std::nullopt;
    return delivery != PageRun::Delivery::kFailed;
  }

  const PageOptions& options_;
  KeyEnvironment& env_;
  PageRun run_;
  int jsonShown_ = 0;
  int shownKeys_ = 0;
};

}  // namespace

std::string keyHelpText() {
  return "K\204ytt\224: haravoija-ratkaisu [-o TIEDOSTO] [--json] RISTIKKO.html [...]\n"
         "\n"
         "Tekee Haravoijalla tallennetusta ristikkosivusta ratkaisusivun\n"
         "RISTIKKO-ratkaisu.html sivun viereen. Tulostettaessa sivulla 1 on\n"
         "ristikko ja sivulla 2 ratkaisu: sanat merkittyin\204, kunkin sanan\n"
         "alkukohta ja suunta sek\204 piilolause. Ratkaisu n\204ytet\204\204n my\224s\n"
         "ruudulla.\n"
         "\n"
         "  -o TIEDOSTO  ratkaisusivun nimi (vain yhden ristikkosivun kanssa);\n"
         "               -o - kirjoittaa sivun vakiotulosteeseen\n"
         "  --json       ratkaisu JSON-muodossa vakiotulosteeseen ruudulla\n"
         "               n\204ytett\204v\204n ratkaisun sijaan\n"
         "  -h, --help   t\204m\204 ohje\n"
         "  --version    ohjelman versio\n"
         "\n"
         "Paluuarvo on 0, kun kaikki sivut onnistuivat, 1, jos jokin sivu\n"
         "ep\204onnistui, ja 2, jos komentorivi\204 ei ymm\204rretty.\n";
}

int runKeyProgram(const std::vector<std::string>& args, KeyEnvironment& env) {
  PageOptions options = parsePageOptions(args, kCommand, env.console);
  if (options.problem.empty() && options.ownSwitch && options.output == "-") {
    options.problem = "valitsimet --json ja -o - eiv\204t sovi yhteen";
  }
  if (!options.problem.empty()) return reportUsageError(kCommand, options.problem, env.errors);
  if (answerHelpOrVersion(options, kCommand, keyHelpText(), env.console)) return kKeyDone;
  return KeyRun(options, env).pages();
}

}  // namespace haravoija
