#ifndef VROK_BUSINESS_SHAEXTENSIONS_H
#define VROK_BUSINESS_SHAEXTENSIONS_H

#include <cstddef>
#include <cstdint>

namespace vrok { namespace business { namespace shaextensions {

// SHA-1 and SHA-256 compressions of `count` 64-byte blocks (any alignment) into the chaining
// words, with the processor's SHA instructions: only where processor::HasShaExtensions() holds
// (64-bit builds).
void CompressSha1(uint32_t* state, const unsigned char* blocks, size_t count);
void CompressSha256(uint32_t* state, const unsigned char* blocks, size_t count);

}}}

#endif
