// Tests of the real disk: saving over every kind of target, and reading.
#include "text/file_system.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_util.h"

namespace haravoija {
namespace {

namespace fs = std::filesystem;

// The page is far over kSizeLimit and shorter than "long-earlier", whose
// tail a page written in place must not keep; a NUL and Latin-1 bytes show
// that every byte gets through.
const std::map<std::string, std::string> kContents = {
    {"earlier", "earlier page\r\n"},
    {"long-earlier", std::string(6000, 'e')},
    {"page", "<p>\344\366\345" + std::string(1, '\0') + std::string(4000, 'x')}};
constexpr rlim_t kSizeLimit = 100;
// Running as root, "sivu.html" belongs to kOtherOwner (or, in the rows saved
// as kOrdinaryUser, to root) in kOtherGroup, a group that the ordinary user
// is a member of but not its own.
constexpr uid_t kOtherOwner = 4321;
constexpr gid_t kOtherGroup = 8765;
constexpr uid_t kOrdinaryUser = 65534;
constexpr gid_t kOrdinaryGroup = 65534;

bool runningAsRoot() { return ::geteuid() == 0; }

// A call that leaks a file descriptor moves the lowest free one.
int lowestFreeDescriptor() {
  const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  ::close(fd);
  return fd;
}

// The test folder one entry a line: "sivut/ 0755" a folder, "sivu.html 0640
// earlier" a file with its rights and content, "sivu.html| 0644" a named
// pipe, "sivu.html -> v" a symbolic link (a target beginning with "/" counts
// from the test folder), "toinen.html = sivu.html" (before only) another name
// of a file.
struct Row {
  std::string what = "";
  std::vector<std::string> before = {};
  bool saved = false;
  std::vector<std::string> changed = {};  // entries the save adds or changes
  mode_t umask = 022;
  bool asUser = false;  // saved by an ordinary user, owner of the folder
  mode_t folderMode = 0700;
  bool sizeLimited = false;
  std::string name = "sivu.html";
};

// Entries by name in the notation above ("sivut/"), each with the rest of
// its line.
using Listing = std::map<std::string, std::string>;

// What the folder holds, and the owner and group of each entry.
std::pair<Listing, std::map<std::string, std::pair<uid_t, gid_t>>> scan(const fs::path& dir) {
  std::pair<Listing, std::map<std::string, std::pair<uid_t, gid_t>>> result;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    std::string name = entry.path().lexically_relative(dir).string();
    struct stat info {};
    EXPECT_EQ(::lstat(entry.path().c_str(), &info), 0);
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
    if (S_ISDIR(info.st_mode)) name += '/';
    if (S_ISFIFO(info.st_mode)) name += '|';
    result.second[name] = {info.st_uid, info.st_gid};
    std::string& line = result.first[name] = mode;
    if (S_ISLNK(info.st_mode)) {
      const std::string target = fs::read_symlink(entry.path()).string();
      line =
          "-> " + (target.starts_with(dir.string()) ? target.substr(dir.string().size()) : target);
    } else if (S_ISREG(info.st_mode)) {
      const std::string content = testing::readFile(entry.path());
      std::string label = std::to_string(content.size()) + "-other-bytes";
      for (const auto& [known, bytes] : kContents) {
        if (content == bytes) label = known;
      }
      line += " " + label;
    }
  }
  return result;
}

void create(const fs::path& dir, const Row& row) {
  const bool root = runningAsRoot();
  for (const std::string& line : row.before) {
    std::istringstream words(line);
    std::string name, second, third;
    words >> name >> second >> third;
    const char kind = name.back();
    if (kind == '/' || kind == '|') name.pop_back();
    const fs::path path = dir / name;
    unsigned mode = 0;
    std::from_chars(second.data(), second.data() + second.size(), mode, 8);
    if (second == "->") {
      fs::create_symlink(third.starts_with('/') ? dir.string() + third : third, path);
    } else if (second == "=") {
      fs::create_hard_link(dir / third, path);
    } else if (kind == '/') {
      fs::create_directory(path);
    } else if (kind == '|') {
      ASSERT_EQ(::mkfifo(path.c_str(), mode), 0);
    } else {
      std::ofstream(path, std::ios::binary) << kContents.at(third);
    }
    const bool foreign = name == "sivu.html" && fs::is_regular_file(fs::symlink_status(path));
    if (root && (row.asUser || foreign)) {
      ASSERT_EQ(::lchown(path.c_str(), foreign ? (row.asUser ? 0 : kOtherOwner) : kOrdinaryUser,
                         foreign ? kOtherGroup : kOrdinaryGroup),
                0);
    }
    if (mode != 0) {
      ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    }
  }
  if (root && row.asUser) {
    ASSERT_EQ(::chown(dir.c_str(), kOrdinaryUser, kOrdinaryGroup), 0);
  }
}

// Saves the page in a child process that takes on the row's umask, file
// size limit (SIGXFSZ ignored, so that a write past it fails with EFBIG) and
// user. Its status: 1 when saved, plus 2 when a descriptor was left open and
// 4 when the umask was changed.
int saveInChild(const fs::path& dir, const Row& row) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::umask(row.umask);
    ::signal(SIGXFSZ, SIG_IGN);
    // A named pipe opens for writing only with a reader.
    [[maybe_unused]] const int reader =
        fs::is_fifo(fs::symlink_status(dir / "sivu.html"))
            ? ::open((dir / "sivu.html").c_str(), O_RDONLY | O_NONBLOCK)
            : -1;
    const rlimit limit{kSizeLimit, kSizeLimit};
    const bool user = row.asUser && runningAsRoot();
    if ((row.sizeLimited && ::setrlimit(RLIMIT_FSIZE, &limit) != 0) ||
        (user && (::setgroups(1, &kOtherGroup) != 0 || ::setgid(kOrdinaryGroup) != 0 ||
                  ::setuid(kOrdinaryUser) != 0)) ||
        ::chdir(dir.c_str()) != 0) {
      ::_exit(8);
    }
    const int freeDescriptor = lowestFreeDescriptor();
    PosixFileSystem files;
    const bool saved = files.replaceFile(row.name, kContents.at("page"));
    ::_exit((saved ? 1 : 0) | (lowestFreeDescriptor() != freeDescriptor ? 2 : 0) |
            (::umask(0) != row.umask ? 4 : 0));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(PosixFileSystemTest, SaveKeepsWhatTheUserSetOnTheTarget) {
  std::vector<Row> rows = {
      {.what = "missing, umask 022", .saved = true, .changed = {"sivu.html 0644 page"}},
      {.what = "missing, umask 000", .saved = true, .changed = {"sivu.html 0664 page"}, .umask = 0},
      {.what = "missing folder", .name = "puuttuu/sivu.html"},
      // Cut at the NUL, the name would save the page as sivu.html.
      {.what = "NUL in the name", .name = std::string("sivu.html\0.txt", 14)},
      // Relative links count from their own folder, an absolute one from the
      // root. The test folder is read-only, so the temporary file must go
      // beside the file the links lead to.
      {.what = "chain of links",
       .before = {"linkit/ 0755", "sivut/ 0755", "sivut/oikea.html 0640 earlier",
                  "sivu.html -> linkit/vali", "linkit/vali -> /linkit/toinen",
                  "linkit/toinen -> ../sivut/oikea.html"},
       .saved = true,
       .changed = {"sivut/oikea.html 0640 page"},
       .asUser = true,
       .folderMode = 0555},
      // A one-letter link ahead of a link to a file that is not there yet.
      {.what = "dangling link",
       .before = {"sivut/ 0755", "v -> sivut/uusi.html", "sivu.html -> v"},
       .saved = true,
       .changed = {"sivut/uusi.html 0644 page"}},
      {.what = "two hard links",
       .before = {"sivu.html 0640 long-earlier", "toinen.html = sivu.html"},
       .saved = true,
       .changed = {"sivu.html 0640 page", "toinen.html 0640 page"}},
      // The folder is the user's, so only the file's own rights stop a rename.
      {.what = "write-protected", .before = {"sivu.html 0444 earlier"}, .asUser = true},
      {.what = "folder", .before = {"sivu.html/ 0755", "sivu.html/sisalla 0644 earlier"}},
      {.what = "named pipe", .before = {"sivu.html| 0644"}},
      {.what = "failure midway", .before = {"sivu.html 0640 earlier"}, .sizeLimited = true},
      // The space is reserved before the earlier page is touched.
      {.what = "failure midway, two hard links",
       .before = {"sivu.html 0640 earlier", "toinen.html = sivu.html"},
       .sizeLimited = true},
      // Writable by all but root's: saved, and the saver's now, in its group.
      {.what = "someone else's page",
       .before = {"sivu.html 0666 earlier"},
       .saved = true,
       .changed = {"sivu.html 0666 page"},
       .asUser = true},
      // A drop box: the folder cannot be opened to sync it, which is no failure.
      {.what = "folder without read rights",
       .saved = true,
       .changed = {"sivu.html 0644 page"},
       .asUser = true,
       .folderMode = 0300},
  };
  for (const std::string mode : {"0600", "0644", "0664"}) {
    for (const mode_t umask : {0, 022}) {
      rows.push_back({.what = mode + (umask == 0 ? ", umask 000" : ", umask 022"),
                      .before = {"sivu.html " + mode + " earlier"},
                      .saved = true,
                      .changed = {"sivu.html " + mode + " page"},
                      .umask = umask});
    }
  }

  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    testing::TempDir dir;
    create(dir.path(), row);
    const auto [listing, owners] = scan(dir.path());
    ASSERT_EQ(::chmod(dir.path().c_str(), row.folderMode), 0);
    EXPECT_EQ(saveInChild(dir.path(), row), row.saved ? 1 : 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0700), 0);
    Listing expected = listing;
    for (const std::string& line : row.changed) {
      expected[line.substr(0, line.find(' '))] = line.substr(line.find(' ') + 1);
    }
    const auto [listingAfter, ownersAfter] = scan(dir.path());
    EXPECT_EQ(listingAfter, expected);
    const uid_t saver = row.asUser && runningAsRoot() ? kOrdinaryUser : ::geteuid();
    for (const auto& [name, owner] : owners) {
      const bool takenOver = row.asUser && row.saved && name == "sivu.html";
      EXPECT_EQ(ownersAfter.at(name).first, takenOver ? saver : owner.first) << name;
      EXPECT_EQ(ownersAfter.at(name).second, owner.second) << name;
    }
  }
}

TEST(PosixFileSystemTest, OpenForReadingOnlyReadableFiles) {
  testing::TempDir dir;
  const fs::path words = dir.write("sanat.txt", "kissa koira");
  fs::create_directory(dir.path() / "kansio");
  PosixFileSystem files;
  const int freeDescriptor = lowestFreeDescriptor();
  // Cut at the NUL, the third name would open sanat.txt.
  for (const std::string& name :
       {(dir.path() / "puuttuu.txt").string(), (dir.path() / "kansio").string(),
        words.string() + std::string(1, '\0') + "x", std::string()}) {
    EXPECT_EQ(files.openForReading(name), nullptr) << name;
  }
  EXPECT_EQ(lowestFreeDescriptor(), freeDescriptor);

  std::unique_ptr<InputFile> file = files.openForReading(words.string());
  ASSERT_NE(file, nullptr);
  char buffer[8];
  EXPECT_EQ(file->read(buffer), 8U);
  EXPECT_EQ(file->read(buffer), 3U);
  EXPECT_EQ(std::string(buffer, 3), "ira");
  EXPECT_EQ(file->read(buffer), 0U);
  file.reset();
  EXPECT_EQ(lowestFreeDescriptor(), freeDescriptor);
}

}  // namespace
}  // namespace haravoija
