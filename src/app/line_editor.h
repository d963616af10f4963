// Line editing with history for typed input, when the build has libedit.
#ifndef HARAVOIJA_APP_LINE_EDITOR_H_
#define HARAVOIJA_APP_LINE_EDITOR_H_

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/console.h"

namespace haravoija {

// Makes `console` read its lines through a line editor on the process's
// standard input and output: arrow keys, history of the lines entered, Ctrl-R
// to search it, key bindings from ~/.editrc. The prompt, the line bytes and
// their conversion stay those of the Console. Call it only when standard
// input and output are terminals; piped input must keep the plain reader.
// Returns false, changing nothing, when the build has no line editor, the
// console passes bytes through unconverted (no known character set, as in the
// C locale) or the editor cannot be set up.
[[nodiscard]] bool useTerminalLineEditor(Console& console);

#ifdef HARAVOIJA_HAVE_LIBEDIT

// One libedit session with its own history.
class LineEditor {
 public:
  // An editor reading `in` and drawing on `out`, which stay the caller's and
  // must outlive it; nothing when libedit cannot be set up. When `in` is not
  // a terminal libedit reads it as plain lines without drawing anything.
  [[nodiscard]] static std::unique_ptr<LineEditor> open(std::FILE* in, std::FILE* out);

  ~LineEditor();
  LineEditor(const LineEditor&) = delete;
  LineEditor& operator=(const LineEditor&) = delete;

  // Shows `prompt` and reads one line: its bytes as the terminal sent them,
  // without the line end. A non-empty line goes into the history. Nothing at
  // the end of input or on a read error.
  [[nodiscard]] std::optional<std::string> readLine(std::string_view prompt);

  // The lines in the history, oldest first.
  [[nodiscard]] std::vector<std::string> rememberedLines() const;

 private:
  struct Handles;
  explicit LineEditor(std::unique_ptr<Handles> handles);

  std::unique_ptr<Handles> handles_;
};

#endif  // HARAVOIJA_HAVE_LIBEDIT

}  // namespace haravoija

#endif  // HARAVOIJA_APP_LINE_EDITOR_H_
