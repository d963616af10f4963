// The bytes of the playable page. The page's content goes only into markup,
// escaped, never into the script, so no title or word can end an element.
#include "output/play_page.h"

#include "output/bounded_text.h"
#include "output/play_assets.h"
#include "page/page_format.h"
#include "text/charset.h"
#include "text/letters.h"
#include "text/sha256.h"

namespace haravoija {
namespace {

// CP850 text as UTF-8 for HTML text and attribute values.
std::string html(std::string_view cp850) {
  return escapeMarkup(fromCp850(cp850, Charset::kUtf8), Quotes::kEscaped);
}

// What the page's script keeps the solver's progress under: the same for
// the same title, grid and words.
std::string contentDigest(const PuzzlePage& page) {
  std::string content = page.title;
  for (const std::string& row : page.rows) content += "\n" + row;
  for (const std::string& word : page.words) content += "\n" + word;
  return sha256Hex(content);
}

void addGrid(BoundedText& out, const PuzzlePage& page) {
  const std::size_t rows = page.rows.size();
  const std::size_t columns = page.rows[0].size();
  out +=
      "<main>\n<div class=\"alue\"><div class=\"kehys\"><div class=\"ruudukko\" "
      "id=\"ruudukko\" tabindex=\"0\" aria-label=\"Kirjainruudukko\" data-rows=\"" +
      std::to_string(rows) + "\" data-columns=\"" + std::to_string(columns) + "\" data-key=\"" +
      contentDigest(page) + "\" style=\"--sarakkeet:" + std::to_string(columns) +
      ";--rivit:" + std::to_string(rows) + "\">\n";
  for (std::size_t r = 0; r < rows && !out.tooLarge(); ++r) {
    const std::string row = std::to_string(r + 1);
    for (std::size_t c = 0; c < columns; ++c) {
      out += "<span data-row=\"" + row + "\" data-column=\"" + std::to_string(c + 1) + "\">";
      out += html(std::string_view(&page.rows[r][c], 1));
      out += "</span>";
    }
    out += '\n';
  }
  out += "<svg class=\"merkit\" id=\"merkit\" viewBox=\"0 0 " + std::to_string(2 * columns) + " " +
         std::to_string(2 * rows) + "\" preserveAspectRatio=\"none\" aria-hidden=\"true\"></svg>\n";
  out += "</div></div></div>\n";
}

void addWords(BoundedText& out, const PuzzlePage& page) {
  out += "<ul class=\"sanat\" id=\"sanat\" aria-label=\"Sanat\">\n";
  for (const std::string& word : page.words) {
    if (out.tooLarge()) break;
    const std::string text = html(word);
    out += "<li data-word=\"" + text + "\">" + text + "</li>\n";
  }
  out += "</ul>\n</main>\n";
}

// Shown once every word is found; the script fills in the time and the
// letters of no word.
void addEnd(BoundedText& out, const PuzzlePage& page) {
  out +=
      "<section id=\"valmis\" hidden>\n<h2>Kaikki sanat l\303\266ydetty!</h2>\n"
      "<p id=\"aika\"></p>\n"
      "<p>Yli j\303\244\303\244neet kirjaimet: <span class=\"jaljella\" "
      "id=\"jaljella\"></span></p>\n";
  if (page.phrase) {
    out += "<form id=\"lause\" data-hash=\"" + sha256Hex(phraseDigestText(*page.phrase)) +
           "\"><label for=\"lauseKentta\">Piilolause:</label> <input id=\"lauseKentta\" "
           "autocomplete=\"off\" spellcheck=\"false\"> <button type=\"submit\">Tarkista</button> "
           "<span id=\"lauseTulos\" role=\"status\"></span></form>\n";
  }
  out += "</section>\n";
}

}  // namespace

std::string phraseDigestText(std::string_view cp850Phrase) {
  return fromCp850(phraseCells(cp850Phrase), Charset::kUtf8);
}

std::optional<std::string> playPage(const PuzzlePage& page, std::size_t limit) {
  const std::string title = html(page.title);
  BoundedText out(limit);
  out +=
      "<!DOCTYPE html>\n<html lang=\"fi\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
      title + "</title>\n<style>\n";
  out += playStyle();
  out += "</style>\n</head>\n<body>\n<h1>" + title + "</h1>\n";
  out +=
      "<p class=\"ohje\">Merkitse sana vet\303\244m\303\244ll\303\244 sen "
      "ensimm\303\244isest\303\244 "
      "kirjaimesta viimeiseen. N\303\244pp\303\244imist\303\266ll\303\244 nuolet "
      "siirt\303\244v\303\244t "
      "kohdistinta, ja Enter tai v\303\244lily\303\266nti merkitsee sanan alun ja lopun.</p>\n"
      "<div class=\"tila\"><span id=\"laskuri\" role=\"status\"></span> <span class=\"koko\">"
      "<button type=\"button\" id=\"pienenna\" title=\"Pienenn\303\244\" "
      "aria-label=\"Pienenn\303\244\">\342\210\222</button> <button type=\"button\" "
      "id=\"suurenna\" title=\"Suurenna\" aria-label=\"Suurenna\">+</button></span></div>\n";
  addGrid(out, page);
  addWords(out, page);
  addEnd(out, page);
  out +=
      "<p class=\"alusta\"><button type=\"button\" id=\"alusta\">Aloita alusta</button></p>\n"
      "<script>\n";
  out += playScript();
  out += "</script>\n</body>\n</html>\n";
  return std::move(out).take();
}

}  // namespace haravoija
