// The saved page read line by line as it streams past: the head up to the
// grid marker gives the title and the phrase, the grid table its rows, the
// section between the word-list markers the words. No line is kept longer
// than a page can have, and each part of the page has a bound of its own.
#include "key/puzzle_page.h"

#include <array>
#include <cstring>
#include <string_view>

#include "page/page_format.h"
#include "text/letters.h"

namespace haravoija {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;
// A title of the longest command-line argument, every byte written as a
// character reference, still fits.
constexpr std::size_t kLongestLine = std::size_t{1} << 20;
// The head of the page, and the lines between grid and word list, hold
// nothing large but the title and the heading.
constexpr std::size_t kLargestLooseText = std::size_t{4} << 20;
// The page's own lines before the first grid row and among the words (the
// table openings, the column breaks).
constexpr int kMostFrameLines = 16;

class PageReader {
 public:
  // False once the page is complete or known to be bad: nothing more needs
  // to be read.
  bool wantsMore() const { return error_ == PageError::kNone && part_ != Part::kDone; }

  void feed(std::string_view bytes) {
    while (!bytes.empty() && wantsMore()) {
      const std::size_t end = bytes.find('\n');
      const std::string_view piece = bytes.substr(0, end);
      if (line_.size() + piece.size() > kLongestLine) return fail(overlongLineError());
      line_ += piece;
      if (end == std::string_view::npos) return;
      bytes.remove_prefix(end + 1);
      endLine();
    }
  }

  PageReading finish() {
    // A last line without its line end: in the grid or the word list that
    // is a page cut short, unless the line is the list's end marker.
    if (wantsMore() && !line_.empty() &&
        (part_ == Part::kHead || part_ == Part::kBetween ||
         (part_ == Part::kWords && trimmedPageLine(line_) == kEndMarker))) {
      endLine();
    }
    if (wantsMore()) fail(endOfInputError());
    PageReading reading;
    reading.error = error_;
    if (error_ == PageError::kNone) reading.page = std::move(page_);
    return reading;
  }

  void fail(PageError error) {
    if (error_ == PageError::kNone) error_ = error;
  }

 private:
  enum class Part { kHead, kGrid, kBetween, kWords, kDone };

  PageError endOfInputError() const {
    switch (part_) {
      case Part::kHead: return signed_ ? PageError::kNoGrid : PageError::kNotAPage;
      case Part::kBetween: return PageError::kNoWords;
      default: return PageError::kTruncated;
    }
  }

  // No line of a saved page is this long.
  PageError overlongLineError() const {
    switch (part_) {
      case Part::kGrid: return PageError::kDamagedGrid;
      case Part::kBetween: return PageError::kNoWords;
      case Part::kWords: return PageError::kDamagedWords;
      default: return PageError::kNotAPage;
    }
  }

  void endLine() {
    std::string_view line = line_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    switch (part_) {
      case Part::kHead: headLine(line); break;
      case Part::kGrid: gridLine(line); break;
      case Part::kBetween: betweenLine(line); break;
      case Part::kWords: wordLine(line); break;
      case Part::kDone: break;
    }
    line_.clear();
  }

  // Counts the bytes of the head and the gap before the word list.
  bool looseTextLeft(std::string_view line) {
    looseBytes_ += line.size() + 1;
    return looseBytes_ <= kLargestLooseText;
  }

  void headLine(std::string_view line) {
    if (!looseTextLeft(line)) return fail(PageError::kNotAPage);
    if (trimmedPageLine(line) == kGridMarker) {
      part_ = Part::kGrid;
    } else if (line.starts_with(kTitleStart) && !titleSeen_) {
      std::string_view title = line.substr(kTitleStart.size());
      // An older page wrote a title holding "</title>" as it was.
      if (const std::size_t end = title.rfind(kTitleEnd); end != std::string_view::npos) {
        title = title.substr(0, end);
      }
      page_.title = fromPageText(title);
      titleSeen_ = true;
    } else if (std::optional<std::string> phrase = phraseOfLine(line)) {
      // Before the signature: the phrase may hold the signature's words.
      page_.phrase = std::move(phrase);
    } else if (isSignatureLine(line)) {
      signed_ = true;
    }
  }

  void gridLine(std::string_view line) {
    if (!inRow_) {
      if (line.starts_with(kRowStart)) {
        inRow_ = true;
        page_.rows.emplace_back();
        line.remove_prefix(kRowStart.size());
      } else if (trimmedPageLine(line) == kTableEnd) {
        if (page_.rows.empty()) return fail(PageError::kNoGrid);
        part_ = Part::kBetween;
        return;
      } else {
        // Only the table openings stand before the rows.
        if (!page_.rows.empty() || ++frameLines_ > kMostFrameLines) {
          return fail(PageError::kDamagedGrid);
        }
        return;
      }
    }
    // A row that the table closes before the row does.
    if (trimmedPageLine(line) == kTableEnd) return fail(PageError::kDamagedGrid);
    std::string& row = page_.rows.back();
    for (std::size_t at = line.find(kLetterStart); at != std::string_view::npos;
         at = line.find(kLetterStart, at)) {
      at += kLetterStart.size();
      // One byte per cell; a "<" there is the cell itself, not markup.
      if (at >= line.size() || line.substr(at + 1, kLetterEnd.size()) != kLetterEnd) {
        return fail(PageError::kDamagedGrid);
      }
      if (row.size() == kMaxGridSide) return fail(PageError::kTooLarge);
      row += static_cast<char>(decodeDocumentLetter(static_cast<unsigned char>(line[at])));
      at += 1 + kLetterEnd.size();
    }
    if (trimmedPageLine(line).ends_with(kRowEnd)) {
      inRow_ = false;
      if (row.empty()) return fail(PageError::kDamagedGrid);
      if (row.size() != page_.rows.front().size()) return fail(PageError::kUnequalRows);
      if (page_.rows.size() > static_cast<std::size_t>(kMaxGridSide)) {
        return fail(PageError::kTooLarge);
      }
    }
  }

  void betweenLine(std::string_view line) {
    if (!looseTextLeft(line)) return fail(PageError::kNoWords);
    if (trimmedPageLine(line) == kWordsMarker) part_ = Part::kWords;
  }

  void wordLine(std::string_view line) {
    const std::string_view bare = trimmedPageLine(line);
    if (bare == kEndMarker) {
      part_ = Part::kDone;
      if (page_.words.empty()) fail(PageError::kNoWords);
    } else if (bare.starts_with(kWordLead)) {
      const std::string_view word = bare.substr(kWordLead.size());
      if (word.empty()) return;
      wordBytes_ += word.size();
      if (word.size() > static_cast<std::size_t>(kMaxWordLength) ||
          page_.words.size() == kMostPageWords || wordBytes_ > kMostPageWordBytes) {
        return fail(PageError::kTooLarge);
      }
      page_.words.push_back(fromPageText(word));
    } else if (bare.empty() || isWordListFrameLine(bare)) {
      if (++frameLines_ > 4 * kMostFrameLines) fail(PageError::kDamagedWords);
    } else {
      fail(PageError::kDamagedWords);
    }
  }

  PuzzlePage page_;
  PageError error_ = PageError::kNone;
  Part part_ = Part::kHead;
  std::string line_;
  bool signed_ = false;
  bool titleSeen_ = false;
  bool inRow_ = false;
  int frameLines_ = 0;
  std::size_t looseBytes_ = 0;
  std::size_t wordBytes_ = 0;
};

}  // namespace

PageReading readPuzzlePage(InputFile& file) {
  PageReader reader;
  std::array<char, kChunkSize> buffer;
  std::size_t total = 0;
  while (reader.wantsMore()) {
    const std::optional<std::size_t> got = file.read(buffer);
    if (!got) {
      reader.fail(PageError::kReadFailed);
      break;
    }
    if (*got == 0) break;
    total += *got;
    if (total > kLargestPageBytes) {
      reader.fail(PageError::kTooLarge);
      break;
    }
    reader.feed(std::string_view(buffer.data(), *got));
  }
  return reader.finish();
}

}  // namespace haravoija
