// Tests of the import line's parameters, split at spaces and tabs: the selection they give. The
// checks of the line itself are tested with their messages in app/.
#include "words/import_command.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

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
      {"\204", "\204 all"}, {"a5", "refused"}, {"-1", "refused"}, {"\t a  5 ", "a 5"}, {"5 a", "a 5"},
      {"kissa 0005", "k 5"}, {"5 5", "refused"}, {"a b", "refused"}, {"a 5x", "refused"},
      {"a 5 x", "too many"}, {"abcdefg", "refused"}, {"ab", "later"}, {"abcdef", "later"},
      {"k 99999999999999999999", "k 18446744073709551615"}};
  // clang-format on
  for (const auto& [parameters, expected] : cases) {
    const std::string text = "+sanat.txt " + parameters;  // which the line views
    const std::optional<ImportLine> line = parseImportLine(text);
    ASSERT_TRUE(line) << parameters;
    EXPECT_EQ(line->fileName, "sanat.txt");
    EXPECT_EQ(selected(parseSelection(line->parameters)), expected) << parameters;
  }
}

}  // namespace
}  // namespace haravoija
