// Small UTF-8 helpers the engine needs at its edges.
#ifndef MIKAWASE_UTF8_H_
#define MIKAWASE_UTF8_H_

#include <cstddef>
#include <optional>
#include <string_view>

namespace mikawase {

// The offset of the first byte that does not begin a valid UTF-8 sequence
// (overlong forms, surrogates and values past U+10FFFF are invalid), or
// nullopt when all of `text` is valid.
std::optional<std::size_t> FindInvalidUtf8(std::string_view text);

// What valid UTF-8 `text` holds of Japanese writing, for telling a line
// saved as UTF-8 from one in Shift_JIS. kNone also when `text` is not valid
// UTF-8 at all, as Shift_JIS with kana never is.
enum class Utf8Japanese {
  kNone,              // no kana, kanji, CJK punctuation, fullwidth or halfwidth forms
  kKanaOrSymbols,     // kana, CJK punctuation, or fullwidth or halfwidth forms
  kKanjiApart,        // kanji, with no other non-ASCII and no Latin letter next to one
  kKanjiAmongOthers,  // kanji beside other non-ASCII characters, or next to a Latin letter
};
Utf8Japanese ClassifyUtf8Japanese(std::string_view text);

// True when UTF-8 `text` holds a halfwidth katakana character.
bool HasHalfwidthKatakana(std::string_view text);

// True when `text` holds any byte of 0x80 or above.
bool HasNonAscii(std::string_view text);

// The offset of the first byte of 0x80 or above at or after `at`, or
// text.size() when there is none. Reads eight bytes at a time: English
// text is nearly all ASCII.
std::size_t SkipAscii(std::string_view text, std::size_t at);

// The byte offset just past the first `count` characters of valid UTF-8
// `text`, or text.size() when it has fewer.
std::size_t OffsetAfterCharacters(std::string_view text, std::size_t count);

// The number of characters (code points) in valid UTF-8 `text`.
std::size_t CountCharacters(std::string_view text);

}  // namespace mikawase

#endif  // MIKAWASE_UTF8_H_
