#ifndef VROK_BUSINESS_SHA256_H
#define VROK_BUSINESS_SHA256_H

#include "vrok_business/vrok_compression.h"
#include "vrok_business/vrok_shastream.h"

#include <cstdint>

namespace vrok { namespace business { namespace sha256 {

using Compression = digest::CShaStream<uint32_t>::Compression;

// The eight chaining words at their starting values, of SHA-256 and of SHA-224.
extern const uint32_t InitialWords256[8];
extern const uint32_t InitialWords224[8];

// SHA-256 compressions of `count` 64-byte blocks into the eight chaining words, in portable C++.
void CompressPortable(uint32_t* state, const unsigned char* blocks, size_t count);

// Every SHA-256 compression of the program (SHA-224's too), the portable one first.
extern const digest::CCompression<Compression> Compressions[1];

}}}

#endif
