// What the conversation works with besides the puzzle: the console it talks
// through, the disk it reads and saves on, and the source of chance. main
// hands in the real ones; tests hand in fakes.
#ifndef HARAVOIJA_APP_ENVIRONMENT_H_
#define HARAVOIJA_APP_ENVIRONMENT_H_

#include "app/console.h"
#include "env/file_system.h"
#include "env/random_source.h"

namespace haravoija {

struct Environment {
  Console& console;
  FileSystem& files;
  RandomSource& random;
};

}  // namespace haravoija

#endif  // HARAVOIJA_APP_ENVIRONMENT_H_
