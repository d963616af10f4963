// End-to-end: the command line's help and error paths on the real binary.
#include <gtest/gtest.h>

#include "test_util.h"

namespace haravoija::testing {
namespace {

const std::string kError = "Tiedostosta ei voida lukea. \nSaat apua kirjoittamalla haravoija -h.\n";

TEST(E2eCommandLine, HelpOptionsPrintTheHelpText) {
  TempDir dir;
  const std::string help =
      "\n"
      "                       Haravoija v. 1.2 \n"
      "\n"
      " Voit antaa ohjelmalle parametrin\204 tiedoston.\n"
      " T\204ll\224in kone tekee sen sanoista ristikon\n"
      " k\204ytt\204en oletusasetuksia (normaali ristikko, \n"
      " sanat kaikkiin suuntiin, mahdollisimman pieni ristikko, \n"
      " tyhj\204t kohdat t\204ytet\204\204n satunnaisilla kirjaimilla).\n"
      " Ohjelma tallentaa valmiin ristikon tiedostoon out.html.\n"
      "\n"
      " Jos haluat m\204\204ritell\204 itse asetukset, \n"
      " sinun tulee k\204ynnist\204\204 ohjelma ilman parametrej\204.\n"
      "\n";
  for (const char* option : {"-h", "-H", "--help", "-?", "/?"}) {
    const RunResult run = runBinary({option}, "", dir.path());
    EXPECT_EQ(run.exitStatus, 0) << option;
    EXPECT_EQ(run.out, help) << option;
    EXPECT_EQ(run.err, "") << option;
  }
  // Arguments after the first are never looked at.
  EXPECT_EQ(runBinary({"-h", "more"}, "", dir.path()).out, help);
}

TEST(E2eCommandLine, UnknownOptionsMissingFilesAndExtraArgumentsGetTheErrorText) {
  TempDir dir;
  dir.write("sanat.txt", "kissa koira\n");
  std::filesystem::create_directory(dir.path() / "kansio.txt");
  const std::vector<std::vector<std::string>> cases = {
      {"-x"}, {"--HELP"}, {"puuttuu.txt"}, {"kansio.txt"}, {"sanat.txt", "more"}, {"-x", "-h"}};
  for (const auto& args : cases) {
    const RunResult run = runBinary(args, "", dir.path());
    EXPECT_EQ(run.exitStatus, 0) << args[0];
    EXPECT_EQ(run.out, kError) << args[0];
    EXPECT_EQ(run.err, "") << args[0];
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "out.html"));
}

}  // namespace
}  // namespace haravoija::testing
