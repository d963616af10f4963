// The list of offensive words and their search, which leaves out what the
// puzzle's own words spell.
#include "key/chance_words.h"

#include <set>
#include <string_view>
#include <utility>

#include "text/letters.h"

namespace haravoija {
namespace {

// \216 is Ä in CP850. Words a puzzle may well hold in another sense (MUNA,
// SIKA, HOMO, LÄSKI) are left out, so that the note stays worth reading; so
// are words that hold one of these (KUSIPÄÄ).
constexpr std::string_view kOffensive[] = {
    "VITTU", "VITUN",  "PERKELE",     "SAATANA",     "HELVETTI", "JUMALAUTA", "PASKIAINEN",
    "PASKA", "PERSE",  "PERSREI\216", "KUSI",        "KYRP\216", "KULLI",     "MULKKU",
    "PILLU", "HUORA",  "LUTKA",       "NARTTU",      "HORO",     "RUNKKU",    "NEEKERI",
    "NEKRU", "HINTTI", "MUTAKUONO",   "VINOSILM\216"};

// Links between neighbouring cells along each of the four lines a word can
// follow (across, down and the two diagonals): set where some listed word's
// place covers both cells.
class ListedLinks {
 public:
  ListedLinks(int rows, int columns)
      : columns_(columns), links_(4, std::vector<bool>(static_cast<std::size_t>(rows) * columns)) {}

  void addPlace(const Occurrence& at) {
    for (int k = 0; k + 1 < at.length; ++k) set(at, k);
  }

  // Whether every neighbouring pair of the place's cells is linked.
  bool inside(const Occurrence& at) const {
    for (int k = 0; k + 1 < at.length; ++k) {
      if (!get(at, k)) return false;
    }
    return true;
  }

 private:
  // The link from the k-th cell of the place to the next, kept at whichever
  // of the two cells comes first in the line's own direction.
  std::pair<int, std::size_t> linkOf(const Occurrence& at, int k) const {
    Direction direction = at.direction();
    const Step step = directionStep(direction);
    int row = at.row + k * step.row;
    int column = at.column + k * step.column;
    if (!readsForwards(direction)) {
      row += step.row;
      column += step.column;
      direction = reversed(direction);
    }
    const int line = direction == Direction::kRight       ? 0
                     : direction == Direction::kDown      ? 1
                     : direction == Direction::kDownRight ? 2
                                                          : 3;
    return {line, static_cast<std::size_t>(row) * columns_ + column};
  }
  void set(const Occurrence& at, int k) {
    const auto [line, cell] = linkOf(at, k);
    links_[line][cell] = true;
  }
  bool get(const Occurrence& at, int k) const {
    const auto [line, cell] = linkOf(at, k);
    return links_[line][cell];
  }

  std::size_t columns_;
  std::vector<std::vector<bool>> links_;
};

}  // namespace

std::vector<ChanceWord> findChanceWords(const PuzzlePage& page, const WordSearch& found,
                                        std::size_t limit) {
  std::set<std::string> listed;
  for (const std::string& word : page.words) listed.insert(toUpperText(word));
  std::vector<std::string> words;
  for (const std::string_view word : kOffensive) {
    if (!listed.contains(std::string(word))) words.emplace_back(word);
  }
  const WordSearch chance = findWords(page.rows, words, limit);
  if (chance.places.empty()) return {};
  ListedLinks links(static_cast<int>(page.rows.size()), static_cast<int>(page.rows[0].size()));
  for (const Occurrence& at : found.places) links.addPlace(at);
  std::vector<ChanceWord> result;
  for (std::size_t i = 0; i < words.size(); ++i) {
    ChanceWord word{words[i], {}};
    for (const Occurrence& at : chance.placesOf(i)) {
      if (!links.inside(at)) word.places.push_back(at);
    }
    if (!word.places.empty()) result.push_back(std::move(word));
  }
  return result;
}

}  // namespace haravoija
