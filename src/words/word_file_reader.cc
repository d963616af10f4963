// Reading the candidate words out of a word file or a saved puzzle document.
// The file is read in fixed-size chunks and split as it streams past, so a
// huge file, a file without line ends or a binary file costs bounded memory.
#include "words/word_file_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "page/page_format.h"
#include "text/letters.h"
#include "words/word_list.h"

namespace haravoija {
namespace {

// No token longer than this can become a word, even with a "<br>" in front,
// nor be a marker; longer tokens are dropped as they stream past.
constexpr std::size_t kLongestUsefulToken = kWordLead.size() + kMaxWordLength;
static_assert(kWordsMarker.size() <= kLongestUsefulToken &&
              kEndMarker.size() <= kLongestUsefulToken);

constexpr std::size_t kChunkSize = 64 * 1024;

// UTF-8's byte-order mark.
constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

bool isBlank(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The CP850 letter for the second byte of a UTF-8 encoded å ä ö Å Ä Ö (whose
// first byte is C3), or 0 when the pair is not one of them.
unsigned char utf8FinnishLetter(unsigned char second) {
  switch (second) {
    case 0xA4: return kSmallAUmlaut;
    case 0xA5: return kSmallARing;
    case 0xB6: return kSmallOUmlaut;
    case 0x84: return kCapitalAUmlaut;
    case 0x85: return kCapitalARing;
    case 0x96: return kCapitalOUmlaut;
    default: return 0;
  }
}

class WordFileReader {
 public:
  WordFileReader(WordFileMode mode, const WordList& list) : mode_(mode) {
    for (const std::string& word : list.words()) seen_.insert(toUpperText(word));
  }

  void feed(std::string_view bytes) {
    for (const char c : bytes) feedByte(static_cast<unsigned char>(c));
  }

  // The end of the data: the last line counts even without a line end.
  void finish() {
    replayByteOrderMark();
    endLine();
  }

  // A read error: the line being read was never read whole, so none of its
  // words count; everything before it stays.
  void abandonLine() { candidates_.resize(lineStartCandidates_); }

  std::vector<std::string> takeCandidates() { return std::move(candidates_); }

  // A page holds no more words than a saved page can: the rest are not read.
  bool full() const {
    return mode_ == WordFileMode::kHtml &&
           (candidates_.size() >= kMostPageWords || letters_ >= kMostPageWordBytes);
  }

 private:
  enum class LineState { kStart, kOneByte, kTokens, kIgnoreRest };

  // Editors on Windows start UTF-8 files with a byte-order mark; it belongs
  // to no word, and without this the file's first word would be lost.
  void feedByte(unsigned char c) {
    if (bomMatched_ < std::size(kByteOrderMark)) {
      if (c == kByteOrderMark[bomMatched_]) {
        if (++bomMatched_ == std::size(kByteOrderMark)) bomMatched_ = kNoByteOrderMark;
        return;
      }
      replayByteOrderMark();
    }
    processByte(c);
  }

  // Bytes that began like a byte-order mark but were none are file content.
  void replayByteOrderMark() {
    const std::size_t matched = bomMatched_ == kNoByteOrderMark ? 0 : bomMatched_;
    bomMatched_ = kNoByteOrderMark;
    for (std::size_t i = 0; i < matched; ++i) processByte(kByteOrderMark[i]);
  }

  void processByte(unsigned char c) {
    if (c == '\n') {
      endLine();
      return;
    }
    switch (lineState_) {
      case LineState::kIgnoreRest: return;
      case LineState::kStart:
        if (mode_ == WordFileMode::kHtml) {
          firstByte_ = c;
          lineState_ = LineState::kOneByte;
          return;
        }
        lineState_ = LineState::kTokens;
        break;
      case LineState::kOneByte:
        // Lines that open or close the document's paragraphs and columns
        // carry no words, whatever follows on them.
        if (const char start[] = {static_cast<char>(firstByte_), static_cast<char>(c)};
            isWordListFrameLine(std::string_view(start, 2))) {
          lineState_ = LineState::kIgnoreRest;
          return;
        }
        lineState_ = LineState::kTokens;
        tokenByte(firstByte_);
        break;
      case LineState::kTokens: break;
    }
    tokenByte(c);
  }

  void tokenByte(unsigned char c) {
    if (isBlank(c)) {
      endToken();
      return;
    }
    if (pendingC3_) {
      pendingC3_ = false;
      if (const unsigned char letter = utf8FinnishLetter(c); letter != 0) {
        append(letter);
        return;
      }
      append(decodeDocumentLetter(0xC3));
    }
    if (c == 0xC3) {
      pendingC3_ = true;
      return;
    }
    append(decodeDocumentLetter(c));
  }

  void append(unsigned char c) {
    if (token_.size() < kLongestUsefulToken) {
      token_.push_back(static_cast<char>(c));
    } else {
      tokenTooLong_ = true;
    }
  }

  void endLine() {
    if (lineState_ == LineState::kOneByte) tokenByte(firstByte_);
    endToken();
    lineState_ = LineState::kStart;
    lineStartCandidates_ = candidates_.size();
  }

  void endToken() {
    if (pendingC3_) {
      pendingC3_ = false;
      append(decodeDocumentLetter(0xC3));
    }
    if (!token_.empty() && !tokenTooLong_) handleToken(token_);
    token_.clear();
    tokenTooLong_ = false;
  }

  void handleToken(std::string_view token) {
    if (token.size() > kWordLead.size() + 1 && token.substr(0, kWordLead.size()) == kWordLead) {
      token.remove_prefix(kWordLead.size());
    }
    if (token == kWordsMarker) {
      inSection_ = true;
      return;
    }
    if (token == kEndMarker) {
      inSection_ = false;
      lineState_ = LineState::kIgnoreRest;
      return;
    }
    if (mode_ == WordFileMode::kHtml && !inSection_) return;
    if (token.size() < static_cast<std::size_t>(kMinWordLength) ||
        token.size() > static_cast<std::size_t>(kMaxWordLength) || !allLetters(token)) {
      return;
    }
    if (full() || !seen_.insert(toUpperText(token)).second) return;
    candidates_.emplace_back(token);
    letters_ += token.size();
  }

  static constexpr std::size_t kNoByteOrderMark = 3;

  const WordFileMode mode_;
  // How many bytes of a byte-order mark the file has begun with so far;
  // kNoByteOrderMark once the start of the file is behind.
  std::size_t bomMatched_ = 0;
  // Keys of the list's words and of every candidate so far.
  std::unordered_set<std::string> seen_;
  std::vector<std::string> candidates_;
  std::size_t letters_ = 0;  // in the candidates
  std::size_t lineStartCandidates_ = 0;

  LineState lineState_ = LineState::kStart;
  unsigned char firstByte_ = 0;
  bool inSection_ = false;

  // The token being read, already converted to CP850.
  std::string token_;
  bool tokenTooLong_ = false;
  bool pendingC3_ = false;
};

}  // namespace

std::vector<std::string> readWordFile(InputFile& file, WordFileMode mode, const WordList& list) {
  WordFileReader reader(mode, list);
  std::array<char, kChunkSize> chunk;
  std::size_t total = 0;
  for (;;) {
    const std::optional<std::size_t> got = file.read(chunk);
    if (!got) {
      reader.abandonLine();
      break;
    }
    total += *got;
    // A page larger than a saved page can be ends there.
    if (*got == 0 || reader.full() || (mode == WordFileMode::kHtml && total > kLargestPageBytes)) {
      reader.finish();
      break;
    }
    reader.feed(std::string_view(chunk.data(), *got));
  }
  return reader.takeCandidates();
}

}  // namespace haravoija
