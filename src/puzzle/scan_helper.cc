// The helper thread of large scans: the log of grid changes it replays, the
// shared claim counter and best result, and its wait for the next scan.
#include "puzzle/scan_helper.h"

#include <algorithm>
#include <system_error>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace haravoija {
namespace {

// Field widths of the packed atomics: scan id 24 bits; in the claim word
// the next chunk and the helper's chunk 20 bits each; in the best word
// the shared count 7 bits and the scan position 33 bits (row of the scan
// order 20, key 13).
constexpr std::uint64_t kIdMask = (std::uint64_t{1} << 24) - 1;
constexpr std::uint64_t kChunkMask = (std::uint64_t{1} << 20) - 1;
constexpr std::uint64_t kNoChunk = kChunkMask;
constexpr int kKeyBits = 13;
constexpr std::uint64_t kPositionMask = (std::uint64_t{1} << 33) - 1;

// Blocks of starts in one claimed chunk of rows: enough that claiming
// costs little beside the work, few enough to share the end of a scan.
constexpr int kChunkBlocks = 16;
// Changes handed over at least this often while no scan is shared.
constexpr std::size_t kHandOver = 512;
// How long the helper looks for the next scan before it sleeps: a little
// longer than the calling thread takes from one scan to the next.
constexpr int kSpins = 4000;
// Long shared scans the helper may miss in a row before the calling thread
// goes on alone, and the most scans it then does alone before trying again.
constexpr int kMisses = 4;
constexpr int kLongScan = 16;
constexpr int kLongestBackOff = 1024;

std::uint32_t idOf(std::uint64_t word) { return static_cast<std::uint32_t>(word >> 40); }

std::uint64_t claimWord(std::uint32_t id, std::uint64_t next, std::uint64_t helperChunk) {
  return std::uint64_t{id} << 40 | next << 20 | helperChunk;
}

std::uint64_t bestWord(std::uint32_t id, int shared, int scanRow, int key) {
  const std::uint64_t position =
      static_cast<std::uint64_t>(scanRow) << kKeyBits | static_cast<std::uint64_t>(key);
  // A larger word is a better start: more shared letters, then earlier.
  return std::uint64_t{id} << 40 | static_cast<std::uint64_t>(shared) << 33 |
         (~position & kPositionMask);
}

int sharedOf(std::uint64_t word) { return static_cast<int>(word >> 33 & 0x7F); }
std::uint64_t positionOf(std::uint64_t word) { return ~word & kPositionMask; }

void pause() {
#if defined(__x86_64__) || defined(__i386__)
  _mm_pause();
#endif
}

int blocksPerRow(const ScanJob& job) {
  return (job.columns + bits::kBlockBits - 1) / bits::kBlockBits;
}

}  // namespace

bool ScanHelper::canShare(const ScanJob& job) {
  return static_cast<std::uint64_t>(job.scanRows()) < kNoChunk && job.columns < (1 << kKeyBits) &&
         job.length - 2 < 0x7F;
}

std::unique_ptr<ScanHelper> ScanHelper::start(const ScanMasks& masks, bool alternate) {
  std::unique_ptr<ScanHelper> helper(new ScanHelper(alternate));
  try {
    helper->thread_ = std::thread(&ScanHelper::run, helper.get(), ScanMasks(masks));
  } catch (const std::system_error&) {
    return nullptr;
  }
  return helper;
}

ScanHelper::~ScanHelper() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  signal_.fetch_add(1, std::memory_order_release);
  signal_.notify_one();
  thread_.join();
}

void ScanHelper::noteReset(int rowCount, int columnCount) {
  // Nothing before a reset matters any more.
  pending_.clear();
  pending_.push_back({OpKind::kReset, 0, rowCount, columnCount});
}

void ScanHelper::noteGrow() { pending_.push_back({OpKind::kGrow, 0, 0, 0}); }

void ScanHelper::noteWrite(int row, int column, unsigned char letter) {
  pending_.push_back({OpKind::kWrite, letter, row, column});
  // While the calling thread scans alone the helper keeps up all the same,
  // so that it is ready when the next scan is shared.
  if (pending_.size() >= kHandOver) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      handOver();
    }
    signal_.fetch_add(1, std::memory_order_release);
    signal_.notify_one();
  }
}

void ScanHelper::handOver() {
  for (const Op& op : pending_) {
    if (op.kind == OpKind::kReset) {
      logBase_ += log_.size();
      log_.clear();
    }
    log_.push_back(op);
  }
  pending_.clear();
}

void ScanHelper::run(ScanMasks masks) {
  std::uint64_t applied = 0;
  std::uint32_t seen = 0;
  ScanJob job;
  BlockScan scan;
  std::vector<Op> ops;
  std::uint32_t done = 0;
  for (;;) {
    for (int spin = 0; spin < kSpins && signal_.load(std::memory_order_acquire) == seen; ++spin) {
      pause();
    }
    signal_.wait(seen, std::memory_order_acquire);
    seen = signal_.load(std::memory_order_acquire);
    std::uint32_t id = 0;
    int chunkRows = 1;
    ops.clear();
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (stop_) return;
      if (applied < logBase_) applied = logBase_;
      const std::uint64_t end = logBase_ + log_.size();
      ops.assign(log_.begin() + static_cast<std::ptrdiff_t>(applied - logBase_), log_.end());
      applied = end;
      // A job is still running only if nothing was logged after it.
      if (jobId_ != done && jobVersion_ == end) {
        job = job_;
        id = jobId_;
        chunkRows = jobChunkRows_;
      }
      done = jobId_;
    }
    for (const Op& op : ops) {
      switch (op.kind) {
        case OpKind::kReset: masks.reset(op.row, op.column); break;
        case OpKind::kGrow: masks.grow(); break;
        case OpKind::kWrite: masks.writeCell(op.row, op.column, op.letter); break;
      }
    }
    // The scan may be over already; then the claims below fail at once.
    if (id == 0 || idOf(claim_.load(std::memory_order_acquire)) != id) continue;
    masks.prepare(job.letters.data(), job.length);
    scan.setUp(masks, job);
    long long steps = 0;
    work(true, id, chunkRows, scan, steps);
    helperSteps_.fetch_add(steps, std::memory_order_relaxed);
  }
}

void ScanHelper::offer(std::uint32_t id, int shared, int scanRow, int key) {
  const std::uint64_t mine = bestWord(id, shared, scanRow, key);
  std::uint64_t current = best_.load(std::memory_order_acquire);
  while (idOf(current) == id && mine > current &&
         !best_.compare_exchange_weak(current, mine, std::memory_order_acq_rel)) {
  }
}

void ScanHelper::doChunk(std::uint32_t id, int chunk, int chunkRows, const BlockScan& scan,
                         long long& steps) {
  const std::uint64_t best = best_.load(std::memory_order_acquire);
  if (idOf(best) != id) return;
  ScanBest floor;
  floor.shared = sharedOf(best);
  floor.scanRow = static_cast<int>(positionOf(best) >> kKeyBits);
  floor.key = static_cast<int>(positionOf(best) & ((1 << kKeyBits) - 1));
  const int first = chunk * chunkRows;
  const int end = std::min(scan.job().scanRows(), first + chunkRows);
  const ScanBest found = scan.bestInRows(first, end, floor, steps);
  if (found.shared > 0) offer(id, found.shared, found.scanRow, found.key);
}

int ScanHelper::work(bool helper, std::uint32_t id, int chunkRows, const BlockScan& scan,
                     long long& steps) {
  const ScanJob& job = scan.job();
  const int chunks = (job.scanRows() + chunkRows - 1) / chunkRows;
  if (alternate_) {
    int done = 0;
    for (int chunk = helper ? 1 : 0; chunk < chunks; chunk += 2) {
      if (helper && chunk == 1) {
        // Its first chunk it leaves claimed and undone, as a helper that has
        // lost its core would, for the calling thread to do.
        claim_.store(claimWord(id, 0, 1), std::memory_order_release);
        continue;
      }
      doChunk(id, chunk, chunkRows, scan, steps);
      ++done;
      if (helper) {
        helperRows_.fetch_add(std::min(chunkRows, job.scanRows() - chunk * chunkRows),
                              std::memory_order_relaxed);
      }
    }
    if (helper) {
      helperDone_.store(id, std::memory_order_release);
      helperDone_.notify_one();
    }
    return done;
  }
  for (int claimed = 0;; ++claimed) {
    std::uint64_t claim = claim_.load(std::memory_order_acquire);
    std::uint64_t next = 0;
    do {
      next = claim >> 20 & kChunkMask;
      if (idOf(claim) != id || next >= static_cast<std::uint64_t>(chunks)) return claimed;
      const std::uint64_t best = best_.load(std::memory_order_acquire);
      if (idOf(best) != id) return claimed;
      if (sharedOf(best) == job.length - 2 &&
          (positionOf(best) >> kKeyBits) < next * static_cast<std::uint64_t>(chunkRows)) {
        return claimed;
      }
    } while (!claim_.compare_exchange_weak(
        claim, claimWord(id, next + 1, helper ? next : (claim & kChunkMask)),
        std::memory_order_acq_rel));
    const int chunk = static_cast<int>(next);
    doChunk(id, chunk, chunkRows, scan, steps);
    if (helper) {
      helperRows_.fetch_add(std::min(chunkRows, job.scanRows() - chunk * chunkRows),
                            std::memory_order_relaxed);
      // Done: the calling thread need not do this chunk again.
      std::uint64_t current = claim_.load(std::memory_order_relaxed);
      while (idOf(current) == id && (current & kChunkMask) == next &&
             !claim_.compare_exchange_weak(current, (current & ~kChunkMask) | kNoChunk,
                                           std::memory_order_acq_rel)) {
      }
    }
  }
}

bool ScanHelper::wanted() {
  if (skip_ == 0) return true;
  --skip_;
  return false;
}

Placement ScanHelper::scan(const BlockScan& scan, long long& steps) {
  const ScanJob& job = scan.job();
  std::uint32_t id = static_cast<std::uint32_t>((lastId_ + 1) & kIdMask);
  if (id == 0) id = 1;
  lastId_ = id;
  const int chunkRows = std::max(1, kChunkBlocks / blocksPerRow(job));
  best_.store(bestWord(id, 0, 0, 0) & ~kPositionMask, std::memory_order_relaxed);
  claim_.store(claimWord(id, 0, kNoChunk), std::memory_order_release);
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    handOver();
    job_ = job;
    jobId_ = id;
    jobVersion_ = logBase_ + log_.size();
    jobChunkRows_ = chunkRows;
  }
  signal_.fetch_add(1, std::memory_order_release);
  signal_.notify_one();

  const int mine = work(false, id, chunkRows, scan, steps);
  if (alternate_) {
    // The helper's chunks are its own whatever the timing: wait for them.
    for (std::uint32_t done = helperDone_.load(std::memory_order_acquire); done != id;
         done = helperDone_.load(std::memory_order_acquire)) {
      helperDone_.wait(done, std::memory_order_acquire);
    }
  }
  const std::uint64_t claim = claim_.load(std::memory_order_acquire);
  if (!alternate_) {
    // The chunks the helper did, unless it is still at one. A long scan in
    // which it did none is a miss; a short one tells little either way.
    const int theirs = static_cast<int>(claim >> 20 & kChunkMask) - mine -
                       ((claim & kChunkMask) != kNoChunk ? 1 : 0);
    if (theirs > 0) {
      misses_ = 0;
      backOff_ = 1;
    } else if (mine >= kLongScan && ++misses_ == kMisses) {
      misses_ = 0;
      skip_ = backOff_;
      backOff_ = std::min(2 * backOff_, kLongestBackOff);
    }
  }
  // A chunk the helper has claimed and not finished: done here instead of
  // waiting for it.
  if ((claim & kChunkMask) != kNoChunk) {
    doChunk(id, static_cast<int>(claim & kChunkMask), chunkRows, scan, steps);
  }
  const std::uint64_t best = best_.load(std::memory_order_acquire);
  // Later claims and offers of this scan fail.
  claim_.store(claimWord(id, kChunkMask, kNoChunk), std::memory_order_release);
  if (sharedOf(best) == 0) return {-1, -1, Direction::kRight};
  return placementOf(job, {sharedOf(best), static_cast<int>(positionOf(best) >> kKeyBits),
                           static_cast<int>(positionOf(best) & ((1 << kKeyBits) - 1))});
}

}  // namespace haravoija
