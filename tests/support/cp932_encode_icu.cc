#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <cstdio>
#include <cstdlib>

#include "dictionary_folder.h"

namespace mikawase::fixtures {

std::string EncodeCp932(std::string_view utf8) {
  UErrorCode status = U_ZERO_ERROR;
  std::u16string utf16(utf8.size() + 1, u'\0');
  int32_t length = 0;
  u_strFromUTF8(utf16.data(), static_cast<int32_t>(utf16.size()), &length, utf8.data(),
                static_cast<int32_t>(utf8.size()), &status);
  utf16.resize(static_cast<std::size_t>(length));
  UConverter* converter = ucnv_open("ibm-943_P15A-2003", &status);
  ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  std::string bytes(utf16.size() * 2 + 1, '\0');
  int32_t written = ucnv_fromUChars(converter, bytes.data(), static_cast<int32_t>(bytes.size()),
                                    utf16.data(), static_cast<int32_t>(utf16.size()), &status);
  ucnv_close(converter);
  if (U_FAILURE(status)) {
    std::fprintf(stderr, "fixture text has no CP932 form: %.*s\n", static_cast<int>(utf8.size()),
                 utf8.data());
    std::abort();
  }
  bytes.resize(static_cast<std::size_t>(written));
  return bytes;
}

}  // namespace mikawase::fixtures
