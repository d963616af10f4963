// Puzzle documents with known grids, words, titles and phrases for the
// browser check (tests/browser/check_documents.py). With
// HARAVOIJA_BROWSER_SAMPLES set to a folder, the documents go there together
// with manifest.jsonl, one line per document saying what a reader must see;
// with HARAVOIJA_BROWSER_SIZES set, grids of growing size for the A4
// measurement go there too. Without them everything is written into a
// temporary folder and only the writer's outcome is checked.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "output/document.h"
#include "puzzle/grid.h"
#include "test_util.h"
#include "text/charset.h"

namespace haravoija {
namespace {

struct Sample {
  std::string stem;
  std::string title;                     // CP850, as typed
  std::vector<std::string> rows;         // CP850 cells
  std::vector<std::string> placedWords;  // CP850, placement order
  std::string hiddenPhrase;              // CP850, lower-cased as the fill leaves it
  // What the word list shows, column by column (UTF-8), worked out by hand.
  std::vector<std::vector<std::string>> columns;
};

std::string jsonUtf8(const std::string& utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      static const char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string jsonString(const std::string& cp850) {
  return jsonUtf8(fromCp850(cp850, Charset::kUtf8));
}

std::string jsonList(const std::vector<std::string>& items, bool alreadyJson = false) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ", ";
    out += alreadyJson ? items[i] : jsonString(items[i]);
  }
  return out + "]";
}

// The manifest line of a sample; column words are already UTF-8.
std::string manifestLine(const Sample& sample) {
  std::vector<std::string> columns;
  for (const std::vector<std::string>& column : sample.columns) {
    std::vector<std::string> words;
    for (const std::string& word : column) words.push_back(jsonUtf8(word));
    columns.push_back(jsonList(words, true));
  }
  return "{\"file\": " + jsonString(sample.stem + ".html") +
         ", \"title\": " + jsonString(sample.title) + ", \"rows\": " + jsonList(sample.rows) +
         ", \"phrase\": " + jsonString(sample.hiddenPhrase) +
         ", \"columns\": " + jsonList(columns, true) + "}";
}

// A rows x columns block of letters that repeats `letters`.
std::vector<std::string> letterBlock(int rowCount, int columnCount, const std::string& letters) {
  std::vector<std::string> rows;
  std::size_t next = 0;
  for (int r = 0; r < rowCount; ++r) {
    std::string row;
    for (int c = 0; c < columnCount; ++c) row += letters[next++ % letters.size()];
    rows.push_back(row);
  }
  return rows;
}

std::vector<Sample> samples() {
  std::vector<Sample> all;
  // One column; the Finnish initials after A-Z with Ä before Å, and a longer
  // word placed before its prefix.
  all.push_back({"yksi-palsta", "El\204imet",
                 {"KISSAT", "\216ITI\217S", "\231RKKIA", "ASE  K", "KISSAL"},
                 {"KISSAT", "KISSA", "\216ITI", "\217S", "\231RKKI", "ASE"},
                 "",
                 {{"Ase", "Kissa", "Kissat", "Äiti", "Ås", "Örkki"}}});
  // Two columns, 9 + 7.
  all.push_back({"kaksi-palstaa", "Kotiel\204imet ja villiel\204imet",
                 letterBlock(12, 12, "KOIRAHIIRILEHM\216SIKAVUOHI"),
                 {"HEVONEN", "LAMMAS", "KOIRA", "kissa", "Hiiri", "LEHM\216", "SIKA", "VUOHI",
                  "KANA", "ANKKA", "HANHI", "KETTU", "SUSI", "KARHU", "ILVES", "HIRVI"},
                 "",
                 {{"Ankka", "Hanhi", "Hevonen", "Hiiri", "Hirvi", "Ilves", "Kana", "Karhu",
                   "Kettu"},
                  {"Kissa", "Koira", "Lammas", "Lehmä", "Sika", "Susi", "Vuohi"}}});
  // Three columns, 12 + 12 + 9, placed in an order far from the shown one.
  all.push_back({"kolme-palstaa", "Suuri el\204inristikko",
                 letterBlock(20, 20, "ANKKAKOTKA\231LJYSUSIVARIS"),
                 {"\231RKKI", "zebu", "Ahven", "\217NGSTR\224M", "Ankka", "Apina", "HAUKKA",
                  "Hevonen", "\216YRI\204INEN", "Hirvi", "Ilves", "J\204nis", "KAMELI", "Karhu",
                  "Kettu", "kirahvi", "koira", "Kotka", "Lehm\204", "Leijona", "Majava",
                  "Norsu", "Orava", "P\224ll\224", "Rusakko", "Saukko", "Seepra", "Susi",
                  "Tiikeri", "Varis", "Vuohi", "Y\224kk\224", "\231ljy"},
                 "",
                 {{"Ahven", "Ankka", "Apina", "Haukka", "Hevonen", "Hirvi", "Ilves", "Jänis",
                   "Kameli", "Karhu", "Kettu", "Kirahvi"},
                  {"Koira", "Kotka", "Lehmä", "Leijona", "Majava", "Norsu", "Orava", "Pöllö",
                   "Rusakko", "Saukko", "Seepra", "Susi"},
                  {"Tiikeri", "Varis", "Vuohi", "Yökkö", "Zebu", "Äyriäinen", "Ångström", "Öljy",
                   "Örkki"}}});
  // Markup characters in the title, the phrase and, through the phrase fill,
  // in the cells; one cell left empty.
  all.push_back({"merkit", "Kissa & koira <3 --> loppu",
                 {"KISSA", "KOIRA", "A<B>&", "-->C "},
                 {"KISSA", "KOIRA"},
                 "a <b> & --> c",
                 {{"Kissa", "Koira"}}});
  // A title and a phrase that would end their elements or the comment early,
  // and a phrase that already holds a character reference.
  all.push_back({"kommentti", "</title><script>document.title='x'</script>",
                 {"RUU", "TU-", "-><"},
                 {"RUUTU"},
                 "--><h1>ratkaisu</h1><!-- &amp; h\204t\204",
                 {{"Ruutu"}}});
  // Nothing to show but a single cell: empty title, no words.
  all.push_back({"tyhja", "", {"X"}, {}, "", {}});
  return all;
}

// Square grids of growing size with a full one-column list (15 words) or a
// three-column list (33 words), named koko-<n>-<columns>.html.
void writeSizeSeries(Console& console) {
  for (const int columns : {1, 3}) {
    const int wordCount = columns == 1 ? 15 : 33;
    for (int n = 4; n <= 40; ++n) {
      Grid grid = create(n, n);
      grid.rows = letterBlock(n, n, "SANARISTIKKO\216\231");
      for (int i = 0; i < wordCount; ++i) {
        grid.placedWords.push_back("SANA" + std::string(1, static_cast<char>('A' + i % 26)) +
                                   std::string(1, static_cast<char>('A' + i / 26)));
      }
      writePuzzleDocument(grid, "koko-" + std::to_string(n) + "-" + std::to_string(columns),
                          "Sanaristikko " + std::to_string(n) + "x" + std::to_string(n), console);
    }
  }
}

std::optional<std::filesystem::path> folderFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  std::filesystem::create_directories(value);
  return std::filesystem::path(value);
}

TEST(BrowserSamplesTest, WritesEverySampleAndItsManifest) {
  testing::TempDir temp;
  const std::filesystem::path folder =
      folderFromEnvironment("HARAVOIJA_BROWSER_SAMPLES").value_or(temp.path());
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);

  std::ofstream manifest(folder / "manifest.jsonl", std::ios::binary | std::ios::trunc);
  for (const Sample& sample : samples()) {
    Grid grid = create(static_cast<int>(sample.rows.size()),
                       static_cast<int>(sample.rows[0].size()));
    grid.rows = sample.rows;
    grid.placedWords = sample.placedWords;
    grid.hiddenPhrase = sample.hiddenPhrase;
    testing::FakeConsole console;
    writePuzzleDocument(grid, sample.stem, sample.title, console);
    EXPECT_EQ(console.output(), "Ruudukko tallennettu tiedostoon " + sample.stem + ".html.\n\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / (sample.stem + ".html")))
        << sample.stem;
    manifest << manifestLine(sample) << '\n';
  }
  manifest.close();
  EXPECT_TRUE(manifest.good());

  if (const auto sizes = folderFromEnvironment("HARAVOIJA_BROWSER_SIZES")) {
    std::filesystem::current_path(*sizes);
    testing::FakeConsole console;
    writeSizeSeries(console);
    EXPECT_EQ(console.output().find("ei onnistunut"), std::string::npos) << console.output();
  }
  std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace haravoija
