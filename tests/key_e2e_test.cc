// The answer-key command as a user runs it: the real binary on saved pages and on files it
// cannot use.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "output/document.h"
#include "puzzle/grid.h"
#include "test_util.h"

namespace haravoija::testing {
namespace {

TEST(E2eKey, WritesTheKeyBesideThePageAndReportsEachPageItCannotDo) {
  TempDir dir;
  std::filesystem::copy_file(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/elaimet-ristikko.html",
                             dir.path() / "elaimet-ristikko.html");
  // Words of 2-79 A's lie about 4.6 million times in 150 x 150 A's: more often than a key can
  // show.
  Grid all{std::vector(150, std::string(150, 'A')), {}, ""};
  for (std::size_t length = 2; length <= 79; ++length) all.placedWords.emplace_back(length, 'a');
  dir.write("a.html", puzzleDocument(all, "A"));
  const RunOptions options{.binary = HARAVOIJA_KEY_BINARY};
  const RunResult run =
      runBinary({"puuttuu.html", "elaimet-ristikko.html", "a.html"}, "", dir.path(), options);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "haravoija-ratkaisu: puuttuu.html: tiedostoa ei voi avata\n"
            "haravoija-ratkaisu: a.html: sanat l\224ytyv\204t ruudukosta liian monta kertaa\n");
  EXPECT_TRUE(run.out.starts_with("Ratkaisu: El\204imet\nRuudukko 12 x 12, 30 sanaa\n")) << run.out;
  EXPECT_TRUE(run.out.ends_with("tallennettu tiedostoon elaimet-ristikko-ratkaisu.html.\n"));
  // Every one of the 30 words once, and one of them twice.
  EXPECT_EQ(occurrences(readFile(dir.path() / "elaimet-ristikko-ratkaisu.html"), "<line class="),
            31U);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "a-ratkaisu.html"));
}

}  // namespace
}  // namespace haravoija::testing
