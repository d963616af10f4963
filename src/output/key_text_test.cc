// The console key of a small page, byte for byte as worked out by hand.
#include "output/key_text.h"

#include <gtest/gtest.h>

#include <string>

namespace haravoija {
namespace {

// K I S A
// A B B A
// Ä T A T    SB lies twice from the S, Koira nowhere; A and T are left over.
PuzzlePage smallPage(const std::string& phrase) {
  PuzzlePage page;
  page.title = "Sanat & <\204>";
  page.rows = {"KISA", "ABBA", "\216TAT"};
  page.words = {"Abba", "Kisa", "Koira", "Sb", "\216t"};
  page.phrase = phrase;
  return page;
}

TEST(KeyTextTest, ShowsTheGridTheWordsAndThePhraseCheck) {
  const PuzzlePage page = smallPage("A t");
  EXPECT_EQ(keyText(page, solvePage(page)),
            "Ratkaisu: Sanat & <\204>\n"
            "Ruudukko 3 x 4, 5 sanaa\n"
            "\n"
            "K I S A\n"
            "A B B A\n"
            "\216 T . .\n"
            "\n"
            "Sanat (rivi, sarake, suunta):\n"
            "  Abba   2, 1 oikealle\n"
            "  Kisa   1, 1 oikealle\n"
            "  Koira  ei l\224ytynyt\n"
            "  Sb     1, 3 alas vasemmalle; 1, 3 alas (2 kertaa)\n"
            "  \216t     3, 1 oikealle\n"
            "\n"
            "Piilolause: A t\n"
            "J\204ljelle j\204\204v\204t kirjaimet muodostavat piilolauseen.\n");

  // With its T gone the last word is missing, and the letters left over
  // (the first cell, then A and T) do not begin with T A.
  PuzzlePage other = smallPage("T a");
  other.rows[2][1] = ' ';
  const std::string text = keyText(other, solvePage(other));
  EXPECT_NE(text.find("\nA B B A\n.   . .\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  \216t     ei l\224ytynyt\n"), std::string::npos) << text;
  EXPECT_TRUE(
      text.ends_with("\nPiilolause: T a\n"
                     "J\204ljelle j\204\204v\204t kirjaimet eiv\204t muodosta "
                     "piilolausetta.\n"))
      << text;
}

}  // namespace
}  // namespace haravoija
