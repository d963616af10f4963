// Tests of saving the puzzle document to disk and what the console is told.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "output/document.h"
#include "test_util.h"

namespace haravoija {
namespace {

namespace fs = std::filesystem;
using testing::FakeConsole;
using testing::TempDir;

const std::string kFailure = "Tulosten talletus tiedostoon ei onnistunut!\n\n";

// Runs the test in the given folder and returns to the previous one after.
class InFolder {
 public:
  explicit InFolder(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~InFolder() { fs::current_path(previous_); }

 private:
  fs::path previous_;
};

// Sets the umask for the test and restores the previous one after.
class Umask {
 public:
  explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
  ~Umask() { ::umask(previous_); }

 private:
  mode_t previous_;
};

Grid sampleGrid() {
  Grid grid = create(2, 2);
  grid.rows = {"KA", "\216T"};
  grid.placedWords = {"ka"};
  return grid;
}

mode_t fileMode(const fs::path& file) {
  struct stat info {};
  EXPECT_EQ(::stat(file.c_str(), &info), 0);
  return info.st_mode & 07777;
}

TEST(DocumentFileTest, WritesIso88591NameAndReportsLowerCaseName) {
  TempDir dir;
  InFolder in(dir.path());
  Umask mask(002);
  FakeConsole fake;
  writePuzzleDocument(sampleGrid(), "El\204imet", "El\204imet", fake);
  EXPECT_EQ(fake.output(), "Ruudukko tallennettu tiedostoon el\204imet.html.\n\n");
  EXPECT_EQ(testing::filesIn(dir.path()), std::vector<std::string>{"El\344imet.html"});
  EXPECT_EQ(testing::readFile(dir.path() / "El\344imet.html"),
            puzzleDocument(sampleGrid(), "El\204imet"));
  EXPECT_EQ(fileMode(dir.path() / "El\344imet.html"), 0664u);
}

TEST(DocumentFileTest, Utf8ConsoleNamesFileInUtf8AndModeFollowsUmask) {
  TempDir dir;
  InFolder in(dir.path());
  Umask mask(022);
  FakeConsole fake("", Charset::kUtf8);
  writePuzzleDocument(sampleGrid(), "Kiss\204", "t", fake);
  EXPECT_EQ(fake.output(), "Ruudukko tallennettu tiedostoon kiss\xc3\xa4.html.\n\n");
  EXPECT_EQ(testing::filesIn(dir.path()), std::vector<std::string>{"Kiss\xc3\xa4.html"});
  EXPECT_EQ(fileMode(dir.path() / "Kiss\xc3\xa4.html"), 0644u);
}

TEST(DocumentFileTest, OverwritesEarlierDocument) {
  TempDir dir;
  InFolder in(dir.path());
  dir.write("Kissat.html", "an earlier document");
  FakeConsole fake;
  writePuzzleDocument(sampleGrid(), "Kissat", "Kissat", fake);
  EXPECT_EQ(fake.output(), "Ruudukko tallennettu tiedostoon kissat.html.\n\n");
  EXPECT_EQ(testing::readFile(dir.path() / "Kissat.html"), puzzleDocument(sampleGrid(), "Kissat"));
  EXPECT_EQ(testing::filesIn(dir.path()), std::vector<std::string>{"Kissat.html"});
}

TEST(DocumentFileTest, UnwritablePlacesFailAndLeaveNothingBehind) {
  TempDir dir;
  InFolder in(dir.path());

  FakeConsole missing;
  writePuzzleDocument(sampleGrid(), "puuttuu/kissat", "t", missing);
  EXPECT_EQ(missing.output(), kFailure);

  fs::create_directory(dir.path() / "Kissat.html");
  dir.write("Kissat.html/inside", "kept");
  FakeConsole folder;
  writePuzzleDocument(sampleGrid(), "Kissat", "t", folder);
  EXPECT_EQ(folder.output(), kFailure);
  EXPECT_TRUE(fs::is_directory(dir.path() / "Kissat.html"));
  EXPECT_EQ(testing::readFile(dir.path() / "Kissat.html" / "inside"), "kept");

  // A NUL would otherwise save the puzzle as "Kis".
  FakeConsole nul;
  writePuzzleDocument(sampleGrid(), std::string("Kis\0sat", 7), "t", nul);
  EXPECT_EQ(nul.output(), kFailure);

  FakeConsole tooLong;
  writePuzzleDocument(sampleGrid(), std::string(300, 'a'), "t", tooLong);
  EXPECT_EQ(tooLong.output(), kFailure);

  EXPECT_EQ(testing::filesIn(dir.path()), std::vector<std::string>{"Kissat.html"});
}

TEST(DocumentFileTest, WriteErrorIsReportedAndEarlierDocumentKept) {
  TempDir dir;
  const std::string earlier = "earlier document";
  dir.write("Kissat.html", earlier);

  // A file size limit below the document's size makes the write fail part
  // way; the child reports through its exit status what the console showed.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || ::chdir(dir.path().c_str()) != 0) ::_exit(2);
    FakeConsole fake;
    Grid big = create(20, 20);
    writePuzzleDocument(big, "Kissat", "t", fake);
    ::_exit(fake.output() == kFailure ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the failure message was not shown";
  EXPECT_EQ(testing::readFile(dir.path() / "Kissat.html"), earlier);
  EXPECT_EQ(testing::filesIn(dir.path()), std::vector<std::string>{"Kissat.html"});
}

TEST(DocumentFileTest, WriteProtectedDocumentIsNotReplaced) {
  TempDir dir;
  const std::string earlier = "protected document";
  const fs::path target = dir.write("Kissat.html", earlier);
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // The folder itself stays writable: only the file forbids the save.
  fs::permissions(dir.path(), fs::perms::all);

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Root may write anything; the check needs an ordinary user.
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
    if (::chdir(dir.path().c_str()) != 0) ::_exit(2);
    FakeConsole fake;
    writePuzzleDocument(sampleGrid(), "Kissat", "t", fake);
    ::_exit(fake.output() == kFailure ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the failure message was not shown";
  EXPECT_EQ(testing::readFile(target), earlier);
  EXPECT_EQ(testing::filesIn(dir.path()), std::vector<std::string>{"Kissat.html"});
}

}  // namespace
}  // namespace haravoija
