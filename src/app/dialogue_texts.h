// Fixed and built texts of the interactive dialogue, as CP850 lines.
#ifndef HARAVOIJA_APP_DIALOGUE_TEXTS_H_
#define HARAVOIJA_APP_DIALOGUE_TEXTS_H_

#include <string>
#include <string_view>
#include <vector>

namespace haravoija {

// The banner that opens both the welcome text and the help text.
inline constexpr std::string_view kBannerLine = "                       Haravoija v. 1.2 ";
inline constexpr std::string_view kGoodbyeLine = "Kiitos ohjelman k\204yt\224st\204!";
inline constexpr std::string_view kTitleQuestion = "Anna ristikon aihe. ";
inline constexpr std::string_view kTitleRefused =
    "Antamassasi aiheessa on kiellettyj\204 merkkej\204. Anna uusi aihe. ";

// The nine lines that open the dialogue, each ending in "\n".
std::string welcomeText();

// The warning about words that a fixed size left out, up to and including
// the line that asks for Enter, each line ending in "\n".
std::string fitWarningText(const std::vector<std::string>& leftOut);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_DIALOGUE_TEXTS_H_
