// Fuzz target: arbitrary terminal bytes through the console's line reading
// and character-set conversion.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "text/charset.h"
#include "text/console.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (haravoija::Charset charset :
       {haravoija::Charset::kUtf8, haravoija::Charset::kLatin1, haravoija::Charset::kLatin9}) {
    std::istringstream in(bytes);
    std::ostringstream out;
    haravoija::Console console(in, out, charset);
    while (auto line = console.ask()) console.line(*line);
    const std::string cp850 = haravoija::toCp850(bytes, charset);
    // Every CP850 text survives a trip out to the terminal and back.
    if (charset == haravoija::Charset::kUtf8 &&
        haravoija::toCp850(haravoija::fromCp850(cp850, charset), charset) != cp850) {
      __builtin_trap();
    }
  }
  return 0;
}
