// Saving the puzzle document: written beside the target under a temporary
// name and renamed over it only when every byte is on disk, so a failed save
// never costs the user an earlier document of the same name.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>

#include "output/document.h"
#include "text/charset.h"
#include "text/letters.h"

namespace haravoija {
namespace {

constexpr mode_t kDocumentMode = 0664;

// The rights a newly created file gets under the process's umask.
mode_t createdFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return kDocumentMode & ~mask;
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

[[nodiscard]] bool replaceFile(const std::string& target, std::string_view bytes) {
  if (!targetWritable(target)) return false;
  std::string temporary = temporaryPattern(target);
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
  ok = ok && std::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace

void writePuzzleDocument(const Grid& grid, std::string_view stem, std::string_view title,
                         Console& console) {
  const std::string name = std::string(stem) + ".html";
  // A NUL would cut the name short and the file would land under another
  // name than the one reported.
  const bool saved = name.find('\0') == std::string::npos &&
                     replaceFile(diskFileName(name, console.charset()),
                                 puzzleDocument(grid, title));
  if (!saved) {
    console.line("Tulosten talletus tiedostoon ei onnistunut!");
    console.emptyLine();
    return;
  }
  std::string shownName;
  shownName.reserve(name.size());
  for (char c : name) shownName += static_cast<char>(toLowerLetter(static_cast<unsigned char>(c)));
  console.line("Ruudukko tallennettu tiedostoon " + shownName + ".");
  console.emptyLine();
}

}  // namespace haravoija
