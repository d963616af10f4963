// The real disk: word files read through a file descriptor, and files saved
// under a temporary name beside the target and renamed over it only when
// every byte is on disk, so a failed save never costs the user an earlier
// file of the same name.
#include "text/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace haravoija {
namespace {

constexpr mode_t kNewFileMode = 0664;

bool usableName(const std::string& name) {
  return !name.empty() && name.find('\0') == std::string::npos;
}

class PosixInputFile final : public InputFile {
 public:
  explicit PosixInputFile(int fd) : fd_(fd) {}
  ~PosixInputFile() override { ::close(fd_); }
  PosixInputFile(const PosixInputFile&) = delete;
  PosixInputFile& operator=(const PosixInputFile&) = delete;

  std::optional<std::size_t> read(std::span<char> buffer) override {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
      if (n >= 0) return static_cast<std::size_t>(n);
      if (errno != EINTR) return std::nullopt;
    }
  }

 private:
  int fd_;
};

// The rights a newly created file gets under the process's umask.
mode_t createdFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return kNewFileMode & ~mask;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The temporary name pattern in the target's folder. It is short so that a
// target name near the file system's limit still leaves room for it.
std::string temporaryPattern(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  return folder + ".haravoija-XXXXXX";
}

// False when the target exists but could not be written in place: a folder,
// a write-protected file. The rename would replace such a file regardless,
// which is not the user's wish.
[[nodiscard]] bool targetWritable(const std::string& target) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  return errno == ENOENT;
}

}  // namespace

std::unique_ptr<InputFile> PosixFileSystem::openForReading(const std::string& diskName) {
  if (!usableName(diskName)) return nullptr;
  const int fd = ::open(diskName.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixInputFile>(fd);
}

bool PosixFileSystem::replaceFile(const std::string& diskName, std::string_view bytes) {
  if (!usableName(diskName) || !targetWritable(diskName)) return false;
  std::string temporary = temporaryPattern(diskName);
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  // mkstemp creates the file private; documents are shared like any other
  // new file. Rights are best effort: some file systems have none to set.
  ::fchmod(fd, createdFileMode());
  bool ok = writeAll(fd, bytes);
  // Without the sync a crash soon after the rename could leave an empty file
  // where the earlier document was.
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  ok = ok && std::rename(temporary.c_str(), diskName.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace haravoija
