// Bit rows for the placement masks: one bit per grid cell, each row padded
// with zero bits on both sides and the grid with zero rows above and below,
// so that a cell outside the grid reads as "no".
#ifndef HARAVOIJA_PUZZLE_BIT_ROWS_H_
#define HARAVOIJA_PUZZLE_BIT_ROWS_H_

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "text/limits.h"

namespace haravoija::bits {

// The longest word the masks take: any word of the list.
inline constexpr int kMaxLength = kMaxWordLength;
// Rows of padding above and below the grid, and bits at the left of a row
// (rounded up to whole 64-bit words): a word reads at most kMaxLength - 1
// cells beyond its start in any direction, and so does the window of cells
// that its start's count covers.
inline constexpr int kPadRows = kMaxLength - 1;
inline constexpr int kPadBits = (kMaxLength - 1 + 63) / 64 * 64;

// 64 bits of a padded row starting at bit `offset` (bit 0 of the result is
// bit `offset` of the row).
// REQUIRES: offset >= 0; the row holds the words offset / 64 and the next.
inline std::uint64_t bitsAt(const std::uint64_t* row, int offset) {
  const std::uint64_t* p = row + (offset >> 6);
  const int shift = offset & 63;
  return (p[0] >> shift) | ((p[1] << 1) << (63 - shift));
}

// A block of starts tested together: 256 consecutive cells of a row.
inline constexpr int kLanes = 4;
inline constexpr int kBlockBits = 64 * kLanes;
typedef std::uint64_t Block __attribute__((vector_size(8 * kLanes)));

// The helpers take blocks by reference: passing vectors by value would tie
// them to a calling convention that depends on the processor.
inline void loadBlock(Block& block, const std::uint64_t* words) {
  std::memcpy(&block, words, sizeof block);
}

// kBlockBits bits from bit `shift` of words[0] on.
// REQUIRES: 0 <= shift <= 63; p[0 .. kLanes] can be read.
inline void readShiftedBlock(Block& block, const std::uint64_t* p, int shift) {
  Block low;
  Block high;
  loadBlock(low, p);
  loadBlock(high, p + 1);
  block = (low >> shift) | ((high << 1) << (63 - shift));
}

// The same with the shift given in every lane of `lowShift`, and 63 minus it
// in every lane of `highShift`.
inline void readShiftedBlock(Block& block, const std::uint64_t* p, const Block& lowShift,
                             const Block& highShift) {
  Block low;
  Block high;
  loadBlock(low, p);
  loadBlock(high, p + 1);
  block = (low >> lowShift) | ((high << 1) << highShift);
}

// kBlockBits bits of a padded row from bit `offset` on.
// REQUIRES: offset >= 0; the row holds kLanes + 1 words from offset / 64 on.
inline void readBlock(Block& block, const std::uint64_t* row, int offset) {
  readShiftedBlock(block, row + (offset >> 6), offset & 63);
}

// Folds the lanes within the vector unit; reading them one by one would go
// through memory.
inline bool isZero(const Block& block) {
#if defined(__clang__)
  const Block half = block | __builtin_shufflevector(block, block, 2, 3, 0, 1);
  const Block all = half | __builtin_shufflevector(half, half, 1, 0, 3, 2);
#else
  typedef std::int64_t Order __attribute__((vector_size(8 * kLanes)));
  const Block half = block | __builtin_shuffle(block, Order{2, 3, 0, 1});
  const Block all = half | __builtin_shuffle(half, Order{1, 0, 3, 2});
#endif
  return all[0] == 0;
}

inline std::uint64_t lowBits(int count) {
  return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
}

inline void setBit(std::uint64_t* row, int bit) { row[bit >> 6] |= std::uint64_t{1} << (bit & 63); }
inline void clearBit(std::uint64_t* row, int bit) {
  row[bit >> 6] &= ~(std::uint64_t{1} << (bit & 63));
}

// Sets bits [from, to) of a row.
// REQUIRES: 0 <= from; the row holds bit to - 1.
inline void setBits(std::uint64_t* row, int from, int to) {
  for (int bit = from; bit < to;) {
    const int shift = bit & 63;
    const int count = std::min(64 - shift, to - bit);
    row[bit >> 6] |= lowBits(count) << shift;
    bit += count;
  }
}

inline void clearBits(std::uint64_t* row, int from, int to) {
  for (int bit = from; bit < to;) {
    const int shift = bit & 63;
    const int count = std::min(64 - shift, to - bit);
    row[bit >> 6] &= ~(lowBits(count) << shift);
    bit += count;
  }
}

}  // namespace haravoija::bits

#endif  // HARAVOIJA_PUZZLE_BIT_ROWS_H_
