#include <unicode/ucasemap.h>

#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "error_messages.h"
#include "platform/case_mapping.h"

namespace mikawase {

namespace {

struct CaseMapCloser {
  void operator()(UCaseMap* map) const { ucasemap_close(map); }
};

UCaseMap* RootCaseMap() {
  thread_local std::unique_ptr<UCaseMap, CaseMapCloser> map = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCaseMap, CaseMapCloser> opened(ucasemap_open("", 0, &status));
    if (U_FAILURE(status)) {
      throw SystemFailure(std::string("ICU has no case mapping (") + u_errorName(status) +
                          "); reinstall the ICU library (libicu) the program came with");
    }
    return opened;
  }();
  return map.get();
}

}  // namespace

void AppendLoweredByPlatform(std::string_view piece, std::string* out) {
  if (piece.size() > static_cast<std::size_t>(INT32_MAX / 3)) throw std::bad_alloc();
  std::size_t start = out->size();
  // Lowercasing can lengthen UTF-8 ("İ", 2 bytes, becomes 3); guess with
  // room to spare and let ICU say if it needs more.
  std::size_t room = piece.size() + piece.size() / 2 + 16;
  for (;;) {
    out->resize(start + room);
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = ucasemap_utf8ToLower(RootCaseMap(), out->data() + start,
                                          static_cast<int32_t>(room), piece.data(),
                                          static_cast<int32_t>(piece.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      room = static_cast<std::size_t>(length);
      continue;
    }
    if (U_FAILURE(status)) {
      throw SystemFailure(std::string("ICU could not lowercase the text (") +
                          u_errorName(status) + ")");
    }
    out->resize(start + static_cast<std::size_t>(length));
    return;
  }
}

}  // namespace mikawase
