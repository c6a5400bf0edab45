#include "vrok_business/vrok_sha512.h"

#include "vrok_business/vrok_bigendian.h"
#include "vrok_business/vrok_sha512steps.h"

namespace vrok { namespace business { namespace sha512 {

using digest::LoadBigEndian64;
using digest::RotateRight64;

const uint64_t InitialWords512[8] = { 0x6a09e667f3bcc908ull, 0xbb67ae8584caa73bull, 0x3c6ef372fe94f82bull,
                                      0xa54ff53a5f1d36f1ull, 0x510e527fade682d1ull, 0x9b05688c2b3e6c1full,
                                      0x1f83d9abfb41bd6bull, 0x5be0cd19137e2179ull };
const uint64_t InitialWords384[8] = { 0xcbbb9d5dc1059ed8ull, 0x629a292a367cd507ull, 0x9159015a3070dd17ull,
                                      0x152fecd8f70e5939ull, 0x67332667ffc00b31ull, 0x8eb44a8768581511ull,
                                      0xdb0c2e0d64f98fa7ull, 0x47b5481dbefa4fa4ull };

namespace {

inline uint64_t BigSigma0(uint64_t x) { return RotateRight64<28>(x) ^ RotateRight64<34>(x) ^ RotateRight64<39>(x); }
inline uint64_t BigSigma1(uint64_t x) { return RotateRight64<14>(x) ^ RotateRight64<18>(x) ^ RotateRight64<41>(x); }
inline uint64_t SmallSigma0(uint64_t x) { return RotateRight64<1>(x) ^ RotateRight64<8>(x) ^ (x >> 7); }
inline uint64_t SmallSigma1(uint64_t x) { return RotateRight64<19>(x) ^ RotateRight64<61>(x) ^ (x >> 6); }
inline uint64_t Choose(uint64_t e, uint64_t f, uint64_t g) { return g ^ (e & (f ^ g)); }
// The majority as two disjoint halves: b & c is ready a step early, from the previous a and b.
inline uint64_t Majority(uint64_t a, uint64_t b, uint64_t c) { return (b & c) + (a & (b ^ c)); }

// Message word I of the block: read for the first 16, then made from four earlier ones in place
// in a ring of 16.
template <int I>
__attribute__((always_inline)) inline uint64_t Word(uint64_t* w, const unsigned char* block)
{
    if (I < 16)
        return w[I] = LoadBigEndian64(block + 8 * I);
    return w[I & 15] += SmallSigma1(w[(I - 2) & 15]) + w[(I - 7) & 15] + SmallSigma0(w[(I - 15) & 15]);
}

#define SHA512_STEP(a, b, c, d, e, f, g, h, i, constant)                                      \
    {                                                                                         \
        const uint64_t sum = h + BigSigma1(e) + Choose(e, f, g) + (constant) + Word<i>(w, block); \
        d += sum;                                                                             \
        h = sum + BigSigma0(a) + Majority(a, b, c);                                           \
    }

}

void CompressPortable(uint64_t* state, const unsigned char* blocks, size_t count)
{
    uint64_t w[16];
    for (const unsigned char* block = blocks; count > 0; --count, block += 128) {
        uint64_t a = state[0], b = state[1], c = state[2], d = state[3];
        uint64_t e = state[4], f = state[5], g = state[6], h = state[7];
        VROK_SHA512_STEPS(SHA512_STEP)
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

#undef SHA512_STEP

const digest::CCompression<Compression> Compressions[1] = {
    { "portable", digest::RunsEverywhere, CompressPortable },
};

}}}
