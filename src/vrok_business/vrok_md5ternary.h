#ifndef VROK_BUSINESS_MD5TERNARY_H
#define VROK_BUSINESS_MD5TERNARY_H

#include "vrok_business/vrok_md5state.h"

#include <cstddef>

namespace vrok { namespace business { namespace md5 {

// Whether this processor and system run MD5 compressions with AVX-512's three-input logic
// instruction: 64-bit builds only, on processors with AVX-512F and VL whose system saves the
// AVX-512 registers (Windows 10 and later); read once at start-up.
bool TernaryCompressionAvailable();

// MD5 compressions of `count` consecutive 64-byte blocks at `data` (any alignment) into the
// state, each round function one instruction. Only where TernaryCompressionAvailable() holds.
void CompressBlocksTernary(const unsigned char* data, size_t count, CMd5State& state);

}}}

#endif
