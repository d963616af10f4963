// Command-line decision: dialogue, help, error text or batch run.
#include "app/program.h"

#include <array>
#include <memory>
#include <string_view>

#include "app/batch_run.h"
#include "app/dialogue.h"
#include "app/messages.h"

namespace haravoija {

std::string helpText() {
  return "\n" + std::string(kBannerLine) +
         "\n"
         "\n"
         " Voit antaa ohjelmalle parametrin\204 tiedoston.\n"
         " T\204ll\224in kone tekee sen sanoista ristikon\n"
         " k\204ytt\204en oletusasetuksia (normaali ristikko, \n"
         " sanat kaikkiin suuntiin, mahdollisimman pieni ristikko, \n"
         " tyhj\204t kohdat t\204ytet\204\204n satunnaisilla kirjaimilla).\n"
         " Ohjelma tallentaa valmiin ristikon tiedostoon out.html.\n"
         "\n"
         " Jos haluat m\204\204ritell\204 itse asetukset, \n"
         " sinun tulee k\204ynnist\204\204 ohjelma ilman parametrej\204.\n"
         "\n";
}

std::string commandLineErrorText() {
  return "Tiedostosta ei voida lukea. \n"
         "Saat apua kirjoittamalla haravoija -h.\n";
}

namespace {

bool isHelpOption(std::string_view arg) {
  constexpr std::array<std::string_view, 5> kOptions = {"-h", "-H", "--help", "-?", "/?"};
  for (std::string_view option : kOptions) {
    if (arg == option) return true;
  }
  return false;
}

}  // namespace

int runProgram(const std::vector<std::string>& args, Environment& env) {
  if (args.size() < 2) {
    runDialogue(env);
    return 0;
  }
  // The file is opened before the options are looked at: a file named -h is
  // a word file, not a request for help.
  const std::unique_ptr<InputFile> file = env.files.openForReading(args[1]);
  if (!file || args.size() > 2) {
    env.console.lines(isHelpOption(args[1]) ? helpText() : commandLineErrorText());
    return 0;
  }
  runBatch(*file, args[1], env);
  return 0;
}

}  // namespace haravoija
