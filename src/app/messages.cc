// The welcome text, the fit warning and the import's line per word.
#include "app/messages.h"

namespace haravoija {

std::string welcomeText() {
  return "\n" + std::string(kBannerLine) +
         "\n"
         "\n"
         " Tervetuloa sanaristikkojen laadintaohjelmaan. Ohjelma laatii\n"
         " sanaristikkoja antamistasi sanoista. Lopuksi ohjelma tallentaa\n"
         " valmiin ristikon ja sanat html-dokumentiksi, jonka voi sitten\n"
         " esimerkiksi tulostaa. \n" +
         std::string(kRule) + "\n\n";
}

std::string fitWarningText(const std::vector<std::string>& leftOut) {
  std::string text = "\nVAROITUS: Seuraavat sanat eiv\204t mahtuneet ristikkoon: \n";
  for (const std::string& word : leftOut) text += " " + word + "\n";
  text += "\n(paina enter jatkaaksesi)\n";
  return text;
}

std::string wordAddedLine(std::string_view word) {
  return "Sana " + std::string(word) + " lis\204tty.";
}

}  // namespace haravoija
