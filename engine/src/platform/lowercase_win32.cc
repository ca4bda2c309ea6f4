#include <windows.h>

#include <climits>
#include <new>
#include <string>

#include "error_messages.h"
#include "mikawase/wide_text.h"
#include "platform/case_mapping.h"

namespace mikawase {

void AppendLoweredByPlatform(std::string_view piece, std::string* out) {
  std::wstring wide = WideFromUtf8(piece);
  if (wide.empty()) return;
  if (wide.size() > INT_MAX) throw std::bad_alloc();
  int size = static_cast<int>(wide.size());
  // The invariant locale: a Turkish user's "I" lowers as everyone else's.
  int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, wide.data(), size, nullptr,
                             0, nullptr, nullptr, 0);
  if (length <= 0) {
    throw SystemFailure("the system could not lowercase the text (error " +
                        std::to_string(GetLastError()) + ")");
  }
  std::wstring lowered(static_cast<std::size_t>(length), L'\0');
  LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, wide.data(), size, lowered.data(), length,
                nullptr, nullptr, 0);
  out->append(Utf8FromWide(lowered));
}

}  // namespace mikawase
