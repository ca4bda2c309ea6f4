// The part of lowercasing that is the same on every platform: ASCII, and
// text whose only other characters have no case, are lowered here; only
// the rest goes to the platform's case mapping (case_mapping.h).
#include "platform/lowercase.h"

#include <cstdint>
#include <cstring>

#include "platform/case_mapping.h"
#include "util/byte_blocks.h"
#include "util/utf8.h"

namespace mikawase {

namespace {

// True when every non-ASCII character of `piece` lies in U+3000..U+9FFF
// (CJK punctuation, kana, kanji) or U+FF01..U+FF20 (fullwidth punctuation
// and digits, short of the fullwidth capitals): none of them has a case,
// and with no other cased letter about, lowercasing is plain ASCII
// lowering. The engine's own punctuation ("、", "。", "？", "！") lands in
// nearly every line, and sending each through the platform's case mapping (ICU) cost more than the rest
// of the lowercasing.
bool HasOnlyUncasedNonAscii(std::string_view piece) {
  for (std::size_t at = SkipAscii(piece, 0); at < piece.size(); at = SkipAscii(piece, at + 3)) {
    if (at + 2 >= piece.size()) return false;
    unsigned char lead = static_cast<unsigned char>(piece[at]);
    unsigned char second = static_cast<unsigned char>(piece[at + 1]);
    unsigned char third = static_cast<unsigned char>(piece[at + 2]);
    // Three-byte sequences E3 80 80 (U+3000) up to E9 BF BF (U+9FFF), and
    // EF BC 81 (U+FF01) up to EF BC A0 (U+FF20); the text is valid UTF-8.
    bool cjk = lead >= 0xE3 && lead <= 0xE9;
    bool fullwidth_punctuation = lead == 0xEF && second == 0xBC && third >= 0x81 && third <= 0xA0;
    if (!cjk && !fullwidth_punctuation) return false;
  }
  return true;
}

bool IsAsciiWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Adds 0x20 to the bytes 'A' to 'Z', eight at a time: a byte's high bit
// says, after adding, whether it was at least 'A', and whether it was past
// 'Z'; bytes of 0x80 and above are left alone.
std::uint64_t LowerAscii8(std::uint64_t block) {
  std::uint64_t low_seven = block & ~kHighBits;
  std::uint64_t from_a = low_seven + (0x80 - 'A') * kEveryByte;
  std::uint64_t past_z = low_seven + (0x80 - 'Z' - 1) * kEveryByte;
  std::uint64_t upper = from_a & ~past_z & ~block & kHighBits;
  return block | upper >> 2;
}

void LowerAscii(char* begin, char* end) {
  char* c = begin;
  for (; end - c >= 8; c += 8) {
    std::uint64_t block = LowerAscii8(LoadBlock(c));
    std::memcpy(c, &block, sizeof block);
  }
  for (; c != end; ++c) {
    if (*c >= 'A' && *c <= 'Z') *c = static_cast<char>(*c + 32);
  }
}

void AppendAsciiLowered(std::string_view piece, std::string* out) {
  std::size_t start = out->size();
  out->append(piece);
  LowerAscii(out->data() + start, out->data() + out->size());
}

std::string LowercaseByPieces(std::string_view text) {
  // Case mapping is context-sensitive only across cased and case-ignorable
  // characters (the final sigma); ASCII white space is neither, so the text
  // can be lowercased piece by piece between white space with the same
  // result. That keeps ASCII pieces on a fast path and each call to the platform small.
  std::string out;
  out.reserve(text.size());
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = begin;
    bool ascii = true;
    while (end < text.size() && !IsAsciiWhitespace(text[end])) {
      if (static_cast<unsigned char>(text[end]) >= 0x80) ascii = false;
      ++end;
    }
    std::string_view piece = text.substr(begin, end - begin);
    if (ascii || HasOnlyUncasedNonAscii(piece)) {
      AppendAsciiLowered(piece, &out);
    } else {
      AppendLoweredByPlatform(piece, &out);
    }
    std::size_t spaces = end;
    while (end < text.size() && IsAsciiWhitespace(text[end])) ++end;
    out.append(text, spaces, end - spaces);
    begin = end;
  }
  return out;
}

}  // namespace

std::string LowercaseUtf8(std::string_view text) {
  std::string out(text);
  LowercaseUtf8InPlace(out);
  return out;
}

void LowercaseUtf8InPlace(std::string& text) {
  // Most text is ASCII with the engine's own CJK punctuation, and is lowered
  // where it stands; anything else piece by piece.
  if (HasOnlyUncasedNonAscii(text)) {
    LowerAscii(text.data(), text.data() + text.size());
  } else {
    text = LowercaseByPieces(text);
  }
}

}  // namespace mikawase
