// What the fuzz targets assert: a failed promise stops the run with its name.
#ifndef HARAVOIJA_FUZZ_CHECKS_H_
#define HARAVOIJA_FUZZ_CHECKS_H_

#include <iconv.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace haravoija::fuzzing {

inline void check(bool promise, const char* what) {
  if (promise) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

// Well-formed UTF-8: glibc's decoder refuses stray or missing continuation
// bytes, overlong forms, surrogates and anything past U+10FFFF.
inline bool isUtf8(std::string_view text) {
  const iconv_t decoder = iconv_open("UTF-32LE", "UTF-8");
  std::string out(4 * text.size(), '\0');
  char* in = const_cast<char*>(text.data());
  char* to = out.data();
  std::size_t inLeft = text.size(), outLeft = out.size();
  const bool whole = iconv(decoder, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(decoder);
  return whole;
}

}  // namespace haravoija::fuzzing

#endif  // HARAVOIJA_FUZZ_CHECKS_H_
