// Word entry's "+" command: reading words from a file named on the line.
#ifndef HARAVOIJA_WORDS_IMPORT_COMMAND_H_
#define HARAVOIJA_WORDS_IMPORT_COMMAND_H_

#include <string_view>

#include "text/console.h"
#include "words/word_list.h"

namespace haravoija {

// Carries out one line beginning with "+": checks the file name, opens the
// file, checks the parameters in that order (the first failure prints its
// message and nothing is added), then imports with the selection they give.
void runImportCommand(std::string_view line, WordList& list, Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_WORDS_IMPORT_COMMAND_H_
