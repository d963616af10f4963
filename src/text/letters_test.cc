// Tests of the letter set, case mapping, code conversion and the name test.
#include "text/letters.h"

#include <gtest/gtest.h>

#include <string>

namespace haravoija {
namespace {

TEST(LettersTest, OneByteOperations) {
  // Letter, upper case, lower case, in the document's ISO 8859-1.
  const unsigned char letters[][4] = {
      {0x84, 0x8E, 0x84, 0xE4}, {0x86, 0x8F, 0x86, 0xE5}, {0x8E, 0x8E, 0x84, 0xC4},  // ä å Ä
      {0x8F, 0x8F, 0x86, 0xC5}, {0x94, 0x99, 0x94, 0xF6}, {0x99, 0x99, 0x94, 0xD6},  // Å ö Ö
      {'a', 'A', 'a', 'a'},     {'z', 'Z', 'z', 'z'},     {'A', 'A', 'a', 'A'},
      {'Z', 'Z', 'z', 'Z'}};
  for (const auto& [byte, upper, lower, document] : letters) {
    EXPECT_TRUE(isLetter(byte)) << int(byte);
    EXPECT_EQ(toUpperLetter(byte), upper) << int(byte);
    EXPECT_EQ(toLowerLetter(byte), lower) << int(byte);
    EXPECT_EQ(encodeDocumentLetter(byte), document) << int(byte);
    EXPECT_EQ(decodeDocumentLetter(document), byte) << int(byte);
  }
  // No letters, kept as they are; ü, é and the document's ä among them.
  const unsigned char others[] = {'@', '[', '`', '{', ' ', '-', '5', 0x81, 0x82, 0xE4, 0x00, 0xFF};
  for (const unsigned char c : others) {
    EXPECT_FALSE(isLetter(c)) << int(c);
    EXPECT_EQ(toUpperLetter(c), c) << int(c);
    EXPECT_EQ(toLowerLetter(c), c) << int(c);
    EXPECT_EQ(encodeDocumentLetter(c), c) << int(c);
    EXPECT_EQ(decodeDocumentLetter(c), c == 0xE4 ? 0x84 : c) << int(c);
  }
}

TEST(LettersTest, TextOperations) {
  EXPECT_EQ(toUpperText("\204iti-k\224\206z\202"), "\216ITI-K\231\217Z\202");
  EXPECT_EQ(encodeDocumentText("El\204imet \217\231"), "El\344imet \305\326");

  const std::pair<std::string, std::string> accepted[] = {
      {"\204-sanat", "\216-sanat"},
      {" ", " "},
      {"el\204imet JA kasvit", "El\204imet JA kasvit"},
      {"1.5 & #", "1.5 & #"}};
  for (const auto& [title, checked] : accepted) {
    std::string s = title;
    EXPECT_TRUE(checkTitle(s)) << title;
    EXPECT_EQ(s, checked);
  }
  for (const char* bad :
       {"", "a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a'b", "a<b", "a>b", "\204|b"}) {
    std::string s = bad;
    EXPECT_FALSE(checkTitle(s)) << bad;
    EXPECT_EQ(s, bad);
  }
}

}  // namespace
}  // namespace haravoija
