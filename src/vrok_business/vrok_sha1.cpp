#include "vrok_business/vrok_sha1.h"

#include "vrok_business/vrok_bigendian.h"

namespace vrok { namespace business { namespace sha1 {

using digest::LoadBigEndian32;
using digest::RotateLeft32;

const uint32_t InitialWords[8] = { 0x67452301u, 0xefcdab89u, 0x98badcfeu, 0x10325476u, 0xc3d2e1f0u, 0, 0, 0 };

namespace {

// Message word I of the block: read for the first 16, then made from four earlier ones in place
// in a ring of 16.
template <int I>
__attribute__((always_inline)) inline uint32_t Word(uint32_t* w, const unsigned char* block)
{
    if (I < 16)
        return w[I] = LoadBigEndian32(block + 4 * I);
    return w[I & 15] = RotateLeft32<1>(w[(I - 3) & 15] ^ w[(I - 8) & 15] ^ w[(I - 14) & 15] ^ w[I & 15]);
}

inline uint32_t Choose(uint32_t b, uint32_t c, uint32_t d) { return d ^ (b & (c ^ d)); }
inline uint32_t Parity(uint32_t b, uint32_t c, uint32_t d) { return b ^ c ^ d; }
// The majority as two disjoint halves, added one after the other.
inline uint32_t Majority(uint32_t b, uint32_t c, uint32_t d) { return (b & c) + (d & (b ^ c)); }

#define SHA1_STEP(function, constant, i, a, b, c, d, e) \
    e += RotateLeft32<5>(a) + function(b, c, d) + (constant) + Word<i>(w, block); \
    b = RotateLeft32<30>(b)

// Five steps bring the names back to where they started.
#define SHA1_FIVE(function, constant, i)                   \
    SHA1_STEP(function, constant, i, a, b, c, d, e);       \
    SHA1_STEP(function, constant, i + 1, e, a, b, c, d);   \
    SHA1_STEP(function, constant, i + 2, d, e, a, b, c);   \
    SHA1_STEP(function, constant, i + 3, c, d, e, a, b);   \
    SHA1_STEP(function, constant, i + 4, b, c, d, e, a)

}

void CompressPortable(uint32_t* state, const unsigned char* blocks, size_t count)
{
    uint32_t w[16];
    for (const unsigned char* block = blocks; count > 0; --count, block += 64) {
        uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
        SHA1_FIVE(Choose, 0x5a827999u, 0);
        SHA1_FIVE(Choose, 0x5a827999u, 5);
        SHA1_FIVE(Choose, 0x5a827999u, 10);
        SHA1_FIVE(Choose, 0x5a827999u, 15);
        SHA1_FIVE(Parity, 0x6ed9eba1u, 20);
        SHA1_FIVE(Parity, 0x6ed9eba1u, 25);
        SHA1_FIVE(Parity, 0x6ed9eba1u, 30);
        SHA1_FIVE(Parity, 0x6ed9eba1u, 35);
        SHA1_FIVE(Majority, 0x8f1bbcdcu, 40);
        SHA1_FIVE(Majority, 0x8f1bbcdcu, 45);
        SHA1_FIVE(Majority, 0x8f1bbcdcu, 50);
        SHA1_FIVE(Majority, 0x8f1bbcdcu, 55);
        SHA1_FIVE(Parity, 0xca62c1d6u, 60);
        SHA1_FIVE(Parity, 0xca62c1d6u, 65);
        SHA1_FIVE(Parity, 0xca62c1d6u, 70);
        SHA1_FIVE(Parity, 0xca62c1d6u, 75);
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
        state[4] += e;
    }
}

#undef SHA1_FIVE
#undef SHA1_STEP

const digest::CCompression<Compression> Compressions[1] = {
    { "portable", digest::RunsEverywhere, CompressPortable },
};

}}}
