// The interactive dialogue from the welcome text to the end menu.
#ifndef HARAVOIJA_APP_DIALOGUE_H_
#define HARAVOIJA_APP_DIALOGUE_H_

#include "text/console.h"

namespace haravoija {

// Runs the dialogue until the user quits or the input ends.
void runDialogue(Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_DIALOGUE_H_
