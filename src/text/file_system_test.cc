// Tests of the real disk: saving over every kind of target, and reading.
#include "text/file_system.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_util.h"

namespace haravoija {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

const std::string kEarlier = "earlier page\r\n";
// Longer than the new page, whose end must not keep the earlier one's tail.
const std::string kLongEarlier = std::string(6000, 'e');
// Far over the file size limit of the rows that set one; a NUL and Latin-1
// bytes to show that every byte gets through.
const std::string kPage = "<p>\344\366\345" + std::string(1, '\0') + std::string(4000, 'x');
constexpr rlim_t kSizeLimit = 100;
// The owner given to files that belong to someone else when the tests run
// as root, and the ordinary user that saves in the rows that need one. That
// user also belongs to kOtherGroup, which is not its own group.
constexpr uid_t kOtherOwner = 4321;
constexpr gid_t kOtherGroup = 8765;
constexpr uid_t kOrdinaryUser = 65534;
constexpr gid_t kOrdinaryGroup = 65534;

bool runningAsRoot() { return ::geteuid() == 0; }

// The lowest free file descriptor; a call that leaks one moves it.
int lowestFreeDescriptor() {
  const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  ::close(fd);
  return fd;
}

// A row describes the test folder one entry a line:
//   "sivut/ 0755"              a folder and its rights
//   "sivu.html 0640 earlier"   a file, its rights and its content (below)
//   "sivu.html -> vali"        a symbolic link; a target beginning with "/"
//                              counts from the test folder
//   "toinen.html = sivu.html"  (before the save only) another name of a file
//   "sivu.html| 0644"          a named pipe
const std::map<std::string, std::string> kContents = {
    {"earlier", kEarlier}, {"long-earlier", kLongEarlier}, {"page", kPage}};

struct Row {
  std::string what = "";
  std::vector<std::string> before = {};
  bool saved = false;
  // Every entry in the test folder afterwards.
  std::vector<std::string> after = {};
  std::string name = "sivu.html";
  mode_t umask = 022;
  // Save as an ordinary user, with the test folder and every entry but the
  // foreign one given to that user. Running as root, rights would not bind.
  bool asOrdinaryUser = false;
  mode_t folderMode = 0700;
  std::optional<rlim_t> sizeLimit = std::nullopt;
  // The entry that belongs to someone else (where the tests can arrange it),
  // and whether the save makes it the saver's, as it cannot give it back.
  std::string foreign = "";
  bool takenOver = false;
};

std::string octal(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
  return text;
}

// What the test folder holds, in the rows' notation, sorted.
std::vector<std::string> listing(const fs::path& dir) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    const std::string path = entry.path().lexically_relative(dir).string();
    struct stat info {};
    EXPECT_EQ(::lstat(entry.path().c_str(), &info), 0);
    const std::string mode = octal(info.st_mode & 07777);
    if (S_ISLNK(info.st_mode)) {
      std::string target = fs::read_symlink(entry.path()).string();
      if (target.starts_with(dir.string())) target.erase(0, dir.string().size());
      lines.push_back(path + " -> " + target);
    } else if (S_ISDIR(info.st_mode)) {
      lines.push_back(path + "/ " + mode);
    } else if (S_ISFIFO(info.st_mode)) {
      lines.push_back(path + "| " + mode);
    } else {
      const std::string content = testing::readFile(entry.path());
      std::string label = std::to_string(content.size()) + "-other-bytes";
      for (const auto& [name, known] : kContents) {
        if (content == known) label = name;
      }
      lines.push_back(path + " " + mode + " " + label);
    }
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

void create(const fs::path& dir, const Row& row) {
  for (const std::string& line : row.before) {
    std::istringstream words(line);
    std::string name, second, third;
    words >> name >> second >> third;
    if (second == "->") {
      fs::create_symlink(third.starts_with('/') ? dir.string() + third : third, dir / name);
      continue;
    }
    if (second == "=") {
      fs::create_hard_link(dir / third, dir / name);
      continue;
    }
    unsigned mode = 0;
    ASSERT_EQ(std::from_chars(second.data(), second.data() + second.size(), mode, 8).ec,
              std::errc());
    const char kind = name.back();
    if (kind == '/' || kind == '|') name.pop_back();
    const fs::path path = dir / name;
    if (kind == '/') {
      fs::create_directory(path);
    } else if (kind == '|') {
      ASSERT_EQ(::mkfifo(path.c_str(), mode), 0);
    } else {
      std::ofstream(path, std::ios::binary) << kContents.at(third);
    }
    if (runningAsRoot()) {
      const bool foreign = path == dir / row.foreign;
      if (row.asOrdinaryUser) {
        ASSERT_EQ(::chown(path.c_str(), foreign ? 0 : kOrdinaryUser,
                          foreign ? kOtherGroup : kOrdinaryGroup),
                  0);
      } else if (foreign) {
        ASSERT_EQ(::chown(path.c_str(), kOtherOwner, kOtherGroup), 0);
      }
    }
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
  }
  if (runningAsRoot() && row.asOrdinaryUser) {
    ASSERT_EQ(::chown(dir.c_str(), kOrdinaryUser, kOrdinaryGroup), 0);
  }
}

// Owner and group of every entry, by path.
std::map<std::string, std::pair<uid_t, gid_t>> owners(const fs::path& dir) {
  std::map<std::string, std::pair<uid_t, gid_t>> result;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    struct stat info {};
    EXPECT_EQ(::lstat(entry.path().c_str(), &info), 0);
    result[entry.path().lexically_relative(dir).string()] = {info.st_uid, info.st_gid};
  }
  return result;
}

// The process state a row asks for, set for the call and put back after:
// the working folder, the umask, the file size limit (with SIGXFSZ ignored, so
// that a write past it fails with EFBIG instead of ending the process) and
// the user. Root becomes the ordinary user through the effective IDs only,
// so that it can come back; anyone else is an ordinary user already.
class CallSettings {
 public:
  CallSettings(const fs::path& folder, const Row& row)
      : folder_(fs::current_path()),
        umask_(row.umask),
        previousUmask_(::umask(row.umask)),
        limited_(row.sizeLimit.has_value()),
        switched_(row.asOrdinaryUser && runningAsRoot()) {
    fs::current_path(folder);
    if (limited_) {
      struct sigaction ignore {};
      ignore.sa_handler = SIG_IGN;
      EXPECT_EQ(::sigaction(SIGXFSZ, &ignore, &previousAction_), 0);
      EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit_), 0);
      const rlimit limit{*row.sizeLimit, previousLimit_.rlim_max};
      EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    if (switched_) {
      groups_.resize(static_cast<std::size_t>(::getgroups(0, nullptr)));
      EXPECT_GE(::getgroups(static_cast<int>(groups_.size()), groups_.data()), 0);
      EXPECT_EQ(::setgroups(1, &kOtherGroup), 0);
      EXPECT_EQ(::setegid(kOrdinaryGroup), 0);
      EXPECT_EQ(::seteuid(kOrdinaryUser), 0);
    }
  }
  ~CallSettings() {
    if (switched_) {
      EXPECT_EQ(::seteuid(0), 0);
      EXPECT_EQ(::setegid(0), 0);
      EXPECT_EQ(::setgroups(groups_.size(), groups_.data()), 0);
    }
    if (limited_) {
      ::setrlimit(RLIMIT_FSIZE, &previousLimit_);
      ::sigaction(SIGXFSZ, &previousAction_, nullptr);
    }
    // The call must leave the umask as it found it.
    EXPECT_EQ(::umask(previousUmask_), umask_);
    fs::current_path(folder_);
  }

 private:
  fs::path folder_;
  mode_t umask_;
  mode_t previousUmask_;
  bool limited_;
  bool switched_;
  rlimit previousLimit_{};
  struct sigaction previousAction_ {};
  std::vector<gid_t> groups_;
};

TEST(PosixFileSystemTest, SaveKeepsWhatTheUserSetOnTheTarget) {
  const auto keeps = [](mode_t mode, mode_t umask) {
    return Row{.what = octal(mode) + ", umask " + octal(umask),
               .before = {"sivu.html " + octal(mode) + " earlier"},
               .saved = true,
               .after = {"sivu.html " + octal(mode) + " page"},
               .umask = umask,
               .foreign = "sivu.html"};
  };
  const auto chain = [](const std::string& content) {
    return std::vector<std::string>{"linkit/ 0755",
                                    "sivut/ 0755",
                                    "sivut/oikea.html 0640 " + content,
                                    "sivu.html -> linkit/vali",
                                    "linkit/vali -> /linkit/toinen",
                                    "linkit/toinen -> ../sivut/oikea.html"};
  };
  const std::vector<std::string> loop = {"sivu.html -> toinen.html", "toinen.html -> sivu.html"};
  const std::vector<std::string> folder = {"sivu.html/ 0755", "sivu.html/sisalla 0644 earlier"};
  const std::vector<std::string> protectedPage = {"sivu.html 0444 earlier"};
  const std::vector<std::string> pipe = {"sivu.html| 0644"};
  const std::vector<Row> rows = {
      {.what = "missing, umask 022", .saved = true, .after = {"sivu.html 0644 page"}},
      {.what = "missing, umask 000", .saved = true, .after = {"sivu.html 0664 page"}, .umask = 0},
      keeps(0600, 022),
      keeps(0600, 0),
      keeps(0644, 022),
      keeps(0644, 0),
      keeps(0664, 022),
      keeps(0664, 0),
      {.what = "missing folder", .saved = false, .name = "puuttuu/sivu.html"},
      // A NUL would otherwise save the page as sivu.html.
      {.what = "NUL in the name", .saved = false, .name = std::string("sivu.html\0.txt", 14)},
      // Relative links count from their own folder, an absolute one from the
      // root. The test folder is read-only, so the temporary file must go
      // beside the file the links lead to.
      {.what = "chain of links",
       .before = chain("earlier"),
       .saved = true,
       .after = chain("page"),
       .asOrdinaryUser = true,
       .folderMode = 0555},
      // A one-letter link ahead of a link to a file that is not there yet.
      {.what = "dangling link",
       .before = {"sivut/ 0755", "v -> sivut/uusi.html", "sivu.html -> v"},
       .saved = true,
       .after = {"sivut/ 0755", "sivut/uusi.html 0644 page", "v -> sivut/uusi.html",
                 "sivu.html -> v"}},
      {.what = "loop of links", .before = loop, .saved = false, .after = loop},
      {.what = "two hard links",
       .before = {"sivu.html 0640 long-earlier", "toinen.html = sivu.html"},
       .saved = true,
       .after = {"sivu.html 0640 page", "toinen.html 0640 page"},
       .foreign = "sivu.html"},
      // The folder is the user's, so only the file's own rights stop a rename.
      {.what = "write-protected",
       .before = protectedPage,
       .saved = false,
       .after = protectedPage,
       .asOrdinaryUser = true,
       .foreign = "sivu.html"},
      {.what = "folder", .before = folder, .saved = false, .after = folder},
      {.what = "failure midway",
       .before = {"sivu.html 0640 earlier"},
       .saved = false,
       .after = {"sivu.html 0640 earlier"},
       .sizeLimit = kSizeLimit},
      // The space is reserved before the earlier page is touched.
      {.what = "failure midway, two hard links",
       .before = {"sivu.html 0640 earlier", "toinen.html = sivu.html"},
       .saved = false,
       .after = {"sivu.html 0640 earlier", "toinen.html 0640 earlier"},
       .sizeLimit = kSizeLimit},
      // Writable by all but owned by another: saved, and the saver's now,
      // in the group it had.
      {.what = "someone else's page",
       .before = {"sivu.html 0666 earlier"},
       .saved = true,
       .after = {"sivu.html 0666 page"},
       .asOrdinaryUser = true,
       .foreign = "sivu.html",
       .takenOver = true},
      // With a reader, so that it opens for writing; it is not replaced.
      {.what = "named pipe", .before = pipe, .saved = false, .after = pipe},
      // A drop box: the folder cannot be opened to sync it, which is no failure.
      {.what = "folder without read rights",
       .saved = true,
       .after = {"sivu.html 0644 page"},
       .asOrdinaryUser = true,
       .folderMode = 0300},
  };

  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    TempDir dir;
    create(dir.path(), row);
    const auto ownersBefore = owners(dir.path());
    std::vector<int> readers;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
      if (fs::is_fifo(entry.symlink_status())) {
        readers.push_back(::open(entry.path().c_str(), O_RDONLY | O_NONBLOCK));
      }
    }
    ASSERT_EQ(::chmod(dir.path().c_str(), row.folderMode), 0);
    const int freeDescriptor = lowestFreeDescriptor();
    bool result = false;
    {
      const CallSettings settings(dir.path(), row);
      PosixFileSystem files;
      result = files.replaceFile(row.name, kPage);
    }
    EXPECT_EQ(result, row.saved);
    EXPECT_EQ(lowestFreeDescriptor(), freeDescriptor);
    for (const int reader : readers) ::close(reader);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0700), 0);
    std::vector<std::string> after = row.after;
    std::sort(after.begin(), after.end());
    EXPECT_EQ(listing(dir.path()), after);
    const uid_t saver = row.asOrdinaryUser && runningAsRoot() ? kOrdinaryUser : ::geteuid();
    for (const auto& [path, owner] : owners(dir.path())) {
      if (row.takenOver && path == row.foreign) {
        EXPECT_EQ(owner.first, saver) << path;
        EXPECT_EQ(owner.second, ownersBefore.at(path).second) << path;
      } else if (ownersBefore.contains(path)) {
        EXPECT_EQ(owner, ownersBefore.at(path)) << path;
      }
    }
  }
}

TEST(PosixFileSystemTest, OpenForReadingOnlyReadableFiles) {
  TempDir dir;
  const fs::path words = dir.write("sanat.txt", "kissa koira");
  fs::create_directory(dir.path() / "kansio");
  PosixFileSystem files;
  const int freeDescriptor = lowestFreeDescriptor();
  const std::string refused[] = {
      (dir.path() / "puuttuu.txt").string(),
      (dir.path() / "kansio").string(),
      // Cut at the NUL the name would open sanat.txt.
      words.string() + std::string(1, '\0') + "x",
      "",
  };
  for (const std::string& name : refused) EXPECT_EQ(files.openForReading(name), nullptr) << name;
  EXPECT_EQ(lowestFreeDescriptor(), freeDescriptor);

  std::unique_ptr<InputFile> file = files.openForReading(words.string());
  ASSERT_NE(file, nullptr);
  char buffer[4];
  std::vector<std::size_t> counts;
  std::string text;
  for (std::optional<std::size_t> n; (n = file->read(buffer)) && *n > 0;) {
    counts.push_back(*n);
    text.append(buffer, *n);
  }
  EXPECT_EQ(counts, (std::vector<std::size_t>{4, 4, 3}));
  EXPECT_EQ(text, "kissa koira");
  EXPECT_EQ(file->read(buffer), std::optional<std::size_t>(0));
  file.reset();
  EXPECT_EQ(lowestFreeDescriptor(), freeDescriptor);
}

}  // namespace
}  // namespace haravoija
