// Times the generation run at the smallest size on the example word lists,
// the way the batch run makes a puzzle, with the program's placement and,
// where affordable, with the plain reference scan of the tests; checks that
// both give the same grid. Times are processor time of this process, so
// that other work on a shared machine disturbs them less.
//
// Usage: generation_bench [--reference-limit N] [--seed S] [LIST.txt ...]
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "puzzle/generation.h"
#include "puzzle/grid.h"
#include "reference_model.h"
#include "text/file_system.h"
#include "text/random_source.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija {
namespace {

struct Timed {
  Grid grid;
  BuildResult result;
  double seconds = 0;
};

Timed timeRun(const std::vector<std::string>& words, unsigned seed, Sizing sizing, int rows,
              int columns, bool reference) {
  PlatformRandom random;
  Timed timed;
  std::srand(seed);
  timed.grid = create(sizing == Sizing::kFixed ? rows : 1, sizing == Sizing::kFixed ? columns : 1);
  const std::clock_t start = std::clock();
  if (reference) {
    timed.result.unplacedWords =
        testing::referenceBuildGrid(timed.grid, words, false, sizing, rows, columns, random)
            .unplacedWords;
  } else {
    timed.result = buildGrid(timed.grid, words, false, sizing, rows, columns, random);
  }
  timed.seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  return timed;
}

long peakMemoryKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

bool readList(const std::string& path, std::vector<std::string>& words) {
  PosixFileSystem files;
  const std::unique_ptr<InputFile> file = files.openForReading(path);
  if (!file) return false;
  WordList list;
  (void)importBatchFile(*file, WordFileMode::kPlain, list);
  list.sortLongestFirst();
  words = list.words();
  return true;
}

void report(std::string_view name, const std::vector<std::string>& words, unsigned seed,
            Sizing sizing, int rows, int columns, std::size_t referenceLimit) {
  const Timed fast = timeRun(words, seed, sizing, rows, columns, false);
  std::printf("%-22.*s %7zu %5dx%-5d %8d %9.3f", static_cast<int>(name.size()), name.data(),
              words.size(), fast.grid.rowCount(), fast.grid.columnCount(), fast.result.attempts,
              fast.seconds);
  if (words.size() <= referenceLimit) {
    const Timed plain = timeRun(words, seed, sizing, rows, columns, true);
    const bool same = plain.grid.rows == fast.grid.rows &&
                      plain.grid.placedWords == fast.grid.placedWords &&
                      plain.result.unplacedWords == fast.result.unplacedWords;
    std::printf(" %9.3f %7.1f %s", plain.seconds, plain.seconds / fast.seconds,
                same ? "same" : "DIFFERENT");
  } else {
    std::printf(" %9s %7s %s", "-", "-", "-");
  }
  std::printf(" %8ld\n", peakMemoryKb());
  std::fflush(stdout);
}

int run(int argc, char** argv) {
  std::size_t referenceLimit = 3000;
  unsigned seed = 20261206;
  std::vector<std::string> lists;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--reference-limit" && i + 1 < argc) {
      referenceLimit = std::strtoul(argv[++i], nullptr, 10);
    } else if (arg == "--seed" && i + 1 < argc) {
      seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    } else {
      lists.emplace_back(arg);
    }
  }
  if (lists.empty()) {
    for (const char* name :
         {"sanat-100", "sanat-1000", "sanat-3000", "sanat-10000", "sanat-kaikki"}) {
      lists.push_back(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/" + name + ".txt");
    }
  }
  std::printf("%-22s %7s %11s %8s %9s %9s %7s %s %8s\n", "list", "words", "grid", "attempts",
              "fast s", "plain s", "ratio", "grids", "peak kB");
  std::vector<std::string> hundred;
  for (const std::string& path : lists) {
    std::vector<std::string> words;
    if (!readList(path, words)) {
      std::printf("%s: cannot read\n", path.c_str());
      continue;
    }
    const std::string_view name = std::string_view(path).substr(path.find_last_of('/') + 1);
    report(name, words, seed, Sizing::kSmallest, 0, 0, referenceLimit);
    if (words.size() == 100) hundred = words;
  }
  if (!hundred.empty()) {
    report("fixed 1000x1000", hundred, seed, Sizing::kFixed, 1000, 1000, 100);
  }
  return 0;
}

}  // namespace
}  // namespace haravoija

int main(int argc, char** argv) { return haravoija::run(argc, argv); }
