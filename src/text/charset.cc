// CP850 <-> UTF-8 / ISO 8859-1 / ISO 8859-15 at the console boundary.
#include "text/charset.h"

#include <langinfo.h>
#include <algorithm>
#include <clocale>
#include <cstdint>

#include "text/letters.h"

namespace haravoija {
namespace {

// Unicode code points of CP850 bytes 0x80-0xFF.
constexpr char32_t kCp850High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // F8
};

char32_t cp850ToUnicode(unsigned char c) { return c < 0x80 ? c : kCp850High[c - 0x80]; }

// The CP850 byte of a code point, or '?' when CP850 has none.
unsigned char unicodeToCp850(char32_t u) {
  if (u < 0x80) return static_cast<unsigned char>(u);
  for (int i = 0; i < 128; ++i) {
    if (kCp850High[i] == u) return static_cast<unsigned char>(0x80 + i);
  }
  return '?';
}

// The 256-entry table from a byte of the given one-byte set to CP850, and the
// reverse, built once.
struct ByteTables {
  unsigned char toCp850[256];
  unsigned char fromCp850[256];
};

char32_t latin9ToUnicode(unsigned char c) {
  switch (c) {
    case 0xA4: return 0x20AC;
    case 0xA6: return 0x0160;
    case 0xA8: return 0x0161;
    case 0xB4: return 0x017D;
    case 0xB8: return 0x017E;
    case 0xBC: return 0x0152;
    case 0xBD: return 0x0153;
    case 0xBE: return 0x0178;
    default: return c;
  }
}

ByteTables makeTables(bool latin9) {
  ByteTables t{};
  std::fill(std::begin(t.fromCp850), std::end(t.fromCp850), '?');
  for (int b = 0; b < 256; ++b) {
    char32_t u = latin9 ? latin9ToUnicode(static_cast<unsigned char>(b)) : char32_t(b);
    unsigned char cp = unicodeToCp850(u);
    t.toCp850[b] = cp;
    if (cp != '?' || u == '?') t.fromCp850[cp] = static_cast<unsigned char>(b);
  }
  return t;
}

const ByteTables& tablesFor(Charset charset) {
  static const ByteTables latin1 = makeTables(false);
  static const ByteTables latin9 = makeTables(true);
  return charset == Charset::kLatin9 ? latin9 : latin1;
}

void appendUtf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

std::string utf8ToCp850(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    int extra = 0;
    char32_t u = 0;
    char32_t min = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1, u = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2, u = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3, u = b & 0x07, min = 0x10000;
    } else {
      out += '?';  // stray continuation byte or a byte never used in UTF-8
      ++i;
      continue;
    }
    std::size_t j = 1;
    for (; j <= static_cast<std::size_t>(extra) && i + j < s.size(); ++j) {
      const unsigned char c = static_cast<unsigned char>(s[i + j]);
      if ((c & 0xC0) != 0x80) break;
      u = (u << 6) | (c & 0x3F);
    }
    if (j != static_cast<std::size_t>(extra) + 1 || u < min || u > 0x10FFFF ||
        (u >= 0xD800 && u <= 0xDFFF)) {
      out += '?';  // malformed: drop only the lead byte and resynchronise
      ++i;
      continue;
    }
    out += static_cast<char>(unicodeToCp850(u));
    i += j;
  }
  return out;
}

}  // namespace

Charset charsetFromCodeset(std::string_view codeset) {
  if (codeset == "UTF-8" || codeset == "utf8" || codeset == "UTF8") return Charset::kUtf8;
  if (codeset == "ISO-8859-1" || codeset == "ISO8859-1") return Charset::kLatin1;
  if (codeset == "ISO-8859-15" || codeset == "ISO8859-15") return Charset::kLatin9;
  return Charset::kPassthrough;
}

Charset detectConsoleCharset() {
  if (std::setlocale(LC_CTYPE, "") == nullptr) return Charset::kPassthrough;
  const char* codeset = nl_langinfo(CODESET);
  return codeset == nullptr ? Charset::kPassthrough : charsetFromCodeset(codeset);
}

std::string fromCp850(std::string_view cp850, Charset charset) {
  switch (charset) {
    case Charset::kPassthrough: return std::string(cp850);
    case Charset::kUtf8: {
      std::string out;
      out.reserve(cp850.size() + cp850.size() / 4);
      for (char c : cp850) appendUtf8(out, cp850ToUnicode(static_cast<unsigned char>(c)));
      return out;
    }
    case Charset::kLatin1:
    case Charset::kLatin9: {
      const ByteTables& t = tablesFor(charset);
      std::string out(cp850);
      for (char& c : out) c = static_cast<char>(t.fromCp850[static_cast<unsigned char>(c)]);
      return out;
    }
  }
  return std::string(cp850);
}

std::string toCp850(std::string_view text, Charset charset) {
  switch (charset) {
    case Charset::kPassthrough: return std::string(text);
    case Charset::kUtf8: return utf8ToCp850(text);
    case Charset::kLatin1:
    case Charset::kLatin9: {
      const ByteTables& t = tablesFor(charset);
      std::string out(text);
      for (char& c : out) c = static_cast<char>(t.toCp850[static_cast<unsigned char>(c)]);
      return out;
    }
  }
  return std::string(text);
}

std::string diskFileName(std::string_view cp850Name, Charset charset) {
  if (charset == Charset::kUtf8) return fromCp850(cp850Name, Charset::kUtf8);
  return encodeDocumentText(cp850Name);
}

}  // namespace haravoija
