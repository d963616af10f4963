// What the commands that turn saved puzzle pages into files of their own
// share: the command line, reading each page, the name beside it, the save
// and the error lines.
#ifndef HARAVOIJA_APP_PAGE_COMMAND_H_
#define HARAVOIJA_APP_PAGE_COMMAND_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/console.h"
#include "env/file_system.h"
#include "key/puzzle_page.h"

namespace haravoija {

struct PageCommandEnvironment {
  Console& console;  // standard output
  Console& errors;   // standard error
  FileSystem& files;
};

// Exit statuses: every page done, some page failed, a command line that
// could not be understood.
inline constexpr int kPagesDone = 0;
inline constexpr int kSomePageFailed = 1;
inline constexpr int kUsageError = 2;

// One command's own words (CP850).
struct PageCommand {
  std::string_view name;  // as its messages begin: "haravoija-ratkaisu"
  // Put after the page's name less ".html" or ".htm": "-ratkaisu.html".
  std::string_view suffix;
  std::string_view made;            // what it saves, as a subject: "ratkaisusivu"
  std::string_view madeAsObject;    // as the object of "ei voitu": "ratkaisusivua"
  std::string_view ownSwitch = "";  // a switch besides -o and -h: "--json"
};

struct PageOptions {
  bool help = false;
  bool version = false;
  bool ownSwitch = false;
  std::optional<std::string> output;  // -o
  std::vector<std::string> pages;
  // Set when the command line cannot be understood: what is wrong (CP850).
  std::string problem;
};

// Reads the arguments (element 0 the program name): the pages, -o FILE (or
// -oFILE), -h or --help, --version, the command's own switch, and "--"
// before pages whose names begin with "-".
[[nodiscard]] PageOptions parsePageOptions(const std::vector<std::string>& args,
                                           const PageCommand& command, const Console& console);

// Shows `help` for -h or --help, else the command's name and version for
// --version; false when neither was asked for.
bool answerHelpOrVersion(const PageOptions& options, const PageCommand& command,
                         std::string_view help, Console& console);

// Tells on the error console what is wrong with the command line and where
// the help is; returns kUsageError.
int reportUsageError(const PageCommand& command, std::string_view problem, Console& errors);

// One page after another, each failure reported on a line of its own.
class PageRun {
 public:
  PageRun(const PageCommand& command, const PageOptions& options, PageCommandEnvironment& env)
      : command_(command), options_(options), env_(env) {}

  // Calls `page` on each page named; kSomePageFailed when some call was
  // false, else kPagesDone.
  int forEachPage(const std::function<bool(const std::string& name)>& page);

  // The page read, or nothing when it cannot be (reported).
  [[nodiscard]] std::optional<PuzzlePage> read(const std::string& name);

  enum class Delivery { kFailed, kStandardOutput, kFile };
  // Writes what was made of the page where the options say: beside it, the
  // file of -o, or standard output for "-o -". A failure is reported.
  [[nodiscard]] Delivery deliver(const std::string& name, std::string_view document);
  // After a delivery to a file: the line that tells where it went.
  [[nodiscard]] std::string savedLine(const std::string& name) const;

  // Reports that the page failed; false.
  bool fail(const std::string& name, std::string_view what);
  // Reports that what was made of the page (`what`, a subject: "ratkaisusivu")
  // would pass kLargestOutputBytes; false.
  bool tooLarge(const std::string& name, std::string_view what);

 private:
  std::string outputName(const std::string& name) const;

  const PageCommand& command_;
  const PageOptions& options_;
  PageCommandEnvironment& env_;
};

// What a command's main does: runs `program` on the command line with the
// real terminal (standard output and error) and disk, a closed output pipe
// ignored. Returns the program's exit status.
using PageProgram = int (*)(const std::vector<std::string>& args, PageCommandEnvironment& env);
int runOnTerminal(PageProgram program, int argc, char** argv);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_PAGE_COMMAND_H_
