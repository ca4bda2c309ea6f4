// Setting the process's environment from a test, on either platform.
#ifndef MIKAWASE_TESTS_ENVIRONMENT_H_
#define MIKAWASE_TESTS_ENVIRONMENT_H_

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include "mikawase/wide_text.h"
#endif

namespace mikawase::fixtures {

// The variable as the program reads it; nullopt when unset.
inline std::optional<std::string> GetVariable(const char* name) {
#ifdef _WIN32
  std::wstring value(32768, L'\0');
  SetLastError(ERROR_SUCCESS);
  DWORD length = GetEnvironmentVariableW(WideFromUtf8(name).c_str(), value.data(), 32768);
  if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
  value.resize(length);
  return Utf8FromWide(value);
#else
  const char* value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
#endif
}

// Sets `name` to `value`, or removes it for nullptr. Windows' own calls,
// not the C library's, so that a variable can be set and empty there too.
inline void SetVariable(const char* name, const char* value) {
#ifdef _WIN32
  SetEnvironmentVariableW(WideFromUtf8(name).c_str(),
                          value ? WideFromUtf8(value).c_str() : nullptr);
#else
  if (value) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
#endif
}

// Sets or clears environment variables for one scope.
class ScopedEnvironment {
 public:
  void Set(const char* name, const char* value) {
    saved_.push_back({name, GetVariable(name)});
    SetVariable(name, value);
  }
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      SetVariable(it->first, it->second ? it->second->c_str() : nullptr);
    }
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

}  // namespace mikawase::fixtures

#endif  // MIKAWASE_TESTS_ENVIRONMENT_H_
