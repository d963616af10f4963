// The real disk: word files read through a file descriptor, and files saved
// under a temporary name beside the target and renamed over it only when
// every byte is on disk, so a failed save never costs the user an earlier
// file of the same name. The saved file keeps what the user set on the one
// it replaces: its rights, owner and group, the symbolic link that led to it
// and its other names (such a file is written in place).
#include "env/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace haravoija {
namespace {

constexpr mode_t kNewFileMode = 0664;
// Opens an existing file for writing without changing it. O_NONBLOCK keeps a
// FIFO without a reader from hanging the save.
constexpr int kWriteFlags = O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
// The kernel gives up after 40 links; this is only a bound on the name
// search below, which runs after the kernel has followed the same links.
constexpr int kMaxLinks = 40;

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

// The folder part of a name with its last slash, "" for a bare name.
std::string folderOf(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  return slash == std::string::npos ? "" : name.substr(0, slash + 1);
}

std::optional<std::string> readLink(const std::string& name) {
  std::string target(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(name.c_str(), target.data(), target.size());
    if (n <= 0) return std::nullopt;
    if (static_cast<std::size_t>(n) < target.size()) {
      target.resize(static_cast<std::size_t>(n));
      return target;
    }
    target.resize(target.size() * 2);
  }
}

// The name of the file that `name` leads to through the symbolic links at its
// end, whether that file exists or not. A relative link counts from the
// folder the link is in. Nothing for a link that cannot be read or a chain
// too long to be anything but a loop.
std::optional<std::string> followLinks(std::string name) {
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return name;
    const std::optional<std::string> target = readLink(name);
    if (!target) return std::nullopt;
    name = target->front() == '/' ? *target : folderOf(name) + *target;
  }
  return std::nullopt;
}

// Gives a new file the owner, group and rights of the one it replaces. Owner
// and group come first, as a change of owner clears the set-ID bits. What
// cannot be kept is no reason to fail the save.
void keepIdentity(int fd, const struct stat& earlier) {
  if (::fchown(fd, earlier.st_uid, earlier.st_gid) != 0) {
    // Only the superuser may give a file away, but an ordinary user may keep
    // the group when they belong to it.
    [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), earlier.st_gid);
  }
  ::fchmod(fd, earlier.st_mode & 07777);
}

// Makes the rename durable, so that a crash right after the save cannot bring
// the earlier file back. A folder this process may enter but not read, or a
// file system that cannot sync a folder, is left to the system's schedule.
bool syncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return true;
  const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
  ::close(fd);
  return ok;
}

// Writes the bytes to a temporary file in the target's folder and renames it
// over the target. `earlier` is the file being replaced, if any.
bool saveBeside(const std::string& target, std::string_view bytes, const struct stat* earlier) {
  // The name is short so that a target name near the file system's limit
  // still leaves room for it.
  std::string temporary = folderOf(target) + ".haravoija-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  if (earlier != nullptr) {
    keepIdentity(fd, *earlier);
  } else {
    // mkstemp creates the file private; a new document is shared like any
    // other new file. Rights are best effort: some file systems have none.
    ::fchmod(fd, createdFileMode());
  }
  bool ok = writeAll(fd, bytes);
  // Without the sync a crash soon after the rename could leave an empty file
  // where the earlier document was.
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (!ok || std::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return syncFolder(folderOf(target));
}

// A file with several names (hard links) is written where it is: a rename
// would give the new content to one name only and leave the others with the
// earlier one. Reserving the space first finds a full disk or a file size
// limit before the earlier content is touched; an I/O error or a crash
// midway can still leave it half written, the price of keeping every name.
bool writeInPlace(int fd, std::string_view bytes, off_t earlierSize) {
  const auto size = static_cast<off_t>(bytes.size());
  if (size > 0) {
    const int reserved = ::posix_fallocate(fd, 0, size);
    if (reserved == ENOSPC || reserved == EDQUOT || reserved == EFBIG) {
      // A partial reservation may have lengthened the file.
      [[maybe_unused]] const int undone = ::ftruncate(fd, earlierSize);
      return false;
    }
  }
  bool ok = writeAll(fd, bytes) && ::ftruncate(fd, size) == 0;
  ok = ::fsync(fd) == 0 && ok;
  return ok;
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
  if (!usableName(diskName)) return false;
  // The kernel follows the links and decides whether this process may write
  // the file: a folder, a write-protected file and a link loop end here, as
  // they would for a write in place. The superuser, whom rights do not bind,
  // saves over a write-protected file like a write in place would.
  const int fd = ::open(diskName.c_str(), kWriteFlags);
  if (fd < 0 && errno != ENOENT) return false;
  const std::optional<std::string> target = followLinks(diskName);
  if (fd < 0) {
    // Missing, or a link to a missing file. The kernel got past every link
    // (a loop or a link it may not follow ends above), so the file is created
    // where the links lead, as a write in place would create it.
    return target && saveBeside(*target, bytes, nullptr);
  }
  // The name found must be the file the kernel opened; a link changed in
  // between would otherwise send the save elsewhere. A named pipe or a device
  // is not a document to replace with one.
  struct stat file {};
  struct stat named {};
  const bool found = target && ::fstat(fd, &file) == 0 && ::lstat(target->c_str(), &named) == 0 &&
                     file.st_dev == named.st_dev && file.st_ino == named.st_ino;
  if (!found || !S_ISREG(file.st_mode)) {
    ::close(fd);
    return false;
  }
  if (file.st_nlink > 1) {
    const bool ok = writeInPlace(fd, bytes, file.st_size);
    return ::close(fd) == 0 && ok;
  }
  ::close(fd);
  return saveBeside(*target, bytes, &file);
}

}  // namespace haravoija
