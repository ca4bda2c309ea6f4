#include "platform/cp932.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "error_messages.h"

namespace mikawase {

namespace {

// ICU's Windows-compatible Shift_JIS table. Named exactly: ICU's alias
// "cp932" is ambiguous and also names an older IBM table that decodes 0x5C
// as the yen sign.
constexpr const char* kCp932Table = "ibm-943_P15A-2003";

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

ConverterPtr OpenStrict(const char* name) {
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr converter(ucnv_open(name, &status));
  if (U_FAILURE(status)) {
    throw SystemFailure(std::string("ICU has no converter for ") + name + " (" +
                        u_errorName(status) +
                        "); reinstall the ICU library (libicu) the program came with");
  }
  // Stop at the first invalid sequence instead of substituting U+FFFD.
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                      &status);
  return converter;
}

// IBM's table, which ICU's is, rotates three control codes as IBM's PC
// code pages do: it reads 0x1A as U+001C, 0x1C as U+007F and 0x7F as
// U+001A. Windows reads each as itself, and so does this decoder. They are
// ASCII in the UTF-8 too, so they are put back byte by byte.
void UndoControlRotation(std::string* utf8) {
  for (char& c : *utf8) {
    if (c == '\x1C') {
      c = '\x1A';
    } else if (c == '\x7F') {
      c = '\x1C';
    } else if (c == '\x1A') {
      c = '\x7F';
    }
  }
}

// The same rotation undone for encoding: ICU writes U+001A as 0x7F, U+001C
// as 0x1A and U+007F as 0x1C. No second byte of CP932 is below 0x40 or
// 0x7F, so these bytes are always characters of their own.
void UndoControlRotationInBytes(std::string* bytes) {
  for (char& c : *bytes) {
    if (c == '\x7F') {
      c = '\x1A';
    } else if (c == '\x1A') {
      c = '\x1C';
    } else if (c == '\x1C') {
      c = '\x7F';
    }
  }
}

}  // namespace

bool EncodeCp932Exactly(std::string_view utf8, std::string* bytes) {
  thread_local ConverterPtr cp932 = OpenStrict(kCp932Table);
  thread_local ConverterPtr from_utf8 = OpenStrict("UTF-8");
  bytes->clear();
  if (utf8.empty()) return true;
  if (utf8.size() > static_cast<std::size_t>(INT32_MAX / 2)) throw std::bad_alloc();
  ucnv_reset(cp932.get());
  ucnv_reset(from_utf8.get());
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setFromUCallBack(cp932.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
  ucnv_setFallback(cp932.get(), false);
  // A character of UTF-8 is at most two bytes of CP932.
  bytes->resize(utf8.size() * 2);
  char* target = bytes->data();
  const char* source = utf8.data();
  ucnv_convertEx(cp932.get(), from_utf8.get(), &target, target + bytes->size(), &source,
                 source + utf8.size(), nullptr, nullptr, nullptr, nullptr, true, true, &status);
  bytes->resize(static_cast<std::size_t>(target - bytes->data()));
  if (bytes->find_first_of("\x1A\x1C\x7F") != std::string::npos) UndoControlRotationInBytes(bytes);
  std::string back;
  return U_SUCCESS(status) && DecodeCp932(*bytes, &back) && back == utf8;
}

bool DecodeCp932(std::string_view bytes, std::string* utf8, std::string* invalid_bytes) {
  thread_local ConverterPtr cp932 = OpenStrict(kCp932Table);
  thread_local ConverterPtr to_utf8 = OpenStrict("UTF-8");
  utf8->clear();
  if (bytes.empty()) return true;
  if (bytes.size() > static_cast<std::size_t>(INT32_MAX / 3)) throw std::bad_alloc();
  ucnv_reset(cp932.get());
  ucnv_reset(to_utf8.get());
  // A CP932 character of one or two bytes is at most three bytes of UTF-8.
  utf8->resize(bytes.size() * 3);
  char* target = utf8->data();
  const char* source = bytes.data();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_convertEx(to_utf8.get(), cp932.get(), &target, target + utf8->size(), &source,
                 source + bytes.size(), nullptr, nullptr, nullptr, nullptr, true, true, &status);
  if (U_FAILURE(status)) {
    if (invalid_bytes != nullptr) {
      char invalid[8];
      int8_t length = sizeof invalid;
      UErrorCode ignored = U_ZERO_ERROR;
      ucnv_getInvalidChars(cp932.get(), invalid, &length, &ignored);
      invalid_bytes->assign(invalid, U_SUCCESS(ignored) ? static_cast<std::size_t>(length) : 0);
    }
    return false;
  }
  utf8->resize(static_cast<std::size_t>(target - utf8->data()));
  if (utf8->find_first_of("\x1A\x1C\x7F") != std::string::npos) UndoControlRotation(utf8);
  return true;
}

}  // namespace mikawase
