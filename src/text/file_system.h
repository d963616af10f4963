// The files the program reads and writes come and go through a FileSystem,
// so that tests can put in a disk of their own that fails at any byte.
#ifndef HARAVOIJA_TEXT_FILE_SYSTEM_H_
#define HARAVOIJA_TEXT_FILE_SYSTEM_H_

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
  [[nodiscard]] virtual std::optional<std::size_t> read(std::span<char> buffer) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens the file whose name on disk is these bytes. Nothing when the name
  // is empty or holds a NUL byte, or the file is missing, a folder or cannot
  // be opened.
  [[nodiscard]] virtual std::unique_ptr<InputFile> openForReading(const std::string& diskName) = 0;
  // Makes `bytes` the whole content of the named file, created when missing.
  // On true every byte is on disk; on false the file is as it was before
  // (an earlier content kept, no new file, nothing left behind).
  [[nodiscard]] virtual bool replaceFile(const std::string& diskName, std::string_view bytes) = 0;
};

// The real disk through POSIX calls.
class PosixFileSystem final : public FileSystem {
 public:
  std::unique_ptr<InputFile> openForReading(const std::string& diskName) override;
  bool replaceFile(const std::string& diskName, std::string_view bytes) override;
};

}  // namespace haravoija

#endif  // HARAVOIJA_TEXT_FILE_SYSTEM_H_
