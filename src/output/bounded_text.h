// Text built a piece at a time up to a size limit: the keys and pages made
// of a saved page, which a page made to exhaust the machine could otherwise
// make hundreds of megabytes long.
#ifndef HARAVOIJA_OUTPUT_BOUNDED_TEXT_H_
#define HARAVOIJA_OUTPUT_BOUNDED_TEXT_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace haravoija {

class BoundedText {
 public:
  // The whole limit is reserved at once, so the text is never copied to grow:
  // the system maps the reserved pages only as they are written, and a copy
  // would need the old text and the new beside each other.
  explicit BoundedText(std::size_t limit) : limit_(limit) { text_.reserve(limit); }

  // Appends the piece, or drops it and every later one once the text would
  // pass the limit.
  BoundedText& operator+=(std::string_view piece) {
    if (tooLarge_ || piece.size() > limit_ - text_.size()) {
      tooLarge_ = true;
    } else {
      text_ += piece;
    }
    return *this;
  }
  BoundedText& operator+=(char c) { return *this += std::string_view(&c, 1); }

  // True once a piece was dropped: building further is wasted work.
  bool tooLarge() const { return tooLarge_; }

  // The text, or nothing when it would have passed the limit.
  std::optional<std::string> take() && {
    if (tooLarge_) return std::nullopt;
    return std::move(text_);
  }

 private:
  std::size_t limit_;
  std::string text_;
  bool tooLarge_ = false;
};

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_BOUNDED_TEXT_H_
