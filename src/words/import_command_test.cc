// Tests of the import command's parameters: the selection they give. The checks of the line
// itself are tested with their messages in app/.
#include "words/import_command.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "test_util.h"

namespace haravoija {
namespace {

TEST(ImportCommandTest, ParametersGiveTheSelection) {
  // The initial letter and the count or "all"; "later" for a refusal once the file is read.
  const auto selected = [](const SelectionParse& parse) -> std::string {
    using Status = SelectionParse::Status;
    const WordSelection& s = parse.selection;
    if (parse.status == Status::kRefused) return "refused";
    if (parse.status == Status::kTooManyParameters) return "too many";
    if (s.refuseAfterReading) return "later";
    // Appended: GCC 12 warns falsely about operator+ here at -O3.
    std::string text;
    if (s.initialLetter) text.append(1, static_cast<char>(*s.initialLetter)).append(" ");
    return text.append(s.count ? std::to_string(*s.count) : "all");
  };
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"", "all"}, {"30", "30"}, {"123456", "123456"}, {"1234567", "refused"}, {"a", "a all"},
      {"\204", "\204 all"}, {"a5", "refused"}, {"-1", "refused"}, {"a 5", "a 5"}, {"5 a", "a 5"},
      {"kissa 0005", "k 5"}, {"5 5", "refused"}, {"a b", "refused"}, {"a 5x", "refused"},
      {"a 5 x", "too many"}, {"abcdefg", "refused"}, {"ab", "later"}, {"abcdef", "later"},
      {"k 99999999999999999999", "k 18446744073709551615"}};
  // clang-format on
  for (const auto& [parameters, expected] : cases) {
    const std::vector<std::string> tokens = testing::split(parameters);
    EXPECT_EQ(selected(parseSelection({tokens.begin(), tokens.end()})), expected) << parameters;
  }
}

TEST(ImportCommandTest, TheLineSplitsAtSpacesAndTabs) {
  const std::optional<ImportLine> line = parseImportLine("+sanat.txt \t a  5 ");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->fileName, "sanat.txt");
  EXPECT_EQ(line->parameters, (std::vector<std::string_view>{"a", "5"}));
}

}  // namespace
}  // namespace haravoija
