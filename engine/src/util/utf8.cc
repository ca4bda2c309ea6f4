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

Utf8Japanese ClassifyUtf8Japanese(std::string_view text) {
  auto is_latin = [](unsigned char c) { return c >= 0x40 && c <= 0x7E; };
  bool kanji = false, kana_or_symbols = false, other = false;
  std::size_t at = 0;
  while (at < text.size()) {
    at = SkipAscii(text, at);
    if (at == text.size()) break;
    std::size_t length = ValidSequenceLength(text, at);
    if (length == 0) return Utf8Japanese::kNone;
    char32_t code = 0;
    if (length == 3) {
      code = (static_cast<char32_t>(text[at] & 0x0F) << 12) |
             (static_cast<char32_t>(text[at + 1] & 0x3F) << 6) |
             static_cast<char32_t>(text[at + 2] & 0x3F);
    }
    if ((code >= 0x3000 && code <= 0x30FF) ||  // kana, 、 and 。
        (code >= 0x31F0 && code <= 0x31FF) ||  // small katakana
        (code >= 0xFF00 && code <= 0xFFEF)) {  // fullwidth and halfwidth forms
      kana_or_symbols = true;
    } else if ((code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF) ||
               (code >= 0xF900 && code <= 0xFAFF)) {
      kanji = true;
      // Shift_JIS read as UTF-8 glues its ASCII-range trail bytes to the
      // "kanji" before them (髀臼 reads as 鏉P); Japanese rarely does.
      bool latin_before = at > 0 && is_latin(static_cast<unsigned char>(text[at - 1]));
      bool latin_after = at + 3 < text.size() && is_latin(static_cast<unsigned char>(text[at + 3]));
      other = other || latin_before || latin_after;
    } else {
      other = true;
    }
    at += length;
  }
  if (kana_or_symbols) return Utf8Japanese::kKanaOrSymbols;
  if (!kanji) return Utf8Japanese::kNone;
  return other ? Utf8Japanese::kKanjiAmongOthers : Utf8Japanese::kKanjiApart;
}

bool HasHalfwidthKatakana(std::string_view text) {
  // U+FF61 to U+FF9F: EF BD A1..BF and EF BE 80..9F.
  for (std::size_t at = text.find('\xEF'); at != std::string_view::npos && at + 2 < text.size();
       at = text.find('\xEF', at + 1)) {
    auto second = static_cast<unsigned char>(text[at + 1]);
    auto third = static_cast<unsigned char>(text[at + 2]);
    if ((second == 0xBD && third >= 0xA1) || (second == 0xBE && third <= 0x9F)) return true;
  }
  return false;
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
