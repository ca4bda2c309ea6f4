#include <sched.h>

#include <algorithm>
#include <thread>

#include "platform/processors.h"

namespace mikawase {

std::size_t UsableProcessorCount() {
  cpu_set_t allowed;
  if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) {
    return std::max(1u, std::thread::hardware_concurrency());
  }
  int count = CPU_COUNT(&allowed);
  return count > 1 ? static_cast<std::size_t>(count) : 1;
}

}  // namespace mikawase
