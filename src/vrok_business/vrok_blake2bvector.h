#ifndef VROK_BUSINESS_BLAKE2BVECTOR_H
#define VROK_BUSINESS_BLAKE2BVECTOR_H

#include "vrok_business/vrok_blake2b.h"

namespace vrok { namespace business { namespace blake2b {

// BLAKE2b compressions with each row of the state in one AVX2 register, the four mixings of a
// round's columns (then of its diagonals) at once. Only where processor::RunsAvx2() holds
// (64-bit builds).
void CompressAvx2(CState& state, const unsigned char* blocks, size_t count, unsigned increment, uint64_t finalFlag);
// The same with AVX-512's rotations and two-source permutations, on 256-bit rows; only where
// processor::RunsAvx512() holds.
void CompressAvx512(CState& state, const unsigned char* blocks, size_t count, unsigned increment, uint64_t finalFlag);

}}}

#endif
