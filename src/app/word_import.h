// Importing words from files as the user sees it: word entry's "+" command
// and the batch run's import, with their progress, word and summary lines.
#ifndef HARAVOIJA_APP_WORD_IMPORT_H_
#define HARAVOIJA_APP_WORD_IMPORT_H_

#include <string_view>

#include "app/environment.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija {

// Carries out one line beginning with "+": checks the file name, opens the
// file, checks the parameters, in that order (the first failure prints its
// message and nothing is added), then imports with the selection they give.
void runImportCommand(std::string_view line, WordList& list, Environment& env);

// The batch run's import: the progress line, then every new word of the file
// added with its line.
void importBatchWords(InputFile& file, WordFileMode mode, WordList& list, Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_WORD_IMPORT_H_
