// The interactive dialogue (being built: for now it only says goodbye).
#include "app/dialogue.h"

namespace haravoija {

void runDialogue(Console& console) { console.line("Kiitos ohjelman k\204yt\224st\204!"); }

}  // namespace haravoija
