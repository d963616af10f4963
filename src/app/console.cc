// Line-oriented console I/O with character-set conversion at the boundary.
#include "app/console.h"

#include <istream>
#include <ostream>

namespace haravoija {

Console::Console(std::istream& in, std::ostream& out, Charset charset)
    : in_(in), out_(out), charset_(charset) {}

void Console::line(std::string_view text) {
  put(text);
  out_ << '\n';
  out_.flush();
}

void Console::emptyLine() {
  out_ << '\n';
  out_.flush();
}

void Console::lines(std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    line(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

void Console::write(std::string_view text) {
  put(text);
  out_.flush();
}

// A piece at a time, so that a line of an answer key, which can run to
// megabytes, is never converted whole. CP850 converts byte by byte.
void Console::put(std::string_view text) {
  constexpr std::size_t kPiece = 1 << 16;
  for (std::size_t at = 0; at < text.size(); at += kPiece) {
    out_ << fromCp850(text.substr(at, kPiece), charset_);
  }
}

void Console::writeBytes(std::string_view bytes) {
  out_ << bytes;
  out_.flush();
}

std::optional<std::string> Console::ask() { return readRaw("> "); }

std::optional<std::string> Console::readLine() { return readRaw(""); }

std::optional<std::string> Console::readRaw(std::string_view prompt) {
  std::optional<std::string> raw;
  if (reader_) {
    raw = reader_(prompt);
  } else {
    if (!prompt.empty()) write(prompt);
    std::string s;
    if (std::getline(in_, s)) raw = std::move(s);
  }
  if (!raw) return std::nullopt;
  if (!raw->empty() && raw->back() == '\r') raw->pop_back();
  return toCp850(*raw, charset_);
}

std::string Console::toProgramText(std::string_view terminalText) const {
  return toCp850(terminalText, charset_);
}

}  // namespace haravoija
