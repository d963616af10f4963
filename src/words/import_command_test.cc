// Tests of the import command's line: the file-name test, the mode, the
// tokens, and the selection its parameters give.
#include "words/import_command.h"

#include <gtest/gtest.h>

namespace haravoija {
namespace {

TEST(ImportCommandTest, ParsesTheLine) {
  struct Case {
    std::string line;
    bool accepted;
    std::string name;
    WordFileMode mode;
    std::vector<std::string_view> parameters;
  };
  const std::vector<Case> cases = {
      {"+sanat.txt", true, "sanat.txt", WordFileMode::kPlain, {}},
      {"+sanat.txt ", true, "sanat.txt", WordFileMode::kPlain, {}},
      {"+oma.html", true, "oma.html", WordFileMode::kHtml, {}},
      {"+vanha.txt.html", true, "vanha.txt.html", WordFileMode::kPlain, {}},
      {"+a.html\tk  5 ", true, "a.html", WordFileMode::kHtml, {"k", "5"}},
      {"+ x.txt", true, "", WordFileMode::kPlain, {"x.txt"}},
      {"+.txt", true, ".txt", WordFileMode::kPlain, {}},
      {"+sanat.TXT", false, "", WordFileMode::kPlain, {}},
      {"+abc", false, "", WordFileMode::kPlain, {}},
      {"+a.tx", false, "", WordFileMode::kPlain, {}},
      {"+.txt", true, ".txt", WordFileMode::kPlain, {}},
      {".txt", false, "", WordFileMode::kPlain, {}},  // fewer than five bytes
  };
  for (const Case& c : cases) {
    const std::optional<ImportLine> parsed = parseImportLine(c.line);
    ASSERT_EQ(parsed.has_value(), c.accepted) << c.line;
    if (!parsed) continue;
    EXPECT_EQ(parsed->fileName, c.name) << c.line;
    EXPECT_EQ(parsed->mode, c.mode) << c.line;
    EXPECT_EQ(parsed->parameters, c.parameters) << c.line;
  }
}

TEST(ImportCommandTest, ParametersGiveTheSelection) {
  using Status = SelectionParse::Status;
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  struct Case {
    std::vector<std::string_view> parameters;
    Status status;
    std::optional<unsigned char> letter;
    std::optional<std::size_t> count;
    bool refuseAfterReading = false;
  };
  const std::vector<Case> cases = {
      {{}, Status::kAccepted, {}, {}},
      {{"30"}, Status::kAccepted, {}, 30},
      {{"123456"}, Status::kAccepted, {}, 123456},
      {{"1234567"}, Status::kRefused, {}, {}},
      {{"a"}, Status::kAccepted, 'a', {}},
      {{"\204"}, Status::kAccepted, 0x84, {}},
      {{"ab"}, Status::kAccepted, {}, {}, true},
      {{"abcdef"}, Status::kAccepted, {}, {}, true},
      {{"abcdefg"}, Status::kRefused, {}, {}},
      {{"a5"}, Status::kRefused, {}, {}},
      {{"-1"}, Status::kRefused, {}, {}},
      {{"a", "5"}, Status::kAccepted, 'a', 5},
      {{"5", "a"}, Status::kAccepted, 'a', 5},
      {{"kissa", "0005"}, Status::kAccepted, 'k', 5},
      {{"k", "99999999999999999999999"}, Status::kAccepted, 'k', kMax},
      {{"5", "5"}, Status::kRefused, {}, {}},
      {{"a", "b"}, Status::kRefused, {}, {}},
      {{"a", "5x"}, Status::kRefused, {}, {}},
      {{"a", "5", "x"}, Status::kTooManyParameters, {}, {}},
  };
  for (const Case& c : cases) {
    const SelectionParse parse = parseSelection(c.parameters);
    const std::string context = c.parameters.empty() ? "none" : std::string(c.parameters[0]);
    EXPECT_EQ(parse.status, c.status) << context;
    if (parse.status != Status::kAccepted) continue;
    EXPECT_EQ(parse.selection.initialLetter, c.letter) << context;
    EXPECT_EQ(parse.selection.count, c.count) << context;
    EXPECT_EQ(parse.selection.refuseAfterReading, c.refuseAfterReading) << context;
  }
}

TEST(ImportCommandTest, WordFileNames) {
  EXPECT_TRUE(namesWordFile("lista.txt.vanha"));
  EXPECT_TRUE(namesWordFile("a.html"));
  EXPECT_FALSE(namesWordFile("SANAT.TXT"));
  EXPECT_FALSE(namesWordFile("a.htm"));
  EXPECT_EQ(wordFileModeOf("x.html.txt"), WordFileMode::kPlain);
  EXPECT_EQ(wordFileModeOf("x.html"), WordFileMode::kHtml);
  EXPECT_EQ(wordFileModeOf("x.TXT"), WordFileMode::kHtml);
}

}  // namespace
}  // namespace haravoija
