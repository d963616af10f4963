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
    const int status = run_.forEachPage([this](const std::string& name) { return page(name); });
    finishJson();
    return status;
  }

 private:
  // The key of one page; false when it failed (reported).
  bool page(const std::string& name) {
    const std::optional<PuzzlePage> puzzle = run_.read(name);
    if (!puzzle) return false;
    const KeyOutcome outcome = solvePage(*puzzle);
    if (std::holds_alternative<TooManyOccurrences>(outcome)) {
      return run_.fail(name, "sanat l\224ytyv\204t ruudukosta liian monta kertaa");
    }
    const AnswerKey& key = std::get<AnswerKey>(outcome);
    const PageRun::Delivery delivery = run_.deliver(name, keyPage(*puzzle, key));
    if (delivery != PageRun::Delivery::kFile) return delivery != PageRun::Delivery::kFailed;
    if (options_.ownSwitch) {
      json_.push_back(keyJson(*puzzle, key));
    } else {
      if (shownKeys_++ > 0) env_.console.emptyLine();
      env_.console.lines(keyText(*puzzle, key));
      env_.console.emptyLine();
      env_.console.line(run_.savedLine(name));
    }
    return true;
  }

  // The JSON of the pages done: one object for one page named, an array
  // for several.
  void finishJson() {
    if (!options_.ownSwitch) return;
    if (options_.pages.size() == 1) {
      if (!json_.empty()) env_.console.writeBytes(json_.front() + "\n");
      return;
    }
    std::string array = "[";
    for (std::size_t i = 0; i < json_.size(); ++i) array += (i > 0 ? ",\n" : "\n") + json_[i];
    env_.console.writeBytes(array + "\n]\n");
  }

  const PageOptions& options_;
  KeyEnvironment& env_;
  PageRun run_;
  std::vector<std::string> json_;
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
