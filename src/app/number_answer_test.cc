// Tests for the row and column prompts.
#include "app/number_answer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <utility>

#include "fakes.h"
#include "test_util.h"

namespace haravoija {
namespace {

TEST(ParseGridSide, SignedDecimalsInRangeOnly) {
  const std::pair<std::string_view, std::optional<int>> cases[] = {
      {"1", 1},
      {"1000", 1000},
      {"+7", 7},
      {"  7", 7},
      {"\t+12", 12},
      {"007", 7},
      {"0000000000000000000000000000000000000042", 42},
      {"", {}},
      {"1001", {}},
      {"0", {}},
      {"-5", {}},
      {"-0", {}},
      {"12 ", {}},
      {"1e2", {}},
      {"7.", {}},
      {"+", {}},
      {"-", {}},
      {" ", {}},
      {"+-7", {}},
      {"- 7", {}},
      {"7 7", {}},
      {"x7", {}},
      {"0x10", {}},
      {"\267", {}},
      {std::string_view("7\0", 2), {}},
      // Far beyond any integer type: refused, not wrapped round into range.
      {"1234567890123456789012345678901234567890", {}},
      {"4294967297", {}},  // 2^32 + 1
      {"-4294967295", {}},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(parseGridSide(line), expected) << '"' << line << '"';
  }
}

TEST(AskGridSide, RepeatsWithTwoLinesPerRefusalUntilAValidLine) {
  testing::FakeConsole rows("1001\n\n12 \n+7\n0\n");
  EXPECT_EQ(askGridSide(GridSide::kRows, rows), 7);
  EXPECT_EQ(testing::occurrences(rows.output(), "> "), 4U);
  EXPECT_EQ(
      testing::occurrences(rows.output(), "VIRHE: Sy\224te ei ole kelvollinen. Anna vaakarivien"),
      3U);
  EXPECT_EQ(testing::occurrences(rows.output(), "\nVaakarivien lukum\204\204r\204 tulee olla"), 3U);

  testing::FakeConsole columns("0");
  EXPECT_EQ(askGridSide(GridSide::kColumns, columns), std::nullopt);
  EXPECT_EQ(testing::occurrences(columns.output(), "Anna pystyrivien m\204\204r\204 uudelleen.\n"),
            1U);
  EXPECT_TRUE(columns.output().ends_with("1 - 1000.\n> "));
}

}  // namespace
}  // namespace haravoija
