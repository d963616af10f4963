// The import command's checks and messages, and the batch run's import lines.
#include "app/word_import.h"

#include <memory>
#include <optional>
#include <string>

#include "app/messages.h"
#include "text/charset.h"
#include "text/limits.h"
#include "words/import_command.h"

namespace haravoija {
namespace {

constexpr std::string_view kParameterRefused = "VIRHE: Parametri ei kelpaa.";
constexpr std::string_view kListFull = "Huom: Sanojen maksimim\204\204r\204 (10000) saavutettiin.";
static_assert(statesNumber(kListFull, kMaxWords));

}  // namespace

void runImportCommand(std::string_view line, WordList& list, Environment& env) {
  Console& console = env.console;
  const std::optional<ImportLine> command = parseImportLine(line);
  if (!command) {
    console.lines(kBadWordFileName);
    return;
  }
  const std::unique_ptr<InputFile> file =
      env.files.openForReading(diskFileName(command->fileName, console.charset()));
  if (!file) {
    console.line("VIRHE: Tiedostosta ei voitu lukea.");
    return;
  }
  const SelectionParse parse = parseSelection(command->parameters);
  if (parse.status == SelectionParse::Status::kTooManyParameters) {
    console.line("VIRHE: Liikaa parametrej\204.");
    return;
  }
  if (parse.status == SelectionParse::Status::kRefused) {
    console.line(kParameterRefused);
    return;
  }
  console.line(kReadingFile);
  const ImportResult result =
      importWordFile(*file, command->mode, parse.selection, list, env.random);
  if (result.selectionRefused) {
    console.line(kParameterRefused);
    return;
  }
  for (const std::string& word : result.added) console.line(wordAddedLine(word));
  console.line("Yhteens\204 " + std::to_string(result.added.size()) + " sanaa lis\204ttiin.");
  if (list.size() >= static_cast<std::size_t>(kMaxWords)) {
    console.line(kListFull);
  }
}

void importBatchWords(InputFile& file, WordFileMode mode, WordList& list, Console& console) {
  console.line(kReadingFile);
  for (const std::string& word : importBatchFile(file, mode, list)) {
    console.line(wordAddedLine(word));
  }
}

}  // namespace haravoija
