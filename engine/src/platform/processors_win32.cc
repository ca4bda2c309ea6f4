#include <windows.h>

#include <bit>

#include "platform/processors.h"

namespace mikawase {

// The process's affinity within its processor group: what `start /affinity`
// or a job object allows, not only what the machine has.
std::size_t UsableProcessorCount() {
  DWORD_PTR process = 0, system = 0;
  if (!GetProcessAffinityMask(GetCurrentProcess(), &process, &system) || process == 0) return 1;
  return static_cast<std::size_t>(std::popcount(static_cast<unsigned long long>(process)));
}

}  // namespace mikawase
