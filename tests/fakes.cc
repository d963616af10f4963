// The in-memory disk and the scripted source of chance.
#include "fakes.h"

#include <algorithm>
#include <cstring>

namespace haravoija::testing {
std::optional<std::size_t> StringFile::read(std::span<char> buffer) {
  const std::size_t end = std::min(content_.size(), failAfter_.value_or(content_.size()));
  if (failAfter_ && at_ >= *failAfter_) return std::nullopt;
  const std::size_t n = std::min({buffer.size(), chunk_, end - at_});
  std::memcpy(buffer.data(), content_.data() + at_, n);
  at_ += n;
  return n;
}

std::unique_ptr<InputFile> FakeFileSystem::openForReading(const std::string& diskName) {
  const auto file = files.find(diskName);
  if (file == files.end() || unopenable.contains(diskName)) return nullptr;
  return std::make_unique<StringFile>(file->second);
}

bool FakeFileSystem::replaceFile(const std::string& diskName, std::string_view bytes) {
  saveRequests.push_back(diskName);
  if (unopenable.contains(diskName) || (saveFailsAfter && bytes.size() > *saveFailsAfter)) {
    return false;
  }
  files[diskName] = std::string(bytes);
  return true;
}

int ScriptedRandom::draw() {
  ++draws_;
  if (!values_.empty()) return values_[next_++ % values_.size()];
  state_ = state_ * 1103515245u + 12345u;
  return static_cast<int>((state_ >> 16) & 0x7FFF);
}

void ScriptedRandom::seedFromClock() {
  ++seeds_;
  next_ = 0;
  state_ = 1;
}

}  // namespace haravoija::testing
