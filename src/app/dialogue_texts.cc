// The welcome text and the fit warning.
#include "app/dialogue_texts.h"

namespace haravoija {

std::string welcomeText() {
  return "\n" + std::string(kBannerLine) +
         "\n"
         "\n"
         " Tervetuloa sanaristikkojen laadintaohjelmaan. Ohjelma laatii\n"
         " sanaristikkoja antamistasi sanoista. Lopuksi ohjelma tallentaa\n"
         " valmiin ristikon ja sanat html-dokumentiksi, jonka voi sitten\n"
         " esimerkiksi tulostaa. \n" +
         std::string(79, '-') + "\n\n";
}

std::string fitWarningText(const std::vector<std::string>& leftOut) {
  std::string text = "\nVAROITUS: Seuraavat sanat eiv\204t mahtuneet ristikkoon: \n";
  for (const std::string& word : leftOut) text += " " + word + "\n";
  text += "\n(paina enter jatkaaksesi)\n";
  return text;
}

}  // namespace haravoija
