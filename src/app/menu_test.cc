// Tests for the numbered menus.
#include "app/menu.h"

#include <gtest/gtest.h>

#include <array>

#include "fakes.h"

namespace haravoija {
namespace {

TEST(AskMenu, TakesOnlyAListedDigitAlone) {
  constexpr std::array<std::string_view, 2> kLines = {"Otsikko", "    1. Eka"};
  testing::FakeConsole fake("\n2 \n 2\n2.\n0\n4\n22\n3\n");
  EXPECT_EQ(askMenu(kLines, 3, fake), 3);
  std::string prompts;
  for (int i = 0; i < 8; ++i) prompts += "> ";
  EXPECT_EQ(fake.output(), "Otsikko\n    1. Eka\n" + prompts);
}

TEST(AskMenu, EndOfInputGivesNoChoice) {
  testing::FakeConsole fake("x\n6\n");
  EXPECT_EQ(askEndChoice(fake), std::nullopt);
  EXPECT_TRUE(fake.output().ends_with("   5. Lopeta ohjelma\n> > > "));
}

TEST(AskMenu, DifficultyAndSizeMenusStopAtTwo) {
  testing::FakeConsole difficulty("3\n2\n");
  EXPECT_EQ(askDifficulty(difficulty), 2);
  testing::FakeConsole size("5\n1\n");
  EXPECT_EQ(askSizing(size), 1);
}

}  // namespace
}  // namespace haravoija
