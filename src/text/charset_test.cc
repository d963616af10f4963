// Tests of the console character-set conversion, checked against iconv.
#include "text/charset.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <numeric>
#include <string>

namespace haravoija {
namespace {

// The system's own conversion of one byte string, or "" when it fails.
std::string iconvConvert(const char* from, const char* to, std::string input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return "";
  std::string out(input.size() * 4 + 4, '\0');
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) return "";
  out.resize(out.size() - outLeft);
  return out;
}

// Every byte both ways: what iconv converts must match, what it cannot
// becomes "?", and what reaches the terminal reads back as the same byte.
TEST(CharsetTest, MatchesIconvForEveryByte) {
  const std::pair<Charset, const char*> sets[] = {{Charset::kUtf8, "UTF-8"},
                                                  {Charset::kLatin1, "ISO-8859-1"},
                                                  {Charset::kLatin9, "ISO-8859-15"}};
  for (const auto& [charset, name] : sets) {
    for (int c = 1; c < 256; ++c) {
      const std::string byte(1, static_cast<char>(c));
      const std::string toProgram = iconvConvert(name, "CP850", byte);
      const std::string toTerminal = iconvConvert("CP850", name, byte);
      EXPECT_EQ(toCp850(byte, charset), toProgram.empty() ? "?" : toProgram) << name << " " << c;
      EXPECT_EQ(fromCp850(byte, charset), toTerminal.empty() ? "?" : toTerminal)
          << name << " " << c;
      if (!toTerminal.empty()) {
        EXPECT_EQ(toCp850(toTerminal, charset), byte) << name << " " << c;
      }
    }
  }
}

TEST(CharsetTest, Utf8InputWithUnknownAndMalformedCharacters) {
  EXPECT_EQ(toCp850("\342\202\254", Charset::kUtf8), "?");         // the euro sign
  EXPECT_EQ(toCp850("\360\237\230\200x", Charset::kUtf8), "?x");   // an emoji
  EXPECT_EQ(toCp850("a\303", Charset::kUtf8), "a?");               // cut short
  EXPECT_EQ(toCp850("\244b", Charset::kUtf8), "?b");               // stray continuation
  EXPECT_EQ(toCp850("\300\200", Charset::kUtf8), "??");            // overlong NUL
  EXPECT_EQ(toCp850("\355\240\200", Charset::kUtf8), "???");       // a surrogate
  EXPECT_EQ(toCp850("\355\277\277", Charset::kUtf8), "???");       // the last surrogate
  EXPECT_EQ(toCp850("\355\237\277", Charset::kUtf8), "?");         // U+D7FF, no CP850 byte
  EXPECT_EQ(toCp850("\364\217\277\277", Charset::kUtf8), "?");     // U+10FFFF
  EXPECT_EQ(toCp850("\364\220\200\200", Charset::kUtf8), "????");  // beyond U+10FFFF
  EXPECT_EQ(toCp850(std::string("a\0b", 3), Charset::kUtf8), std::string("a\0b", 3));
}

TEST(CharsetTest, PassthroughCodesetsAndDiskFileNames) {
  std::string all(256, '\0');
  std::iota(all.begin(), all.end(), '\0');
  EXPECT_EQ(fromCp850(all, Charset::kPassthrough), all);
  EXPECT_EQ(toCp850(all, Charset::kPassthrough), all);
  EXPECT_EQ(charsetFromCodeset("UTF-8"), Charset::kUtf8);
  EXPECT_EQ(charsetFromCodeset("ISO-8859-1"), Charset::kLatin1);
  EXPECT_EQ(charsetFromCodeset("ISO-8859-15"), Charset::kLatin9);
  EXPECT_EQ(charsetFromCodeset("ANSI_X3.4-1968"), Charset::kPassthrough);
  EXPECT_EQ(diskFileName("El\204imet.html", Charset::kPassthrough), "El\344imet.html");
  EXPECT_EQ(diskFileName("El\204imet.html", Charset::kLatin1), "El\344imet.html");
  EXPECT_EQ(diskFileName("El\204imet.html", Charset::kUtf8), "El\303\244imet.html");
}

}  // namespace
}  // namespace haravoija
