// Fuzz target: the whole program driven by arbitrary standard input, with an
// in-memory disk that holds a word file and a saved page, and scripted
// chance. The program must end (the input always ends), exit with 0 and say
// goodbye last.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/program.h"
#include "fakes.h"

namespace {

// Sizes above this make slow but legal puzzles (up to 1000 x 1000 cells,
// each scanned in eight directions per word), which would only drown real
// hangs; inputs that could ask for one are skipped.
constexpr unsigned long kLargestSide = 40;

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

void fail(const char* what) {
  std::fprintf(stderr, "dialogue: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using haravoija::Charset;
  if (size < 1) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (asksForLargeNumber(bytes)) return -1;
  constexpr Charset kCharsets[] = {Charset::kPassthrough, Charset::kUtf8, Charset::kLatin1,
                                   Charset::kLatin9};
  const Charset charset = kCharsets[data[0] % 4];

  haravoija::testing::FakeEnvironment fake{std::string(bytes), charset};
  fake.files.files = {{"sanat.txt", "kissa koira hevonen\nkala lintu\n"},
                      {"vanha.html", "<!--Sanat-->\n<br>Kettu\n<br>\304iti\n<!--Loppu-->\n"}};
  if (haravoija::runProgram({"haravoija"}, fake.env) != 0) fail("exit status not 0");
  const std::string goodbye = haravoija::fromCp850("Kiitos ohjelman k\204yt\224st\204!\n", charset);
  if (!fake.output().ends_with(goodbye)) fail("the goodbye line is not last");
  return 0;
}
