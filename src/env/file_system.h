// The files the program reads and writes come and go through a FileSystem,
// so that tests can put in a disk of their own that fails at any byte.
#ifndef HARAVOIJA_ENV_FILE_SYSTEM_H_
#define HARAVOIJA_ENV_FILE_SYSTEM_H_

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace haravoija {

// A file open for reading, read a chunk at a time.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Reads up to buffer.size() bytes into the buffer. The number read, 0 at
  // the end of the file; nothing on a read error.
  // REQUIRES: buffer is not empty, so that 0 can only mean the end.
  [[nodiscard]] virtual std::optional<std::size_t> read(std::span<char> buffer) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens the file whose name on disk is these bytes. Nothing when the name
  // is empty or holds a NUL byte, or the file is missing, a folder or cannot
  // be opened.
  [[nodiscard]] virtual std::unique_ptr<InputFile> openForReading(const std::string& diskName) = 0;
  // Makes `bytes` the whole content of the named file, created when missing
  // with rights 0664 less the umask. An existing file keeps its rights and,
  // where the process may set them, its owner and group; a symbolic link is
  // followed and the file it leads to is saved, created when missing; a file
  // with several names gets the content under every name. Refused: a folder,
  // a named pipe or a device, a loop of links, and a file this process may
  // not write (the superuser may write any).
  // On true every byte and the name are on disk. On false the file is as it
  // was before (an earlier content kept, no new file, nothing left behind),
  // with two exceptions that only an I/O error brings: a file with several
  // names can be left half written, and a folder that fails to record the
  // new name can leave either content.
  [[nodiscard]] virtual bool replaceFile(const std::string& diskName, std::string_view bytes) = 0;
};

// The real disk through POSIX calls.
class PosixFileSystem final : public FileSystem {
 public:
  std::unique_ptr<InputFile> openForReading(const std::string& diskName) override;
  bool replaceFile(const std::string& diskName, std::string_view bytes) override;
};

}  // namespace haravoija

#endif  // HARAVOIJA_ENV_FILE_SYSTEM_H_
