// Helpers shared by the tests: temporary folders, reading files, and running
// the real binary.
#ifndef HARAVOIJA_TESTS_TEST_UTIL_H_
#define HARAVOIJA_TESTS_TEST_UTIL_H_

#include <chrono>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace haravoija::testing {

// A fresh empty folder, removed with everything in it on destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Writes bytes to a file in the folder and returns its path.
  std::filesystem::path write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// How often `part` occurs in `text`, overlapping occurrences included.
std::size_t occurrences(const std::string& text, const std::string& part);

// The parts of `text` between separators ("a/b/" gives "a", "b" and ""); none
// for an empty text.
std::vector<std::string> split(std::string_view text, char separator = ' ');

// Reads a whole file as bytes ("" when missing).
std::string readFile(const std::filesystem::path& path);

struct RunResult {
  int exitStatus = -1;  // or 128 plus the signal that ended the program
  std::string out;
  std::string err;
  bool timedOut = false;  // killed by the watchdog's SIGALRM
  long maxRssKb = 0;      // the program's peak resident memory
};

// Limits and plumbing for one run of the binary.
struct RunOptions {
  // Entries "NAME=value" added to the environment (LC_ALL=C is set first).
  std::vector<std::string> env;
  // The watchdog's time; zero for a minute.
  std::chrono::milliseconds timeout{0};
  // RLIMIT_FSIZE in bytes, with SIGXFSZ ignored so that an oversized write
  // fails with EFBIG instead of killing the program.
  std::optional<unsigned long> fileSizeLimit;
  // Standard input read from this file (a FIFO, a huge file) instead of
  // the `input` bytes.
  std::optional<std::filesystem::path> stdinPath;
  // Standard output is a pipe that nobody reads (closed before the start).
  bool stdoutClosed = false;
  std::string binary;  // the program to run; empty for haravoija itself
};

// Runs the binary in `workDir` with `args`, feeding `input` on standard
// input, under LC_ALL=C unless the options' environment says otherwise. A
// run still going when the watchdog's time is up is killed by SIGALRM
// (exitStatus 128 + 14, timedOut set).
RunResult runBinary(const std::vector<std::string>& args, const std::string& input,
                    const std::filesystem::path& workDir, const RunOptions& options = {});

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_TEST_UTIL_H_
