// Conversion between the program's CP850 text and the character set of the
// terminal it talks to. The program works in CP850 throughout; only the
// console boundary and names of files on disk are converted.
#ifndef HARAVOIJA_TEXT_CHARSET_H_
#define HARAVOIJA_TEXT_CHARSET_H_

#include <string>
#include <string_view>

namespace haravoija {

enum class Charset {
  kPassthrough,  // C/POSIX locale, ASCII, CP850: bytes go through unchanged
  kUtf8,
  kLatin1,  // ISO 8859-1
  kLatin9,  // ISO 8859-15
};

// The character set named by nl_langinfo(CODESET) (e.g. "UTF-8",
// "ISO-8859-1"); anything unknown is kPassthrough.
Charset charsetFromCodeset(std::string_view codeset);

// The locale's character set after setlocale(LC_CTYPE, "").
Charset detectConsoleCharset();

// CP850 text to the given set. Characters the set lacks become "?".
std::string fromCp850(std::string_view cp850, Charset charset);

// Text in the given set to CP850. A character CP850 lacks, and every byte of
// a malformed UTF-8 sequence, becomes "?".
std::string toCp850(std::string_view text, Charset charset);

// The bytes under which a file named by CP850 text is looked up on disk:
// UTF-8 where the console is UTF-8, otherwise ISO 8859-1 for the six Finnish
// letters with every other byte as it is.
std::string diskFileName(std::string_view cp850Name, Charset charset);

}  // namespace haravoija

#endif  // HARAVOIJA_TEXT_CHARSET_H_
