// Fuzz target: the whole interactive program driven by arbitrary standard
// input, in a private working folder that is emptied between runs. The
// program must end (the input always ends), say goodbye last, and leave no
// temporary file behind.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

#include "app/console.h"
#include "app/environment.h"
#include "app/program.h"
#include "text/charset.h"
#include "text/file_system.h"
#include "text/random_source.h"

// The program seeds its generator from the clock; a fixed clock makes every
// input replay the same puzzles, so a crash found once can be reproduced.
extern "C" time_t time(time_t* result) {
  constexpr time_t kFixed = 1'700'000'000;
  if (result != nullptr) *result = kFixed;
  return kFixed;
}

namespace {

// Sizes above this make slow but legal puzzles (up to 1000 x 1000 cells,
// each scanned in eight directions per word), which would only drown real
// hangs; inputs that could ask for one are skipped.
constexpr unsigned long kLargestSide = 40;

std::filesystem::path workFolder;

void removeWorkFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(workFolder, ignored);
}

void enterWorkFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "haravoija-fuzz-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr || ::chdir(pattern.c_str()) != 0) std::abort();
  workFolder = pattern;
  std::atexit(removeWorkFolder);
}

// True when some run of digits reads as a number above kLargestSide.
bool asksForLargeNumber(std::string_view bytes) {
  unsigned long value = 0;
  bool inNumber = false;
  for (const char c : bytes) {
    if (c >= '0' && c <= '9') {
      value = inNumber ? value * 10 + static_cast<unsigned long>(c - '0')
                       : static_cast<unsigned long>(c - '0');
      inNumber = true;
      if (value > kLargestSide) return true;
    } else {
      inNumber = false;
    }
  }
  return false;
}

// True when an import line names a file by a path: the run stays inside its
// own folder and never reads the machine's files or devices.
bool importsByPath(std::string_view bytes) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.front() == '+' && line.find('/') != std::string_view::npos) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

void fail(const char* what) {
  std::fprintf(stderr, "dialogue: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enterWorkFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (asksForLargeNumber(bytes) || importsByPath(bytes)) return -1;
  constexpr haravoija::Charset kCharsets[] = {
      haravoija::Charset::kPassthrough, haravoija::Charset::kUtf8, haravoija::Charset::kLatin1,
      haravoija::Charset::kLatin9};
  const haravoija::Charset charset = kCharsets[data[0] % 4];

  std::istringstream in{std::string(bytes)};
  std::ostringstream out;
  haravoija::Console console(in, out, charset);
  haravoija::PosixFileSystem files;
  haravoija::PlatformRandom random;
  haravoija::Environment env{console, files, random};
  if (haravoija::runProgram({"haravoija"}, env) != 0) fail("exit status not 0");

  const std::string goodbye = haravoija::fromCp850("Kiitos ohjelman k\204yt\224st\204!\n", charset);
  const std::string shown = out.str();
  if (shown.size() < goodbye.size() ||
      shown.compare(shown.size() - goodbye.size(), goodbye.size(), goodbye) != 0) {
    fail("the goodbye line is not last");
  }
  for (const auto& entry : std::filesystem::directory_iterator(workFolder)) {
    if (entry.path().filename().string().rfind(".haravoija-", 0) == 0) {
      fail("a temporary file left behind");
    }
    std::filesystem::remove_all(entry.path());
  }
  return 0;
}
