// Code page 932 (Shift_JIS as Windows reads it), decoded and encoded: ICU's table on
// Linux, the system's own on Windows. Both give the same characters for the
// same bytes and refuse the same bytes; tests/engine/platform/cp932_table.txt
// holds every single byte and lead/trail pair as ICU decodes it, and both
// builds are checked against it.
#ifndef MIKAWASE_PLATFORM_CP932_H_
#define MIKAWASE_PLATFORM_CP932_H_

#include <string>
#include <string_view>

namespace mikawase {

// Decodes CP932 `bytes` to UTF-8 in *utf8. Returns false when a byte
// sequence is not valid CP932, and then puts the offending bytes in
// *invalid_bytes if it is given: both bytes of a well-formed pair that has
// no character, the lead byte alone when what follows it cannot be a second
// byte. Nothing is substituted: a silently replaced character would corrupt
// a dictionary entry.
//
// The table is Windows' own: 0x5C is "\" and 0x7E is "~" (not yen and
// overline as in JIS X 0201), 0x8160 is U+FF5E, and the NEC special row and
// the NEC- and IBM-selected extension rows decode. The single bytes 0x80,
// 0xA0 and 0xFD to 0xFF are refused.
bool DecodeCp932(std::string_view bytes, std::string* utf8,
                 std::string* invalid_bytes = nullptr);

// Encodes valid UTF-8 `utf8` as CP932 in *bytes. Returns false when a
// character has no CP932 form of its own, and then puts the first such
// character in *missing if it is given: nothing is approximated, and the
// bytes always decode back to exactly `utf8`.
bool EncodeCp932(std::string_view utf8, std::string* bytes, std::string* missing = nullptr);

// The platform's half of EncodeCp932: the bytes of all of `utf8`, when every
// character has them and they decode back to exactly `utf8` (a table's
// one-way mappings, a character CP932 writes like another, are refused).
bool EncodeCp932Exactly(std::string_view utf8, std::string* bytes);

}  // namespace mikawase

#endif  // MIKAWASE_PLATFORM_CP932_H_
