// The JSON form of the answer key; its strings escaped by the JSON library.
#include "output/key_json.h"

#include <nlohmann/json.hpp>
#include <span>

#include "output/bounded_text.h"
#include "output/direction_names.h"
#include "text/charset.h"

namespace haravoija {
namespace {

// A JSON string of CP850 text, escaped by the JSON library. Every string is
// well-formed UTF-8 from the conversion; replace is only there so that
// dumping can never throw.
std::string jsonString(const std::string& cp850) {
  return nlohmann::json(fromCp850(cp850, Charset::kUtf8))
      .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void addPlace(BoundedText& out, const Occurrence& at) {
  out += "{\"row\":" + std::to_string(at.row + 1) + ",\"column\":" + std::to_string(at.column + 1) +
         ",\"direction\":\"" + std::string(directionNames(at.direction()).compass) +
         "\",\"endRow\":" + std::to_string(at.endRow() + 1) +
         ",\"endColumn\":" + std::to_string(at.endColumn() + 1) + "}";
}

// A word and its places: {"word": ..., "occurrences": [...]}.
void addWord(BoundedText& out, const std::string& word, std::span<const Occurrence> places) {
  out += "{\"word\":" + jsonString(word) + ",\"occurrences\":[";
  for (std::size_t k = 0; k < places.size() && !out.tooLarge(); ++k) {
    if (k > 0) out += ',';
    addPlace(out, places[k]);
  }
  out += "]}";
}

}  // namespace

std::optional<std::string> keyJson(const PuzzlePage& page, const AnswerKey& key,
                                   std::size_t limit) {
  // Written a piece at a time rather than as one JSON tree: a large page has
  // hundreds of thousands of places, which as a tree would take many times
  // the memory of their text.
  BoundedText out(limit);
  out += "{\"title\":" + jsonString(page.title) + ",\"rows\":" + std::to_string(page.rows.size()) +
         ",\"columns\":" + std::to_string(page.rows[0].size()) + ",\"grid\":[";
  for (std::size_t r = 0; r < page.rows.size(); ++r) {
    if (r > 0) out += ',';
    out += jsonString(page.rows[r]);
  }
  out += "],\"words\":[";
  for (std::size_t i = 0; i < page.words.size() && !out.tooLarge(); ++i) {
    if (i > 0) out += ',';
    addWord(out, page.words[i], key.places(i));
  }
  out += "],\"phrase\":" + (page.phrase ? jsonString(*page.phrase) : "null");
  out += ",\"phraseMatches\":";
  out += key.phraseMatches ? (*key.phraseMatches ? "true" : "false") : "null";
  out += ",\"chance\":[";
  for (std::size_t i = 0; i < key.chance.size(); ++i) {
    if (i > 0) out += ',';
    addWord(out, key.chance[i].word, key.chance[i].places);
  }
  out += "]}";
  return std::move(out).take();
}

}  // namespace haravoija
