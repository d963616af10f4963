// Saving the finished puzzle: asking for a file name and writing the document.
#ifndef HARAVOIJA_APP_SAVE_DIALOGUE_H_
#define HARAVOIJA_APP_SAVE_DIALOGUE_H_

#include <string>
#include <string_view>

#include "app/environment.h"
#include "puzzle/grid.h"

namespace haravoija {

// The name test of the save prompt. An empty answer passes (it stands for
// the title). Otherwise the answer must pass checkTitle (which capitalises
// its first byte in place) and hold no full stop and no NUL byte: a full stop
// would let the user give an extension, a NUL would cut the name short on
// disk.
[[nodiscard]] bool acceptFileNameAnswer(std::string& answer);

enum class SaveOutcome {
  kHandedOver,  // the document was written or its failure reported
  kInputEnded,  // the input ended before a name was accepted; nothing written
};

// Asks for a file name until one is accepted, then saves the document under
// it, or under the title when the answer was empty.
[[nodiscard]] SaveOutcome runSaveDialogue(const Grid& grid, std::string_view title,
                                          Environment& env);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_SAVE_DIALOGUE_H_
