// Tests of the letter set, case mapping, code conversion and the name test.
#include "text/letters.h"

#include <gtest/gtest.h>

#include <string>

namespace haravoija {
namespace {

TEST(LettersTest, CaseMappingOverAllBytes) {
  for (int c = 0; c < 256; ++c) {
    const auto b = static_cast<unsigned char>(c);
    unsigned char upper = b;
    unsigned char lower = b;
    if (c >= 'a' && c <= 'z') upper = static_cast<unsigned char>(c - 32);
    if (c >= 'A' && c <= 'Z') lower = static_cast<unsigned char>(c + 32);
    if (c == 0x84) upper = 0x8E;
    if (c == 0x86) upper = 0x8F;
    if (c == 0x94) upper = 0x99;
    if (c == 0x8E) lower = 0x84;
    if (c == 0x8F) lower = 0x86;
    if (c == 0x99) lower = 0x94;
    EXPECT_EQ(toUpperLetter(b), upper) << c;
    EXPECT_EQ(toLowerLetter(b), lower) << c;
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == 0x84 ||
                        c == 0x86 || c == 0x8E || c == 0x8F || c == 0x94 || c == 0x99;
    EXPECT_EQ(isLetter(b), letter) << c;
  }
  EXPECT_FALSE(isLetter(0x81));  // ü in CP850
  EXPECT_FALSE(isLetter(0xE4));  // ä in ISO 8859-1
  EXPECT_FALSE(isLetter('-'));
  EXPECT_EQ(toUpperLetter(0x82), 0x82);  // é has no case here
}

TEST(LettersTest, DocumentCodeBothWays) {
  const unsigned char cp850[] = {0x84, 0x86, 0x8E, 0x8F, 0x94, 0x99};
  const unsigned char latin1[] = {0xE4, 0xE5, 0xC4, 0xC5, 0xF6, 0xD6};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(encodeDocumentLetter(cp850[i]), latin1[i]);
    EXPECT_EQ(decodeDocumentLetter(latin1[i]), cp850[i]);
  }
  for (int c = 0; c < 256; ++c) {
    const auto b = static_cast<unsigned char>(c);
    const bool cpLetter = b >= 0x80 && isLetter(b);
    const bool isoLetter = b == 0xE4 || b == 0xE5 || b == 0xC4 || b == 0xC5 || b == 0xF6 ||
                           b == 0xD6;
    if (!cpLetter) {
      EXPECT_EQ(encodeDocumentLetter(b), b) << c;
    }
    if (!isoLetter) {
      EXPECT_EQ(decodeDocumentLetter(b), b) << c;
    }
    if (c < 0x80 || cpLetter) {
      EXPECT_EQ(decodeDocumentLetter(encodeDocumentLetter(b)), b) << c;
    }
  }
}

TEST(LettersTest, UpperTextKeepsLengthAndInput) {
  const std::string word = "\204iti-k\224\206z\202";
  EXPECT_EQ(toUpperText(word), "\216ITI-K\231\217Z\202");
  EXPECT_EQ(word, "\204iti-k\224\206z\202");
  EXPECT_EQ(encodeDocumentText("El\204imet"), "El\344imet");
}

TEST(LettersTest, CheckTitle) {
  std::string title = "\204-sanat";
  EXPECT_TRUE(checkTitle(title));
  EXPECT_EQ(title, "\216-sanat");

  std::string space = " ";
  EXPECT_TRUE(checkTitle(space));
  EXPECT_EQ(space, " ");

  std::string kept = "el\204imet JA kasvit";
  EXPECT_TRUE(checkTitle(kept));
  EXPECT_EQ(kept, "El\204imet JA kasvit");

  for (const char* bad : {"", "a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a'b", "a<b", "a>b",
                          "a|b"}) {
    std::string s = bad;
    EXPECT_FALSE(checkTitle(s)) << bad;
    EXPECT_EQ(s, bad);
  }
}

}  // namespace
}  // namespace haravoija
