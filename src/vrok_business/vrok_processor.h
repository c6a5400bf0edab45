#ifndef VROK_BUSINESS_PROCESSOR_H
#define VROK_BUSINESS_PROCESSOR_H

namespace vrok { namespace business { namespace processor {

// What this processor and system run beyond the 64-bit build's baseline. All false in the 32-bit
// build, which runs portable code only. Each asks the processor once, at start-up: on virtual
// machines every question is a trip through the hypervisor.

// The SHA-1 and SHA-256 instructions, with the SSSE3 and SSE4.1 ones they are used beside. They
// work in the SSE registers, which every system saves.
bool HasShaExtensions();
// BMI2's rotations and shifts that leave their source as it was, and BMI1's and-not, which
// came before them.
bool HasBmi2();
// AVX2, on a system that saves the 256-bit registers.
bool RunsAvx2();
// AVX-512F and VL, on a system that saves all AVX-512 registers (Windows 10 and later).
bool RunsAvx512();

}}}

#endif
