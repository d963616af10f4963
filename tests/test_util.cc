// Test helpers: temporary folders and running the real binary.
#include "test_util.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ranges>
#include <stdexcept>

namespace haravoija::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "haravoija-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::write(const std::string& name, const std::string& bytes) const {
  const std::filesystem::path file = path_ / name;
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  for (const auto part : std::views::split(text, separator)) {
    parts.emplace_back(part.begin(), part.end());
  }
  return parts;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

RunResult runBinary(const std::vector<std::string>& args, const std::string& input,
                    const std::filesystem::path& workDir, const RunOptions& options) {
  // Files rather than pipes, so that large inputs and outputs cannot dead-lock.
  TempDir io;
  const std::filesystem::path inPath =
      options.stdinPath ? *options.stdinPath : io.write("stdin", input);
  const std::filesystem::path outPath = io.path() / "stdout";
  const std::filesystem::path errPath = io.path() / "stderr";

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int pipeEnds[2];
    if (::dup2(::open(inPath.c_str(), O_RDONLY), 0) < 0 ||
        ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1) < 0 ||
        ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2) < 0 ||
        ::chdir(workDir.c_str()) != 0 ||
        (options.stdoutClosed &&
         (::pipe(pipeEnds) != 0 || ::close(pipeEnds[0]) != 0 || ::dup2(pipeEnds[1], 1) < 0))) {
      ::_exit(127);
    }
    // The program starts as from a shell, whatever the test process ignores.
    ::signal(SIGPIPE, SIG_DFL);
    // A run that hangs or loops is killed instead of stalling the suite.
    const long ms = options.timeout.count() > 0 ? options.timeout.count() : 60'000;
    const itimerval timer{{0, 0}, {ms / 1000, ms % 1000 * 1000}};
    ::setitimer(ITIMER_REAL, &timer, nullptr);
    ::setenv("LC_ALL", "C", 1);
    for (const std::string& entry : options.env) ::putenv(const_cast<char*>(entry.c_str()));
    std::vector<std::string> words = args;
    words.insert(words.begin(), options.binary.empty() ? HARAVOIJA_BINARY : options.binary);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  while (::wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) throw std::runtime_error("wait4 failed");
  }
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), readFile(outPath),
          readFile(errPath), usage.ru_maxrss};
}

std::optional<std::vector<std::string>> frozenClockEnv(const std::string& moment) {
  for (const char* library : {"/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
                              "/usr/lib/aarch64-linux-gnu/faketime/libfaketime.so.1",
                              "/usr/lib/faketime/libfaketime.so.1"}) {
    if (!std::filesystem::exists(library)) continue;
    // A sanitizer build insists on coming first among preloads: let it accept this one.
    const char* asan = std::getenv("ASAN_OPTIONS");
    return std::vector<std::string>{
        std::string("LD_PRELOAD=") + library, "FAKETIME=" + moment,
        "ASAN_OPTIONS=" + std::string(asan ? asan : "") + ":verify_asan_link_order=0"};
  }
  return std::nullopt;
}

}  // namespace haravoija::testing
