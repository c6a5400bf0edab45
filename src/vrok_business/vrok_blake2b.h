#ifndef VROK_BUSINESS_BLAKE2B_H
#define VROK_BUSINESS_BLAKE2B_H

#include "vrok_business/vrok_compression.h"

#include <cstddef>
#include <cstdint>

namespace vrok { namespace business { namespace blake2b {

const unsigned BlockBytes = 128;

// The chaining words and the count of message bytes compressed so far (128 bits, low word first).
struct CState
{
    uint64_t h[8];
    uint64_t counter[2];
};

// Compresses `count` consecutive blocks at `blocks` (any alignment): before each, `increment`
// is added to the byte counter; `finalFlag` is all ones for the message's last block, else 0.
using Compression = void (*)(CState& state, const unsigned char* blocks, size_t count, unsigned increment,
                             uint64_t finalFlag);

// The starting words of an unkeyed digest of `digestBytes` (1 to 64) bytes.
CState InitialState(size_t digestBytes);

void CompressPortable(CState& state, const unsigned char* blocks, size_t count, unsigned increment,
                      uint64_t finalFlag);

// Every BLAKE2b compression of the program, the portable one first.
extern const digest::CCompression<Compression> Compressions[1];

}}}

#endif
