// Helpers shared by the tests: a console over string streams, temporary
// folders, and running the real binary.
#ifndef HARAVOIJA_TESTS_TEST_UTIL_H_
#define HARAVOIJA_TESTS_TEST_UTIL_H_

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "text/console.h"

namespace haravoija::testing {

// A Console reading `input` and recording everything written.
class FakeConsole {
 public:
  explicit FakeConsole(std::string input = "", Charset charset = Charset::kPassthrough)
      : in_(std::move(input)), console_(in_, out_, charset) {}
  Console& console() { return console_; }
  operator Console&() { return console_; }
  std::string output() const { return out_.str(); }
  // Discards what has been written so far.
  void clearOutput() { out_.str(""); }

 private:
  std::istringstream in_;
  std::ostringstream out_;
  Console console_;
};

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

// Reads a whole file as bytes ("" when missing).
std::string readFile(const std::filesystem::path& path);

struct RunResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

// Runs the haravoija binary in `workDir` with `args`, feeding `input` on
// standard input, under LC_ALL=C unless `env` says otherwise (entries
// "NAME=value" added to the environment). A run still going after a minute
// is killed by SIGALRM (exitStatus 128 + 14).
RunResult runBinary(const std::vector<std::string>& args, const std::string& input,
                    const std::filesystem::path& workDir,
                    const std::vector<std::string>& env = {});

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_TEST_UTIL_H_
