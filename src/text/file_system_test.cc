// Tests of the real disk: saving over every kind of target, and reading.
#include "text/file_system.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_util.h"

namespace haravoija {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

const std::string kEarlier = "earlier page\r\n";
// Far over the file size limit of the rows that set one; a NUL and Latin-1
// bytes to show that every byte gets through.
const std::string kPage = "<p>\344\366\345" + std::string(1, '\0') + std::string(4000, 'x');
constexpr rlim_t kSizeLimit = 100;
// The owner given to files that belong to someone else when the tests run
// as root, and the ordinary user that saves in the rows that need one.
constexpr uid_t kOtherOwner = 4321;
constexpr gid_t kOtherGroup = 8765;
constexpr uid_t kOrdinaryUser = 65534;
constexpr gid_t kOrdinaryGroup = 65534;

bool runningAsRoot() { return ::geteuid() == 0; }

enum class Kind { kFile, kFolder, kLink, kHardLink };

struct Entry {
  std::string path;  // in the test folder
  Kind kind = Kind::kFile;
  // A file's content; a link's target, where a leading "/" stands for the
  // test folder; for a hard link, the name it is another name of.
  std::string text;
  mode_t mode = 0;
  // Owned by someone other than the saver (when the tests can arrange it).
  bool foreign = false;
};

struct Row {
  const char* what;
  std::vector<Entry> before;
  bool saved;
  // Every entry in the test folder afterwards.
  std::vector<Entry> after;
  std::string name = "sivu.html";
  mode_t umask = 022;
  // Save as an ordinary user, with the test folder and every entry not
  // foreign given to that user. Running as root, rights would not bind.
  bool asOrdinaryUser = false;
  mode_t folderMode = 0700;
  std::optional<rlim_t> sizeLimit = std::nullopt;
  // The file whose owner becomes the saver, as the save cannot give it back.
  std::string takenOver = "";
};

std::string expand(const fs::path& dir, const std::string& target) {
  return target.starts_with('/') ? dir.string() + target : target;
}

std::string contentLabel(const std::string& content) {
  if (content == kEarlier) return "earlier";
  if (content == kPage) return "page";
  return std::to_string(content.size()) + " other bytes";
}

std::string describe(const std::string& path, Kind kind, const std::string& text, mode_t mode) {
  char octal[8];
  std::snprintf(octal, sizeof octal, "%04o", static_cast<unsigned>(mode));
  switch (kind) {
    case Kind::kFolder:
      return path + "/ " + octal;
    case Kind::kLink:
      return path + " -> " + text;
    default:
      return path + " " + octal + " " + contentLabel(text);
  }
}

// What the test folder holds, one line per entry, sorted.
std::vector<std::string> listing(const fs::path& dir) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    const std::string path = entry.path().lexically_relative(dir).string();
    struct stat info {};
    EXPECT_EQ(::lstat(entry.path().c_str(), &info), 0);
    const mode_t mode = info.st_mode & 07777;
    if (S_ISLNK(info.st_mode)) {
      lines.push_back(describe(path, Kind::kLink, fs::read_symlink(entry.path()).string(), 0));
    } else if (S_ISDIR(info.st_mode)) {
      lines.push_back(describe(path, Kind::kFolder, "", mode));
    } else {
      lines.push_back(describe(path, Kind::kFile, testing::readFile(entry.path()), mode));
    }
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> expectedListing(const fs::path& dir, const std::vector<Entry>& entries) {
  std::vector<std::string> lines;
  for (const Entry& e : entries) {
    const std::string text = e.kind == Kind::kLink ? expand(dir, e.text) : e.text;
    lines.push_back(describe(e.path, e.kind, text, e.mode));
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

void create(const fs::path& dir, const Row& row) {
  for (const Entry& e : row.before) {
    const fs::path path = dir / e.path;
    switch (e.kind) {
      case Kind::kFile:
        std::ofstream(path, std::ios::binary) << e.text;
        break;
      case Kind::kFolder:
        fs::create_directory(path);
        break;
      case Kind::kLink:
        fs::create_symlink(expand(dir, e.text), path);
        break;
      case Kind::kHardLink:
        fs::create_hard_link(dir / e.text, path);
        break;
    }
  }
  if (runningAsRoot()) {
    if (row.asOrdinaryUser) {
      ASSERT_EQ(::chown(dir.c_str(), kOrdinaryUser, kOrdinaryGroup), 0);
    }
    for (const Entry& e : row.before) {
      const fs::path path = dir / e.path;
      if (e.foreign && !row.asOrdinaryUser) {
        ASSERT_EQ(::lchown(path.c_str(), kOtherOwner, kOtherGroup), 0);
      } else if (!e.foreign && row.asOrdinaryUser) {
        ASSERT_EQ(::lchown(path.c_str(), kOrdinaryUser, kOrdinaryGroup), 0);
      }
    }
  }
  for (const Entry& e : row.before) {
    if (e.mode != 0) {
      ASSERT_EQ(::chmod((dir / e.path).c_str(), e.mode), 0);
    }
  }
  ASSERT_EQ(::chmod(dir.c_str(), row.folderMode), 0);
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

// Each of these sets one piece of process state for the call and puts the
// earlier one back.
class InFolder {
 public:
  explicit InFolder(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~InFolder() { fs::current_path(previous_); }

 private:
  fs::path previous_;
};

class Umask {
 public:
  explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
  ~Umask() { ::umask(previous_); }

 private:
  mode_t previous_;
};

// Lowers the soft file size limit; with SIGXFSZ ignored a write past it
// fails with EFBIG instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::optional<rlim_t> bytes) : active_(bytes.has_value()) {
    if (!active_) return;
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    EXPECT_EQ(::sigaction(SIGXFSZ, &ignore, &previousAction_), 0);
    EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &previous_), 0);
    rlimit limit = previous_;
    limit.rlim_cur = *bytes;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
  }
  ~FileSizeLimit() {
    if (!active_) return;
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::sigaction(SIGXFSZ, &previousAction_, nullptr);
  }

 private:
  bool active_;
  rlimit previous_{};
  struct sigaction previousAction_ {};
};

// Root becomes the ordinary user for the call (only the effective IDs, so
// that root can come back); anyone else is an ordinary user already.
class OrdinaryUser {
 public:
  explicit OrdinaryUser(bool wanted) : switched_(wanted && runningAsRoot()) {
    if (!switched_) return;
    EXPECT_EQ(::setegid(kOrdinaryGroup), 0);
    EXPECT_EQ(::seteuid(kOrdinaryUser), 0);
  }
  ~OrdinaryUser() {
    if (!switched_) return;
    EXPECT_EQ(::seteuid(0), 0);
    EXPECT_EQ(::setegid(0), 0);
  }

 private:
  bool switched_;
};

TEST(PosixFileSystemTest, SaveKeepsWhatTheUserSetOnTheTarget) {
  const Entry earlier{"sivu.html", Kind::kFile, kEarlier, 0640};
  const Entry page{"sivu.html", Kind::kFile, kPage, 0640};
  const auto existing = [](mode_t mode) {
    return std::vector<Entry>{{"sivu.html", Kind::kFile, kEarlier, mode, true}};
  };
  const auto saved = [](mode_t mode) {
    return std::vector<Entry>{{"sivu.html", Kind::kFile, kPage, mode}};
  };
  const std::vector<Row> rows = {
      {"missing, umask 022", {}, true, saved(0644)},
      {"missing, umask 000", {}, true, saved(0664), "sivu.html", 0},
      {"0600, umask 022", existing(0600), true, saved(0600)},
      {"0600, umask 000", existing(0600), true, saved(0600), "sivu.html", 0},
      {"0644, umask 022", existing(0644), true, saved(0644)},
      {"0644, umask 000", existing(0644), true, saved(0644), "sivu.html", 0},
      {"0664, umask 022", existing(0664), true, saved(0664)},
      {"0664, umask 000", existing(0664), true, saved(0664), "sivu.html", 0},
      {"missing folder", {}, false, {}, "puuttuu/sivu.html"},
      // A NUL would otherwise save the page as sivu.html.
      {"NUL in the name", {}, false, {}, std::string("sivu.html\0.txt", 14)},
      // An absolute link to a relative one, which counts from its own folder.
      // The test folder is read-only, so the temporary file must go beside
      // the file the links lead to.
      {"chain of links",
       {{"linkit", Kind::kFolder, "", 0755},
        {"sivut", Kind::kFolder, "", 0755},
        {"sivut/oikea.html", Kind::kFile, kEarlier, 0640},
        {"linkit/vali", Kind::kLink, "../sivut/oikea.html"},
        {"sivu.html", Kind::kLink, "/linkit/vali"}},
       true,
       {{"linkit", Kind::kFolder, "", 0755},
        {"sivut", Kind::kFolder, "", 0755},
        {"sivut/oikea.html", Kind::kFile, kPage, 0640},
        {"linkit/vali", Kind::kLink, "../sivut/oikea.html"},
        {"sivu.html", Kind::kLink, "/linkit/vali"}},
       "sivu.html",
       022,
       true,
       0555},
      {"dangling link",
       {{"sivut", Kind::kFolder, "", 0755}, {"sivu.html", Kind::kLink, "sivut/uusi.html"}},
       true,
       {{"sivut", Kind::kFolder, "", 0755},
        {"sivut/uusi.html", Kind::kFile, kPage, 0644},
        {"sivu.html", Kind::kLink, "sivut/uusi.html"}}},
      {"loop of links",
       {{"sivu.html", Kind::kLink, "toinen.html"}, {"toinen.html", Kind::kLink, "sivu.html"}},
       false,
       {{"sivu.html", Kind::kLink, "toinen.html"}, {"toinen.html", Kind::kLink, "sivu.html"}}},
      {"two hard links",
       {{"sivu.html", Kind::kFile, kEarlier, 0640, true},
        {"toinen.html", Kind::kHardLink, "sivu.html"}},
       true,
       {page, {"toinen.html", Kind::kFile, kPage, 0640}}},
      // The folder is the user's, so only the file's own rights stop a rename.
      {"write-protected", existing(0444), false, existing(0444), "sivu.html", 022, true},
      {"folder",
       {{"sivu.html", Kind::kFolder, "", 0755}, {"sivu.html/sisalla", Kind::kFile, kEarlier, 0644}},
       false,
       {{"sivu.html", Kind::kFolder, "", 0755},
        {"sivu.html/sisalla", Kind::kFile, kEarlier, 0644}}},
      {"failure midway", {earlier}, false, {earlier}, "sivu.html", 022, false, 0700, kSizeLimit},
      // The space is reserved before the earlier page is touched.
      {"failure midway, two hard links",
       {earlier, {"toinen.html", Kind::kHardLink, "sivu.html"}},
       false,
       {earlier, {"toinen.html", Kind::kFile, kEarlier, 0640}},
       "sivu.html",
       022,
       false,
       0700,
       kSizeLimit},
      // Writable by all but owned by another: saved, and the saver's now.
      {"someone else's page", existing(0666), true, saved(0666), "sivu.html", 022, true, 0700,
       std::nullopt, "sivu.html"},
  };

  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    TempDir dir;
    create(dir.path(), row);
    const auto ownersBefore = owners(dir.path());
    bool result = false;
    {
      InFolder in(dir.path());
      Umask mask(row.umask);
      FileSizeLimit limit(row.sizeLimit);
      OrdinaryUser user(row.asOrdinaryUser);
      PosixFileSystem files;
      result = files.replaceFile(row.name, kPage);
    }
    EXPECT_EQ(result, row.saved);
    EXPECT_EQ(listing(dir.path()), expectedListing(dir.path(), row.after));
    const uid_t saver = row.asOrdinaryUser && runningAsRoot() ? kOrdinaryUser : ::geteuid();
    for (const auto& [path, owner] : owners(dir.path())) {
      if (path == row.takenOver) {
        EXPECT_EQ(owner.first, saver) << path;
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
  const std::string refused[] = {
      (dir.path() / "puuttuu.txt").string(),
      (dir.path() / "kansio").string(),
      // Cut at the NUL the name would open sanat.txt.
      words.string() + std::string(1, '\0') + "x",
      "",
  };
  for (const std::string& name : refused) EXPECT_EQ(files.openForReading(name), nullptr) << name;

  const std::unique_ptr<InputFile> file = files.openForReading(words.string());
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
}

}  // namespace
}  // namespace haravoija
