// Tests for the row and column prompts.
#include "app/number_answer.h"

#include <gtest/gtest.h>

#include "test_util.h"

namespace haravoija {
namespace {

TEST(ParseGridSide, AcceptsSignedDecimalsInRange) {
  EXPECT_EQ(parseGridSide("1"), 1);
  EXPECT_EQ(parseGridSide("1000"), 1000);
  EXPECT_EQ(parseGridSide("+7"), 7);
  EXPECT_EQ(parseGridSide("  7"), 7);
  EXPECT_EQ(parseGridSide("\t+12"), 12);
  EXPECT_EQ(parseGridSide("007"), 7);
  EXPECT_EQ(parseGridSide("0000000000000000000000000000000000000042"), 42);
}

TEST(ParseGridSide, RefusesEverythingElse) {
  for (const char* line : {"", "1001", "0", "-5", "-0", "12 ", "1e2", "7.", "+", "-", " ", "+-7",
                           "- 7", "7 7", "x7", "0x10", "\xb7"}) {
    EXPECT_EQ(parseGridSide(line), std::nullopt) << '"' << line << '"';
  }
  // Far beyond any integer type: refused, not wrapped round into range.
  EXPECT_EQ(parseGridSide("1234567890123456789012345678901234567890"), std::nullopt);
  EXPECT_EQ(parseGridSide("4294967297"), std::nullopt);  // 2^32 + 1
  EXPECT_EQ(parseGridSide("-4294967295"), std::nullopt);
  EXPECT_EQ(parseGridSide(std::string_view("7\0", 2)), std::nullopt);
}

TEST(AskGridSide, RowsRepeatUntilAValidLine) {
  testing::FakeConsole fake("1001\n\n12 \n+7\n");
  EXPECT_EQ(askGridSide(GridSide::kRows, fake), 7);
  const std::string refused =
      "VIRHE: Sy\224te ei ole kelvollinen. Anna vaakarivien m\204\204r\204 uudelleen.\n"
      "Vaakarivien lukum\204\204r\204 tulee olla kokonaisluku v\204lilt\204 1 - 1000.\n";
  EXPECT_EQ(fake.output(), "Anna sanaristikon vaakarivien lukum\204\204r\204. \n> " + refused +
                               "> " + refused + "> " + refused + "> ");
}

TEST(AskGridSide, ColumnsHaveTheirOwnTextsAndStopAtTheEndOfInput) {
  testing::FakeConsole fake("0");
  EXPECT_EQ(askGridSide(GridSide::kColumns, fake), std::nullopt);
  EXPECT_EQ(fake.output(),
            "Anna pystyrivien lukum\204\204r\204. \n> "
            "VIRHE: Sy\224te ei ole kelvollinen. Anna pystyrivien m\204\204r\204 uudelleen.\n"
            "Pystyrivien lukum\204\204r\204 tulee olla kokonaisluku v\204lilt\204 1 - 1000.\n> ");
}

}  // namespace
}  // namespace haravoija
