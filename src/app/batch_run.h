// The batch run: one word file in, out.html out, no questions asked.
#ifndef HARAVOIJA_APP_BATCH_RUN_H_
#define HARAVOIJA_APP_BATCH_RUN_H_

#include <string_view>

#include "app/environment.h"
#include "env/file_system.h"

namespace haravoija {

// `file` is open on `argument` (command-line bytes). Makes a normal puzzle at
// the smallest size, fills it with random letters, shows it, writes out.html
// and prints the goodbye line.
void runBatch(InputFile& file, std::string_view argument, Environment& env);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_BATCH_RUN_H_
