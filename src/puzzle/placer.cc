// One placement: the draws, the job of the scan, the scan on one thread or
// two, and the write that keeps the grid, the masks and the helper's copy in
// step.
#include "puzzle/placer.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "puzzle/scan_helper.h"
#include "text/letters.h"

namespace haravoija {

Placer::Placer(Grid& grid, RandomSource& random, PlacerOptions options)
    : grid_(grid), random_(random), options_(options), masks_(grid) {}

Placer::~Placer() = default;

PlacerStats Placer::stats() const {
  PlacerStats stats;
  stats.scanSteps = scanSteps_;
  if (helper_) {
    stats.scanSteps += helper_->helperSteps();
    stats.helperRows = helper_->helperRows();
  }
  return stats;
}

void Placer::reset(int rowCount, int columnCount) {
  grid_.reset(rowCount, columnCount);
  masks_.reset(rowCount, columnCount);
  if (helper_) helper_->noteReset(rowCount, columnCount);
}

void Placer::clear() { reset(grid_.rowCount(), grid_.columnCount()); }

void Placer::grow() {
  grid_.grow();
  masks_.grow();
  if (helper_) helper_->noteGrow();
}

void Placer::write(std::string_view word, const ScanJob& job, Placement placement) {
  const Step step = directionStep(placement.direction);
  for (int k = 0; k < job.length; ++k) {
    const int row = placement.row + k * step.row;
    const int column = placement.column + k * step.column;
    if (grid_.cell(row, column) == static_cast<unsigned char>(kEmptyCell)) {
      const unsigned char letter = job.letters[static_cast<std::size_t>(k)];
      grid_.setCell(row, column, letter);
      masks_.writeCell(row, column, letter);
      if (helper_) helper_->noteWrite(row, column, letter);
    }
  }
  grid_.placedWords.emplace_back(word);
}

bool fitsSomeGrid(std::string_view word) {
  // The masks hold words of up to kMaxLength letters, and a space in a word
  // would read as an empty cell.
  return word.size() >= 2 && word.size() <= static_cast<std::size_t>(bits::kMaxLength) &&
         word.find(kEmptyCell) == std::string_view::npos;
}

namespace {

// For which numbers of filled cells that a start needs the counts are worth
// reading first: when they keep fewer starts than a letter would. Cells are
// taken as filled independently with chance `filled`, so the count of a
// window is binomial.
std::uint32_t countsFirstNeeds(double filled, int length, double letterKeeps) {
  std::array<double, bits::kMaxLength + 1> chance{};
  chance[0] = 1.0;
  for (int t = 0; t < length; ++t) {
    for (int k = t + 1; k > 0; --k) chance[k] = chance[k] * (1.0 - filled) + chance[k - 1] * filled;
    chance[0] *= 1.0 - filled;
  }
  // Only the lower bound decides: read first for the upper one (two empty
  // cells), the masks were found to cost more in cache misses than they save.
  std::uint32_t needs = 0;
  double kept = 0;
  for (int k = length; k >= 1; --k) {
    kept += chance[static_cast<std::size_t>(k)];
    if (k <= ScanMasks::kCountLimit && kept < std::min(0.5, letterKeeps)) needs |= 1u << k;
  }
  return needs;
}

}  // namespace

bool Placer::useHelper(const ScanJob& job) {
  if (options_.threads < 2 || helperFailed_ || !ScanHelper::canShare(job)) return false;
  const bool always = options_.alternateChunks;
  const long long blocks = static_cast<long long>(job.scanRows()) *
                           ((job.columns + bits::kBlockBits - 1) / bits::kBlockBits);
  if (blocks < options_.parallelBlocks && !always) return false;
  if (!helper_) {
    largeScanBlocks_ += blocks;
    if (largeScanBlocks_ < options_.helperStartBlocks && !always) return false;
    helper_ = ScanHelper::start(masks_, always);
    helperFailed_ = !helper_;
    return !helperFailed_;
  }
  return always || helper_->wanted();
}

Placement Placer::crossingScan() {
  const ScanJob& job = scan_.job();
  if (useHelper(job)) return helper_->scan(scan_, scanSteps_);
  const ScanBest best = scan_.bestInRows(0, job.scanRows(), {}, scanSteps_);
  if (best.shared == 0) return {-1, -1, Direction::kRight};
  return placementOf(job, best);
}

bool Placer::placeWord(std::string_view word, bool children) {
  const int rows = grid_.rowCount();
  const int columns = grid_.columnCount();
  assert(rows == masks_.cells().rowCount() && columns == masks_.cells().columnCount());
  const ScanStart start = drawScanStart(rows, columns, random_);
  const int length = static_cast<int>(word.size());
  if (rows == 0 || columns == 0 || !fitsSomeGrid(word) || length > std::max(rows, columns)) {
    return false;
  }
  ScanJob job;
  job.rows = rows;
  job.columns = columns;
  job.length = length;
  job.firstRow = start.rowOffset % rows;
  job.firstColumn = start.columnOffset % columns;
  for (int k = 0; k < length; ++k) {
    job.letters[static_cast<std::size_t>(k)] = toUpperLetter(static_cast<unsigned char>(word[k]));
  }
  // Rarest letters first, so that a block of starts empties soonest.
  std::array<int, bits::kMaxLength> order{};
  for (int k = 0; k < length; ++k) order[static_cast<std::size_t>(k)] = k;
  std::stable_sort(order.begin(), order.begin() + length, [&](int x, int y) {
    return masks_.letterCount(job.letters[static_cast<std::size_t>(x)]) <
           masks_.letterCount(job.letters[static_cast<std::size_t>(y)]);
  });
  for (int k = 0; k < length; ++k) {
    job.order[static_cast<std::size_t>(k)] =
        static_cast<unsigned char>(order[static_cast<std::size_t>(k)]);
  }
  // A repeated direction (children's puzzles) finds the same placements in
  // the same order and cannot change the choice.
  for (Direction direction : scanDirections(start.directionOffset, children)) {
    const auto used = job.directions.begin() + job.usedDirections;
    if (std::find(job.directions.begin(), used, direction) == used) {
      job.directions[static_cast<std::size_t>(job.usedDirections++)] = direction;
    }
  }
  // A letter keeps a start with roughly the share of empty cells plus a
  // little. The letters go into a block without a look until it is almost
  // surely empty: whether a block is empty yet is a branch that the
  // processor guesses wrong so often that a few letters too many cost less.
  const long long cells = static_cast<long long>(rows) * columns;
  const double keepShare =
      static_cast<double>(masks_.emptyCount()) / static_cast<double>(cells) + 0.05;
  job.countsFirst = countsFirstNeeds(1.0 - keepShare + 0.05, length, keepShare);
  job.headLetters = 1;
  for (double left = bits::kBlockBits * keepShare;
       left > 0.02 && job.headLetters < std::min(length, ScanJob::kMostHeadLetters);
       ++job.headLetters) {
    left *= keepShare;
  }

  masks_.prepare(job.letters.data(), length);
  scan_.setUp(masks_, job);
  // Any placement that shares a letter beats every one that shares none.
  Placement best{-1, -1, Direction::kRight};
  if (length >= 3) best = crossingScan();
  if (best.row < 0) best = scan_.firstEmpty();
  if (best.row < 0) return false;
  write(word, job, best);
  return true;
}

}  // namespace haravoija
