// The word-entry loop of the dialogue: words, commands and the help screen.
#ifndef HARAVOIJA_APP_WORD_ENTRY_H_
#define HARAVOIJA_APP_WORD_ENTRY_H_

#include <string>

#include "app/environment.h"
#include "words/word_list.h"

namespace haravoija {

enum class WordEntryOutcome {
  kFinished,  // the finish command, or the end of input (the list may be empty)
  kQuit,      // /POISTU: the goodbye line has been printed
};

// Runs word entry on `list` and `title` until it ends.
[[nodiscard]] WordEntryOutcome runWordEntry(WordList& list, std::string& title, Environment& env);

// The 18-line help screen.
void printCommandHelp(Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_WORD_ENTRY_H_
