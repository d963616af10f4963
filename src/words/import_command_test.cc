// Tests of the selection that the import command's parameters give. The
// checks of the line itself are tested with their messages in app/.
#include "words/import_command.h"

#include <gtest/gtest.h>

namespace haravoija {
namespace {

TEST(ImportCommandTest, ParametersGiveTheSelection) {
  using Status = SelectionParse::Status;
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  const struct {
    std::vector<std::string_view> parameters;
    Status status;
    std::optional<unsigned char> letter;
    std::optional<std::size_t> count;
    bool refuseAfterReading = false;
  } cases[] = {
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
  for (const auto& c : cases) {
    const SelectionParse parse = parseSelection(c.parameters);
    const std::string context = c.parameters.empty() ? "none" : std::string(c.parameters[0]);
    EXPECT_EQ(parse.status, c.status) << context;
    if (parse.status != Status::kAccepted) continue;
    EXPECT_EQ(parse.selection.initialLetter, c.letter) << context;
    EXPECT_EQ(parse.selection.count, c.count) << context;
    EXPECT_EQ(parse.selection.refuseAfterReading, c.refuseAfterReading) << context;
  }
}

}  // namespace
}  // namespace haravoija
