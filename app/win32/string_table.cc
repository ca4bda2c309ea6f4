#include "string_table.h"

#include <cstring>
#include <iterator>
#include <optional>

#include "mikawase/wide_text.h"
#include "string_keys.h"

namespace mikawase::win32 {

namespace {

std::optional<UINT> StringIdOf(const model::Text& text) {
  for (UINT i = 0; i < std::size(kStringKeys); ++i) {
    if (std::strcmp(kStringKeys[i].context, text.context) == 0 &&
        std::strcmp(kStringKeys[i].english, text.english) == 0) {
      return kFirstStringId + i;
    }
  }
  return std::nullopt;
}

// The string `id` of the table in `language`, by hand: LoadStringW takes
// whichever language the resource loader prefers, which under wine is not
// the user's. A table is stored in blocks of 16 strings, each its length in
// UTF-16 units and then its characters.
std::optional<std::wstring> LoadStringIn(LANGID language, UINT id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), language);
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const auto* block = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
  if (block == nullptr) return std::nullopt;
  for (UINT skip = id % 16; skip > 0; --skip) block += 1 + *block;
  return std::wstring(block + 1, *block);
}

}  // namespace

LANGID WindowLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE
             ? MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)
             : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

std::wstring Wide(const model::Text& text) {
  std::optional<UINT> id = StringIdOf(text);
  std::optional<std::wstring> said;
  if (id) said = LoadStringIn(WindowLanguage(), *id);
  if (id && !said) said = LoadStringIn(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), *id);
  return said ? *said : WideFromUtf8(text.english);
}

std::string SayInUserLanguage(const model::Text& text) { return Utf8FromWide(Wide(text)); }

}  // namespace mikawase::win32
