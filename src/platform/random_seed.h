#pragma once

#include <cstdint>

namespace tessaro {

// A seed for the program's pseudo-random generators, from the kernel's
// entropy pool. std::random_device first asks the processor which random
// sources it has (CPUID), which on a virtual machine traps to the hypervisor:
// 60 microseconds per generator, several generators per converted file.
uint32_t randomSeed();

}  // namespace tessaro
