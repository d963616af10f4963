// What the benchmarks share: the process's peak memory and a word list read
// the way the batch run reads it.
#ifndef HARAVOIJA_BENCH_BENCH_UTIL_H_
#define HARAVOIJA_BENCH_BENCH_UTIL_H_

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "env/file_system.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija::bench {

// Peak resident memory of this process in kB, -1 where /proc does not say.
inline long peakMemoryKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// The words of a plain word file, longest first as the batch run places
// them; false when the file cannot be opened.
inline bool readWordList(const std::string& path, std::vector<std::string>& words) {
  PosixFileSystem files;
  const std::unique_ptr<InputFile> file = files.openForReading(path);
  if (!file) return false;
  WordList list;
  (void)importBatchFile(*file, WordFileMode::kPlain, list);
  list.sortLongestFirst();
  words = list.words();
  return true;
}

}  // namespace haravoija::bench

#endif  // HARAVOIJA_BENCH_BENCH_UTIL_H_
