// Running the binary with its clock stopped at a given moment (libfaketime),
// so that a run seeded from the clock gives the same puzzle every time.
#ifndef HARAVOIJA_TESTS_FROZEN_CLOCK_H_
#define HARAVOIJA_TESTS_FROZEN_CLOCK_H_

#include <optional>
#include <string>
#include <vector>

namespace haravoija::testing {

// Environment entries for runBinary that stop the clock at `moment`
// ("2026-01-01 12:00:00"), or nothing when libfaketime is not installed.
std::optional<std::vector<std::string>> frozenClockEnv(const std::string& moment);

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_FROZEN_CLOCK_H_
