// Filling the cells no word uses: with random letters or a hidden phrase.
#ifndef HARAVOIJA_PUZZLE_FILL_H_
#define HARAVOIJA_PUZZLE_FILL_H_

#include <string_view>

#include "env/random_source.h"
#include "puzzle/grid.h"

namespace haravoija {

// Every empty cell, in reading order, gets one of the 29 letters A-Z Å Ä Ö
// (CP850), one draw per empty cell, each letter as likely as the next.
void fillRandom(Grid& grid, RandomSource& random);

// Stores the line lower-cased as the hidden phrase and puts its phraseCells
// into the empty cells in reading order; random letters, as fillRandom draws
// them, complete the rest.
void fillWithPhrase(Grid& grid, std::string_view line, RandomSource& random);

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_FILL_H_
