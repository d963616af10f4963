// The interactive dialogue from the welcome text to the end menu.
#ifndef HARAVOIJA_APP_DIALOGUE_H_
#define HARAVOIJA_APP_DIALOGUE_H_

#include "app/environment.h"

namespace haravoija {

// Runs the dialogue until the user quits or the input ends.
void runDialogue(Environment& env);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_DIALOGUE_H_
