// End-to-end tests of the command line through the real binary.
#include "app/program.h"

#include <gtest/gtest.h>

#include "test_util.h"

namespace haravoija {
namespace {

using testing::runBinary;
using testing::TempDir;

TEST(ProgramTest, HelpOptionsPrintTheHelpText) {
  TempDir dir;
  for (const char* option : {"-h", "-H", "--help", "-?", "/?"}) {
    const auto result = runBinary({option}, "", dir.path());
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, helpText()) << option;
    EXPECT_EQ(result.err, "");
  }
  EXPECT_NE(helpText().find("\n                       Haravoija v. 1.2 \n\n"), std::string::npos);
  // More arguments after a help option still give the help.
  EXPECT_EQ(runBinary({"-h", "x", "y"}, "", dir.path()).out, helpText());
}

TEST(ProgramTest, UnreadableFilesAndExtraArgumentsPrintTheErrorText) {
  TempDir dir;
  dir.write("sanat.txt", "kissa koira\n");
  std::filesystem::create_directory(dir.path() / "kansio.txt");
  const std::vector<std::vector<std::string>> cases = {
      {"--HELP"}, {"-x"}, {"puuttuu.txt"}, {"kansio.txt"}, {"sanat.txt", "more"}};
  for (const auto& args : cases) {
    const auto result = runBinary(args, "", dir.path());
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "Tiedostosta ei voida lukea. \nSaat apua kirjoittamalla haravoija -h.\n")
        << args[0];
    EXPECT_EQ(result.err, "");
  }
}

}  // namespace
}  // namespace haravoija
