// The real binary end to end: its command line, the clock that seeds it, and hostile runs,
// each of which must end by itself with status 0 and nothing on standard error.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "test_util.h"

namespace haravoija::testing {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

const std::string kGoodbye = "Kiitos ohjelman k\204yt\224st\204!\n";
const std::string kGoodbyeUtf8 = "Kiitos ohjelman k\303\244yt\303\266st\303\244!\n";
const std::string kWordFile = "kissa koira hevonen\nkala lintu kaura\nkettu\n";

TEST(E2eTest, CommandLine) {
  const std::string help =
      "\n                       Haravoija v. 1.2 \n\n"
      " Voit antaa ohjelmalle parametrin\204 tiedoston.\n"
      " T\204ll\224in kone tekee sen sanoista ristikon\n"
      " k\204ytt\204en oletusasetuksia (normaali ristikko, \n"
      " sanat kaikkiin suuntiin, mahdollisimman pieni ristikko, \n"
      " tyhj\204t kohdat t\204ytet\204\204n satunnaisilla kirjaimilla).\n"
      " Ohjelma tallentaa valmiin ristikon tiedostoon out.html.\n\n"
      " Jos haluat m\204\204ritell\204 itse asetukset, \n"
      " sinun tulee k\204ynnist\204\204 ohjelma ilman parametrej\204.\n\n";
  const std::string error =
      "Tiedostosta ei voida lukea. \nSaat apua kirjoittamalla haravoija -h.\n";
  const std::string badName =
      "VIRHE: Anna kunnollinen tiedostonimi.\n"
      "Tiedostonimen p\204\204te tulee olla .txt tai .html.\n> ";
  TempDir dir;
  dir.write("sanat.txt", "kissa koira\n");
  dir.write("-h", "kissa koira\n");  // a file named like an option is a word file
  fs::create_directory(dir.path() / "kansio.txt");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"-H"}, help},           {{"--help"}, help},      {{"-?"}, help},
      {{"/?"}, help},           {{"-x"}, error},         {{"--HELP"}, error},
      {{"puuttuu.txt"}, error}, {{"kansio.txt"}, error}, {{"sanat.txt", "x"}, error},
      {{"-h"}, badName},        {{"--version"}, error},
  };
  for (const auto& [args, expected] : cases) {
    const RunResult run = runBinary(args, "", dir.path());
    EXPECT_EQ(std::tie(run.exitStatus, run.out, run.err), std::tuple(0, expected, "")) << args[0];
  }
  EXPECT_FALSE(fs::exists(dir.path() / "out.html"));

  // Output to a pipe nobody reads fails quietly; the program goes on.
  EXPECT_EQ(runBinary({"sanat.txt"}, "", dir.path(), {.stdoutClosed = true}).exitStatus, 0);
  EXPECT_TRUE(fs::exists(dir.path() / "out.html"));
}

// Under a stopped clock a batch run repeats its puzzle; a second later it makes another.
TEST(E2eTest, TheClockSeedsEveryNewWordList) {
  const auto noon = frozenClockEnv("2026-01-01 12:00:00");
  const auto later = frozenClockEnv("2026-01-01 12:00:01");
  if (!noon || !later) GTEST_SKIP() << "libfaketime is not installed";
  TempDir dir;
  dir.write("sanat.txt", "kissa koira hevonen lehm\344 lammas kana sika vuohi\n");
  auto batchAt = [&](const std::vector<std::string>& env) {
    EXPECT_EQ(runBinary({"sanat.txt"}, "", dir.path(), {.env = env}).exitStatus, 0);
    return readFile(dir.path() / "out.html");
  };
  const std::string first = batchAt(*noon);
  EXPECT_NE(first.find("<br>Lehm\344\r\n"), std::string::npos);
  EXPECT_EQ(batchAt(*noon), first);
  EXPECT_NE(batchAt(*later), first);
}

// One session through every state of the dialogue and every command of word entry.
const std::string kSession =
    "\na/b\nel\204imet\n\nA\nL\n-\nn\nkissa\nKISSA\nk\n3D\nkoira\n-\n--\n-k\n-KISSA\nhevonen\n"
    "---\n#\n#a/b\n#el\204imet ja kasvit\n+x\n+puuttuu.txt\n+sanat.txt a b c\n+sanat.txt ab\n"
    "+sanat.txt k 1\n+sanat.txt\nN\nL \nl\nx\n2\n3\n2\n0\n2\n2\n\n4\n2\nabc\nab cd\n6\n1\na.b\n\n"
    "3\n\n3\n2\n1\n1\n1\n1\nnimi\n4\nToinen\n+Nimi.html\nl\n1\n1\n1\n5\n";

// Files to start with (each repeated up to `fileBytes`) and texts to show.
struct HostileRun {
  std::string name;
  std::string input;
  std::map<std::string, std::string> files = {};
  std::vector<std::string> shown = {};
  RunOptions options = {};
  std::string goodbye = kGoodbye;
  std::size_t fileBytes = 0;
  long memoryLimitKb = LONG_MAX;  // a bound on the peak memory
};

std::vector<HostileRun> hostileRuns() {
  std::vector<HostileRun> runs = {{"whole session", kSession}};
  runs[0].shown = {"Otsikoksi muutettu El\204imet ja kasvit.\n", "VIRHE: Liikaa parametrej\204.\n",
                   "Antamassasi sanassa / lauseessa oli 3 kirjainta.\n",
                   "Ruudukko tallennettu tiedostoon nimi.html.\n", "Sana Kettu lis\204tty.\n"};
  // The input ends after every line of the session, and inside lines.
  std::vector<std::string> session;
  for (std::size_t at = 0, end; (end = kSession.find('\n', at)) != std::string::npos;
       at = end + 1) {
    runs.push_back({"ends after line " + std::to_string(session.size()), kSession.substr(0, at)});
    if (end - at > 1) runs.push_back({"ends inside a line", kSession.substr(0, at + 2)});
    session.push_back(kSession.substr(at, end - at));
  }
  // Lines no person types (each refused: it holds a "/") at a prompt of each
  // kind: title, word entry, difficulty, size, rows, columns, fill, end menu, save.
  const std::string hostile =
      std::string(4 << 20, 'x') + "/\n/" + std::string(1 << 20, '\0') +
      "\nki\0ss/a\n\xff\xfe\xc3/\n\xc3\xa4/\xed\xa0\x80\xf4\x90\x80\n/\r\n"s;
  const std::set<std::size_t> prompts = {0, 3, 31, 33, 35, 37, 39, 43, 45};
  for (const bool utf8 : {false, true}) {
    HostileRun run{utf8 ? "hostile lines, UTF-8" : "hostile lines, C", ""};
    for (std::size_t i = 0; i < session.size(); ++i) {
      run.input += (prompts.contains(i) ? hostile : "") + session[i] + "\n";
    }
    for (std::size_t at = 0; utf8 && (at = run.input.find('\204', at)) != std::string::npos;) {
      run.input.replace(at, 1, "\303\244");
    }
    run.shown = {"Ruudukko tallennettu tiedostoon nimi.html."};
    run.options.env = {utf8 ? "LC_ALL=C.UTF-8" : "LC_ALL=C"};
    run.goodbye = utf8 ? kGoodbyeUtf8 : kGoodbye;
    runs.push_back(run);
  }
  runs.push_back({"standard input is a folder", "", {}, {"Anna ristikon aihe. \n> "}});
  runs.back().options.stdinPath = "/";
  // Word files with NUL bytes and binary noise; an import name with a NUL byte names no file,
  // not the file before it.
  std::mt19937 random(850);
  std::string noise;
  for (int i = 0; i < (1 << 20); ++i) noise += static_cast<char>(random() & 0xFF);
  runs.push_back({"NUL bytes", "Aihe\n+sanat\0x.txt\n+nul.txt\n+binaari.html\nn\n/poistu\n"s});
  runs.back().files = {
      {"sanat", "kissa\n"},
      {"nul.txt", "kissa\0koira\nhevonen\0\0 lintu\n\0\nkala"s},
      {"binaari.html", noise + "\n<!--Sanat-->\n<br>Kettu\n<!--Loppu-->\n" + noise}};
  runs.back().shown = {"> VIRHE: Tiedostosta ei voitu lukea.\n",
                       "Annetut sanat:\nlintu  kala   Kettu  \nSanoja"};
  return runs;
}

void checkRun(HostileRun& run) {
  SCOPED_TRACE(run.name);
  TempDir dir;
  dir.write("sanat.txt", kWordFile);
  for (const auto& [name, content] : run.files) {
    std::ofstream out(dir.path() / name, std::ios::binary);
    out << content;
    for (std::size_t size = content.size(); size < run.fileBytes; size += content.size()) {
      out << content;
    }
  }
  run.options.timeout = std::chrono::seconds(kSlowBuild ? 60 : 20);
  const RunResult result = runBinary({}, run.input, dir.path(), run.options);
  EXPECT_TRUE(result.out.ends_with(run.goodbye))
      << result.out.substr(result.out.size() - std::min<std::size_t>(result.out.size(), 300));
  EXPECT_EQ(occurrences(result.out, run.goodbye), 1U);
  EXPECT_EQ(std::pair(result.exitStatus, result.err), std::pair(0, std::string()));
  for (const std::string& shown : run.shown) {
    EXPECT_NE(result.out.find(shown), std::string::npos) << shown;
  }
  EXPECT_LT(result.maxRssKb, run.memoryLimitKb);
}

TEST(E2eTest, HostileRunsEndCleanly) {
  for (HostileRun& run : hostileRuns()) {
    checkRun(run);
    if (::testing::Test::HasFailure()) break;
  }
}

// A copy of a huge file, or of its one huge line, would show in the peak memory;
// a test of its own, so that the memory of the test (shared at the fork) stays small.
TEST(E2eTest, HugeWordFilesInBoundedMemory) {
  HostileRun run{"huge word files", "Aihe\n+iso.txt\n+rivi.txt\nn\n/poistu\n"};
  run.files = {{"iso.txt", "kissa koira hevonen lintu\n"},
               {"rivi.txt", "kissa lintu " + std::string(90, 'y') + " "}};
  run.fileBytes = (kSlowBuild ? 8 : 128) << 20;
  run.shown = {"Annetut sanat:\nkissa    koira    hevonen  lintu    \nSanoja"};
#ifndef __SANITIZE_ADDRESS__  // whose shadow memory alone is beyond the bound
  run.memoryLimitKb = 64 * 1024 + (kSlowBuild ? 64 * 1024 : 0);
#endif
  checkRun(run);
}

}  // namespace
}  // namespace haravoija::testing
