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

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

TEST(AskGridSide, RepeatsWithTwoLinesPerRefusalUntilAValidLine) {
  testing::FakeConsole rows("1001\n\n12 \n+7\n0\n");
  EXPECT_EQ(askGridSide(GridSide::kRows, rows), 7);
  EXPECT_EQ(count(rows.output(), "> "), 4U);
  EXPECT_EQ(count(rows.output(), "VIRHE: Sy\224te ei ole kelvollinen. Anna vaakarivien"), 3U);
  EXPECT_EQ(count(rows.output(), "\nVaakarivien lukum\204\204r\204 tulee olla"), 3U);

  testing::FakeConsole columns("0");
  EXPECT_EQ(askGridSide(GridSide::kColumns, columns), std::nullopt);
  EXPECT_EQ(count(columns.output(), "Anna pystyrivien m\204\204r\204 uudelleen.\n"), 1U);
  EXPECT_TRUE(columns.output().ends_with("1 - 1000.\n> "));
}

}  // namespace
}  // namespace haravoija
