// Tests for reading the words of word files and puzzle documents.
#include "words/word_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <streambuf>

#include "text/letters.h"

namespace haravoija {
namespace {

using Words = std::vector<std::string>;

Words read(const std::string& bytes, WordFileMode mode, const WordList& list = {}) {
  std::istringstream in(bytes);
  return readWordFile(in, mode, list);
}

// The reader as described line by line, holding whole lines: the streaming
// reader must give the same words for any input.
Words referenceRead(const std::string& bytes, WordFileMode mode) {
  Words words;
  std::set<std::string> seen;
  bool inSection = false;
  std::istringstream in(bytes);
  std::string line;
  while (std::getline(in, line)) {
    if (mode == WordFileMode::kHtml && line.size() >= 2 &&
        (line.compare(0, 2, "<p") == 0 || line.compare(0, 2, "</") == 0)) {
      continue;
    }
    for (char& c : line) {
      if (c == '\t' || c == '\r' || c == '\v' || c == '\f') c = ' ';
    }
    std::istringstream tokens(line);
    std::string raw;
    while (std::getline(tokens, raw, ' ')) {
      if (raw.empty()) continue;
      std::string token;
      for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto c = static_cast<unsigned char>(raw[i]);
        const auto next = i + 1 < raw.size() ? static_cast<unsigned char>(raw[i + 1]) : 0;
        static const std::map<unsigned char, char> utf8 = {{0xA4, '\204'}, {0xA5, '\206'},
                                                           {0xB6, '\224'}, {0x84, '\216'},
                                                           {0x85, '\217'}, {0x96, '\231'}};
        if (c == 0xC3 && utf8.count(next) != 0) {
          token += utf8.at(next);
          ++i;
        } else {
          token += static_cast<char>(decodeDocumentLetter(c));
        }
      }
      if (token.size() > 5 && token.compare(0, 4, "<br>") == 0) token.erase(0, 4);
      if (token == "<!--Sanat-->") inSection = true;
      if (token == "<!--Loppu-->") {
        inSection = false;
        break;
      }
      if ((mode == WordFileMode::kPlain || inSection) && token.size() >= 2 && token.size() <= 79 &&
          allLetters(token) && seen.insert(toUpperText(token)).second) {
        words.push_back(token);
      }
    }
  }
  return words;
}

TEST(ReadWordFileTest, PlainFile) {
  EXPECT_EQ(read("kissa koira\nkissa\nKOIRA hevonen\n3D auto-ilu x\n", WordFileMode::kPlain),
            (Words{"kissa", "koira", "hevonen"}));
  // CR LF line ends, tabs and a last line without a line end.
  EXPECT_EQ(read("kissa\r\n\tkoira\r\nauto", WordFileMode::kPlain),
            (Words{"kissa", "koira", "auto"}));
  // In a plain file the markers mean nothing, except that the end marker
  // drops the rest of its own line; a "<br>" prefix goes there too.
  EXPECT_EQ(
      read("kissa <!--Loppu--> koira\nauto <br>Talo <br>a <p\n<p hevonen\n", WordFileMode::kPlain),
      (Words{"kissa", "auto", "Talo", "hevonen"}));
  // Words already listed, in any case, are not candidates.
  WordList list;
  list.add("Kissa");
  EXPECT_EQ(read("kissa KISSA koira\n", WordFileMode::kPlain, list), (Words{"koira"}));
  EXPECT_TRUE(read("", WordFileMode::kPlain).empty());
}

TEST(ReadWordFileTest, FinnishLettersInThreeEncodings) {
  const std::string mother = "\204iti";
  EXPECT_EQ(read("\344iti\n", WordFileMode::kPlain), Words{mother});      // ISO 8859-1
  EXPECT_EQ(read("\204iti\n", WordFileMode::kPlain), Words{mother});      // CP850
  EXPECT_EQ(read("\303\244iti\n", WordFileMode::kPlain), Words{mother});  // UTF-8
  EXPECT_EQ(read("\303\245\303\244\303\266 \303\205\303\226\303\204 \345\344\366\n",
                 WordFileMode::kPlain),
            (Words{"\206\204\224", "\217\231\216"}));  // the ISO spelling is the same word
  // Other UTF-8 letters and a lone C3 byte keep a token from being a word.
  EXPECT_EQ(read("caf\303\251 ab\303 \303ab \303\303\244 ok\n", WordFileMode::kPlain),
            (Words{"ok"}));
  // The length limit counts the converted letters, not the file's bytes.
  std::string longUtf8;
  for (int i = 0; i < 79; ++i) longUtf8 += "\303\244";
  EXPECT_EQ(read(longUtf8 + " " + longUtf8 + "\303\244\n", WordFileMode::kPlain),
            Words{std::string(79, '\204')});
}

TEST(ReadWordFileTest, ByteOrderMarkOnlyAtTheStart) {
  EXPECT_EQ(read("\357\273\277\303\244iti koira\n", WordFileMode::kPlain),
            (Words{"\204iti", "koira"}));
  EXPECT_EQ(read("\357\273\277", WordFileMode::kPlain), Words{});
  // Anywhere else, or cut short, those bytes are no letters.
  EXPECT_EQ(read("kissa \357\273\277koira\n", WordFileMode::kPlain), Words{"kissa"});
  EXPECT_EQ(read("\357\273koira hevonen", WordFileMode::kPlain), Words{"hevonen"});
  EXPECT_EQ(read("\357\273\277<!--Sanat-->\n<br>Kissa\n<!--Loppu-->\n", WordFileMode::kHtml),
            Words{"Kissa"});
}

TEST(ReadWordFileTest, LengthLimitsAndOversizedTokens) {
  const std::string w79(79, 'a');
  const std::string w80(80, 'b');
  EXPECT_EQ(read("<br>" + w79 + " <br>" + w80 + " " + w80 + " <br>ab\n", WordFileMode::kPlain),
            (Words{w79, "ab"}));
  // Megabytes without a line end, with NUL bytes and binary, around
  // a few real words.
  std::string huge = "alku ";
  huge.append(5'000'000, 'x');
  huge += " keski ";
  for (int i = 0; i < 1'000'000; ++i) huge += static_cast<char>(i * 7 % 256);
  huge += std::string(1, '\0') + " loppu";
  EXPECT_EQ(read(huge, WordFileMode::kPlain), (Words{"alku", "keski", "loppu"}));
}

// A document in the shape the document writer produces: CR LF line ends,
// grid rows, comments, the marked word list with a column break.
std::string handMadeDocument() {
  // clang-format off
  const char* lines[] = {
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">", "", "<html>", "<head>",
      "<title>El\344imet talossa</title>", "</head>", "<body>",
      "<!-- T\344m\344 tiedosto on laadittu Haravoija -ohjelmalla -->",
      "<!-- Tietoja ristikosta: ", "         Ristikon koko: 2x3",
      "         Ristikossa yhteens\344 4 sanaa. -->", "<font face = \"arial\">",
      "<table><tr><td>", "<h1 align = \"center\">El\344imet talossa</h1>", "<!--Ristikko-->",
      "<p>", "<table align = \"center\" frame = \"box\" border = \"5\"><tr><td>",
      "<table frame = \"void\" rules = \"none\" border = \"0\" cellpadding = \"7\">",
      "<tr><td align = \"center\"><b>K</b></td><td align = \"center\"><b>A</b></td>",
      "<td align = \"center\"><b>T</b></td></tr>",
      "<tr><td align = \"center\"><b>\304</b></td><td align = \"center\"><b> </b></td>",
      "<td align = \"center\"><b>O</b></td></tr>", "</table>", "</td></tr></table>", "</p>",
      "</td></tr><tr><td>", "<table><tr>", "<td valign = \"top\">", "<!--Sanat-->",
      "<p><font face = \"arial\" size = \"4\">", "<br>Kissa", "<br>Koira",
      "</font></p></td><td width = \"100\"></td><td valign = \"top\">",
      "<p><font face = \"arial\" size = \"4\">", "<br>\304iti", "<br>\305s", "</font></p>",
      "</td></tr></table>", "</td></tr></table>", "<!--Loppu-->", "<br><br>",
      "<p><font face= \"arial\" size = \"3\">",
      "Ristikon ratkaisi ____________________________", "</font></p>", "</font></body>",
      "</html>", ""};
  // clang-format on
  std::string document;
  for (const char* line : lines) document += std::string(line) + "\r\n";
  return document;
}

TEST(ReadWordFileTest, PuzzleDocument) {
  EXPECT_EQ(read(handMadeDocument(), WordFileMode::kHtml),
            (Words{"Kissa", "Koira", "\216iti", "\217s"}));
  // Without the start marker nothing counts.
  EXPECT_TRUE(read("<title>Kissa</title>\nkissa koira\n<br>Auto\n", WordFileMode::kHtml).empty());
  // Lines beginning "<p" or "</" are skipped even inside the section; a line
  // that merely begins "<" is not, and a one-byte line is read as it is.
  EXPECT_EQ(read("<!--Sanat-->\n<pkissa\n</ koira\n<x auto\n<\nkala\n<br>Talo\n"
                 "<!--Loppu--> hevonen\nsika\n",
                 WordFileMode::kHtml),
            (Words{"auto", "kala", "Talo"}));
  // Markers work as tokens anywhere on a line, also behind "<br>"; after the
  // end marker the rest of the line is dropped and the flag stays off.
  EXPECT_EQ(read("ulko <br><!--Sanat--> sisa <!--Loppu--> pois\nulkona\n"
                 " <!--Sanat-->\tkaksi\n",
                 WordFileMode::kHtml),
            (Words{"sisa", "kaksi"}));
}

TEST(ReadWordFileTest, StreamingMatchesTheLineByLineReading) {
  const std::vector<std::string> pieces = {"kissa",
                                           "KISSA",
                                           "Koira",
                                           "<br>Talo",
                                           "<br>a",
                                           "<!--Sanat-->",
                                           "<!--Loppu-->",
                                           "<p",
                                           "</",
                                           "<",
                                           "3D",
                                           "\344iti",
                                           "\303\244iti",
                                           "\303",
                                           "\303\266",
                                           "ab\r",
                                           "\t",
                                           " ",
                                           "  ",
                                           "\n",
                                           "\n",
                                           "\n",
                                           "\r\n",
                                           "<pkala",
                                           std::string(90, 'q'),
                                           std::string(79, 'r'),
                                           std::string(1, '\0')};
  std::mt19937 random(12345);
  for (int round = 0; round < 8; ++round) {
    std::string bytes;
    // Several chunks' worth, so tokens and line starts fall across chunk ends.
    while (bytes.size() < 200'000) {
      bytes += pieces[random() % pieces.size()];
      if (random() % 3 == 0) bytes += static_cast<char>('a' + random() % 26);
      if (random() % 2 == 0) bytes += ' ';
    }
    for (const WordFileMode mode : {WordFileMode::kPlain, WordFileMode::kHtml}) {
      ASSERT_EQ(read(bytes, mode), referenceRead(bytes, mode)) << round;
    }
  }
}

// A stream that delivers some bytes and then fails as a broken disk would.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::string bytes) : bytes_(std::move(bytes)) {
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string bytes_;
};

TEST(ReadWordFileTest, ReadErrorKeepsTheWholeLinesReadBefore) {
  FailingBuffer buffer("kissa koira\nauto talo");
  std::istream in(&buffer);
  EXPECT_EQ(readWordFile(in, WordFileMode::kPlain, WordList{}), (Words{"kissa", "koira"}));
  EXPECT_TRUE(in.bad());
  // A directory opens as a file stream here, and its first read fails.
  std::ifstream directory(std::filesystem::temp_directory_path(), std::ios::binary);
  ASSERT_TRUE(directory.is_open());
  EXPECT_TRUE(readWordFile(directory, WordFileMode::kPlain, WordList{}).empty());
  EXPECT_TRUE(directory.bad());
}

}  // namespace
}  // namespace haravoija
