// Fuzz target: arbitrary file bytes through the word-file reader, in both
// modes. Checks the word rules on every candidate, and that the reader gives
// the same words however the stream hands out its bytes and keeps a prefix
// of them when the stream fails part way.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <unordered_set>
#include <vector>

#include "text/letters.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace {

using haravoija::WordFileMode;
using haravoija::WordList;

// Hands out the data a few bytes at a time and, when asked, throws once
// `failAt` bytes have gone out, as a file buffer does on a read error.
class PiecewiseBuffer : public std::streambuf {
 public:
  PiecewiseBuffer(const std::string& data, std::size_t piece, std::size_t failAt)
      : data_(data), piece_(piece), failAt_(failAt) {}

 protected:
  int_type underflow() override {
    if (given_ >= failAt_) throw std::runtime_error("read error");
    if (given_ >= data_.size()) return traits_type::eof();
    std::size_t n = std::min(piece_, data_.size() - given_);
    n = std::min(n, failAt_ - given_);
    char* start = const_cast<char*>(data_.data()) + given_;
    setg(start, start, start + n);
    given_ += n;
    return traits_type::to_int_type(*start);
  }

 private:
  const std::string& data_;
  const std::size_t piece_;
  const std::size_t failAt_;
  std::size_t given_ = 0;
};

void check(bool condition) {
  if (!condition) __builtin_trap();
}

void checkCandidates(const std::vector<std::string>& words, const WordList& list) {
  std::unordered_set<std::string> keys;
  for (const std::string& word : words) {
    check(word.size() >= haravoija::kMinWordLength && word.size() <= haravoija::kMaxWordLength);
    check(haravoija::allLetters(word));
    const std::string key = haravoija::toUpperText(word);
    check(!list.contains(key));
    check(keys.insert(key).second);
  }
}

bool isPrefix(const std::vector<std::string>& prefix, const std::vector<std::string>& whole) {
  if (prefix.size() > whole.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (prefix[i] != whole[i]) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first two bytes choose how the stream is cut up and where it fails.
  const std::size_t piece = 1 + data[0] % 97;
  const std::size_t failAt = data[1];
  const std::string bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

  WordList empty;
  WordList listed;
  listed.add("Kissa");
  listed.add("\204iti");  // äiti
  for (const WordList* list : {&empty, &listed}) {
    for (const WordFileMode mode : {WordFileMode::kPlain, WordFileMode::kHtml}) {
      std::istringstream whole(bytes);
      const std::vector<std::string> words = haravoija::readWordFile(whole, mode, *list);
      checkCandidates(words, *list);

      PiecewiseBuffer pieces(bytes, piece, bytes.size() + 1);
      std::istream piecewise(&pieces);
      check(haravoija::readWordFile(piecewise, mode, *list) == words);
      check(!piecewise.bad());

      PiecewiseBuffer failing(bytes, piece, failAt);
      std::istream broken(&failing);
      const std::vector<std::string> before = haravoija::readWordFile(broken, mode, *list);
      check(isPrefix(before, words));
      check(failAt > bytes.size() ? before == words : broken.bad());
    }
  }
  return 0;
}
