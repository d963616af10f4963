// Environment for a run under libfaketime.
#include "frozen_clock.h"

#include <cstdlib>
#include <filesystem>

namespace haravoija::testing {

std::optional<std::vector<std::string>> frozenClockEnv(const std::string& moment) {
  const char* const kLibraries[] = {
      "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
      "/usr/lib/aarch64-linux-gnu/faketime/libfaketime.so.1",
      "/usr/lib/faketime/libfaketime.so.1",
      "/usr/local/lib/faketime/libfaketime.so.1",
  };
  for (const char* library : kLibraries) {
    if (!std::filesystem::exists(library)) continue;
    // A sanitizer build insists on coming first among the preloaded
    // libraries; let it accept the preload, keeping its other options.
    std::string asan = "ASAN_OPTIONS=";
    if (const char* current = std::getenv("ASAN_OPTIONS")) asan += std::string(current) + ":";
    asan += "verify_asan_link_order=0";
    return std::vector<std::string>{std::string("LD_PRELOAD=") + library, "FAKETIME=" + moment,
                                    asan};
  }
  return std::nullopt;
}

}  // namespace haravoija::testing
