// Tests of the console character sets against iconv.
#include "text/charset.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <numeric>
#include <string>

namespace haravoija {
namespace {

using namespace std::string_literals;

// The system's conversion of one byte, or "?" when it has none.
std::string iconvByte(const char* from, const char* to, char byte) {
  const iconv_t cd = iconv_open(to, from);
  char out[8];
  char* in = &byte;
  char* end = out;
  std::size_t inLeft = 1, outLeft = sizeof out;
  const bool done = iconv(cd, &in, &inLeft, &end, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return done ? std::string(out, end) : "?";
}

// Every byte both ways as iconv; what reaches the terminal reads back.
TEST(CharsetTest, MatchesIconvForEveryByte) {
  const std::pair<Charset, const char*> sets[] = {{Charset::kUtf8, "UTF-8"},
                                                  {Charset::kLatin1, "ISO-8859-1"},
                                                  {Charset::kLatin9, "ISO-8859-15"}};
  for (const auto& [charset, name] : sets) {
    for (int c = 1; c < 256; ++c) {
      const std::string byte(1, static_cast<char>(c));
      const std::string toTerminal = iconvByte("CP850", name, byte[0]);
      EXPECT_EQ(toCp850(byte, charset), iconvByte(name, "CP850", byte[0])) << name << " " << c;
      EXPECT_EQ(fromCp850(byte, charset), toTerminal) << name << " " << c;
      EXPECT_TRUE(toTerminal == "?" || toCp850(toTerminal, charset) == byte) << name << " " << c;
    }
  }
}

// The euro sign, an emoji, a stray continuation, an overlong NUL, the first
// and the last surrogate, U+D7FF (no CP850 byte), U+10FFFF, one beyond, a NUL
// and a sequence cut short.
TEST(CharsetTest, Utf8InputWithUnknownAndMalformedCharacters) {
  EXPECT_EQ(toCp850("\342\202\254 \360\237\230\200x \244b \300\200 \355\240\200 \355\277\277 "
                    "\355\237\277 \364\217\277\277 \364\220\200\200 a\0b a\303"s,
                    Charset::kUtf8),
            "? ?x ?b ?? ??? ??? ? ? ???? a\0b a?"s);
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
}

}  // namespace
}  // namespace haravoija
