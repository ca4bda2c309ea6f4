// The part of the CP932 conversion that is the same on every platform.
#include "platform/cp932.h"

namespace mikawase {

bool EncodeCp932(std::string_view utf8, std::string* bytes, std::string* missing) {
  if (EncodeCp932Exactly(utf8, bytes)) return true;
  if (missing != nullptr) {
    // Character by character, to name the first that has no CP932 form.
    missing->clear();
    std::string one;
    for (std::size_t at = 0; at < utf8.size();) {
      std::size_t length = 1;
      while (at + length < utf8.size() &&
             (static_cast<unsigned char>(utf8[at + length]) & 0xC0) == 0x80) {
        ++length;
      }
      if (!EncodeCp932Exactly(utf8.substr(at, length), &one)) {
        missing->assign(utf8.substr(at, length));
        break;
      }
      at += length;
    }
  }
  return false;
}

}  // namespace mikawase
