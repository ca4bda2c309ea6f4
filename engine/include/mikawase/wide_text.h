// UTF-8, the program's text inside, and UTF-16, the text of Windows' wide
// calls (window text, paths, the console). The Windows window and filter
// convert here and nowhere else. Built on Windows only.
#ifndef MIKAWASE_WIDE_TEXT_H_
#define MIKAWASE_WIDE_TEXT_H_

#include <string>
#include <string_view>

namespace mikawase {

// Invalid UTF-8 becomes U+FFFD; the engine's own text is always valid.
std::wstring WideFromUtf8(std::string_view utf8);

// A lone surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace mikawase

#endif  // MIKAWASE_WIDE_TEXT_H_
