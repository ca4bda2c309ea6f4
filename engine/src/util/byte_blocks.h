// Text read eight bytes at a time, as one number, by the loops that pass
// over it: the UTF-8 check, lowercasing, pattern search, word ends.
#ifndef MIKAWASE_BYTE_BLOCKS_H_
#define MIKAWASE_BYTE_BLOCKS_H_

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace mikawase {

inline constexpr std::uint64_t kEveryByte = 0x0101010101010101;
inline constexpr std::uint64_t kHighBits = 0x80 * kEveryByte;

// The eight bytes at `at`, the first of them lowest on a little-endian
// machine.
inline std::uint64_t LoadBlock(const char* at) {
  std::uint64_t block;
  std::memcpy(&block, at, sizeof block);
  return block;
}

// The `size` (< 8) bytes at `at` as one little-endian number, the bytes
// above them zero, read without a call: a copy of variable length goes
// through memcpy, whose branches on the length mispredict at nearly every
// word of a text.
inline std::uint64_t LoadShortBlock(const char* at, std::size_t size) {
  if (size >= 4) {
    std::uint32_t low, high;  // overlapping halves: the same bytes meet where they overlap
    std::memcpy(&low, at, 4);
    std::memcpy(&high, at + size - 4, 4);
    return low | (std::uint64_t{high} << (8 * (size - 4)));
  }
  if (size == 0) return 0;
  auto byte = [&](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(at[i])} << (8 * i); };
  return byte(0) | byte(size / 2) | byte(size - 1);
}

// The high bit of each zero byte of `block` set, and of some bytes above
// the lowest zero byte that are not zero (a borrow runs through them): the
// lowest flag is always a zero byte, those above it are only candidates.
// Zero bytes of block ^ (kEveryByte * c) are the bytes equal to c.
inline std::uint64_t ZeroByteFlags(std::uint64_t block) {
  return (block - kEveryByte) & ~block & kHighBits;
}

// Where the first byte of a block whose high bit is set in `flags`
// (nonzero, high bits only) stands, on a little-endian machine.
inline std::size_t FirstFlaggedByte(std::uint64_t flags) {
  return static_cast<std::size_t>(std::countr_zero(flags)) / 8;
}

}  // namespace mikawase

#endif  // MIKAWASE_BYTE_BLOCKS_H_
