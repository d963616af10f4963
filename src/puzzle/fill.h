// Filling the cells no word uses: random letters, a hidden phrase, or none.
#ifndef HARAVOIJA_PUZZLE_FILL_H_
#define HARAVOIJA_PUZZLE_FILL_H_

#include <string>
#include <string_view>

#include "puzzle/grid.h"
#include "text/console.h"

namespace haravoija {

enum class FillMode { kNone, kRandomLetters, kHiddenPhrase, kLeaveEmpty };

// Every empty cell, in reading order, gets one of the 29 letters A-Z Å Ä Ö,
// one draw per empty cell.
void fillRandom(Grid& grid);

// Stores the line lower-cased as the hidden phrase and puts its characters
// other than spaces, upper-cased, into the empty cells in reading order;
// random letters complete the rest.
void fillWithPhrase(Grid& grid, std::string_view line);

// The text without its space characters.
std::string removeSpaces(std::string_view text);

// The fill-mode menu and, for a hidden phrase, the phrase dialogue; fills the
// grid as chosen. Returns the mode that was applied: kNone when input ended
// before a valid menu answer (nothing is filled then). When input ends in the
// phrase dialogue the last line read, or the empty phrase, fills the grid and
// random letters complete it.
FillMode chooseFill(Grid& grid, Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_FILL_H_
