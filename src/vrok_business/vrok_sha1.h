#ifndef VROK_BUSINESS_SHA1_H
#define VROK_BUSINESS_SHA1_H

#include "vrok_business/vrok_compression.h"
#include "vrok_business/vrok_shastream.h"

#include <cstdint>

namespace vrok { namespace business { namespace sha1 {

using Compression = digest::CShaStream<uint32_t>::Compression;

// A, B, C, D and E at their starting values, then three unused zero words.
extern const uint32_t InitialWords[8];

// SHA-1 compressions of `count` 64-byte blocks into the five chaining words, in portable C++.
void CompressPortable(uint32_t* state, const unsigned char* blocks, size_t count);

// Every SHA-1 compression of the program, the portable one first.
extern const digest::CCompression<Compression> Compressions[1];

}}}

#endif
