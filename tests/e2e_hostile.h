// Shared by the end-to-end tests of hostile input: the watchdog for runs of
// the binary, the checks every run must pass, and the size of the big inputs.
#ifndef HARAVOIJA_TESTS_E2E_HOSTILE_H_
#define HARAVOIJA_TESTS_E2E_HOSTILE_H_

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "test_util.h"

namespace haravoija::testing {

inline const std::string kGoodbyeLine = "Kiitos ohjelman k\204yt\224st\204!\n";
// The same line as a UTF-8 terminal shows it.
inline const std::string kGoodbyeLineUtf8 = "Kiitos ohjelman k\303\244yt\303\266st\303\244!\n";

// True in a build with AddressSanitizer, where runs are several times slower
// and memory figures larger.
constexpr bool underSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
  return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return true;
#else
  return false;
#endif
#else
  return false;
#endif
}

// True in an unoptimised build, where reading a file byte by byte is slow.
constexpr bool unoptimised() {
#ifdef NDEBUG
  return false;
#else
  return true;
#endif
}

// Options for one run: killed by the watchdog when it takes longer than a
// healthy run ever should (a hang or an endless loop, not a slow machine).
inline RunOptions guardedRun(std::chrono::seconds limit = std::chrono::seconds(5)) {
  RunOptions options;
  options.timeout = underSanitizer() ? limit * 4 : limit;
  return options;
}

// The size of the huge inputs in megabytes: HARAVOIJA_HUGE_MB when set,
// otherwise as much as each build reads in about a second or two.
inline std::size_t hugeInputMegabytes() {
  if (const char* set = std::getenv("HARAVOIJA_HUGE_MB"); set != nullptr && *set != '\0') {
    return static_cast<std::size_t>(std::strtoul(set, nullptr, 10));
  }
  if (unoptimised()) return 8;
  return underSanitizer() ? 32 : 256;
}

// What every run of the program must do, whatever its input: end by itself,
// with status 0, the goodbye line once and last, nothing on standard error,
// and no temporary file left in `dir`.
inline void expectCleanEnd(const RunResult& run, const std::filesystem::path& dir,
                           const std::string& context, const std::string& goodbye = kGoodbyeLine) {
  EXPECT_FALSE(run.timedOut) << context;
  EXPECT_EQ(run.exitStatus, 0) << context;
  EXPECT_TRUE(endsWith(run.out, goodbye))
      << context << "\n...ends with: "
      << run.out.substr(run.out.size() - std::min<std::size_t>(run.out.size(), 300));
  EXPECT_EQ(occurrences(run.out, goodbye), 1U) << context;
  EXPECT_EQ(run.err, "") << context;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    EXPECT_NE(entry.path().filename().string().rfind(".haravoija-", 0), 0U)
        << context << ": " << entry.path();
  }
}

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_E2E_HOSTILE_H_
