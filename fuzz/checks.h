// What the fuzz targets assert: a failed promise stops the run with its name.
#ifndef HARAVOIJA_FUZZ_CHECKS_H_
#define HARAVOIJA_FUZZ_CHECKS_H_

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace haravoija::fuzzing {

inline void check(bool promise, const char* what) {
  if (promise) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing past U+10FFFF.
inline bool isUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[i++]);
    const int more = lead < 0x80   ? 0
                     : lead < 0xC2 ? -1
                     : lead < 0xE0 ? 1
                     : lead < 0xF0 ? 2
                     : lead < 0xF5 ? 3
                                   : -1;
    if (more < 0 || text.size() - i < static_cast<std::size_t>(more)) return false;
    char32_t point = more == 0 ? lead : lead & (0x3F >> more);
    for (int k = 0; k < more; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i++]);
      if ((next & 0xC0) != 0x80) return false;
      point = point << 6 | (next & 0x3F);
    }
    if ((more == 2 && (point < 0x800 || (point >= 0xD800 && point <= 0xDFFF))) ||
        (more == 3 && (point < 0x10000 || point > 0x10FFFF))) {
      return false;
    }
  }
  return true;
}

}  // namespace haravoija::fuzzing

#endif  // HARAVOIJA_FUZZ_CHECKS_H_
