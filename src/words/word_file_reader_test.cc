// Tests of reading the words of word files and saved puzzle pages: a table
// of hand-made files, the streaming reader against a plain line-by-line
// reading, and read errors.
#include <gtest/gtest.h>

#include <map>
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
using testing::StringFile;
constexpr WordFileMode kPlain = WordFileMode::kPlain;
constexpr WordFileMode kHtml = WordFileMode::kHtml;

Words read(const std::string& bytes, WordFileMode mode, const WordList& list = {},
           std::size_t chunk = 1 << 20) {
  StringFile file(bytes, chunk);
  return readWordFile(file, mode, list);
}

// A saved page in the writer's shape: CR LF line ends, grid rows, comments,
// the marked word list with a column break.
const char* const kPage =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n\r\n<html>\r\n"
    "<title>El\344imet talossa</title>\r\n<!-- Tietoja ristikosta: \r\n"
    "         Ristikon koko: 2x3\r\n         Ristikossa yhteens\344 4 sanaa. -->\r\n"
    "<h1 align = \"center\">El\344imet talossa</h1>\r\n<!--Ristikko-->\r\n<p>\r\n"
    "<tr><td align = \"center\"><b>K</b></td><td align = \"center\"><b>A</b></td>\r\n"
    "</td></tr><tr><td>\r\n<table><tr>\r\n<td valign = \"top\">\r\n<!--Sanat-->\r\n"
    "<p><font face = \"arial\" size = \"4\">\r\n<br>Kissa\r\n<br>Koira\r\n"
    "</font></p></td><td width = \"100\"></td><td valign = \"top\">\r\n"
    "<p><font face = \"arial\" size = \"4\">\r\n<br>\304iti\r\n<br>\305s\r\n</font></p>\r\n"
    "</td></tr></table>\r\n<!--Loppu-->\r\n<br><br>\r\nRistikon ratkaisi ____\r\n</html>\r\n";

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
      {kPage, {"Kissa", "Koira", "\216iti", "\217s"}},
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
  static const std::map<unsigned char, char> kUtf8 = {{0xA4, '\204'}, {0xA5, '\206'},
                                                      {0xB6, '\224'}, {0x84, '\216'},
                                                      {0x85, '\217'}, {0x96, '\231'}};
  Words words;
  std::set<std::string> seen;
  bool inSection = false;
  std::istringstream in(bytes);
  std::string line;
  while (std::getline(in, line)) {
    if (mode == kHtml && (line.starts_with("<p") || line.starts_with("</"))) continue;
    for (char& c : line) {
      if (c == '\t' || c == '\r' || c == '\v' || c == '\f') c = ' ';
    }
    std::istringstream tokens(line);
    std::string raw;
    while (std::getline(tokens, raw, ' ')) {
      std::string token;
      for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto c = static_cast<unsigned char>(raw[i]);
        const auto next = i + 1 < raw.size() ? static_cast<unsigned char>(raw[i + 1]) : 0;
        if (c == 0xC3 && kUtf8.contains(next)) {
          token += kUtf8.at(next);
          ++i;
        } else {
          token += static_cast<char>(decodeDocumentLetter(c));
        }
      }
      if (token.size() > 5 && token.starts_with("<br>")) token.erase(0, 4);
      if (token == "<!--Sanat-->") inSection = true;
      if (token == "<!--Loppu-->") {
        inSection = false;
        break;
      }
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

}  // namespace
}  // namespace haravoija
