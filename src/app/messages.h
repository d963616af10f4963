// Texts that more than one part of the conversation shows, kept in one place,
// and the longer texts built from parts. All are CP850.
#ifndef HARAVOIJA_APP_MESSAGES_H_
#define HARAVOIJA_APP_MESSAGES_H_

#include <string>
#include <string_view>
#include <vector>

#include "version.h"

namespace haravoija {

// The banner that opens both the welcome text and the help text.
inline constexpr std::string_view kBannerLine =
    "                       Haravoija v. " HARAVOIJA_VERSION " ";
// The 79 hyphens that close the welcome text and frame the help screen.
inline constexpr std::string_view kRule =
    "-------------------------------------------------------------------------------";
inline constexpr std::string_view kGoodbyeLine = "Kiitos ohjelman k\204yt\224st\204!";
inline constexpr std::string_view kForbiddenCharacters =
    "VIRHE: Sy\224tteess\204 kiellettyj\204 merkkej\204!";
// The refusal of a title, at the title prompt as it stands and after
// "VIRHE: " in word entry's title command.
inline constexpr std::string_view kTitleRefused =
    "Antamassasi aiheessa on kiellettyj\204 merkkej\204. Anna uusi aihe. ";
// The two lines that refuse a word-file name, each ending in "\n".
inline constexpr std::string_view kBadWordFileName =
    "VIRHE: Anna kunnollinen tiedostonimi.\n"
    "Tiedostonimen p\204\204te tulee olla .txt tai .html.\n";
inline constexpr std::string_view kReadingFile = "Odota, luetaan tiedostoa... ";

// The nine lines that open the dialogue, each ending in "\n".
std::string welcomeText();

// The warning about words that a fixed size left out, up to and including
// the line that asks for Enter, each line ending in "\n".
std::string fitWarningText(const std::vector<std::string>& leftOut);

// "Sana {word} lis\204tty.", the line for each word an import adds.
std::string wordAddedLine(std::string_view word);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_MESSAGES_H_
