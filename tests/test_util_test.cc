// The watchdog of runBinary: a run that never ends is killed and reported,
// so a hang fails its test instead of stalling the suite.
#include "test_util.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace haravoija::testing {
namespace {

TEST(RunBinaryTest, WatchdogKillsARunThatNeverEnds) {
  TempDir dir;
  // Opening a FIFO for reading waits for a writer, and none ever comes.
  const std::filesystem::path fifo = dir.path() / "stdin";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  RunOptions options;
  options.timeout = std::chrono::milliseconds(200);
  options.stdinPath = fifo;
  const RunResult run = runBinary({}, "", dir.path(), options);
  EXPECT_TRUE(run.timedOut);
  EXPECT_EQ(run.exitStatus, 128 + 9);
}

}  // namespace
}  // namespace haravoija::testing
