// The JSON form of the answer key, escaped by the JSON library.
#include "output/key_json.h"

#include <nlohmann/json.hpp>

#include "output/direction_names.h"
#include "text/charset.h"

namespace haravoija {
namespace {

using Json = nlohmann::ordered_json;

Json utf8(const std::string& cp850) { return fromCp850(cp850, Charset::kUtf8); }

// Every string is well-formed UTF-8 from the conversion; replace is only
// there so that dumping can never throw.
std::string dumped(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::string keyJson(const PuzzlePage& page, const AnswerKey& key) {
  // The object is dumped a word at a time: a large page has hundreds of
  // thousands of occurrences, which as one JSON tree would take far more
  // memory than as text. The library escapes every string.
  Json head;
  head["title"] = utf8(page.title);
  head["rows"] = page.rows.size();
  head["columns"] = page.rows[0].size();
  Json grid = Json::array();
  for (const std::string& row : page.rows) grid.push_back(utf8(row));
  head["grid"] = std::move(grid);
  Json tail;
  tail["phrase"] = page.phrase ? utf8(*page.phrase) : Json(nullptr);
  tail["phraseMatches"] = key.phraseMatches ? Json(*key.phraseMatches) : Json(nullptr);

  std::string out = dumped(head);
  out.pop_back();
  out += ",\"words\":[";
  for (std::size_t i = 0; i < page.words.size(); ++i) {
    Json places = Json::array();
    for (const Occurrence& at : key.occurrences[i]) {
      places.push_back({{"row", at.row + 1},
                        {"column", at.column + 1},
                        {"direction", directionNames(at.direction).compass},
                        {"endRow", at.endRow + 1},
                        {"endColumn", at.endColumn + 1}});
    }
    if (i > 0) out += ',';
    out += dumped({{"word", utf8(page.words[i])}, {"occurrences", std::move(places)}});
  }
  out += "],";
  out += dumped(tail).substr(1);
  return out;
}

}  // namespace haravoija
