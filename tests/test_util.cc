// Test helpers: temporary folders and running the real binary.
#include "test_util.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

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
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {

constexpr unsigned kRunTimeLimitSeconds = 60;

std::string slurp(int fd) {
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

}  // namespace

RunResult runBinary(const std::vector<std::string>& args, const std::string& input,
                    const std::filesystem::path& workDir, const RunOptions& options) {
  // Input, output and error go through temporary files so that large inputs
  // and outputs cannot dead-lock on pipe buffers.
  TempDir io;
  const std::filesystem::path inPath =
      options.stdinPath ? *options.stdinPath : io.write("stdin", input);
  const std::filesystem::path outPath = io.path() / "stdout";
  const std::filesystem::path errPath = io.path() / "stderr";

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = ::open(inPath.c_str(), O_RDONLY);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || ::chdir(workDir.c_str()) != 0) ::_exit(127);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    int pipeEnds[2];
    if (options.stdoutClosed &&
        (::pipe(pipeEnds) != 0 || ::close(pipeEnds[0]) != 0 || ::dup2(pipeEnds[1], 1) < 0)) {
      ::_exit(127);
    }
    // The program starts as from a shell, whatever the test process ignores.
    ::signal(SIGPIPE, SIG_DFL);
    // A run that hangs or loops (a prompt repeated for ever at the end of
    // input) is killed instead of stalling the suite and filling the disk.
    ::alarm(kRunTimeLimitSeconds);
    ::setenv("LC_ALL", "C", 1);
    for (const std::string& entry : options.env) ::putenv(const_cast<char*>(entry.c_str()));
    if (options.fileSizeLimit) {
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(127);
    }
    std::vector<char*> argv;
    std::string binary = options.binary.empty() ? HARAVOIJA_BINARY : options.binary;
    argv.push_back(binary.data());
    std::vector<std::string> copies(args);
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::execv(binary.c_str(), argv.data());
    ::_exit(127);
  }
  RunResult result;
  int status = 0;
  rusage usage{};
  const auto deadline = std::chrono::steady_clock::now() + options.timeout;
  for (;;) {
    const pid_t done = ::wait4(pid, &status, options.timeout.count() > 0 ? WNOHANG : 0, &usage);
    if (done == pid) break;
    if (done < 0 && errno != EINTR) throw std::runtime_error("wait4 failed");
    if (done == 0 && std::chrono::steady_clock::now() >= deadline) {
      ::kill(pid, SIGKILL);
      result.timedOut = true;
      while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
      }
      break;
    }
    if (done == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.maxRssKb = usage.ru_maxrss;
  const int outFd = ::open(outPath.c_str(), O_RDONLY);
  const int errFd = ::open(errPath.c_str(), O_RDONLY);
  result.out = slurp(outFd);
  result.err = slurp(errFd);
  ::close(outFd);
  ::close(errFd);
  return result;
}

}  // namespace haravoija::testing
