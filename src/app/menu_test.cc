// Tests for the numbered menus.
#include "app/menu.h"

#include <gtest/gtest.h>

#include <array>

#include "test_util.h"

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
  testing::FakeConsole fake("x\n");
  EXPECT_EQ(askEndChoice(fake), std::nullopt);
  EXPECT_EQ(fake.output(),
            "Valitse seuraavista:\n"
            "   1. Tallenna sanaristikko tiedostoon\n"
            "   2. Luo uusi ristikko samoilla sanoilla\n"
            "   3. Luo uusi ristikko samoilla sanoilla ja asetuksilla\n"
            "   4. Luo kokonaan uusi ristikko alusta alkaen\n"
            "   5. Lopeta ohjelma\n"
            "> > ");
}

TEST(AskMenu, DifficultyAndSizeMenusStopAtTwo) {
  testing::FakeConsole difficulty("3\n2\n");
  EXPECT_EQ(askDifficulty(difficulty), 2);
  EXPECT_EQ(difficulty.output(),
            "Valitse ristikon vaikeustaso:\n"
            "    1. Normaali ristikko (sanat kaikkiin suuntiin)\n"
            "    2. Lasten ristikko (sanat vain oikealle ja alas)\n"
            "> > ");
  testing::FakeConsole size("5\n1\n");
  EXPECT_EQ(askSizing(size), 1);
  EXPECT_EQ(size.output(),
            "Valitse seuraavista:\n"
            "    1. Annan koneen luoda sanoista mahdollisimman pienikokoisen ristikon\n"
            "    2. Haluan m\204\204ritell\204 itse ristikon koon\n"
            "> > ");
}

}  // namespace
}  // namespace haravoija
