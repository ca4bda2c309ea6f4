// Paths are UTF-8 everywhere inside the program. std::filesystem::path
// built from a plain std::string takes it in the system's narrow encoding,
// which on Windows is the ANSI code page and mangles a folder named
// "山田 太郎" on any other; built from char8_t it is always UTF-8, and on
// Windows becomes the wide path the system's calls take.
#ifndef MIKAWASE_UTIL_UTF8_PATH_H_
#define MIKAWASE_UTIL_UTF8_PATH_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace mikawase {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(
      std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  std::u8string utf8 = path.u8string();
  return std::string(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}

}  // namespace mikawase

#endif  // MIKAWASE_UTIL_UTF8_PATH_H_
