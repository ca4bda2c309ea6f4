// How many processors this process may run on.
#ifndef MIKAWASE_PLATFORM_PROCESSORS_H_
#define MIKAWASE_PLATFORM_PROCESSORS_H_

#include <cstddef>

namespace mikawase {

// The processors this process is allowed to use, which may be fewer than
// the machine has (taskset, a container's CPU set). At least 1.
std::size_t UsableProcessorCount();

}  // namespace mikawase

#endif  // MIKAWASE_PLATFORM_PROCESSORS_H_
