// The console: every line the program shows and every line it reads goes
// through one Console. Inside the program text is CP850; the console converts
// to and from the terminal's character set at this boundary only.
#ifndef HARAVOIJA_APP_CONSOLE_H_
#define HARAVOIJA_APP_CONSOLE_H_

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "text/charset.h"

namespace haravoija {

class Console {
 public:
  // Reads lines from `in` and writes to `out`, converting with `charset`.
  Console(std::istream& in, std::ostream& out, Charset charset = Charset::kPassthrough);

  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Writes the CP850 text and a line end, then flushes.
  void line(std::string_view text);
  // Writes a line end and flushes.
  void emptyLine();
  // Writes text made of lines separated by "\n" as line() would, one line at
  // a time; a last line without "\n" still gets its line end.
  void lines(std::string_view text);
  // Writes the CP850 text without a line end (for lines built in pieces) and
  // flushes.
  void write(std::string_view text);
  // Writes bytes exactly as they are, with no conversion (a document or
  // JSON whose own encoding is UTF-8), and flushes.
  void writeBytes(std::string_view bytes);

  // Writes the prompt "> " (flushed) and reads one line. The line end, and a
  // carriage return just before it, are not part of the line; a last line
  // without a line end still counts. Returns nothing at the end of input.
  [[nodiscard]] std::optional<std::string> ask();
  // Reads one line as ask() does, without a prompt.
  [[nodiscard]] std::optional<std::string> readLine();

  // Terminal text that did not come through readLine (a command-line
  // argument used as text) in CP850.
  [[nodiscard]] std::string toProgramText(std::string_view terminalText) const;

  // The terminal's character set; file names on disk follow it.
  [[nodiscard]] Charset charset() const { return charset_; }

  // Replaces how a line is read (for example an interactive line editor).
  // The reader gets the prompt to show ("" when none) and returns the raw
  // terminal bytes of one line without its line end, or nothing at the end of
  // input. Without one, lines come from the input stream.
  using LineReader = std::function<std::optional<std::string>(std::string_view prompt)>;
  void setLineReader(LineReader reader) { reader_ = std::move(reader); }

 private:
  std::optional<std::string> readRaw(std::string_view prompt);
  void put(std::string_view text);

  std::istream& in_;
  std::ostream& out_;
  Charset charset_;
  LineReader reader_;
};

}  // namespace haravoija

#endif  // HARAVOIJA_APP_CONSOLE_H_
