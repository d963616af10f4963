// Stand-ins for the program's seams: a console, a disk and chance in memory.
#ifndef HARAVOIJA_TESTS_FAKES_H_
#define HARAVOIJA_TESTS_FAKES_H_

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/console.h"
#include "app/environment.h"

namespace haravoija::testing {

// A Console reading `input` and recording everything written.
class FakeConsole {
 public:
  explicit FakeConsole(std::string input = "", Charset charset = Charset::kPassthrough)
      : in_(std::move(input)), console_(in_, out_, charset) {}
  Console& console() { return console_; }
  operator Console&() { return console_; }
  std::string output() const { return out_.str(); }

 private:
  std::istringstream in_;
  std::ostringstream out_;
  Console console_;
};

// A file in memory: at most `chunk` bytes a read, failing after `failAfter` bytes.
class StringFile final : public InputFile {
 public:
  explicit StringFile(std::string content,
                      std::size_t chunk = std::numeric_limits<std::size_t>::max(),
                      std::optional<std::size_t> failAfter = std::nullopt)
      : content_(std::move(content)), chunk_(chunk), failAfter_(failAfter) {}
  std::optional<std::size_t> read(std::span<char> buffer) override {
    if (failAfter_ && at_ >= *failAfter_) return std::nullopt;
    const std::size_t end = std::min(content_.size(), failAfter_.value_or(content_.size()));
    const std::size_t n = std::min({buffer.size(), chunk_, end - at_});
    std::memcpy(buffer.data(), content_.data() + at_, n);
    at_ += n;
    return n;
  }

 private:
  std::string content_;
  std::size_t chunk_;
  std::optional<std::size_t> failAfter_;
  std::size_t at_ = 0;
};

class FakeFileSystem final : public FileSystem {
 public:
  std::map<std::string, std::string> files;   // content by name on disk
  std::set<std::string> unopenable;           // exist but neither open nor save (folders)
  std::optional<std::size_t> saveFailsAfter;  // a save of more bytes fails (full disk)
  std::vector<std::string> saveRequests;      // every name a save was asked for, in order

  std::unique_ptr<InputFile> openForReading(const std::string& diskName) override {
    const auto file = files.find(diskName);
    if (file == files.end() || unopenable.contains(diskName)) return nullptr;
    return std::make_unique<StringFile>(file->second);
  }
  bool replaceFile(const std::string& diskName, std::string_view bytes) override {
    saveRequests.push_back(diskName);
    if (unopenable.contains(diskName) || bytes.size() > saveFailsAfter.value_or(bytes.size())) {
      return false;
    }
    files[diskName] = std::string(bytes);
    return true;
  }
};

// Draws a given sequence over and over, else a fixed pseudo-random one; seedFromClock restarts.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<int> values = {}) : values_(std::move(values)) {}
  int draw() override {
    ++draws_;
    if (!values_.empty()) return values_[next_++ % values_.size()];
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }
  void seedFromClock() override {
    ++seeds_;
    next_ = 0;
    state_ = 1;
  }
  int draws() const { return draws_; }
  int seeds() const { return seeds_; }

 private:
  std::vector<int> values_;
  std::size_t next_ = 0;
  unsigned state_ = 1;
  int draws_ = 0;
  int seeds_ = 0;
};

// A console reading `input`, an empty fake disk and the scripted chance.
struct FakeEnvironment {
  explicit FakeEnvironment(std::string input = "", Charset charset = Charset::kPassthrough)
      : console(std::move(input), charset) {}
  FakeConsole console;
  FakeFileSystem files;
  ScriptedRandom random;
  Environment env{console.console(), files, random};
  std::string output() const { return console.output(); }
};

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_FAKES_H_
