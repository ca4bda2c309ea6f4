// The one replacement primitive every stage goes through.
#ifndef MIKAWASE_REPLACE_ALL_H_
#define MIKAWASE_REPLACE_ALL_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace mikawase {

// Every non-overlapping occurrence of `find` in `text`, scanning from the
// left, becomes `replace`; the scan resumes right after each occurrence, so
// inserted text is never scanned again. Exact and byte-wise: on valid UTF-8 a
// match of valid UTF-8 always falls on character boundaries, so this is the
// same as comparing characters. An empty `find` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replace);

// ReplaceAll that refuses to build a result longer than `limit` bytes. The
// size is known before anything is allocated, so a rule that would explode
// the text fails without touching memory. Returns false (and leaves `out`
// alone) when the result would be too long; otherwise sets *out.
bool ReplaceAllWithin(std::string_view text, std::string_view find, std::string_view replace,
                      std::size_t limit, std::string* out);

}  // namespace mikawase

#endif  // MIKAWASE_REPLACE_ALL_H_
