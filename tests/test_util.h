// Helpers shared by the tests: temporary folders, reading files, and running
// the real binary.
#ifndef HARAVOIJA_TESTS_TEST_UTIL_H_
#define HARAVOIJA_TESTS_TEST_UTIL_H_

#include <chrono>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
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

// Reads a whole file as bytes ("" when missing).
std::string readFile(const std::filesystem::path& path);

struct RunResult {
  // The exit status, or 128 plus the signal that ended the program.
  int exitStatus = -1;
  std::string out;
  std::string err;
  // True when the watchdog had to kill the program.
  bool timedOut = false;
  // The program's peak resident memory in kilobytes.
  long maxRssKb = 0;
};

// Limits and plumbing for one run of the binary.
struct RunOptions {
  // Entries "NAME=value" added to the environment (LC_ALL=C is set first).
  std::vector<std::string> env;
  // Kills the program (SIGKILL, timedOut set) once this has passed; zero
  // leaves only the one-minute alarm below.
  std::chrono::milliseconds timeout{0};
  // RLIMIT_FSIZE in bytes, with SIGXFSZ ignored so that an oversized write
  // fails with EFBIG instead of killing the program.
  std::optional<unsigned long> fileSizeLimit;
  // Standard input read from this file (a FIFO, a huge file) instead of
  // the `input` bytes.
  std::optional<std::filesystem::path> stdinPath;
  // Standard output is a pipe that nobody reads (closed before the start).
  bool stdoutClosed = false;
  // The program to run; empty for haravoija itself.
  std::string binary;
};

// Runs the binary in `workDir` with `args`, feeding `input` on standard
// input, under LC_ALL=C unless the options' environment says otherwise. A
// run still going after a minute is killed by SIGALRM (exitStatus 128 + 14).
RunResult runBinary(const std::vector<std::string>& args, const std::string& input,
                    const std::filesystem::path& workDir, const RunOptions& options = {});

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_TEST_UTIL_H_
