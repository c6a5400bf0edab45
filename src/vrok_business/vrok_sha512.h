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

// Every SHA-512 compression of the program (SHA-384's too), the portable one first.
extern const digest::CCompression<Compression> Compressions[1];

}}}

#endif
