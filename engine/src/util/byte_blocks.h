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
