// Fuzz target: the whole program on arbitrary standard input, with a word file
// and a saved page on the fake disk, must end, exit with 0 and say goodbye last.
#include <array>
#include <cstdint>
#include <cstdlib>

#include "app/program.h"
#include "fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using haravoija::Charset;
  if (size < 1) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  // Sizes above 40 make slow but legal puzzles, which would only drown real
  // hangs: inputs where a run of digits reads as a larger number are skipped.
  unsigned long number = 0;
  for (const char c : bytes) {
    number = c >= '0' && c <= '9' ? number * 10 + static_cast<unsigned long>(c - '0') : 0;
    if (number > 40) return -1;
  }
  const Charset charset = std::array{Charset::kPassthrough, Charset::kUtf8, Charset::kLatin1,
                                     Charset::kLatin9}[data[0] % 4];
  haravoija::testing::FakeEnvironment fake{bytes, charset};
  fake.files.files = {{"sanat.txt", "kissa koira hevonen\nkala lintu\n"},
                      {"vanha.html", "<!--Sanat-->\n<br>Kettu\n<br>\304iti\n<!--Loppu-->\n"}};
  // The exit status, then the goodbye line last.
  if (haravoija::runProgram({"haravoija"}, fake.env) != 0 ||
      !fake.output().ends_with(
          haravoija::fromCp850("Kiitos ohjelman k\204yt\224st\204!\n", charset))) {
    std::abort();
  }
  return 0;
}
