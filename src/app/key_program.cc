// The answer-key command: options, one page after another, messages.
#include "app/key_program.h"

#include <memory>
#include <optional>
#include <string_view>
#include <variant>

#include "key/answer_key.h"
#include "key/puzzle_page.h"
#include "output/key_json.h"
#include "output/key_page.h"
#include "output/key_text.h"
#include "text/letters.h"
#include "text/limits.h"
#include "version.h"

namespace haravoija {
namespace {

constexpr std::string_view kName = "haravoija-ratkaisu";
constexpr std::string_view kKeySuffix = "-ratkaisu.html";
constexpr std::string_view kTooLarge =
    "sivu on suurempi kuin Haravoijan ristikkosivut (ruudukko enint\204\204n 1000 x 1000)";
static_assert(statesNumber(kTooLarge, kMaxGridSide));

struct Options {
  bool help = false;
  bool version = false;
  bool json = false;
  std::optional<std::string> output;
  std::vector<std::string> pages;
  // Set when the command line cannot be understood: what is wrong (CP850).
  std::string problem;
};

Options parseOptions(const std::vector<std::string>& args, const Console& console) {
  Options options;
  bool onlyPages = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyPages || arg.size() < 2 || arg[0] != '-') {
      options.pages.push_back(arg);
    } else if (arg == "--") {
      onlyPages = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "-o") {
      if (i + 1 == args.size()) {
        options.problem = "valitsin -o tarvitsee tiedostonimen";
        return options;
      }
      options.output = args[++i];
    } else if (arg.rfind("-o", 0) == 0) {
      options.output = arg.substr(2);
    } else {
      options.problem = "tuntematon valitsin " + console.toProgramText(arg);
      return options;
    }
  }
  if (options.help || options.version) return options;
  if (options.pages.empty()) {
    options.problem = "anna ainakin yksi ristikkosivu";
  } else if (options.output && options.pages.size() > 1) {
    options.problem = "valitsin -o sopii vain yhden ristikkosivun kanssa";
  } else if (options.output && *options.output == "-" && options.json) {
    options.problem = "valitsimet --json ja -o - eiv\204t sovi yhteen";
  } else if (options.output && options.output->empty()) {
    options.problem = "valitsin -o tarvitsee tiedostonimen";
  }
  return options;
}

std::string_view pageErrorText(PageError error) {
  switch (error) {
    case PageError::kNone: break;
    case PageError::kReadFailed: return "tiedoston lukeminen ep\204onnistui";
    case PageError::kNotAPage: return "tiedosto ei ole Haravoijan tallentama ristikkosivu";
    case PageError::kNoGrid: return "sivulla ei ole kirjainruudukkoa";
    case PageError::kDamagedGrid: return "sivun kirjainruudukko on vioittunut";
    case PageError::kUnequalRows: return "ruudukon rivit ovat eri pituisia";
    case PageError::kTruncated: return "sivu loppuu kesken";
    case PageError::kNoWords: return "sivulla ei ole sanoja";
    case PageError::kDamagedWords: return "sivun sanalista on vioittunut";
    case PageError::kTooLarge: return kTooLarge;
  }
  return "";
}

// The key's name beside the page: ".html" or ".htm" (any case) replaced.
// Built with append: GCC 12 warns falsely about operator+ here at -O3.
std::string keyFileName(const std::string& page) {
  std::string name = page;
  for (const std::string_view extension : {".html", ".htm"}) {
    if (page.size() > extension.size() &&
        toUpperText(page.substr(page.size() - extension.size())) == toUpperText(extension)) {
      name.resize(page.size() - extension.size());
      break;
    }
  }
  name.append(kKeySuffix);
  return name;
}

class KeyRun {
 public:
  KeyRun(const Options& options, KeyEnvironment& env) : options_(options), env_(env) {}

  // The key of one page; false when it failed (reported).
  bool page(const std::string& name) {
    const std::string shown = env_.console.toProgramText(name);
    const std::unique_ptr<InputFile> file = env_.files.openForReading(name);
    if (!file) return fail(shown, "tiedostoa ei voi avata");
    const PageReading reading = readPuzzlePage(*file);
    if (reading.error != PageError::kNone) return fail(shown, pageErrorText(reading.error));
    const KeyOutcome outcome = solvePage(reading.page);
    if (std::holds_alternative<TooManyOccurrences>(outcome)) {
      return fail(shown, "sanat l\224ytyv\204t ruudukosta liian monta kertaa");
    }
    const AnswerKey& key = std::get<AnswerKey>(outcome);
    const std::string output = options_.output.value_or(keyFileName(name));
    const std::string document = keyPage(reading.page, key);
    if (output == "-") {
      env_.console.writeBytes(document);
      return true;
    }
    if (output == name) {
      return fail(shown, "ratkaisusivu korvaisi ristikkosivun; anna toinen nimi valitsimella -o");
    }
    const std::string shownOutput = env_.console.toProgramText(output);
    if (!env_.files.replaceFile(output, document)) {
      return fail(shown, "ratkaisusivua ei voitu tallentaa tiedostoon " + shownOutput);
    }
    if (options_.json) {
      json_.push_back(keyJson(reading.page, key));
    } else {
      if (shownKeys_++ > 0) env_.console.emptyLine();
      env_.console.lines(keyText(reading.page, key));
      env_.console.emptyLine();
      env_.console.line("Ratkaisusivu tallennettu tiedostoon " + shownOutput + ".");
    }
    return true;
  }

  // The JSON of the pages done: one object for one page named, an array
  // for several.
  void finishJson() {
    if (!options_.json) return;
    if (options_.pages.size() == 1) {
      if (!json_.empty()) env_.console.writeBytes(json_.front() + "\n");
      return;
    }
    std::string array = "[";
    for (std::size_t i = 0; i < json_.size(); ++i) array += (i > 0 ? ",\n" : "\n") + json_[i];
    env_.console.writeBytes(array + "\n]\n");
  }

 private:
  bool fail(const std::string& shownName, std::string_view what) {
    env_.errors.line(std::string(kName) + ": " + shownName + ": " + std::string(what));
    return false;
  }

  const Options& options_;
  KeyEnvironment& env_;
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
  const Options options = parseOptions(args, env.console);
  if (!options.problem.empty()) {
    env.errors.line(std::string(kName) + ": " + options.problem);
    env.errors.line("Ohje: haravoija-ratkaisu --help");
    return kKeyUsageError;
  }
  if (options.help) {
    env.console.lines(keyHelpText());
    return kKeyDone;
  }
  if (options.version) {
    env.console.line(std::string(kName) + " " + HARAVOIJA_VERSION);
    return kKeyDone;
  }
  KeyRun run(options, env);
  int status = kKeyDone;
  for (const std::string& page : options.pages) {
    if (!run.page(page)) status = kKeyPageFailed;
  }
  run.finishJson();
  return status;
}

}  // namespace haravoija
