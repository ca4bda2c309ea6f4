#include "util/utf8.h"

#include <bit>
#include <cstdint>

#include "util/byte_blocks.h"

namespace mikawase {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the valid sequence at `at`, or 0 when it is not valid.
std::size_t ValidSequenceLength(std::string_view text, std::size_t at) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  std::size_t left = text.size() - at;
  unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    return left >= 2 && IsContinuation(byte(1)) ? 2 : 0;
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (left < 3 || !IsContinuation(byte(1)) || !IsContinuation(byte(2))) return 0;
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;   // overlong
    if (lead == 0xED && byte(1) >= 0xA0) return 0;  // UTF-16 surrogate
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (left < 4 || !IsContinuation(byte(1)) || !IsContinuation(byte(2)) ||
        !IsContinuation(byte(3))) {
      return 0;
    }
    if (lead == 0xF0 && byte(1) < 0x90) return 0;   // overlong
    if (lead == 0xF4 && byte(1) >= 0x90) return 0;  // past U+10FFFF
    return 4;
  }
  return 0;
}

}  // namespace

std::optional<std::size_t> FindInvalidUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    at = SkipAscii(text, at);
    if (at == text.size()) break;
    std::size_t length = ValidSequenceLength(text, at);
    if (length == 0) return at;
    at += length;
  }
  return std::nullopt;
}

bool HasNonAscii(std::string_view text) { return SkipAscii(text, 0) != text.size(); }

std::size_t SkipAscii(std::string_view text, std::size_t at) {
  for (; text.size() - at >= 8; at += 8) {
    // Found from the block itself where it can be: a byte loop's exit
    // mispredicts at nearly every call.
    if (std::uint64_t high = LoadBlock(text.data() + at) & kHighBits; high != 0) {
      if constexpr (std::endian::native == std::endian::little) return at + FirstFlaggedByte(high);
      break;
    }
  }
  while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80) ++at;
  return at;
}

std::size_t OffsetAfterCharacters(std::string_view text, std::size_t count) {
  std::size_t at = 0;
  for (; at < text.size() && count > 0; --count) {
    ++at;
    while (at < text.size() && IsContinuation(static_cast<unsigned char>(text[at]))) ++at;
  }
  return at;
}

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (unsigned char c : text) count += IsContinuation(c) ? 0 : 1;
  return count;
}

}  // namespace mikawase
