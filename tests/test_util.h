// Test helpers: temporary folders, reading files, running the binary under a stopped clock.
#ifndef HARAVOIJA_TESTS_TEST_UTIL_H_
#define HARAVOIJA_TESTS_TEST_UTIL_H_

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace haravoija::testing {

// A build unoptimised or with sanitizers, whose runs take many times longer and more memory.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSlowBuild = false;
#else
inline constexpr bool kSlowBuild = true;
#endif

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
// The parts of `text` between separators ("a/b/" gives "a", "b", ""); none for "".
std::vector<std::string> split(std::string_view text, char separator = ' ');
// Reads a whole file as bytes ("" when missing).
std::string readFile(const std::filesystem::path& path);

struct RunResult {
  int exitStatus = -1;  // or 128 plus the signal that ended the program
  std::string out;
  std::string err;
  long maxRssKb = 0;  // the program's peak resident memory
};

// Limits and plumbing for one run of the binary.
struct RunOptions {
  std::vector<std::string> env = {};                    // "NAME=value" entries, set after LC_ALL=C
  std::chrono::milliseconds timeout{0};                 // the watchdog's time; zero for a minute
  std::optional<std::filesystem::path> stdinPath = {};  // instead of the `input` bytes
  bool stdoutClosed = false;  // standard output is a pipe that nobody reads
  std::string binary = {};    // the program to run; empty for haravoija itself
};

// Runs the binary in `workDir`; killed by SIGALRM (status 142) at the watchdog's time.
RunResult runBinary(const std::vector<std::string>& args, const std::string& input,
                    const std::filesystem::path& workDir, const RunOptions& options = {});

// RunOptions::env entries that stop the clock at `moment` ("2026-01-01 12:00:00")
// through libfaketime, or nothing when it is not installed.
std::optional<std::vector<std::string>> frozenClockEnv(const std::string& moment);

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_TEST_UTIL_H_
