// The command line, page reading, naming and saving of the page commands.
#include "app/page_command.h"

#include <csignal>
#include <iostream>
#include <memory>

#include "text/charset.h"
#include "text/letters.h"
#include "text/limits.h"
#include "version.h"

namespace haravoija {
namespace {

constexpr std::string_view kTooLarge =
    "sivu on suurempi kuin Haravoijan ristikkosivut (ruudukko enint\204\204n 1000 x 1000)";
static_assert(statesNumber(kTooLarge, kMaxGridSide));
constexpr std::string_view kOutputTooLarge = " olisi liian suuri (yli 128 megatavua)";
static_assert(statesNumber(kOutputTooLarge, kLargestOutputMegabytes));

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

}  // namespace

PageOptions parsePageOptions(const std::vector<std::string>& args, const PageCommand& command,
                             const Console& console) {
  PageOptions options;
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
    } else if (!command.ownSwitch.empty() && arg == command.ownSwitch) {
      options.ownSwitch = true;
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
  } else if (options.output && options.output->empty()) {
    options.problem = "valitsin -o tarvitsee tiedostonimen";
  }
  return options;
}

bool answerHelpOrVersion(const PageOptions& options, const PageCommand& command,
                         std::string_view help, Console& console) {
  if (options.help) {
    console.lines(help);
  } else if (options.version) {
    console.line(std::string(command.name) + " " + HARAVOIJA_VERSION);
  }
  return options.help || options.version;
}

int reportUsageError(const PageCommand& command, std::string_view problem, Console& errors) {
  errors.line(std::string(command.name) + ": " + std::string(problem));
  errors.line("Ohje: " + std::string(command.name) + " --help");
  return kUsageError;
}

int PageRun::forEachPage(const std::function<bool(const std::string& name)>& page) {
  int status = kPagesDone;
  for (const std::string& name : options_.pages) {
    if (!page(name)) status = kSomePageFailed;
  }
  return status;
}

std::optional<PuzzlePage> PageRun::read(const std::string& name) {
  const std::unique_ptr<InputFile> file = env_.files.openForReading(name);
  if (!file) {
    fail(name, "tiedostoa ei voi avata");
    return std::nullopt;
  }
  PageReading reading = readPuzzlePage(*file);
  if (reading.error != PageError::kNone) {
    fail(name, pageErrorText(reading.error));
    return std::nullopt;
  }
  return std::move(reading.page);
}

// The name beside the page: ".html" or ".htm" (any case) replaced by the
// suffix. Built with append: GCC 12 warns falsely about operator+ here at -O3.
std::string PageRun::outputName(const std::string& name) const {
  if (options_.output) return *options_.output;
  std::string beside = name;
  for (const std::string_view extension : {".html", ".htm"}) {
    if (name.size() > extension.size() &&
        toUpperText(name.substr(name.size() - extension.size())) == toUpperText(extension)) {
      beside.resize(name.size() - extension.size());
      break;
    }
  }
  beside.append(command_.suffix);
  return beside;
}

PageRun::Delivery PageRun::deliver(const std::string& name, std::string_view document) {
  const std::string output = outputName(name);
  if (output == "-") {
    env_.console.writeBytes(document);
    return Delivery::kStandardOutput;
  }
  if (output == name) {
    fail(name,
         std::string(command_.made) + " korvaisi ristikkosivun; anna toinen nimi valitsimella -o");
    return Delivery::kFailed;
  }
  if (!env_.files.replaceFile(output, document)) {
    fail(name, std::string(command_.madeAsObject) + " ei voitu tallentaa tiedostoon " +
                   env_.console.toProgramText(output));
    return Delivery::kFailed;
  }
  return Delivery::kFile;
}

std::string PageRun::savedLine(const std::string& name) const {
  std::string made(command_.made);
  made[0] = static_cast<char>(toUpperLetter(static_cast<unsigned char>(made[0])));
  return made + " tallennettu tiedostoon " + env_.console.toProgramText(outputName(name)) + ".";
}

bool PageRun::fail(const std::string& name, std::string_view what) {
  env_.errors.line(std::string(command_.name) + ": " + env_.console.toProgramText(name) + ": " +
                   std::string(what));
  return false;
}

bool PageRun::tooLarge(const std::string& name, std::string_view what) {
  return fail(name, std::string(what) + std::string(kOutputTooLarge));
}

int runOnTerminal(PageProgram program, int argc, char** argv) {
  // A closed output pipe must not kill the program; console write errors are ignored.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  const Charset charset = detectConsoleCharset();
  Console console(std::cin, std::cout, charset);
  Console errors(std::cin, std::cerr, charset);
  PosixFileSystem files;
  PageCommandEnvironment env{console, errors, files};
  return program(std::vector<std::string>(argv, argv + argc), env);
}

}  // namespace haravoija
