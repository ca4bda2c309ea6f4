#include <windows.h>

#include <climits>
#include <new>

#include "mikawase/wide_text.h"
#include "platform/cp932.h"

namespace mikawase {

namespace {

constexpr UINT kCp932 = 932;

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// Bytes that Windows' table maps (to U+0080 and to private-use characters)
// but ICU's, and so the Linux build, refuse. A dictionary holding them was
// not written as Japanese text.
bool IsRefusedSingleByte(unsigned char byte) { return byte == 0x80 || byte == 0xA0 || byte >= 0xFD; }

// The length of the character that starts at `at`: 1 or 2, or 0 when the
// byte there cannot start one (a refused single byte, a lead byte without a
// second byte), which is then the one byte at fault.
std::size_t CharacterLength(std::string_view bytes, std::size_t at) {
  unsigned char lead = static_cast<unsigned char>(bytes[at]);
  if (IsRefusedSingleByte(lead)) return 0;
  if (!IsLeadByte(lead)) return 1;
  if (at + 1 < bytes.size() && IsTrailByte(static_cast<unsigned char>(bytes[at + 1]))) return 2;
  return 0;
}

bool DecodeWithSystem(std::string_view bytes, std::wstring* wide) {
  int size = static_cast<int>(bytes.size());
  int length = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return false;
  wide->resize(static_cast<std::size_t>(length));
  return MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), size, wide->data(),
                             length) == length;
}

}  // namespace

// The system decodes; the structure of the bytes is checked here first, so
// that the bytes refused, and the bytes named as the fault, are the ones
// the Linux build names.
bool DecodeCp932(std::string_view bytes, std::string* utf8, std::string* invalid_bytes) {
  utf8->clear();
  if (bytes.empty()) return true;
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) throw std::bad_alloc();
  auto fail = [&](std::string_view fault) {
    if (invalid_bytes != nullptr) invalid_bytes->assign(fault);
    return false;
  };
  bool well_formed = true;
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t length = CharacterLength(bytes, at);
    if (length == 0) {
      well_formed = false;
      break;
    }
    at += length;
  }
  std::wstring wide;
  if (well_formed && DecodeWithSystem(bytes, &wide)) {
    *utf8 = Utf8FromWide(wide);
    return true;
  }
  // Something is wrong: find the first character at fault, one at a time.
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t length = CharacterLength(bytes, at);
    if (length == 0) return fail(bytes.substr(at, 1));
    if (!DecodeWithSystem(bytes.substr(at, length), &wide)) return fail(bytes.substr(at, length));
    at += length;
  }
  return fail({});
}

// No best fit: WideCharToMultiByte would otherwise write a look-alike for
// a character CP932 lacks. The round trip also refuses the table's one-way
// mappings, as the Linux build does.
bool EncodeCp932Exactly(std::string_view utf8, std::string* bytes) {
  bytes->clear();
  if (utf8.empty()) return true;
  std::wstring wide = WideFromUtf8(utf8);
  if (wide.size() > static_cast<std::size_t>(INT_MAX / 2)) throw std::bad_alloc();
  int size = static_cast<int>(wide.size());
  BOOL lacks = FALSE;
  int length = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0,
                                   nullptr, &lacks);
  if (length <= 0 || lacks) return false;
  bytes->resize(static_cast<std::size_t>(length));
  WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes->data(), length,
                      nullptr, &lacks);
  std::string back;
  return !lacks && DecodeCp932(*bytes, &back) && back == utf8;
}

}  // namespace mikawase
