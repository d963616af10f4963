// End-to-end: haravoija-ratkaisu on a page the program saved, on files that
// are no pages, and on a huge file of garbage, as the real binary.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "e2e_hostile.h"
#include "test_util.h"

namespace haravoija::testing {
namespace {

RunOptions keyRun() {
  RunOptions options = guardedRun();
  options.binary = HARAVOIJA_KEY_BINARY;
  return options;
}

TEST(E2eKey, WritesTheKeyBesideThePageAndReportsTheFilesItCannotUse) {
  TempDir dir;
  std::filesystem::copy_file(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/elaimet-ristikko.html",
                             dir.path() / "elaimet-ristikko.html");
  dir.write("sanat.txt", "kissa koira\n");
  const RunResult run =
      runBinary({"puuttuu.html", "elaimet-ristikko.html", "sanat.txt"}, "", dir.path(), keyRun());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "haravoija-ratkaisu: puuttuu.html: tiedostoa ei voi avata\n"
            "haravoija-ratkaisu: sanat.txt: tiedosto ei ole Haravoijan tallentama ristikkosivu\n");
  EXPECT_TRUE(run.out.starts_with("Ratkaisu: El\204imet\nRuudukko 12 x 12, 30 sanaa\n")) << run.out;
  EXPECT_TRUE(
      run.out.ends_with("Ratkaisusivu tallennettu tiedostoon "
                        "elaimet-ristikko-ratkaisu.html.\n"));
  EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"elaimet-ristikko-ratkaisu.html",
                                                           "elaimet-ristikko.html", "sanat.txt"}));
  EXPECT_EQ(
      occurrences(readFile(dir.path() / "elaimet-ristikko-ratkaisu.html"), "<line class=\"m "),
      31U);
}

TEST(E2eKey, AHugeFileOfGarbageIsRefusedInLittleMemory) {
  TempDir dir;
  {
    std::ofstream out(dir.path() / "roskaa.html", std::ios::binary);
    std::string block;
    for (int i = 0; block.size() < (1U << 20); ++i) block += "<tr><b>" + std::to_string(i) + "\n";
    for (std::size_t i = 0; i < hugeInputMegabytes(); ++i) out << block;
  }
  const RunResult run = runBinary({"roskaa.html"}, "", dir.path(), keyRun());
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(
      run.err,
      "haravoija-ratkaisu: roskaa.html: tiedosto ei ole Haravoijan tallentama ristikkosivu\n");
  if (!underSanitizer()) {
    EXPECT_LT(run.maxRssKb, 32 * 1024);
  }
}

}  // namespace
}  // namespace haravoija::testing
