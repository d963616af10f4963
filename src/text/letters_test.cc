// Tests of the text layer: the letter set, case mapping, code conversion and
// the name test; the console character sets against iconv; and the fast
// selection-sort orders against plain sorts on random lists.
#include "text/letters.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "text/charset.h"
#include "text/selection_sort.h"

namespace haravoija {
namespace {

using namespace std::string_literals;

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

// Each place takes the first of the remaining words no later one goes before.
template <typename GoesBefore>
std::vector<std::string> plainSort(std::vector<std::string> words, GoesBefore goesBefore) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::size_t chosen = i;
    for (std::size_t j = i + 1; j < words.size(); ++j) {
      if (goesBefore(words[j], words[chosen])) chosen = j;
    }
    std::swap(words[i], words[chosen]);
  }
  return words;
}

// Upper-cased letters as unsigned bytes; a prefix precedes nothing.
bool plainPrecedes(const std::string& a, const std::string& b) {
  for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
    const unsigned char x = toUpperLetter(static_cast<unsigned char>(a[k]));
    const unsigned char y = toUpperLetter(static_cast<unsigned char>(b[k]));
    if (x != y) return x < y;
  }
  return false;
}

// Worked orders are checked where the sorts are used: the word list, the document.
TEST(SelectionSort, MatchesPlainSortsOnRandomLists) {
  const unsigned char letters[] = {'a', 'B', 'b', 0x84 /* ä */, 0x8E /* Ä */, 0x86 /* å */};
  for (unsigned seed = 0; seed < 3000; ++seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> count(0, seed % 10 == 0 ? 300 : 40);
    std::uniform_int_distribution<int> length(0, 1 + static_cast<int>(seed % 6));
    std::uniform_int_distribution<int> pick(0, 1 + static_cast<int>(seed % 5));
    std::vector<std::string> words(static_cast<std::size_t>(count(gen)));
    for (std::string& word : words) {
      const int n = length(gen);
      for (int k = 0; k < n; ++k) word.push_back(static_cast<char>(letters[pick(gen)]));
    }
    std::vector<long long> negatedLengths;
    for (const std::string& word : words) negatedLengths.push_back(-std::ssize(word));
    std::vector<std::string> fast = words;
    applySortOrder(fast, selectionSortOrder(negatedLengths));
    ASSERT_EQ(fast, plainSort(words, [](auto& a, auto& b) { return a.size() > b.size(); }))
        << "seed " << seed;
    fast = words;
    applySortOrder(fast, precedesSelectionSortOrder(words));
    ASSERT_EQ(fast, plainSort(words, plainPrecedes)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace haravoija
