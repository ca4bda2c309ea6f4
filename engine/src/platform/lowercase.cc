#include "platform/lowercase.h"

#include <unicode/ucasemap.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

#include "util/byte_blocks.h"
#include "util/utf8.h"

namespace mikawase {

namespace {

struct CaseMapCloser {
  void operator()(UCaseMap* map) const { ucasemap_close(map); }
};

UCaseMap* RootCaseMap() {
  thread_local std::unique_ptr<UCaseMap, CaseMapCloser> map = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCaseMap, CaseMapCloser> opened(ucasemap_open("", 0, &status));
    if (U_FAILURE(status)) throw std::runtime_error("ICU case mapping is unavailable");
    return opened;
  }();
  return map.get();
}

// True when every non-ASCII character of `piece` lies in U+3000..U+9FFF
// (CJK punctuation, kana, kanji) or U+FF01..U+FF20 (fullwidth punctuation
// and digits, short of the fullwidth capitals): none of them has a case,
// and with no other cased letter about, lowercasing is plain ASCII
// lowering. The engine's own punctuation ("、", "。", "？", "！") lands in
// nearly every line, and sending each through ICU cost more than the rest
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

void AppendIcuLowered(std::string_view piece, std::string* out) {
  if (piece.size() > static_cast<std::size_t>(INT32_MAX / 3)) throw std::bad_alloc();
  std::size_t start = out->size();
  // Lowercasing can lengthen UTF-8 ("İ", 2 bytes, becomes 3); guess with
  // room to spare and let ICU say if it needs more.
  std::size_t room = piece.size() + piece.size() / 2 + 16;
  for (;;) {
    out->resize(start + room);
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = ucasemap_utf8ToLower(RootCaseMap(), out->data() + start,
                                          static_cast<int32_t>(room), piece.data(),
                                          static_cast<int32_t>(piece.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      room = static_cast<std::size_t>(length);
      continue;
    }
    if (U_FAILURE(status)) throw std::runtime_error("ICU could not lowercase the text");
    out->resize(start + static_cast<std::size_t>(length));
    return;
  }
}

std::string LowercaseByPieces(std::string_view text) {
  // Case mapping is context-sensitive only across cased and case-ignorable
  // characters (the final sigma); ASCII white space is neither, so the text
  // can be lowercased piece by piece between white space with the same
  // result. That keeps ASCII pieces on a fast path and each ICU call small.
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
      AppendIcuLowered(piece, &out);
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
