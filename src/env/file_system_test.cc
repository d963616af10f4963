// Tests of the real disk: saving over every kind of target, and reading.
#include "env/file_system.h"

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
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "test_util.h"

namespace haravoija {
namespace {

namespace fs = std::filesystem;

// The page is over kSizeLimit and shorter than "long-earlier", whose tail a
// save in place must not keep; a NUL and Latin-1 bytes must get through.
const std::map<std::string, std::string> kContents = {
    {"earlier", "earlier page\r\n"},
    {"long-earlier", std::string(6000, 'e')},
    {"page", "<p>\344\366\345" + std::string(1, '\0') + std::string(4000, 'x')}};
constexpr rlim_t kSizeLimit = 100;
// As root, "sivu.html" belongs to kOtherOwner (to root in the rows saved as
// kOrdinaryUser) in kOtherGroup, a group of the ordinary user but not its own.
constexpr uid_t kOtherOwner = 4321, kOrdinaryUser = 65534;
constexpr gid_t kOtherGroup = 8765, kOrdinaryGroup = 65534;
const bool kRoot = ::geteuid() == 0;

// A call that leaks a file descriptor moves the lowest free one.
int lowestFreeDescriptor() {
  const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  ::close(fd);
  return fd;
}

// Entries apart by ";": "sivut/ 0755" a folder, "sivu.html 0640 earlier" a
// file, "sivu.html| 0644" a named pipe, "sivu.html -> v" a link (a target
// starting with "/" counts from the test folder), "b = a" a hard link.
struct Row {
  std::string what, before = "";
  std::string changed = "";  // what a save adds or changes; nothing when it fails
  // "user": saved by an ordinary user who owns the folder; "limit": a file
  // size limit; "umask 000" (or 022); "folder 0555" (or 0700).
  std::string options = "";
  std::string name = "sivu.html";
  bool has(const char* option) const { return options.find(option) != std::string::npos; }
  mode_t umask() const { return has("umask 000") ? 0 : 022; }
  mode_t folderMode() const { return has("0555") ? 0555 : has("0300") ? 0300 : 0700; }
};

// Entries by name in the notation above, each with the rest of its line, its
// owner and its group.
using Listing = std::map<std::string, std::tuple<std::string, uid_t, gid_t>>;

Listing scan(const fs::path& dir) {
  Listing result;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    std::string name = entry.path().lexically_relative(dir).string();
    struct stat info {};
    EXPECT_EQ(::lstat(entry.path().c_str(), &info), 0);
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
    if (S_ISDIR(info.st_mode)) name += '/';
    if (S_ISFIFO(info.st_mode)) name += '|';
    std::string line = mode;
    if (S_ISLNK(info.st_mode)) {
      const std::string target = fs::read_symlink(entry.path()).string();
      line =
          "-> " + (target.starts_with(dir.string()) ? target.substr(dir.string().size()) : target);
    } else if (S_ISREG(info.st_mode)) {
      const std::string content = testing::readFile(entry.path());
      line.append(" ").append(std::to_string(content.size())).append("-other-bytes");
      for (const auto& [known, bytes] : kContents) {
        if (content == bytes) line = std::string(mode) + " " + known;
      }
    }
    result[name] = {line, info.st_uid, info.st_gid};
  }
  return result;
}

void create(const fs::path& dir, const Row& row) {
  std::istringstream entries(row.before);
  for (std::string line; std::getline(entries, line, ';');) {
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
    if (kRoot && (row.has("user") || foreign)) {
      ASSERT_EQ(
          ::lchown(path.c_str(), foreign ? (row.has("user") ? 0 : kOtherOwner) : kOrdinaryUser,
                   foreign ? kOtherGroup : kOrdinaryGroup),
          0);
    }
    ASSERT_TRUE(mode == 0 || ::chmod(path.c_str(), mode) == 0) << name;
  }
  ASSERT_TRUE(!kRoot || !row.has("user") ||
              ::chown(dir.c_str(), kOrdinaryUser, kOrdinaryGroup) == 0);
}

// Saves in a child with the row's umask, user and size limit (SIGXFSZ
// ignored, so a write past it fails). Status: 1 saved, +2 a descriptor left
// open, +4 the umask changed.
int saveInChild(const fs::path& dir, const Row& row) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::umask(row.umask());
    ::signal(SIGXFSZ, SIG_IGN);
    // A named pipe opens for writing only with a reader.
    [[maybe_unused]] const int reader =
        fs::is_fifo(fs::symlink_status(dir / "sivu.html"))
            ? ::open((dir / "sivu.html").c_str(), O_RDONLY | O_NONBLOCK)
            : -1;
    const rlimit limit{kSizeLimit, kSizeLimit};
    const bool user = row.has("user") && kRoot;
    if ((row.has("limit") && ::setrlimit(RLIMIT_FSIZE, &limit) != 0) ||
        (user && (::setgroups(1, &kOtherGroup) != 0 || ::setgid(kOrdinaryGroup) != 0 ||
                  ::setuid(kOrdinaryUser) != 0)) ||
        ::chdir(dir.c_str()) != 0) {
      ::_exit(8);
    }
    const int freeDescriptor = lowestFreeDescriptor();
    PosixFileSystem files;
    const bool saved = files.replaceFile(row.name, kContents.at("page"));
    ::_exit((saved ? 1 : 0) | (lowestFreeDescriptor() != freeDescriptor ? 2 : 0) |
            (::umask(0) != row.umask() ? 4 : 0));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(PosixFileSystemTest, SaveKeepsWhatTheUserSetOnTheTarget) {
  const Row rows[] = {
      {"missing, umask 022", "", "sivu.html 0644 page"},
      {"missing, umask 000", "", "sivu.html 0664 page", "umask 000"},
      {"missing folder", "", "", "", "puuttuu/sivu.html"},
      // Cut at the NUL, the name would save the page as sivu.html.
      {"NUL in the name", "", "", "", std::string("sivu.html\0.txt", 14)},
      // Neither the rights of a new file nor the umask.
      {"0600, umask 000", "sivu.html 0600 earlier", "sivu.html 0600 page", "umask 000"},
      {"0664, umask 022", "sivu.html 0664 earlier", "sivu.html 0664 page"},
      // Links count from their own folder ("/" from the root); the test folder
      // is read-only, so the temporary file goes beside the final target.
      {"chain of links",
       "linkit/ 0755; sivut/ 0755; sivut/oikea.html 0640 earlier; sivu.html -> linkit/vali; "
       "linkit/vali -> /linkit/toinen; linkit/toinen -> ../sivut/oikea.html",
       "sivut/oikea.html 0640 page", "user folder 0555"},
      // A one-letter link ahead of a link to a file that is not there yet.
      {"dangling link", "sivut/ 0755; v -> sivut/uusi.html; sivu.html -> v",
       "sivut/uusi.html 0644 page"},
      {"two hard links", "sivu.html 0640 long-earlier; toinen.html = sivu.html",
       "sivu.html 0640 page; toinen.html 0640 page"},
      // The folder is the user's, so only the file's own rights stop a rename.
      {"write-protected", "sivu.html 0444 earlier", "", "user"},
      {"folder", "sivu.html/ 0755; sivu.html/sisalla 0644 earlier"},
      {"named pipe", "sivu.html| 0644"},
      {"failure midway", "sivu.html 0640 earlier", "", "limit"},
      // The space is reserved before the earlier page is touched.
      {"failure midway, two hard links", "sivu.html 0640 earlier; toinen.html = sivu.html", "",
       "limit"},
      // Writable by all but root's: saved, and the saver's now, in its group.
      {"someone else's page", "sivu.html 0666 earlier", "sivu.html 0666 page", "user"},
      // A drop box: the folder cannot be opened to sync it, which is no failure.
      {"folder without read rights", "", "sivu.html 0644 page", "user folder 0300"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    testing::TempDir dir;
    create(dir.path(), row);
    Listing expected = scan(dir.path());
    ASSERT_EQ(::chmod(dir.path().c_str(), row.folderMode()), 0);
    EXPECT_EQ(saveInChild(dir.path(), row), row.changed.empty() ? 0 : 1);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0700), 0);
    // A new file is the saver's; a saved one keeps its group but changes hands.
    const bool user = row.has("user") && kRoot;
    const uid_t saver = user ? kOrdinaryUser : ::geteuid();
    std::istringstream entries(row.changed);
    for (std::string name, rest; entries >> name && std::getline(entries >> std::ws, rest, ';');) {
      const auto at = expected.try_emplace(name, "", saver, user ? kOrdinaryGroup : ::getegid());
      std::get<0>(at.first->second) = rest;
    }
    if (row.has("user") && !row.changed.empty()) std::get<1>(expected.at("sivu.html")) = saver;
    EXPECT_EQ(scan(dir.path()), expected);
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
