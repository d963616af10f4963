// Times the answer key on large pages: each word list made into a puzzle at
// the smallest size with random letters, the way the batch run makes it,
// saved as a page in memory, then read back, solved (every word searched in
// all eight directions), and written as the key document, the console key
// and the JSON. Times are processor seconds of this process. Making the
// puzzle is not timed; for the full list it takes most of the run.
//
// Usage: key_bench [--seed S] [LIST.txt ...]   (default: sanat-1000, sanat-10000
// and sanat-kaikki from examples/)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "bench_util.h"
#include "env/file_system.h"
#include "env/random_source.h"
#include "key/answer_key.h"
#include "key/puzzle_page.h"
#include "output/document.h"
#include "output/key_json.h"
#include "output/key_page.h"
#include "output/key_text.h"
#include "puzzle/fill.h"
#include "puzzle/generation.h"
#include "puzzle/grid.h"

namespace haravoija {
namespace {

// A saved page read from memory in the chunks a file gives.
class MemoryFile final : public InputFile {
 public:
  explicit MemoryFile(const std::string& bytes) : bytes_(bytes) {}
  std::optional<std::size_t> read(std::span<char> buffer) override {
    const std::size_t n = std::min(buffer.size(), bytes_.size() - at_);
    std::copy_n(bytes_.data() + at_, n, buffer.data());
    at_ += n;
    return n;
  }

 private:
  const std::string& bytes_;
  std::size_t at_ = 0;
};

double secondsSince(std::clock_t start) {
  return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

bool makePage(const std::string& path, unsigned seed, std::string& page) {
  std::vector<std::string> words;
  if (!bench::readWordList(path, words)) return false;
  std::srand(seed);
  PlatformRandom random;
  Grid grid = create(1, 1);
  (void)buildGrid(grid, words, false, Sizing::kSmallest, 0, 0, random);
  fillRandom(grid, random);
  page = puzzleDocument(grid, path);
  return true;
}

void report(std::string_view name, const std::string& page) {
  std::clock_t start = std::clock();
  MemoryFile file(page);
  const PageReading reading = readPuzzlePage(file);
  const double readSeconds = secondsSince(start);
  if (reading.error != PageError::kNone) {
    std::printf("%.*s: page not read back\n", static_cast<int>(name.size()), name.data());
    return;
  }
  start = std::clock();
  const KeyOutcome outcome = solvePage(reading.page);
  const double solveSeconds = secondsSince(start);
  if (!std::holds_alternative<AnswerKey>(outcome)) {
    std::printf("%.*s: too many occurrences\n", static_cast<int>(name.size()), name.data());
    return;
  }
  const AnswerKey& key = std::get<AnswerKey>(outcome);
  start = std::clock();
  const std::size_t documentBytes = keyPage(reading.page, key).value_or("").size();
  const double documentSeconds = secondsSince(start);
  start = std::clock();
  const std::size_t textBytes = keyText(reading.page, key).value_or("").size();
  const std::size_t jsonBytes = keyJson(reading.page, key).value_or("").size();
  const double otherSeconds = secondsSince(start);

  std::size_t occurrences = 0;
  std::size_t repeated = 0;
  std::size_t missing = 0;
  for (std::size_t i = 0; i < reading.page.words.size(); ++i) {
    occurrences += key.places(i).size();
    repeated += key.places(i).size() > 1 ? 1 : 0;
    missing += key.places(i).empty() ? 1 : 0;
  }
  std::printf(
      "%-16.*s %7zu %5zux%-5zu %6.1f %7.3f %7.3f %7.3f %7.3f %9zu %7zu %4zu %6.1f %6.1f %8ld\n",
      static_cast<int>(name.size()), name.data(), reading.page.words.size(),
      reading.page.rows.size(), reading.page.rows[0].size(), static_cast<double>(page.size()) / 1e6,
      readSeconds, solveSeconds, documentSeconds, otherSeconds, occurrences, repeated, missing,
      static_cast<double>(documentBytes) / 1e6, static_cast<double>(textBytes + jsonBytes) / 1e6,
      bench::peakMemoryKb());
  std::fflush(stdout);
}

int run(int argc, char** argv) {
  unsigned seed = 20261206;
  std::vector<std::string> lists;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    } else {
      lists.emplace_back(arg);
    }
  }
  if (lists.empty()) {
    for (const char* name : {"sanat-1000", "sanat-10000", "sanat-kaikki"}) {
      lists.push_back(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/" + name + ".txt");
    }
  }
  std::printf("%-16s %7s %11s %6s %7s %7s %7s %7s %9s %7s %4s %6s %6s %8s\n", "list", "words",
              "grid", "MB", "read s", "find s", "page s", "text s", "occurr.", "repeat", "miss",
              "pageMB", "txtMB", "peak kB");
  for (const std::string& path : lists) {
    std::string page;
    if (!makePage(path, seed, page)) {
      std::printf("%s: cannot read\n", path.c_str());
      continue;
    }
    report(std::string_view(path).substr(path.find_last_of('/') + 1), page);
  }
  return 0;
}

}  // namespace
}  // namespace haravoija

int main(int argc, char** argv) { return haravoija::run(argc, argv); }
