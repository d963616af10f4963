// End-to-end: the batch run on the real binary.
#include <gtest/gtest.h>

#include "frozen_clock.h"
#include "test_util.h"

namespace haravoija::testing {
namespace {

const std::string kGoodbye = "Kiitos ohjelman k\204yt\224st\204!\n";
const std::string kBadName =
    "VIRHE: Anna kunnollinen tiedostonimi.\n"
    "Tiedostonimen p\204\204te tulee olla .txt tai .html.\n"
    "> ";

bool startsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(E2eBatch, GoodFileMakesOutHtml) {
  TempDir dir;
  dir.write("sanat.txt", "kissa koira\nhevonen\n");
  const RunResult run = runBinary({"./sanat.txt"}, "", dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(startsWith(run.out,
                         "Odota, luetaan tiedostoa... \n"
                         "Sana kissa lis\204tty.\n"
                         "Sana koira lis\204tty.\n"
                         "Sana hevonen lis\204tty.\n"
                         "\n"
                         "\n"
                         "Odota. Luodaan sanaristikko annetuista sanoista...\n"))
      << run.out;
  EXPECT_NE(run.out.find("ristikossa 3 sanaa)"), std::string::npos) << run.out;
  EXPECT_TRUE(endsWith(run.out, "Ruudukko tallennettu tiedostoon out.html.\n\n" + kGoodbye))
      << run.out;
  const std::string document = readFile(dir.path() / "out.html");
  // The title is the argument as typed.
  EXPECT_NE(document.find("./sanat.txt"), std::string::npos);
  for (const char* word : {"Kissa", "Koira", "Hevonen"}) {
    EXPECT_NE(document.find(word), std::string::npos) << word;
  }
}

// The name checks and the file without words are tested in-process; here
// only that an existing file named like an option is still a refused name.
TEST(E2eBatch, FileNamedLikeAnOptionIsARefusedName) {
  TempDir dir;
  dir.write("-h", "kissa koira\n");
  const RunResult run = runBinary({"-h"}, "", dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, kBadName);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "out.html"));
}

TEST(E2eBatch, TheClockSeedsThePuzzle) {
  const auto noon = frozenClockEnv("2026-01-01 12:00:00");
  const auto later = frozenClockEnv("2026-01-01 12:00:01");
  if (!noon || !later) GTEST_SKIP() << "libfaketime is not installed";
  const std::string words = "kissa koira hevonen lehm\204 lammas kana sika vuohi\n";
  auto documentAt = [&words](const std::vector<std::string>& env) {
    TempDir dir;
    dir.write("sanat.txt", words);
    const RunResult run = runBinary({"sanat.txt"}, "", dir.path(), env);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    return std::make_pair(run.out, readFile(dir.path() / "out.html"));
  };
  const auto first = documentAt(*noon);
  ASSERT_FALSE(first.second.empty());
  EXPECT_EQ(documentAt(*noon), first);
  EXPECT_NE(documentAt(*later).second, first.second);
}

TEST(E2eBatch, TitleArgumentIsConvertedFromTheTerminalCharset) {
  TempDir dir;
  dir.write("\303\244.txt", "kissa\n");  // ä.txt in UTF-8
  const RunResult run = runBinary({"\303\244.txt"}, "", dir.path(), {"LC_ALL=C.UTF-8"});
  EXPECT_EQ(run.exitStatus, 0);
  const std::string document = readFile(dir.path() / "out.html");
  // In the document ä is the ISO 8859-1 byte.
  EXPECT_NE(document.find("\344.txt"), std::string::npos);
  EXPECT_EQ(document.find("\303\244.txt"), std::string::npos);
}

}  // namespace
}  // namespace haravoija::testing
