// End-to-end: saves that cannot be written and word files that are huge,
// endless lines, NUL bytes, binary, a directory or a pipe that closes early.
// The program reports what it can and goes on, in bounded memory.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "e2e_hostile.h"
#include "test_util.h"

namespace haravoija::testing {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

const std::string kSaveFailed = "Tulosten talletus tiedostoon ei onnistunut!\n\n";
const std::string kEndMenu = "Valitse seuraavista:\n   1. Tallenna sanaristikko tiedostoon\n";
const std::string kEndMenuLast = "   5. Lopeta ohjelma\n> ";

// Writes about `megabytes` MB of whole copies of `pattern` to `path`
// without holding them all.
void writeRepeated(const fs::path& path, const std::string& pattern, std::size_t megabytes) {
  std::ofstream out(path, std::ios::binary);
  std::string block;
  while (block.size() + pattern.size() <= (1U << 20)) block += pattern;
  for (std::size_t i = 0; i < megabytes; ++i) out.write(block.data(), block.size());
}

// Feeds `parts` to a FIFO one after another, calling `between` after each
// but the last, then closes it: the reader sees the end of its input.
void feedFifo(const fs::path& fifo, const std::vector<std::string>& parts,
              const std::function<void(std::size_t)>& between) {
  // A reader that ends early must fail the write, not kill the test.
  std::signal(SIGPIPE, SIG_IGN);
  std::ofstream out(fifo, std::ios::binary);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    out << parts[i] << std::flush;
    if (i + 1 < parts.size()) between(i);
  }
}

void waitFor(const fs::path& file) {
  for (int i = 0; i < 2000 && !fs::exists(file); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

TEST(E2eHostileFiles, SaveIntoAFolderThatNoLongerExists) {
  TempDir top;
  TempDir pipes;
  const fs::path work = top.path() / "ty\366";
  fs::create_directory(work);
  const fs::path input = pipes.path() / "stdin";
  ASSERT_EQ(::mkfifo(input.c_str(), 0600), 0);
  // The first save shows the program is at the end menu in its folder;
  // then the folder goes away under it.
  std::thread user(feedFifo, input,
                   std::vector<std::string>{"Aihe\nkissa\nl\n1\n1\n1\n1\neka\n", "1\ntoka\n5\n"},
                   [&](std::size_t) {
                     waitFor(work / "Eka.html");
                     fs::remove_all(work);
                   });
  RunOptions options = guardedRun();
  options.stdinPath = input;
  const RunResult run = runBinary({}, "", work, options);
  user.join();
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("> Ruudukko tallennettu tiedostoon eka.html.\n"), std::string::npos);
  // The failure, then the end menu again, and the quit choice still works.
  EXPECT_NE(run.out.find("> " + kSaveFailed + kEndMenu), std::string::npos) << run.out;
  EXPECT_TRUE(endsWith(run.out, kEndMenuLast + kGoodbyeLine));
}

TEST(E2eHostileFiles, SaveUnderANameThatIsAFolder) {
  TempDir dir;
  fs::create_directory(dir.path() / "Nimi.html");
  dir.write("Nimi.html/sis\344lt\366", "tallessa");
  const RunResult run =
      runBinary({}, "Aihe\nkissa\nl\n1\n1\n1\n1\nnimi\n1\ntoinen\n5\n", dir.path(), guardedRun());
  expectCleanEnd(run, dir.path(), "dialogue");
  EXPECT_NE(run.out.find("> " + kSaveFailed + kEndMenu), std::string::npos);
  EXPECT_NE(run.out.find("> Ruudukko tallennettu tiedostoon toinen.html.\n"), std::string::npos);
  EXPECT_EQ(readFile(dir.path() / "Nimi.html/sis\344lt\366"), "tallessa");
  EXPECT_TRUE(fs::is_regular_file(dir.path() / "Toinen.html"));

  // The batch run's out.html is a folder: the failure, then goodbye.
  fs::create_directory(dir.path() / "out.html");
  dir.write("sanat.txt", "kissa koira\n");
  const RunResult batch = runBinary({"sanat.txt"}, "", dir.path(), guardedRun());
  expectCleanEnd(batch, dir.path(), "batch");
  EXPECT_TRUE(endsWith(batch.out, kSaveFailed + kGoodbyeLine));
  EXPECT_TRUE(fs::is_directory(dir.path() / "out.html"));
}

// A full disk, or a quota, stops the write part way: with the file-size
// limit below the document's size every write past it fails (SIGXFSZ is
// ignored, as a program that is not killed sees it).
TEST(E2eHostileFiles, WriteThatFailsMidwayKeepsTheEarlierDocument) {
  TempDir dir;
  const std::string earlier = "aiempi asiakirja\n";
  dir.write("Nimi.html", earlier);
  dir.write("out.html", earlier);
  RunOptions options = guardedRun();
  options.fileSizeLimit = 16 * 1024;
  // A 30 x 30 document is about 30 kB; the console output stays well below
  // the limit, which applies to it too.
  const RunResult run =
      runBinary({}, "Aihe\nkissa\nl\n1\n2\n30\n30\n1\n1\nnimi\n1\n\n5\n", dir.path(), options);
  expectCleanEnd(run, dir.path(), "dialogue");
  EXPECT_EQ(occurrences(run.out, "> " + kSaveFailed + kEndMenu), 2U) << run.out;
  EXPECT_EQ(readFile(dir.path() / "Nimi.html"), earlier);
  EXPECT_FALSE(fs::exists(dir.path() / "Aihe.html"));

  std::string words;
  for (char a = 'a'; a <= 'z'; ++a) {
    for (char b = 'a'; b <= 'f'; ++b) words += std::string("sana") + a + b + "\n";
  }
  dir.write("sanat.txt", words);
  const RunResult batch = runBinary({"sanat.txt"}, "", dir.path(), options);
  expectCleanEnd(batch, dir.path(), "batch");
  EXPECT_TRUE(endsWith(batch.out, kSaveFailed + kGoodbyeLine));
  EXPECT_EQ(readFile(dir.path() / "out.html"), earlier);
}

// Imports `file` in a dialogue, lists the words and quits; returns the run.
RunResult importAndList(const TempDir& dir, const std::string& file,
                        std::chrono::seconds limit = std::chrono::seconds(5)) {
  const RunResult run =
      runBinary({}, "Aihe\n+" + file + "\nn\n/poistu\n", dir.path(), guardedRun(limit));
  expectCleanEnd(run, dir.path(), file);
  return run;
}

std::string listing(const RunResult& run) {
  const std::size_t start = run.out.find("Annetut sanat:\n");
  const std::size_t end = run.out.find("Sanoja annettu", start);
  if (start == std::string::npos || end == std::string::npos) return "(no listing)";
  return run.out.substr(start + 15, end - start - 15);
}

TEST(E2eHostileFiles, HugeWordFilesAreReadInBoundedMemory) {
  TempDir dir;
  const std::size_t megabytes = hugeInputMegabytes();
  dir.write("pieni.txt", "kissa koira hevonen lintu\n");
  writeRepeated(dir.path() / "iso.txt", "kissa koira hevonen lintu\n", megabytes);
  // One line of words, and one word-like token, each as long as the file.
  writeRepeated(dir.path() / "rivi.txt", "kissa koira hevonen lintu ", megabytes / 2);
  writeRepeated(dir.path() / "sana.txt", "a", megabytes / 2);
  std::ofstream(dir.path() / "sana.txt", std::ios::app) << " lintu";

  const std::chrono::seconds limit(10 + megabytes / (unoptimised() ? 2 : 16));
  const RunResult small = importAndList(dir, "pieni.txt");
  const RunResult huge = importAndList(dir, "iso.txt", limit);
  const RunResult line = importAndList(dir, "rivi.txt", limit);
  const RunResult token = importAndList(dir, "sana.txt", limit);
  const std::string four = "kissa    koira    hevonen  lintu    \n";
  EXPECT_EQ(listing(small), four);
  EXPECT_EQ(listing(huge), four);
  EXPECT_EQ(listing(line), four);
  EXPECT_EQ(listing(token), "lintu  \n");
  // A copy of the file, or of its one line, would show here: allow a
  // quarter of the file over what a four-word file costs.
  const long allowanceKb = static_cast<long>(megabytes) * 1024 / 4;
  EXPECT_LT(huge.maxRssKb, small.maxRssKb + allowanceKb) << megabytes << " MB";
  EXPECT_LT(line.maxRssKb, small.maxRssKb + allowanceKb) << megabytes << " MB";
  EXPECT_LT(token.maxRssKb, small.maxRssKb + allowanceKb) << megabytes << " MB";
  RecordProperty("megabytes", static_cast<int>(megabytes));
  RecordProperty("peak_kb_huge", static_cast<int>(huge.maxRssKb));

  // The batch run reads the same way.
  const RunResult batch = runBinary({"iso.txt"}, "", dir.path(), guardedRun(limit));
  expectCleanEnd(batch, dir.path(), "batch");
  EXPECT_LT(batch.maxRssKb, small.maxRssKb + allowanceKb);
  EXPECT_NE(readFile(dir.path() / "out.html").find("<br>Hevonen\r\n"), std::string::npos);
}

TEST(E2eHostileFiles, NulBytesBinaryFilesAndFolders) {
  TempDir dir;
  dir.write("nul.txt", "kissa\0koira\nhevonen\0\0 lintu\n\0\0\0\nkala"s);
  EXPECT_EQ(listing(importAndList(dir, "nul.txt")), "lintu  kala   \n");

  std::mt19937 random(850);
  std::string noise;
  for (int i = 0; i < (1 << 20); ++i) noise += static_cast<char>(random() & 0xFF);
  dir.write("binaari.txt", noise + "\nkettu\n");
  const RunResult plain = importAndList(dir, "binaari.txt");
  EXPECT_NE(plain.out.find("Sana kettu lis\204tty.\n"), std::string::npos);
  EXPECT_NE(plain.out.find(" sanaa lis\204ttiin.\n"), std::string::npos);
  dir.write("binaari.html", noise + "\n<!--Sanat-->\n<br>Kettu\n<!--Loppu-->\n" + noise);
  const RunResult html = importAndList(dir, "binaari.html");
  EXPECT_NE(html.out.find("Sana Kettu lis\204tty.\n"), std::string::npos);

  // A folder is a file that cannot be read, for the command and the batch run.
  fs::create_directory(dir.path() / "kansio.txt");
  const RunResult folder = importAndList(dir, "kansio.txt");
  EXPECT_NE(folder.out.find("> VIRHE: Tiedostosta ei voitu lukea.\n"), std::string::npos);
  const RunResult batch = runBinary({"kansio.txt"}, "", dir.path(), guardedRun());
  EXPECT_EQ(batch.exitStatus, 0);
  EXPECT_EQ(batch.out, "Tiedostosta ei voida lukea. \nSaat apua kirjoittamalla haravoija -h.\n");

  // A batch file without one usable word: a clear error, no document.
  dir.write("roskaa.txt", noise.substr(0, 4096) + "\n");
  dir.write("tyhja.txt", "");
  for (const char* file : {"tyhja.txt", "roskaa.txt"}) {
    const RunResult none = runBinary({file}, "", dir.path(), guardedRun());
    expectCleanEnd(none, dir.path(), file);
    EXPECT_NE(none.out.find("\nVIRHE: "), std::string::npos) << file;
    EXPECT_FALSE(fs::exists(dir.path() / "out.html")) << file;
  }
}

// A pipe whose writer stops part way through a line: the words read up to
// there are used, the last line's too.
TEST(E2eHostileFiles, WordFileThatEndsWhileBeingRead) {
  TempDir dir;
  const fs::path fifo = dir.path() / "putki.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto writer = [&] {
    return std::thread(
        feedFifo, fifo, std::vector<std::string>{"kissa koira\nhev", "o"},
        [](std::size_t) { std::this_thread::sleep_for(std::chrono::milliseconds(50)); });
  };
  std::thread command = writer();
  const RunResult run = importAndList(dir, "putki.txt");
  command.join();
  EXPECT_EQ(listing(run), "kissa  koira  hevo   \n");

  std::thread batchWriter = writer();
  const RunResult batch = runBinary({"putki.txt"}, "", dir.path(), guardedRun());
  batchWriter.join();
  expectCleanEnd(batch, dir.path(), "batch");
  EXPECT_NE(readFile(dir.path() / "out.html").find("<br>Hevo\r\n"), std::string::npos);
}

}  // namespace
}  // namespace haravoija::testing
