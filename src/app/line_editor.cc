// Typed input through libedit: editing keys and a history of entered lines.
#include "app/line_editor.h"

#ifdef HARAVOIJA_HAVE_LIBEDIT

#include <histedit.h>

#include <unistd.h>

#include <cerrno>
#include <cwchar>
#include <deque>
#include <utility>

namespace haravoija {

namespace {

// Long enough for every word of a big puzzle typed by hand.
constexpr int kHistorySize = 1000;

}  // namespace

struct LineEditor::Handles {
  EditLine* el = nullptr;
  History* history = nullptr;
  std::string prompt;
  int fd = -1;
  // The decoder of the bytes read: a partial character and what is decoded
  // but not yet handed to libedit.
  std::mbstate_t state{};
  int partialBytes = 0;
  std::deque<wchar_t> decoded;

  ~Handles() {
    if (el != nullptr) el_end(el);
    if (history != nullptr) history_end(history);
  }

  static Handles* of(EditLine* el) {
    void* data = nullptr;
    el_get(el, EL_CLIENTDATA, &data);
    return static_cast<Handles*>(data);
  }

  static char* promptOf(EditLine* el) { return of(el)->prompt.data(); }

  // libedit's own reader throws away bytes that are not characters of the
  // locale, which would silently turn a mistyped word into another word.
  // Here every such byte becomes "?", as in lines read without the editor,
  // so the word is refused instead.
  static int readChar(EditLine* el, wchar_t* out) {
    Handles* h = of(el);
    while (h->decoded.empty()) {
      unsigned char byte = 0;
      const ssize_t n = ::read(h->fd, &byte, 1);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return -1;
      if (n == 0) {
        if (h->partialBytes == 0) return 0;
        h->flushPartial();
        continue;
      }
      h->decode(byte);
    }
    *out = h->decoded.front();
    h->decoded.pop_front();
    return 1;
  }

  // Ctrl-D as in a plain terminal: the end of input on an empty line
  // (without libedit's visible "^D"), else the character under the cursor
  // is deleted.
  static unsigned char deleteOrEnd(EditLine* el, int) {
    const LineInfo* line = el_line(el);
    if (line->buffer == line->lastchar) return CC_EOF;
    if (line->cursor == line->lastchar) return CC_NORM;
    el_cursor(el, 1);
    el_deletestr(el, 1);
    return CC_REFRESH;
  }

  void decode(unsigned char byte) {
    const char c = static_cast<char>(byte);
    wchar_t wc = 0;
    std::size_t r = std::mbrtowc(&wc, &c, 1, &state);
    if (r == static_cast<std::size_t>(-2)) {
      ++partialBytes;
      return;
    }
    if (r == static_cast<std::size_t>(-1) && partialBytes > 0) {
      // The byte breaks the character begun before it: that one is lost,
      // the byte itself may start a new one.
      flushPartial();
      r = std::mbrtowc(&wc, &c, 1, &state);
      if (r == static_cast<std::size_t>(-2)) {
        ++partialBytes;
        return;
      }
    }
    partialBytes = 0;
    if (r == static_cast<std::size_t>(-1)) {
      state = std::mbstate_t{};
      decoded.push_back(L'?');
      return;
    }
    decoded.push_back(wc);
  }

  void flushPartial() {
    decoded.insert(decoded.end(), static_cast<std::size_t>(partialBytes), L'?');
    partialBytes = 0;
    state = std::mbstate_t{};
  }
};

std::unique_ptr<LineEditor> LineEditor::open(std::FILE* in, std::FILE* out) {
  auto handles = std::make_unique<Handles>();
  handles->history = history_init();
  if (handles->history == nullptr) return nullptr;
  HistEvent event;
  history(handles->history, &event, H_SETSIZE, kHistorySize);
  // A word typed twice in a row is remembered once.
  history(handles->history, &event, H_SETUNIQUE, 1);

  // Messages of libedit itself go to the output too: nothing is written to
  // standard error.
  handles->el = el_init("haravoija", in, out, out);
  if (handles->el == nullptr) return nullptr;
  EditLine* el = handles->el;
  handles->fd = fileno(in);
  el_set(el, EL_CLIENTDATA, handles.get());
  el_set(el, EL_GETCFN, &Handles::readChar);
  el_set(el, EL_PROMPT, &Handles::promptOf);
  el_set(el, EL_EDITOR, "emacs");
  el_set(el, EL_HIST, history, handles->history);
  // Puts the terminal back in order when a signal such as Ctrl-C ends the
  // program in the middle of a line.
  el_set(el, EL_SIGNAL, 1);
  el_set(el, EL_BIND, "^R", "em-inc-search-prev", nullptr);
  // The wide form keeps libedit from copying the names (copies it never frees).
  el_wset(el, EL_ADDFN, L"haravoija-delete-or-end", L"Delete a character or end the input",
          &Handles::deleteOrEnd);
  el_set(el, EL_BIND, "^D", "haravoija-delete-or-end", nullptr);
  // The user's own bindings come last so that they win.
  el_source(el, nullptr);
  return std::unique_ptr<LineEditor>(new LineEditor(std::move(handles)));
}

LineEditor::LineEditor(std::unique_ptr<Handles> handles) : handles_(std::move(handles)) {}

LineEditor::~LineEditor() = default;

std::optional<std::string> LineEditor::readLine(std::string_view prompt) {
  handles_->prompt.assign(prompt);
  int count = 0;
  const char* text = nullptr;
  do {
    errno = 0;
    text = el_gets(handles_->el, &count);
    // A stopped and resumed program gets an interrupted read, not an end.
  } while (text == nullptr && count < 0 && errno == EINTR);
  if (text == nullptr || count <= 0) return std::nullopt;

  std::string line(text, static_cast<std::size_t>(count));
  if (!line.empty() && line.back() == '\n') line.pop_back();
  if (!line.empty()) {
    HistEvent event;
    history(handles_->history, &event, H_ENTER, line.c_str());
  }
  return line;
}

std::vector<std::string> LineEditor::rememberedLines() const {
  std::vector<std::string> lines;
  HistEvent event;
  // H_LAST is the oldest entry; H_PREV walks towards the newest.
  for (int found = history(handles_->history, &event, H_LAST); found == 0;
       found = history(handles_->history, &event, H_PREV)) {
    lines.emplace_back(event.str);
  }
  return lines;
}

bool useTerminalLineEditor(Console& console) {
  // Without a known character set (C locale) bytes are passed on unread, as
  // on a CP850 terminal; an editor would have to take them for characters.
  if (console.charset() == Charset::kPassthrough) return false;
  std::shared_ptr<LineEditor> editor = LineEditor::open(stdin, stdout);
  if (!editor) return false;
  console.setLineReader([editor](std::string_view prompt) { return editor->readLine(prompt); });
  return true;
}

}  // namespace haravoija

#else  // !HARAVOIJA_HAVE_LIBEDIT

namespace haravoija {

bool useTerminalLineEditor(Console&) { return false; }

}  // namespace haravoija

#endif  // HARAVOIJA_HAVE_LIBEDIT
