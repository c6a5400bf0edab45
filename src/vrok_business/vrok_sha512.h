#ifndef VROK_BUSINESS_SHA512_H
#define VROK_BUSINESS_SHA512_H

#include "vrok_business/vrok_compression.h"
#include "vrok_business/vrok_shastream.h"

#include <cstdint>

namespace vrok { namespace business { namespace sha512 {

using Compression = digest::CShaStream<uint64_t>::Compression;

// The eight chaining words at their starting values, of SHA-512 and of SHA-384.
extern const uint64_t InitialWords512[8];
extern const uint64_t InitialWords384[8];

// SHA-512 compressions of `count` 128-byte blocks into the eight chaining words, in portable C++.
void CompressPortable(uint64_t* state, const unsigned char* blocks, size_t count);
// The same with BMI2's rotations; only where processor::HasBmi2() holds.
void CompressBmi2(uint64_t* state, const unsigned char* blocks, size_t count);
// The same with the message words made two at a time in AVX-512 registers while the steps run;
// only where processor::RunsAvx512() and HasBmi2() hold.
void CompressVectorSchedule(uint64_t* state, const unsigned char* blocks, size_t count);
// The same with the message words of the next two blocks made at once, in 256-bit registers,
// while the steps of the two before them run; same conditions.
void CompressTwoBlockSchedule(uint64_t* state, const unsigned char* blocks, size_t count);

// Every SHA-512 compression of the program (SHA-384's too), the portable one first.
extern const digest::CCompression<Compression> Compressions[4];

}}}

#endif
