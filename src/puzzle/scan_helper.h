// A second thread for large placement scans. It keeps its own copy of the
// scan masks, brought up to date from a log of the grid's changes at the
// start of each scan it joins, so that the calling thread never waits for
// it: the two claim rows of the scan order from a shared counter, and the
// calling thread does itself any rows the helper has claimed but not done.
// (Tests may ask for alternate chunks instead, where it does wait.)
#ifndef HARAVOIJA_PUZZLE_SCAN_HELPER_H_
#define HARAVOIJA_PUZZLE_SCAN_HELPER_H_

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "puzzle/block_scan.h"
#include "puzzle/scan_masks.h"

namespace haravoija {

class ScanHelper {
 public:
  // Whether a scan of this shape fits the shared counters.
  static bool canShare(const ScanJob& job);

  // Starts the thread with a copy of `masks`, made here so that the helper
  // is ready at once; nullptr when no thread can be started. With
  // `alternate` the helper does the odd chunks of rows of every scan but the
  // first, which it claims and leaves, and the calling thread the even ones,
  // then waits for the helper and does the chunk it left.
  // REQUIRES: every later change of `masks` is noted below, in order.
  static std::unique_ptr<ScanHelper> start(const ScanMasks& masks, bool alternate);
  ScanHelper(const ScanHelper&) = delete;
  ScanHelper& operator=(const ScanHelper&) = delete;
  ~ScanHelper();

  // The grid's changes since the copy, in order.
  // REQUIRES: called from the thread that calls scan(), between scans.
  void noteReset(int rowCount, int columnCount);
  void noteGrow();
  void noteWrite(int row, int column, unsigned char letter);

  // Whether the next large scan should be shared: not for a while after
  // the helper has missed several in a row, as on a machine whose cores
  // are taken by other work, where waking it costs more than it gives.
  bool wanted();

  // The best placement of the scan's job sharing at least one letter, with
  // the helper's help; row -1 when none.
  // REQUIRES: `scan` is set up over the calling thread's masks, in step with
  // the noted changes; canShare(scan.job()).
  Placement scan(const BlockScan& scan, long long& steps);

  long long helperRows() const { return helperRows_.load(std::memory_order_relaxed); }
  long long helperSteps() const { return helperSteps_.load(std::memory_order_relaxed); }

 private:
  enum class OpKind : unsigned char { kReset, kGrow, kWrite };
  struct Op {
    OpKind kind;
    unsigned char letter;
    int row;
    int column;
  };

  explicit ScanHelper(bool alternate) : alternate_(alternate) {}
  void run(ScanMasks masks);
  // Moves the pending changes to the log; under the mutex.
  void handOver();
  // Claims chunks of rows of scan `id` until none is left; the number
  // claimed.
  int work(bool helper, std::uint32_t id, int chunkRows, const BlockScan& scan, long long& steps);
  void doChunk(std::uint32_t id, int chunk, int chunkRows, const BlockScan& scan, long long& steps);
  void offer(std::uint32_t id, int shared, int scanRow, int key);

  const bool alternate_;
  // The calling thread's changes not yet handed over.
  std::vector<Op> pending_;
  std::uint32_t lastId_ = 0;
  // Shared scans in a row that the helper took no part in, and how many
  // scans to do alone before trying again.
  int misses_ = 0;
  int skip_ = 0;
  int backOff_ = 1;

  // Handed over under the mutex: the log since the last reset (op number
  // logBase_ first), and the current job with the log length it needs.
  std::mutex mutex_;
  std::vector<Op> log_;
  std::uint64_t logBase_ = 0;
  ScanJob job_;
  std::uint32_t jobId_ = 0;
  std::uint64_t jobVersion_ = 0;
  int jobChunkRows_ = 1;
  bool stop_ = false;

  // Bumped whenever there is something new for the helper. The claim
  // counter (scan id, next chunk, the chunk the helper is in) and the best
  // so far (scan id, shared letters, scan position): the scan id in each
  // makes a late helper's moves fail.
  std::atomic<std::uint32_t> signal_{0};
  std::atomic<std::uint64_t> claim_{0};
  std::atomic<std::uint64_t> best_{0};
  std::atomic<long long> helperRows_{0};
  std::atomic<long long> helperSteps_{0};
  // The last scan whose chunks the helper has done (alternate chunks only).
  std::atomic<std::uint32_t> helperDone_{0};
  std::thread thread_;
};

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_SCAN_HELPER_H_
