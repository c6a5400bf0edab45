#include "vrok_business/vrok_blake2b.h"

#include "vrok_business/vrok_bigendian.h"
#include "vrok_business/vrok_blake2brounds.h"

namespace vrok { namespace business { namespace blake2b {

using digest::LoadLittleEndian64;
using digest::RotateRight64;

namespace {

// SHA-512's starting words, as the design takes them.
#define BLAKE2B_INITIAL_WORDS                                                                        \
    { 0x6a09e667f3bcc908ull, 0xbb67ae8584caa73bull, 0x3c6ef372fe94f82bull, 0xa54ff53a5f1d36f1ull, \
      0x510e527fade682d1ull, 0x9b05688c2b3e6c1full, 0x1f83d9abfb41bd6bull, 0x5be0cd19137e2179ull }

// The mixing of one column or diagonal with two message words.
#define BLAKE2B_MIX(a, b, c, d, x, y)  \
    a += b + (x);                      \
    d = RotateRight64<32>(d ^ a);      \
    c += d;                            \
    b = RotateRight64<24>(b ^ c);      \
    a += b + (y);                      \
    d = RotateRight64<16>(d ^ a);      \
    c += d;                            \
    b = RotateRight64<63>(b ^ c)

#define BLAKE2B_ROUND(s0, s1, s2, s3, s4, s5, s6, s7, s8, s9, s10, s11, s12, s13, s14, s15) \
    BLAKE2B_MIX(v0, v4, v8, v12, m[s0], m[s1]);                                               \
    BLAKE2B_MIX(v1, v5, v9, v13, m[s2], m[s3]);                                               \
    BLAKE2B_MIX(v2, v6, v10, v14, m[s4], m[s5]);                                              \
    BLAKE2B_MIX(v3, v7, v11, v15, m[s6], m[s7]);                                              \
    BLAKE2B_MIX(v0, v5, v10, v15, m[s8], m[s9]);                                              \
    BLAKE2B_MIX(v1, v6, v11, v12, m[s10], m[s11]);                                            \
    BLAKE2B_MIX(v2, v7, v8, v13, m[s12], m[s13]);                                             \
    BLAKE2B_MIX(v3, v4, v9, v14, m[s14], m[s15]);

}

CState InitialState(size_t digestBytes)
{
    CState state = { BLAKE2B_INITIAL_WORDS, { 0, 0 } };
    // The parameter block's first word: digest length, no key, fan-out 1, depth 1.
    state.h[0] ^= 0x01010000u ^ digestBytes;
    return state;
}

void CompressPortable(CState& state, const unsigned char* blocks, size_t count, unsigned increment,
                      uint64_t finalFlag)
{
    const uint64_t iv[8] = BLAKE2B_INITIAL_WORDS;
    uint64_t m[16];
    for (const unsigned char* block = blocks; count > 0; --count, block += BlockBytes) {
        state.counter[0] += increment;
        state.counter[1] += state.counter[0] < increment;
        for (unsigned i = 0; i < 16; ++i)
            m[i] = LoadLittleEndian64(block + 8 * i);
        uint64_t v0 = state.h[0], v1 = state.h[1], v2 = state.h[2], v3 = state.h[3];
        uint64_t v4 = state.h[4], v5 = state.h[5], v6 = state.h[6], v7 = state.h[7];
        uint64_t v8 = iv[0], v9 = iv[1], v10 = iv[2], v11 = iv[3];
        uint64_t v12 = iv[4] ^ state.counter[0], v13 = iv[5] ^ state.counter[1];
        uint64_t v14 = iv[6] ^ finalFlag, v15 = iv[7];
        VROK_BLAKE2B_ROUNDS(BLAKE2B_ROUND)
        state.h[0] ^= v0 ^ v8;
        state.h[1] ^= v1 ^ v9;
        state.h[2] ^= v2 ^ v10;
        state.h[3] ^= v3 ^ v11;
        state.h[4] ^= v4 ^ v12;
        state.h[5] ^= v5 ^ v13;
        state.h[6] ^= v6 ^ v14;
        state.h[7] ^= v7 ^ v15;
    }
}

#undef BLAKE2B_ROUND
#undef BLAKE2B_MIX
#undef BLAKE2B_INITIAL_WORDS

const digest::CCompression<Compression> Compressions[1] = {
    { "portable", digest::RunsEverywhere, CompressPortable },
};

}}}
