// Tests of the letter set, case mapping, code conversion and the name test.
#include "text/letters.h"

#include <gtest/gtest.h>

#include <string>

namespace haravoija {
namespace {

TEST(LettersTest, OneByteOperations) {
  struct Case {
    unsigned char byte, upper, lower;
    bool letter;
    unsigned char document;  // encodeDocumentLetter
  };
  const Case cases[] = {
      {0x84, 0x8E, 0x84, true, 0xE4},  // ä
      {0x86, 0x8F, 0x86, true, 0xE5},  // å
      {0x8E, 0x8E, 0x84, true, 0xC4},  // Ä
      {0x8F, 0x8F, 0x86, true, 0xC5},  // Å
      {0x94, 0x99, 0x94, true, 0xF6},  // ö
      {0x99, 0x99, 0x94, true, 0xD6},  // Ö
      {'a', 'A', 'a', true, 'a'},      {'z', 'Z', 'z', true, 'z'},
      {'A', 'A', 'a', true, 'A'},      {'Z', 'Z', 'z', true, 'Z'},
      {'@', '@', '@', false, '@'},     {'[', '[', '[', false, '['},
      {'`', '`', '`', false, '`'},     {'{', '{', '{', false, '{'},
      {' ', ' ', ' ', false, ' '},     {'-', '-', '-', false, '-'},
      {'5', '5', '5', false, '5'},     {0x81, 0x81, 0x81, false, 0x81},  // ü
      {0x82, 0x82, 0x82, false, 0x82},                                   // é
      {0xE4, 0xE4, 0xE4, false, 0xE4},  // the document's ä is no letter here
      {0x00, 0x00, 0x00, false, 0x00}, {0xFF, 0xFF, 0xFF, false, 0xFF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toUpperLetter(c.byte), c.upper) << int(c.byte);
    EXPECT_EQ(toLowerLetter(c.byte), c.lower) << int(c.byte);
    EXPECT_EQ(isLetter(c.byte), c.letter) << int(c.byte);
    EXPECT_EQ(encodeDocumentLetter(c.byte), c.document) << int(c.byte);
    EXPECT_EQ(decodeDocumentLetter(c.document), c.byte == 0xE4 ? 0x84 : c.byte) << int(c.byte);
  }
  // The letters after Z keep their order as unsigned bytes: Ä < Å < Ö.
  EXPECT_LT(toUpperLetter('z'), toUpperLetter(0x84));
  EXPECT_LT(toUpperLetter(0x84), toUpperLetter(0x86));
  EXPECT_LT(toUpperLetter(0x86), toUpperLetter(0x94));
}

TEST(LettersTest, TextOperations) {
  const std::string word = "\204iti-k\224\206z\202";
  EXPECT_EQ(toUpperText(word), "\216ITI-K\231\217Z\202");
  EXPECT_EQ(word, "\204iti-k\224\206z\202");
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
