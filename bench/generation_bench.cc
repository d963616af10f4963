// Times the generation run at the smallest size on the example word lists,
// the way the batch run makes a puzzle, with the program's placement and,
// where affordable, with the plain reference scan of the tests; checks that
// both give the same grid. Times are wall-clock seconds and processor
// seconds of the whole process (both threads); the ratio is of wall times.
// The steps are the placements' blocks of starts and single starts tested.
//
// Usage: generation_bench [--threads 1|2] [--runs N] [--reference-limit N]
//                         [--seed S] [--no-fixed] [--parallel-blocks N]
//                         [--helper-start N] [--alternate-chunks] [LIST.txt ...]
// --parallel-blocks and --helper-start set the placer's thresholds for
// sharing a scan and for starting the helper thread; --alternate-chunks
// shares every scan, the helper doing every other chunk of rows.
// With --runs N the program's run is made N times and the one of median
// wall time shown.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "bench_util.h"
#include "env/random_source.h"
#include "puzzle/generation.h"
#include "puzzle/grid.h"
#include "reference_model.h"

namespace haravoija {
namespace {

struct Timed {
  Grid grid;
  BuildResult result;
  double seconds = 0;
  double cpuSeconds = 0;
};

PlacerOptions options;
int runs = 1;

Timed timeRun(const std::vector<std::string>& words, unsigned seed, Sizing sizing, int rows,
              int columns, bool reference) {
  PlatformRandom random;
  Timed timed;
  std::srand(seed);
  timed.grid = create(sizing == Sizing::kFixed ? rows : 1, sizing == Sizing::kFixed ? columns : 1);
  const auto wallStart = std::chrono::steady_clock::now();
  const std::clock_t start = std::clock();
  if (reference) {
    timed.result.unplacedWords =
        testing::referenceBuildGrid(timed.grid, words, false, sizing, rows, columns, random)
            .unplacedWords;
  } else {
    timed.result = buildGrid(timed.grid, words, false, sizing, rows, columns, random, options);
  }
  timed.cpuSeconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  timed.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  return timed;
}

// The run of median wall time among `runs` runs.
Timed medianRun(const std::vector<std::string>& words, unsigned seed, Sizing sizing, int rows,
                int columns) {
  std::vector<Timed> timed;
  for (int i = 0; i < runs; ++i)
    timed.push_back(timeRun(words, seed, sizing, rows, columns, false));
  std::sort(timed.begin(), timed.end(),
            [](const Timed& a, const Timed& b) { return a.seconds < b.seconds; });
  return timed[timed.size() / 2];
}

void report(std::string_view name, const std::vector<std::string>& words, unsigned seed,
            Sizing sizing, int rows, int columns, std::size_t referenceLimit) {
  const Timed fast = medianRun(words, seed, sizing, rows, columns);
  const PlacerStats& stats = fast.result.placement;
  std::printf("%-18.*s %6zu %5dx%-5d %3d %8.3f %8.3f %11lld %10lld", static_cast<int>(name.size()),
              name.data(), words.size(), fast.grid.rowCount(), fast.grid.columnCount(),
              fast.result.attempts, fast.seconds, fast.cpuSeconds, stats.scanSteps,
              stats.helperRows);
  if (words.size() <= referenceLimit) {
    const Timed plain = timeRun(words, seed, sizing, rows, columns, true);
    const bool same = plain.grid.rows == fast.grid.rows &&
                      plain.grid.placedWords == fast.grid.placedWords &&
                      plain.result.unplacedWords == fast.result.unplacedWords;
    std::printf(" %8.3f %6.1f %-4s", plain.seconds, plain.seconds / fast.seconds,
                same ? "same" : "DIFF");
  } else {
    std::printf(" %8s %6s %-4s", "-", "-", "-");
  }
  std::printf(" %8ld\n", bench::peakMemoryKb());
  std::fflush(stdout);
}

int run(int argc, char** argv) {
  std::size_t referenceLimit = 3000;
  unsigned seed = 20261206;
  bool fixed = true;
  std::vector<std::string> lists;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--reference-limit" && i + 1 < argc) {
      referenceLimit = std::strtoul(argv[++i], nullptr, 10);
    } else if (arg == "--threads" && i + 1 < argc) {
      options.threads = std::atoi(argv[++i]);
    } else if (arg == "--parallel-blocks" && i + 1 < argc) {
      options.parallelBlocks = std::atoll(argv[++i]);
    } else if (arg == "--helper-start" && i + 1 < argc) {
      options.helperStartBlocks = std::atoll(argv[++i]);
    } else if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--alternate-chunks") {
      options.alternateChunks = true;
    } else if (arg == "--no-fixed") {
      fixed = false;
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
  std::printf("threads: %d\n", options.threads);
  std::printf("%-18s %6s %11s %3s %8s %8s %11s %10s %8s %6s %-4s %8s\n", "list", "words", "grid",
              "att", "wall s", "cpu s", "steps", "helper rows", "plain s", "ratio", "grid",
              "peak kB");
  std::vector<std::string> hundred;
  for (const std::string& path : lists) {
    std::vector<std::string> words;
    if (!bench::readWordList(path, words)) {
      std::printf("%s: cannot read\n", path.c_str());
      continue;
    }
    const std::string_view name = std::string_view(path).substr(path.find_last_of('/') + 1);
    report(name, words, seed, Sizing::kSmallest, 0, 0, referenceLimit);
    if (words.size() == 100) hundred = words;
  }
  if (fixed && !hundred.empty()) {
    report("fixed 1000x1000", hundred, seed, Sizing::kFixed, 1000, 1000, 100);
  }
  return 0;
}

}  // namespace
}  // namespace haravoija

int main(int argc, char** argv) { return haravoija::run(argc, argv); }
