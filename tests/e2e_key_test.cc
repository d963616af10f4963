// End-to-end: haravoija-ratkaisu as the real binary, on a page the program
// saved and on files that are no pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_util.h"

namespace haravoija::testing {
namespace {

TEST(E2eKey, WritesTheKeyBesideThePageAndReportsTheFilesItCannotUse) {
  TempDir dir;
  std::filesystem::copy_file(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/elaimet-ristikko.html",
                             dir.path() / "elaimet-ristikko.html");
  dir.write("sanat.txt", "kissa koira\n");
  RunOptions options;
  options.binary = HARAVOIJA_KEY_BINARY;
  const RunResult run =
      runBinary({"puuttuu.html", "elaimet-ristikko.html", "sanat.txt"}, "", dir.path(), options);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "haravoija-ratkaisu: puuttuu.html: tiedostoa ei voi avata\n"
            "haravoija-ratkaisu: sanat.txt: tiedosto ei ole Haravoijan tallentama ristikkosivu\n");
  EXPECT_TRUE(run.out.starts_with("Ratkaisu: El\204imet\nRuudukko 12 x 12, 30 sanaa\n")) << run.out;
  EXPECT_TRUE(run.out.ends_with("tallennettu tiedostoon elaimet-ristikko-ratkaisu.html.\n"));
  // Every one of the 30 words once, and one of them twice.
  EXPECT_EQ(occurrences(readFile(dir.path() / "elaimet-ristikko-ratkaisu.html"), "<line class="),
            31U);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "sanat-ratkaisu.html"));
}

}  // namespace
}  // namespace haravoija::testing
