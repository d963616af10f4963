// The batch run (being built: for now it only says goodbye).
#include "app/batch_run.h"

namespace haravoija {

void runBatch(std::istream&, std::string_view, Console& console) {
  console.line("Kiitos ohjelman k\204yt\224st\204!");
}

}  // namespace haravoija
