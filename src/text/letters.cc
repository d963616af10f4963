// The Finnish letter set on CP850 bytes.
#include "text/letters.h"

namespace haravoija {

unsigned char toUpperLetter(unsigned char c) {
  switch (c) {
    case kSmallAUmlaut: return kCapitalAUmlaut;
    case kSmallARing: return kCapitalARing;
    case kSmallOUmlaut: return kCapitalOUmlaut;
    default: return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
  }
}

unsigned char toLowerLetter(unsigned char c) {
  switch (c) {
    case kCapitalAUmlaut: return kSmallAUmlaut;
    case kCapitalARing: return kSmallARing;
    case kCapitalOUmlaut: return kSmallOUmlaut;
    default: return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
  }
}

bool isLetter(unsigned char c) {
  switch (c) {
    case kSmallAUmlaut:
    case kSmallARing:
    case kCapitalAUmlaut:
    case kCapitalARing:
    case kSmallOUmlaut:
    case kCapitalOUmlaut: return true;
    default: return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  }
}

unsigned char encodeDocumentLetter(unsigned char c) {
  switch (c) {
    case kSmallAUmlaut: return 0xE4;
    case kSmallARing: return 0xE5;
    case kCapitalAUmlaut: return 0xC4;
    case kCapitalARing: return 0xC5;
    case kSmallOUmlaut: return 0xF6;
    case kCapitalOUmlaut: return 0xD6;
    default: return c;
  }
}

unsigned char decodeDocumentLetter(unsigned char c) {
  switch (c) {
    case 0xE4: return kSmallAUmlaut;
    case 0xE5: return kSmallARing;
    case 0xC4: return kCapitalAUmlaut;
    case 0xC5: return kCapitalARing;
    case 0xF6: return kSmallOUmlaut;
    case 0xD6: return kCapitalOUmlaut;
    default: return c;
  }
}

std::string toUpperText(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(toUpperLetter(static_cast<unsigned char>(c)));
  return out;
}

std::string phraseCells(std::string_view phrase) {
  std::string out;
  for (char c : phrase) {
    if (c != ' ') out += static_cast<char>(toUpperLetter(static_cast<unsigned char>(c)));
  }
  return out;
}

std::string encodeDocumentText(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(encodeDocumentLetter(static_cast<unsigned char>(c)));
  return out;
}

bool checkTitle(std::string& s) {
  if (s.empty() || s.find_first_of("\\/:*?\"'<>|") != std::string::npos) return false;
  s[0] = static_cast<char>(toUpperLetter(static_cast<unsigned char>(s[0])));
  return true;
}

}  // namespace haravoija
