// Tests for the row and column prompts.
#include "app/number_answer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "fakes.h"

namespace haravoija {
namespace {

using namespace std::string_view_literals;

TEST(ParseGridSide, SignedDecimalsInRangeOnly) {
  EXPECT_EQ(parseGridSide("1"), 1);
  EXPECT_EQ(parseGridSide("1000"), 1000);
  for (const std::string_view line : {"+7", "  7", "\t+7", "007", "00000000000000000000000007"}) {
    EXPECT_EQ(parseGridSide(line), 7) << line;
  }
  // Beyond any integer type, or 2^32 + 1: refused, not wrapped round into range.
  const std::string_view refused[] = {
      "",   "1001", "0",    "-5",    "-0",         "12 ",         "1e2",
      "7.", "+",    "-",    " ",     "+-7",        "- 7",         "7 7",
      "x7", "0x10", "\267", "7\0"sv, "4294967297", "-4294967295", "123456789012345678901234"};
  for (const std::string_view line : refused) {
    EXPECT_EQ(parseGridSide(line), std::nullopt) << '"' << line << '"';
  }
}

TEST(AskGridSide, RepeatsWithTwoLinesPerRefusalUntilAValidLine) {
  const std::string refusal =
      "VIRHE: Sy\224te ei ole kelvollinen. Anna vaakarivien m\204\204r\204 uudelleen.\n"
      "Vaakarivien lukum\204\204r\204 tulee olla kokonaisluku v\204lilt\204 1 - 1000.\n> ";
  testing::FakeConsole rows("1001\n\n12 \n+7\n0\n");
  EXPECT_EQ(askGridSide(GridSide::kRows, rows), 7);
  EXPECT_EQ(rows.output(),
            "Anna sanaristikon vaakarivien lukum\204\204r\204. \n> " + refusal + refusal + refusal);
  testing::FakeConsole columns("0");
  EXPECT_EQ(askGridSide(GridSide::kColumns, columns), std::nullopt);
  EXPECT_EQ(columns.output(),
            "Anna pystyrivien lukum\204\204r\204. \n"
            "> VIRHE: Sy\224te ei ole kelvollinen. Anna pystyrivien m\204\204r\204 uudelleen.\n"
            "Pystyrivien lukum\204\204r\204 tulee olla kokonaisluku v\204lilt\204 1 - 1000.\n> ");
}

}  // namespace
}  // namespace haravoija
