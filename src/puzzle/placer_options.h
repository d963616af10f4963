// How the placement scan may use threads, and what the placements cost.
#ifndef HARAVOIJA_PUZZLE_PLACER_OPTIONS_H_
#define HARAVOIJA_PUZZLE_PLACER_OPTIONS_H_

namespace haravoija {

struct PlacerOptions {
  // Threads sharing one scan: 1, or 2 with a helper thread that starts at
  // the first large scan (one thread when it cannot start); a count below 1
  // means 1, above 2 means 2.
  int threads = 2;
  // Scans of fewer blocks of starts than this stay on one thread: for them
  // the hand-over costs more than the helper saves.
  long long parallelBlocks = 3000;
  // The helper starts once large scans have tested this many blocks: its
  // copy of the masks must be built first, which a short run does not repay.
  long long helperStartBlocks = 5'000'000;
  // A knob for tests and benchmarks, never the program's: with two threads,
  // every scan is shared from the first on whatever its size, the helper
  // doing every other chunk of rows and the calling thread waiting for it,
  // so that the helper's share does not depend on timing. The helper's first
  // chunk of each scan is left to the calling thread, as when the helper
  // loses its core in the middle of a chunk.
  bool alternateChunks = false;
};

// What the placements have cost so far.
struct PlacerStats {
  // Blocks of up to 256 starts tested together, plus starts tested one by
  // one: a plain scan tests every start of every direction one by one.
  long long scanSteps = 0;
  // Rows of the scan order that the helper thread did.
  long long helperRows = 0;
};

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_PLACER_OPTIONS_H_
