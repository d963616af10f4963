// The play command: options, one page after another, messages.
#include "app/play_program.h"

#include <optional>

#include "output/play_page.h"

namespace haravoija {
namespace {

constexpr PageCommand kCommand{"haravoija-peli", "-peli.html", "pelisivu", "pelisivua"};

}  // namespace

std::string playHelpText() {
  return "K\204ytt\224: haravoija-peli [-o TIEDOSTO] RISTIKKO.html [...]\n"
         "\n"
         "Tekee Haravoijalla tallennetusta ristikkosivusta pelisivun\n"
         "RISTIKKO-peli.html sivun viereen. Pelisivulla ristikko ratkaistaan\n"
         "selaimessa: sana merkit\204\204n vet\204m\204ll\204 sen ensimm\204isest\204\n"
         "kirjaimesta viimeiseen hiirell\204, sormella tai kyn\204ll\204, tai\n"
         "n\204pp\204imist\224ll\204. Sivu toimii ilman verkkoyhteytt\204.\n"
         "\n"
         "  -o TIEDOSTO  pelisivun nimi (vain yhden ristikkosivun kanssa);\n"
         "               -o - kirjoittaa sivun vakiotulosteeseen\n"
         "  -h, --help   t\204m\204 ohje\n"
         "  --version    ohjelman versio\n"
         "\n"
         "Paluuarvo on 0, kun kaikki sivut onnistuivat, 1, jos jokin sivu\n"
         "ep\204onnistui, ja 2, jos komentorivi\204 ei ymm\204rretty.\n";
}

int runPlayProgram(const std::vector<std::string>& args, PageCommandEnvironment& env) {
  const PageOptions options = parsePageOptions(args, kCommand, env.console);
  if (!options.problem.empty()) return reportUsageError(kCommand, options.problem, env.errors);
  if (answerHelpOrVersion(options, kCommand, playHelpText(), env.console)) return kPagesDone;
  PageRun run(kCommand, options, env);
  return run.forEachPage([&](const std::string& name) {
    const std::optional<PuzzlePage> puzzle = run.read(name);
    if (!puzzle) return false;
    const std::optional<std::string> document = playPage(*puzzle);
    if (!document) return run.tooLarge(name, kCommand.made);
    const PageRun::Delivery delivery = run.deliver(name, *document);
    if (delivery == PageRun::Delivery::kFile) env.console.line(run.savedLine(name));
    return delivery != PageRun::Delivery::kFailed;
  });
}

}  // namespace haravoija
