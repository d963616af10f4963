// The single-byte Finnish letter set: case mapping, the letter test, the
// conversion between console bytes (CP850) and document bytes (ISO 8859-1),
// and the name test for titles and file names. Nothing here depends on the
// host's locale.
#ifndef HARAVOIJA_TEXT_LETTERS_H_
#define HARAVOIJA_TEXT_LETTERS_H_

#include <string>
#include <string_view>

namespace haravoija {

// CP850 bytes of the six Finnish letters.
inline constexpr unsigned char kSmallAUmlaut = 0x84;    // ä
inline constexpr unsigned char kSmallARing = 0x86;      // å
inline constexpr unsigned char kCapitalAUmlaut = 0x8E;  // Ä
inline constexpr unsigned char kCapitalARing = 0x8F;    // Å
inline constexpr unsigned char kSmallOUmlaut = 0x94;    // ö
inline constexpr unsigned char kCapitalOUmlaut = 0x99;  // Ö

// a-z to A-Z and ä å ö to Ä Å Ö; every other byte unchanged.
unsigned char toUpperLetter(unsigned char c);
// A-Z to a-z and Ä Å Ö to ä å ö; every other byte unchanged.
unsigned char toLowerLetter(unsigned char c);
// True for A-Z, a-z and the six Finnish letters (CP850), false otherwise.
bool isLetter(unsigned char c);
// CP850 to ISO 8859-1 for the six Finnish letters; every other byte unchanged.
unsigned char encodeDocumentLetter(unsigned char c);
// ISO 8859-1 to CP850 for the six Finnish letters; every other byte unchanged.
unsigned char decodeDocumentLetter(unsigned char c);

// A copy of s, same length, with every byte through toUpperLetter.
std::string toUpperText(std::string_view s);
// A copy of s with every byte through encodeDocumentLetter.
std::string encodeDocumentText(std::string_view s);

// What a hidden phrase writes into the grid's empty cells, one byte per cell
// in reading order: its characters other than spaces, through toUpperLetter.
// The fill, the count it asks for and the key's check all go by this.
std::string phraseCells(std::string_view phrase);

// The name test for titles and file names. False when s is empty or holds
// one of \ / : * ? " ' < > | (s unchanged); otherwise upper-cases the first
// byte of s in place and returns true.
[[nodiscard]] bool checkTitle(std::string& s);

}  // namespace haravoija

#endif  // HARAVOIJA_TEXT_LETTERS_H_
