// The bytes of the answer-key document. Both grids are inline SVG whose
// letters stand at fixed cell centres (a cell is 2 units), so the marks over
// the words line up with them at any size and in any font.
#include "output/key_page.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <vector>

#include "output/bounded_text.h"
#include "output/direction_names.h"
#include "output/key_layout.h"
#include "page/page_format.h"
#include "text/charset.h"

namespace haravoija {
namespace {

constexpr std::string_view kStyle = R"(@page { size: A4 portrait; }
html, body { margin: 0; padding: 0; background: #fff; color: #000; }
body { font-family: Arial, "Liberation Sans", Helvetica, sans-serif; }
.sivu { width: 170mm; height: 245mm; margin: 0 auto; overflow: hidden; }
.sivu + .sivu { break-before: page; page-break-before: always; }
h1 { margin: 0 0 3mm; line-height: 1.2; text-align: center; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
.huom { margin: 0 0 2mm; font-size: 3mm; line-height: 1.25; }
svg.ruudukko { display: block; margin: 0 auto 4mm; }
.kehys { fill: none; stroke: #000; stroke-width: 2.5px; vector-effect: non-scaling-stroke; }
.kirjaimet { font-size: 1.3px; text-anchor: middle; fill: #000; }
.ratkaisu .kirjaimet { font-weight: bold; }
.ratkaisu .kirjaimet .j { font-weight: normal; fill: #b0b0b0; }
.m { fill: none; stroke-width: 1.6; stroke-linecap: round; stroke-opacity: 0.45; }
.c0 { stroke: #e6194b; } .c1 { stroke: #3cb44b; } .c2 { stroke: #4363d8; } .c3 { stroke: #f58231; }
.c4 { stroke: #911eb4; } .c5 { stroke: #42d4f4; } .c6 { stroke: #f032e6; } .c7 { stroke: #9a6324; }
.sanat { display: grid; margin: 0 0 4mm; line-height: 1.25; }
.sanat > div { white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
.puuttuu { color: #b00000; font-style: italic; }
.monta { font-weight: bold; }
.viiva { margin: 6mm 0 0; font-size: 3.5mm; line-height: 1.25; }
.selite { margin: 0 0 3mm; font-size: 2.8mm; line-height: 1.25; }
.lause p { margin: 0 0 1mm; font-size: 3.5mm; line-height: 1.25; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
@media screen { html { background: #808080; } .sivu { background: #fff; margin: 8mm auto; } }
)";

// Heights in mm of what the page holds besides grid and list, as the style
// above sets them, with room for a title or note that takes two lines.
constexpr double kHeadingHeight = 6.0 * 1.2 + 3.0;
constexpr double kNoteHeight = 2 * 3.0 * 1.25 + 2.0;
constexpr double kGridAndListGaps = 4.0 + 4.0;
constexpr double kSolverLineHeight = 6.0 + 3.5 * 1.25;
constexpr double kLegendHeight = 2.8 * 1.25 + 3.0;
constexpr double kPhraseLineHeight = 3.5 * 1.25 + 1.0;
constexpr double kSpare = 6.0;

constexpr double kTitleFont = 6.0;
constexpr double kSmallestTitleFont = 2.5;
// Occurrences listed for one word; the grid marks them all.
constexpr std::size_t kListedOccurrences = 3;
constexpr std::size_t kShownLeftoverLetters = 60;
constexpr int kMarkColours = 8;

// CP850 text as UTF-8 for HTML text and attribute values. Control bytes,
// which no saved page should hold, show as the replacement character.
std::string html(std::string_view cp850) {
  std::string out;
  for (const char c : fromCp850(cp850, Charset::kUtf8)) {
    if (const std::string_view reference = markupReference(c, Quotes::kEscaped);
        !reference.empty()) {
      out += reference;
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      out += "\357\277\275";
    } else {
      out += c;
    }
  }
  return out;
}

std::string number(double value) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  return std::string(buffer, result.ptr);
}

// The title, smaller when it is long; `suffix` is UTF-8 HTML.
void addHeading(BoundedText& out, std::string_view title, std::string_view suffix = "") {
  const std::size_t characters = std::max<std::size_t>(title.size() + suffix.size() / 2, 1);
  const double fitting = kContentWidth / (0.6 * static_cast<double>(characters));
  const double font = std::max(kSmallestTitleFont, std::min(kTitleFont, fitting));
  out += "<h1 style=\"font-size:" + number(font) + "mm\">" + html(title) + std::string(suffix) +
         "</h1>\n";
}

void addNote(BoundedText& out, const PageLayout& layout) {
  if (!layout.small) return;
  out +=
      "<p class=\"huom\">Huom: ruudukko tai sanalista on niin suuri, ett\303\244 kirjaimet "
      "tulostuvat alle 5 pisteen kokoisina ja niit\303\244 voi olla vaikea lukea.</p>\n";
}

// The grid; with a key, the word marks under the letters and the letters of
// no word faint.
void addGrid(BoundedText& out, const PuzzlePage& page, const AnswerKey* key, double cell) {
  const int rows = static_cast<int>(page.rows.size());
  const int columns = static_cast<int>(page.rows[0].size());
  out += "<svg class=\"ruudukko\" viewBox=\"0 0 " + std::to_string(2 * columns) + " " +
         std::to_string(2 * rows) + "\" style=\"width:" + number(columns * cell) +
         "mm;height:" + number(rows * cell) + "mm\" role=\"img\" aria-label=\"Kirjainruudukko\">\n";
  out += "<rect class=\"kehys\" x=\"0\" y=\"0\" width=\"" + std::to_string(2 * columns) +
         "\" height=\"" + std::to_string(2 * rows) + "\"/>\n";
  if (key != nullptr) {
    out += "<g class=\"merkit\">\n";
    for (std::size_t i = 0; i < page.words.size() && !out.tooLarge(); ++i) {
      for (const Occurrence& at : key->places(i)) {
        out += "<line class=\"m c" + std::to_string(i % kMarkColours) + "\" x1=\"" +
               std::to_string(2 * at.column + 1) + "\" y1=\"" + std::to_string(2 * at.row + 1) +
               "\" x2=\"" + std::to_string(2 * at.endColumn() + 1) + "\" y2=\"" +
               std::to_string(2 * at.endRow() + 1) + "\"/>\n";
      }
    }
    out += "</g>\n";
  }
  out += "<g class=\"kirjaimet\">\n";
  for (int r = 0; r < rows; ++r) {
    std::string xs;
    std::string letters;
    bool faint = false;
    for (int c = 0; c < columns; ++c) {
      const char cell = page.rows[r][c];
      if (cell == ' ') continue;
      const bool leftover = key != nullptr && !key->isCovered(r, c);
      if (leftover != faint) {
        letters += leftover ? "<tspan class=\"j\">" : "</tspan>";
        faint = leftover;
      }
      if (!xs.empty()) xs += ' ';
      xs += std::to_string(2 * c + 1);
      letters += html(std::string_view(&cell, 1));
    }
    if (faint) letters += "</tspan>";
    if (xs.empty()) continue;
    out += "<text x=\"" + xs + "\" y=\"" + number(2 * r + 1.47) + "\">" + letters + "</text>\n";
  }
  out += "</g>\n</svg>\n";
}

// One line of a word list: its HTML and its width in characters. A list's
// entries are made twice, once for the widest and once to be written, rather
// than kept: a page may list a million words.
struct Entry {
  std::string html;
  std::size_t characters = 0;
};

template <typename MakeEntry>
std::size_t widest(std::size_t entries, const MakeEntry& entry) {
  std::size_t most = 0;
  for (std::size_t i = 0; i < entries; ++i) most = std::max(most, entry(i).characters);
  return most;
}

template <typename MakeEntry>
void addList(BoundedText& out, std::size_t entries, const MakeEntry& entry,
             const PageLayout& layout) {
  out += "<div class=\"sanat\" style=\"font-size:" + number(layout.listFont) +
         "mm;grid-template-columns:repeat(" + std::to_string(layout.listColumns) +
         ",1fr);column-gap:" + number(1.5 * layout.listFont) + "mm\">\n";
  const std::size_t perColumn = static_cast<std::size_t>(std::max(layout.listLines, 1));
  for (std::size_t first = 0; first < entries && !out.tooLarge(); first += perColumn) {
    out += "<div>";
    for (std::size_t i = first; i < std::min(entries, first + perColumn); ++i) {
      if (i > first) out += "<br>";
      out += entry(i).html;
    }
    out += "</div>\n";
  }
  out += "</div>\n";
}

Entry keyEntry(const std::string& word, std::span<const Occurrence> places) {
  Entry entry;
  if (places.empty()) {
    entry.html = "<span class=\"puuttuu\">" + html(word) + " \342\200\223</span>";
    entry.characters = word.size() + 2;
    return entry;
  }
  std::string text = html(word);
  entry.characters = word.size();
  for (std::size_t k = 0; k < std::min(places.size(), kListedOccurrences); ++k) {
    const std::string at =
        std::to_string(places[k].row + 1) + "," + std::to_string(places[k].column + 1);
    text += " " + at + std::string(directionNames(places[k].direction()).arrow);
    entry.characters += at.size() + 2;
  }
  if (places.size() > kListedOccurrences) {
    text += " \342\200\246";
    entry.characters += 2;
  }
  if (places.size() > 1) {
    const std::string times = " (" + std::to_string(places.size()) + "\303\227)";
    text = "<span class=\"monta\">" + text + times + "</span>";
    entry.characters += times.size() - 1;
  }
  entry.html = std::move(text);
  return entry;
}

// Offensive words that the grid spells by chance, for the teacher to see
// before printing.
void addChanceNote(BoundedText& out, const std::vector<ChanceWord>& chance) {
  if (chance.empty()) return;
  out += "<p class=\"huom\">Ruudukkoon on sattumalta syntynyt rumia sanoja: ";
  for (std::size_t i = 0; i < chance.size(); ++i) {
    const Occurrence& first = chance[i].places.front();
    out += (i > 0 ? ", " : "") + html(chance[i].word) + " (" + std::to_string(first.row + 1) +
           ", " + std::to_string(first.column + 1) + " " +
           std::string(directionNames(first.direction()).arrow) +
           (chance[i].places.size() > 1 ? " \342\200\246" : "") + ")";
  }
  out += ". Tee tarvittaessa uusi ristikko ennen tulostamista.</p>\n";
}

void addPuzzle(BoundedText& out, const PuzzlePage& page) {
  const auto entry = [&page](std::size_t i) {
    return Entry{html(page.words[i]), page.words[i].size()};
  };
  const std::size_t entries = page.words.size();
  const double other = kHeadingHeight + kNoteHeight + kGridAndListGaps +
                       kSolverLineHeight * (page.phrase ? 2 : 1) + kSpare;
  const PageLayout layout =
      layoutPage(static_cast<int>(page.rows.size()), static_cast<int>(page.rows[0].size()), entries,
                 widest(entries, entry), other);
  out += "<section class=\"sivu tehtava\" id=\"tehtava\">\n";
  addHeading(out, page.title);
  addNote(out, layout);
  addGrid(out, page, nullptr, layout.cell);
  addList(out, entries, entry, layout);
  // The solver's lines as the saved page has them.
  if (page.phrase) out += "<p class=\"viiva\">" + html(kPhraseQuestionLine) + "</p>\n";
  out += "<p class=\"viiva\">" + html(kSolverLine) + "</p>\n";
  out += "</section>\n";
}

void addKey(BoundedText& out, const PuzzlePage& page, const AnswerKey& key) {
  const auto entry = [&](std::size_t i) { return keyEntry(page.words[i], key.places(i)); };
  const std::size_t entries = page.words.size();
  const double other = kHeadingHeight + kNoteHeight + kGridAndListGaps + kLegendHeight +
                       (page.phrase ? 3 * kPhraseLineHeight : 0) +
                       (key.chance.empty() ? 0 : kNoteHeight) + kSpare;
  const PageLayout layout =
      layoutPage(static_cast<int>(page.rows.size()), static_cast<int>(page.rows[0].size()), entries,
                 widest(entries, entry), other);
  out += "<section class=\"sivu ratkaisu\" id=\"ratkaisu\">\n";
  addHeading(out, page.title, " \342\200\223 ratkaisu");
  addChanceNote(out, key.chance);
  addNote(out, layout);
  addGrid(out, page, &key, layout.cell);
  addList(out, entries, entry, layout);
  out +=
      "<p class=\"selite\">Sanan per\303\244ss\303\244 ensimm\303\244isen kirjaimen rivi ja "
      "sarake sek\303\244 suunta; \342\200\223 ei l\303\266ytynyt; (2\303\227) l\303\266ytyi "
      "useammin kuin kerran.</p>\n";
  if (page.phrase) {
    std::string leftover = key.leftoverLetters.substr(0, kShownLeftoverLetters);
    out += "<div class=\"lause\">\n<p><b>Piilolause:</b> " + html(*page.phrase) + "</p>\n";
    out += "<p>J\303\244ljelle j\303\244\303\244v\303\244t kirjaimet: " + html(leftover) +
           (key.leftoverLetters.size() > leftover.size() ? "\342\200\246" : "") + "</p>\n";
    out += *key.phraseMatches
               ? "<p>Ne muodostavat piilolauseen.</p>\n"
               : "<p class=\"puuttuu\">Ne eiv\303\244t muodosta piilolausetta.</p>\n";
    out += "</div>\n";
  }
  out += "</section>\n";
}

}  // namespace

std::optional<std::string> keyPage(const PuzzlePage& page, const AnswerKey& key,
                                   std::size_t limit) {
  BoundedText out(limit);
  out += "<!DOCTYPE html>\n<html lang=\"fi\">\n<head>\n<meta charset=\"utf-8\">\n";
  out += "<title>" + html(page.title) + " \342\200\223 ratkaisu</title>\n";
  out += "<style>\n" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
  addPuzzle(out, page);
  addKey(out, page, key);
  out += "</body>\n</html>\n";
  return std::move(out).take();
}

}  // namespace haravoija
