#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "dictionary_folder.h"
#include "mikawase/wide_text.h"

namespace mikawase::fixtures {

std::string EncodeCp932(std::string_view utf8) {
  std::wstring wide = WideFromUtf8(utf8);
  if (wide.empty()) return {};
  int size = static_cast<int>(wide.size());
  // No best fit: a character CP932 lacks must stop the test, not become a
  // look-alike.
  BOOL lacks = FALSE;
  int length =
      WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &lacks);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length, nullptr,
                      &lacks);
  if (length == 0 || lacks) {
    std::fprintf(stderr, "fixture text has no CP932 form: %.*s\n", static_cast<int>(utf8.size()),
                 utf8.data());
    std::abort();
  }
  return bytes;
}

}  // namespace mikawase::fixtures
