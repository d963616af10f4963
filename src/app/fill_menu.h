// The fill-mode menu shown after every generation, and the hidden-phrase
// question behind its second choice.
#ifndef HARAVOIJA_APP_FILL_MENU_H_
#define HARAVOIJA_APP_FILL_MENU_H_

#include "app/environment.h"
#include "puzzle/grid.h"

namespace haravoija {

enum class FillMode { kNone, kRandomLetters, kHiddenPhrase, kLeaveEmpty };

// Asks how to fill the empty cells and fills them so. Returns the mode
// applied: kNone when input ended before a valid menu answer (nothing is
// filled then). When input ends at the phrase question the last line read,
// or the empty phrase, fills the grid and random letters complete it.
FillMode chooseFill(Grid& grid, Environment& env);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_FILL_MENU_H_
