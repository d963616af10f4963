// Tests of word files: reading hand-made files and pages, read errors, the
// random pick and the imports.
#include "words/word_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <tuple>

#include "fakes.h"
#include "words/word_file_reader.h"

namespace haravoija {
namespace {

using Words = std::vector<std::string>;
using testing::ScriptedRandom;
using testing::StringFile;
constexpr WordFileMode kPlain = WordFileMode::kPlain;
constexpr WordFileMode kHtml = WordFileMode::kHtml;

// The words read, separated by spaces.
std::string read(const std::string& bytes, WordFileMode mode, std::size_t chunk,
                 std::optional<std::size_t> failAfter = {}) {
  StringFile file(bytes, chunk, failAfter);
  std::string words;
  for (const std::string& word : readWordFile(file, mode, {})) words += " " + word;
  return words.empty() ? words : words.substr(1);
}

// Each file read whole, and a byte or three at a time.
TEST(ReadWordFileTest, HandMadeFilesAndPagesHoweverTheReadsCutThem) {
  std::string utf8Long;
  for (int i = 0; i < 80; ++i) utf8Long += "\303\244";
  const std::string a79(79, 'a');
  const std::tuple<WordFileMode, std::string, std::string> cases[] = {
      {kPlain, "kissa koira\nkissa\nKOIRA hevonen\n3D auto-ilu x\n", "kissa koira hevonen"},
      // CR LF, tabs, vertical tabs and form feeds, and a last line without a line end.
      {kPlain, "kissa\r\n\tkoira\v\fsika\r\nauto", "kissa koira sika auto"},
      // Markers mean nothing in a plain file, except that the end marker drops the rest of its
      // line; a "<br>" before a word goes, and a line that opens with "<p" is read.
      {kPlain, "kissa <!--Loppu--> koira\nauto <br>Talo <p\n<p sika\n", "kissa auto Talo sika"},
      // The Finnish letters in ISO 8859-1, CP850 and UTF-8 are one word; other UTF-8 letters
      // and a lone C3 byte keep a token from being a word.
      {kPlain, "\344iti \204iti \303\244iti \303\245\303\244\303\266 \345\344\366 \303\205\303\226",
       "\204iti \206\204\224 \217\231"},
      {kPlain, "caf\303\251 ab\303 \303ab \303\303\244 ok\n", "ok"},
      // The length limit counts converted letters, not the file's bytes; a longer token goes
      // whole, and so does one of 79 letters behind "<br>" and another letter.
      {kPlain, utf8Long.substr(2) + " " + utf8Long + " " + std::string(90, 'q') + " ab\n",
       std::string(79, '\204') + " ab"},
      {kPlain, "<br>" + a79 + " <br>b" + a79 + " <br>ab\n", a79 + " ab"},
      // A byte-order mark is skipped at the very start only.
      {kPlain, "\357\273\277\303\244iti koira\n", "\204iti koira"},
      {kPlain, "kissa \357\273\277koira\n", "kissa"},
      {kPlain, "\357\273koira hevonen", "hevonen"},
      {kHtml, "\357\273\277<title>Koira</title>\nkala\n<!--Sanat-->\n<br>Kissa\n<!--Loppu-->\n",
       "Kissa"},
      // "<p" and "</" lines are skipped inside the section; "<" alone is not.
      {kHtml, "<!--Sanat-->\n<pkissa\n</ koira\n<x auto\n<\nkala\n<br>Talo\n<!--Loppu--> x\nsika\n",
       "auto kala Talo"},
      // Markers count anywhere on a line, also behind "<br>".
      {kHtml, "ulko <br><!--Sanat--> sisa <!--Loppu--> pois\nulkona\n <!--Sanat-->\tkaksi\n",
       "sisa kaksi"},
  };
  for (const auto& [mode, bytes, expected] : cases) {
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 20}) {
      EXPECT_EQ(read(bytes, mode, chunk), expected) << chunk << ": " << bytes.substr(0, 80);
    }
  }
  // A read error after n bytes keeps the words of the lines ended by then.
  for (const auto& [failAfter, words] : {std::pair<std::size_t, std::string>{0, ""},
                                         {11, ""},
                                         {12, "kissa koira"},
                                         {22, "kissa koira auto talo"}}) {
    EXPECT_EQ(read("kissa koira\nauto talo\nsika", kPlain, 5, failAfter), words) << failAfter;
  }
}

TEST(PickRandomTest, OneDrawPerStepScaledToTheRemainingWords) {
  // Step i swaps i with i + draw * (k - i) / 32768: the count, the draws, the order, the draws
  // made.
  const std::tuple<std::size_t, std::vector<int>, std::string, int> cases[] = {
      {3, {0, 32767, 16384}, "aedcb", 3},  // 0 * 5, 32767 * 4 and 16384 * 3 over 32768: 0, 3, 1
      {2, {13107, 8192}, "bcade", 2},
      // A count beyond the size shuffles: k - 1 top draws, each swaps with the last.
      {std::numeric_limits<std::size_t>::max(), {32767}, "eabcd", 4},
      {0, {32767}, "abcde", 0}};
  const auto picked = [](std::size_t count, RandomSource& random, std::string letters) {
    Words words;
    for (const char c : letters) words.push_back({c});
    pickRandom(words, count, random);
    for (std::size_t i = 0; i < words.size(); ++i) letters[i] = words[i][0];
    return letters;
  };
  for (const auto& [count, draws, expected, drawsMade] : cases) {
    ScriptedRandom random(draws);
    EXPECT_EQ(picked(count, random, "abcde"), expected) << count;
    EXPECT_EQ(random.draws(), drawsMade) << count;
  }
  // Seeded with 42, the platform's generator picks so (rand() >> 16 by hand).
  std::srand(42);
  PlatformRandom platform;
  EXPECT_EQ(picked(5, platform, "0123456789"), "0375146289");
  // Every draw is the top 15 of glibc's 31 bits, also near the largest.
  std::srand(7);
  std::vector<int> top(1000);
  for (int& bits : top) bits = std::rand() >> 16;
  std::srand(7);
  for (const int bits : top) ASSERT_EQ(platform.draw(), bits);
}

// The messages, the cap, the simpler selections and the batch run's import are tested in app/.
TEST(ImportWordFileTest, Selections) {
  const auto imported = [](const WordSelection& selection, const std::vector<int>& draws) {
    WordList list;
    list.add("Hevonen");  // already listed, so never a candidate
    ScriptedRandom random(draws);
    StringFile in("Kissa koira Kala \344iti auto KANA hevonen\n");
    const Words added = importWordFile(in, kPlain, selection, list, random).added;
    EXPECT_EQ(list.size(), 1 + added.size());
    return added;
  };
  // The initial letter is compared upper-cased, also for Ä. Of the four k-words, draws 32767
  // then 0 pick KANA, then koira.
  EXPECT_EQ(imported({0x8E, {}, false}, {}), Words{"\204iti"});
  EXPECT_EQ(imported({'K', 2, false}, {32767, 0}), (Words{"KANA", "koira"}));
  EXPECT_EQ(imported({std::nullopt, 0, false}, {}), Words{});
}

}  // namespace
}  // namespace haravoija
