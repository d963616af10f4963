// Fuzz target: the three commands on command lines from the input, against an
// in-memory disk and consoles. The batch run's page holds every word it lists;
// a page command's exit status agrees with its error lines, and what it saves
// is UTF-8.
#include <array>
#include <cstdint>
#include <iterator>
#include <sstream>
#include <string>
#include <variant>

#include "app/key_program.h"
#include "app/play_program.h"
#include "app/program.h"
#include "checks.h"
#include "fakes.h"
#include "key/answer_key.h"

namespace {

using namespace haravoija;
using fuzzing::check;

void checkBatchPage(const testing::FakeFileSystem& disk) {
  const auto saved = disk.files.find("out.html");
  if (saved == disk.files.end()) return;
  testing::StringFile file(saved->second);
  const PageReading reading = readPuzzlePage(file);
  check(reading.error == PageError::kNone, "the batch run's page reads back");
  const KeyOutcome outcome = solvePage(reading.page);
  const AnswerKey& key = std::get<AnswerKey>(outcome);
  for (std::size_t i = 0; i < reading.page.words.size(); ++i) {
    check(!key.places(i).empty(), "every word of the batch run's page in its grid");
  }
}

void checkPageCommand(int status, std::string_view name, const std::string& errors,
                      const testing::FakeFileSystem& disk) {
  const std::string ownLine = std::string(name) + ": ";
  check(status == kPagesDone ? errors.empty()
        : status == kSomePageFailed
            ? errors.starts_with(ownLine)
            : status == kUsageError && errors.ends_with("Ohje: " + std::string(name) + " --help\n"),
        "the exit status and the error lines agree");
  for (const std::string& output : disk.saveRequests) {
    const auto saved = disk.files.find(output);
    // A full disk or a folder of that name refuses the save, which the status reports.
    check(disk.saveFailsAfter || disk.unopenable.contains(output) ||
              (saved != disk.files.end() && fuzzing::isUtf8(saved->second)),
          "the page saved, in UTF-8");
  }
}

}  // namespace

// The input: one byte choosing the command, the console's character set and
// whether saves fail, then the arguments each ended by a NUL, then the bytes
// of the files a.txt and a.html.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int choice = data[0] % 3;
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::vector<std::string> args = {"haravoija"};
  for (std::size_t end; (end = rest.find('\0')) != std::string_view::npos;
       rest.remove_prefix(end + 1)) {
    args.emplace_back(rest.substr(0, end));
  }
  const Charset charset = std::array{Charset::kPassthrough, Charset::kUtf8, Charset::kLatin1,
                                     Charset::kLatin9}[data[0] / 3 % 4];
  testing::FakeEnvironment fake{"", charset};
  fake.files.files = {{"a.txt", std::string(rest)}, {"a.html", std::string(rest)}};
  fake.files.unopenable = {"kansio.html"};
  if (data[0] / 12 % 2 == 1) fake.files.saveFailsAfter = 200;
  if (choice == 0) {
    // A puzzle of many words takes long in this build; a few dozen do.
    std::istringstream text{std::string(rest)};
    if (std::distance(std::istream_iterator<std::string>(text), {}) > 40) return -1;
    (void)runProgram(args, fake.env);
    checkBatchPage(fake.files);
    return 0;
  }
  testing::FakeConsole errors("", charset);
  PageCommandEnvironment env{fake.console, errors, fake.files};
  const std::string_view name = choice == 1 ? "haravoija-ratkaisu" : "haravoija-peli";
  const int status = choice == 1 ? runKeyProgram(args, env) : runPlayProgram(args, env);
  checkPageCommand(status, name, errors.output(), fake.files);
  return 0;
}
