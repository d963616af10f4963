// The JSON form of the answer key, escaped by the JSON library.
#include "output/key_json.h"

#include <nlohmann/json.hpp>

#include "text/charset.h"

namespace haravoija {
namespace {

using Json = nlohmann::ordered_json;

Json utf8(const std::string& cp850) { return fromCp850(cp850, Charset::kUtf8); }

}  // namespace

std::string keyJson(const PuzzlePage& page, const AnswerKey& key) {
  Json object;
  object["title"] = utf8(page.title);
  object["rows"] = page.rows.size();
  object["columns"] = page.rows[0].size();
  Json grid = Json::array();
  for (const std::string& row : page.rows) grid.push_back(utf8(row));
  object["grid"] = std::move(grid);
  Json words = Json::array();
  for (std::size_t i = 0; i < page.words.size(); ++i) {
    Json places = Json::array();
    for (const Occurrence& at : key.occurrences[i]) {
      places.push_back({{"row", at.row + 1},
                        {"column", at.column + 1},
                        {"direction", compassName(at.direction)},
                        {"endRow", at.endRow + 1},
                        {"endColumn", at.endColumn + 1}});
    }
    words.push_back({{"word", utf8(page.words[i])}, {"occurrences", std::move(places)}});
  }
  object["words"] = std::move(words);
  object["phrase"] = page.phrase ? utf8(*page.phrase) : Json(nullptr);
  object["phraseMatches"] = key.phraseMatches ? Json(*key.phraseMatches) : Json(nullptr);
  // Every string is well-formed UTF-8 from the conversion; replace is only
  // there so that dumping can never throw.
  return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace haravoija
