#include "vrok_business/vrok_sha256.h"

#include "vrok_business/vrok_bigendian.h"
#include "vrok_business/vrok_sha256steps.h"

namespace vrok { namespace business { namespace sha256 {

using digest::LoadBigEndian32;
using digest::RotateRight32;

const uint32_t InitialWords256[8] = { 0x6a09e667u, 0xbb67ae85u, 0x3c6ef372u, 0xa54ff53au,
                                      0x510e527fu, 0x9b05688cu, 0x1f83d9abu, 0x5be0cd19u };
const uint32_t InitialWords224[8] = { 0xc1059ed8u, 0x367cd507u, 0x3070dd17u, 0xf70e5939u,
                                      0xffc00b31u, 0x68581511u, 0x64f98fa7u, 0xbefa4fa4u };

namespace {

inline uint32_t BigSigma0(uint32_t x) { return RotateRight32<2>(x) ^ RotateRight32<13>(x) ^ RotateRight32<22>(x); }
inline uint32_t BigSigma1(uint32_t x) { return RotateRight32<6>(x) ^ RotateRight32<11>(x) ^ RotateRight32<25>(x); }
inline uint32_t SmallSigma0(uint32_t x) { return RotateRight32<7>(x) ^ RotateRight32<18>(x) ^ (x >> 3); }
inline uint32_t SmallSigma1(uint32_t x) { return RotateRight32<17>(x) ^ RotateRight32<19>(x) ^ (x >> 10); }
inline uint32_t Choose(uint32_t e, uint32_t f, uint32_t g) { return g ^ (e & (f ^ g)); }
// The majority as two disjoint halves: b & c is ready a step early, from the previous a and b.
inline uint32_t Majority(uint32_t a, uint32_t b, uint32_t c) { return (b & c) + (a & (b ^ c)); }

// Message word I of the block: read for the first 16, then made from four earlier ones in place
// in a ring of 16.
template <int I>
__attribute__((always_inline)) inline uint32_t Word(uint32_t* w, const unsigned char* block)
{
    if (I < 16)
        return w[I] = LoadBigEndian32(block + 4 * I);
    return w[I & 15] += SmallSigma1(w[(I - 2) & 15]) + w[(I - 7) & 15] + SmallSigma0(w[(I - 15) & 15]);
}

#define SHA256_STEP(a, b, c, d, e, f, g, h, i, constant)                                      \
    {                                                                                         \
        const uint32_t sum = h + BigSigma1(e) + Choose(e, f, g) + (constant) + Word<i>(w, block); \
        d += sum;                                                                             \
        h = sum + BigSigma0(a) + Majority(a, b, c);                                           \
    }

}

void CompressPortable(uint32_t* state, const unsigned char* blocks, size_t count)
{
    uint32_t w[16];
    for (const unsigned char* block = blocks; count > 0; --count, block += 64) {
        uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
        uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
        VROK_SHA256_STEPS(SHA256_STEP)
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
        state[4] += e;
        state[5] += f;
        state[6] += g;
        state[7] += h;
    }
}

#undef SHA256_STEP

const digest::CCompression<Compression> Compressions[1] = {
    { "portable", digest::RunsEverywhere, CompressPortable },
};

}}}
