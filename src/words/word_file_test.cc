// Tests of word files: reading hand-made files and pages, the streaming reader
// against a plain line-by-line reading, read errors, the random pick, the
// import command's selection and the imports.
#include "words/word_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <random>
#include <set>
#include <sstream>

#include "fakes.h"
#include "text/letters.h"
#include "words/word_file_reader.h"

namespace haravoija {
namespace {

using namespace std::string_literals;

using Words = std::vector<std::string>;
using testing::ScriptedRandom;
using testing::StringFile;
constexpr WordFileMode kPlain = WordFileMode::kPlain;
constexpr WordFileMode kHtml = WordFileMode::kHtml;

Words read(const std::string& bytes, WordFileMode mode, const WordList& list = {},
           std::size_t chunk = 1 << 20) {
  StringFile file(bytes, chunk);
  return readWordFile(file, mode, list);
}

TEST(ReadWordFileTest, HandMadeFiles) {
  std::string utf8Long;
  for (int i = 0; i < 80; ++i) utf8Long += "\303\244";
  const std::string a79(79, 'a');
  std::string huge = "alku " + std::string(3'000'000, 'x') + " keski ";
  for (int i = 0; i < 300'000; ++i) huge += static_cast<char>(i * 7 % 256);
  huge += "\0 loppu"s;
  const std::pair<std::string, Words> plain[] = {
      {"kissa koira\nkissa\nKOIRA hevonen\n3D auto-ilu x\n", {"kissa", "koira", "hevonen"}},
      // CR LF, tabs, vertical tabs and a last line without a line end.
      {"kissa\r\n\tkoira\v\fsika\r\nauto", {"kissa", "koira", "sika", "auto"}},
      // Markers mean nothing in a plain file, except that the end marker
      // drops the rest of its line; a "<br>" goes there too.
      {"kissa <!--Loppu--> koira\nauto <br>Talo <br>a <p\n<p sika\n",
       {"kissa", "auto", "Talo", "sika"}},
      {"", {}},
      // The Finnish letters in ISO 8859-1, CP850 and UTF-8 are one word.
      {"\344iti \204iti \303\244iti\n", {"\204iti"}},
      {"\303\245\303\244\303\266 \303\205\303\226\303\204 \345\344\366\n",
       {"\206\204\224", "\217\231\216"}},
      // Other UTF-8 letters and a lone C3 byte keep a token from being a word.
      {"caf\303\251 ab\303 \303ab \303\303\244 ok\n", {"ok"}},
      // The length limit counts converted letters, not the file's bytes.
      {utf8Long.substr(2) + " " + utf8Long + "\n", {std::string(79, '\204')}},
      {"<br>" + a79 + " <br>b" + a79 + " <br>ab\n", {a79, "ab"}},
      {huge, {"alku", "keski", "loppu"}},
      // A byte-order mark is skipped at the very start only.
      {"\357\273\277\303\244iti koira\n", {"\204iti", "koira"}},
      {"\357\273\277", {}},
      {"kissa \357\273\277koira\n", {"kissa"}},
      {"\357\273koira hevonen", {"hevonen"}},
  };
  for (const auto& [bytes, expected] : plain) {
    EXPECT_EQ(read(bytes, kPlain), expected) << bytes.substr(0, 80);
  }
  const std::pair<std::string, Words> html[] = {
      {"\357\273\277<!--Sanat-->\n<br>Kissa\n<!--Loppu-->\n", {"Kissa"}},
      {"<title>Kissa</title>\nkissa koira\n<br>Auto\n", {}},
      // "<p" and "</" lines are skipped inside the section; "<" alone is not.
      {"<!--Sanat-->\n<pkissa\n</ koira\n<x auto\n<\nkala\n<br>Talo\n<!--Loppu--> hevonen\nsika\n",
       {"auto", "kala", "Talo"}},
      // Markers count anywhere on a line, also behind "<br>".
      {"ulko <br><!--Sanat--> sisa <!--Loppu--> pois\nulkona\n <!--Sanat-->\tkaksi\n",
       {"sisa", "kaksi"}},
  };
  for (const auto& [bytes, expected] : html) EXPECT_EQ(read(bytes, kHtml), expected) << bytes;
  WordList listed;
  listed.add("Kissa");
  EXPECT_EQ(read("kissa KISSA koira\n", kPlain, listed), Words{"koira"});
}

// The reading described line by line, holding whole lines.
Words lineByLine(const std::string& bytes, WordFileMode mode) {
  // After C3, the second bytes of UTF-8 a o with marks, and their CP850 bytes.
  const std::string utf8 = "\244\245\266\204\205\226", cp850 = "\204\206\224\216\217\231";
  Words words;
  std::set<std::string> seen;
  bool inSection = false;
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) {
    if (mode == kHtml && (line.starts_with("<p") || line.starts_with("</"))) continue;
    for (char& c : line) {
      if (c == '\t' || c == '\r' || c == '\v' || c == '\f') c = ' ';
    }
    std::istringstream tokens(line);
    for (std::string raw; std::getline(tokens, raw, ' ');) {
      std::string token;
      for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto c = static_cast<unsigned char>(raw[i]);
        const auto at = c == 0xC3 && i + 1 < raw.size() ? utf8.find(raw[i + 1]) : utf8.npos;
        token += at != utf8.npos ? cp850[at] : static_cast<char>(decodeDocumentLetter(c));
        if (at != utf8.npos) ++i;
      }
      if (token.size() > 5 && token.starts_with("<br>")) token.erase(0, 4);
      inSection = (inSection || token == "<!--Sanat-->") && token != "<!--Loppu-->";
      if (token == "<!--Loppu-->") break;
      if ((mode == kPlain || inSection) && token.size() >= 2 && token.size() <= 79 &&
          allLetters(token) && seen.insert(toUpperText(token)).second) {
        words.push_back(token);
      }
    }
  }
  return words;
}

TEST(ReadWordFileTest, StreamingMatchesTheLineByLineReading) {
  std::vector<std::string> pieces = {
      "kissa", "KISSA", "Koira", "<br>Talo", "<br>a",       "<!--Sanat-->", "<!--Loppu-->", "<p",
      "</",    "<",     "3D",    "\344iti",  "\303\244iti", "\303",         "\303\266",     "ab\r",
      "\t",    " ",     "\n",    "\n",       "\r\n",        "<pkala",       "\0"s};
  pieces.insert(pieces.end(), {std::string(90, 'q'), std::string(79, 'r')});
  std::mt19937 random(12345);
  for (int round = 0; round < 6; ++round) {
    std::string bytes;
    // Several chunks' worth, so tokens and line starts fall across chunk ends.
    while (bytes.size() < 150'000) {
      bytes += pieces[random() % pieces.size()];
      if (random() % 3 == 0) bytes += static_cast<char>('a' + random() % 26);
      if (random() % 2 == 0) bytes += ' ';
    }
    for (const WordFileMode mode : {kPlain, kHtml}) {
      const Words expected = lineByLine(bytes, mode);
      ASSERT_EQ(read(bytes, mode), expected) << round;
      ASSERT_EQ(read(bytes, mode, {}, 1 + round * 7), expected) << round;
    }
  }
}

TEST(ReadWordFileTest, ReadErrorKeepsTheWholeLinesReadBefore) {
  const Words all = {"kissa", "koira", "auto", "talo"};
  // Failing after n bytes: the words of the lines ended by then.
  const std::pair<std::size_t, int> cases[] = {{0, 0}, {11, 0}, {12, 2}, {21, 2}, {22, 4}, {26, 4}};
  for (const auto& [failAfter, count] : cases) {
    StringFile file("kissa koira\nauto talo\nsika", 5, failAfter);
    EXPECT_EQ(readWordFile(file, kPlain, WordList{}), Words(all.begin(), all.begin() + count))
        << failAfter;
  }
}

TEST(PickRandomTest, OneDrawPerStepScaledToTheRemainingWords) {
  // Step i swaps entry i with entry i + draw * (k - i) / 32768.
  // The count, the draws, the words after and the number of draws made.
  const std::tuple<std::size_t, std::vector<int>, Words, int> cases[] = {
      // 0 * 5 / 32768 = 0, 32767 * 4 / 32768 = 3, 16384 * 3 / 32768 = 1.
      {3, {0, 32767, 16384}, {"a", "e", "d", "c", "b"}, 3},
      {2, {13107, 8192}, {"b", "c", "a", "d", "e"}, 2},
      // A count beyond the size shuffles: k - 1 top draws, each swaps with the last.
      {std::numeric_limits<std::size_t>::max(), {32767}, {"e", "a", "b", "c", "d"}, 4},
      {0, {32767}, {"a", "b", "c", "d", "e"}, 0},
  };
  for (const auto& [count, draws, expected, drawsMade] : cases) {
    Words words = {"a", "b", "c", "d", "e"};
    ScriptedRandom random(draws);
    pickRandom(words, count, random);
    EXPECT_EQ(words, expected) << count;
    EXPECT_EQ(random.draws(), drawsMade) << count;
  }

  // Seeded with 42, the platform's generator picks so (rand() >> 16 by hand).
  std::srand(42);
  PlatformRandom platform;
  Words ten = {"a0", "a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9"};
  pickRandom(ten, 5, platform);
  EXPECT_EQ(ten, (Words{"a0", "a3", "a7", "a5", "a1", "a4", "a6", "a2", "a8", "a9"}));
}

// The messages, the cap and the simpler selections are tested in app/.
TEST(ImportWordFileTest, SelectionsAndTheBatchImport) {
  const std::string file = "Kissa koira Kala \344iti auto KANA hevonen\n";
  const std::tuple<WordSelection, std::vector<int>, Words> cases[] = {
      // The initial letter is compared upper-cased, also for Ä.
      {{0x8E, {}, false}, {}, {"\204iti"}},
      // Two of the four k-words: draws 32767 then 0 pick KANA, then koira.
      {{'K', 2, false}, {32767, 0}, {"KANA", "koira"}},
      {{std::nullopt, 0, false}, {}, {}},
  };
  for (const auto& [selection, draws, added] : cases) {
    WordList list;
    list.add("Hevonen");  // already listed, so never a candidate
    ScriptedRandom random(draws);
    StringFile in(file);
    EXPECT_EQ(importWordFile(in, WordFileMode::kPlain, selection, list, random).added, added);
    EXPECT_EQ(list.size(), 1 + added.size());
  }
  // The batch run takes every new word.
  WordList list;
  list.add("kissa");
  StringFile in("KISSA koira\n<br>Kala kala x\n");
  EXPECT_EQ(importBatchFile(in, WordFileMode::kPlain, list), (Words{"koira", "Kala"}));
  EXPECT_EQ(list.words(), (Words{"kissa", "koira", "Kala"}));
}

}  // namespace
}  // namespace haravoija
