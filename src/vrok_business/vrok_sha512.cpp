#include "vrok_business/vrok_sha512.h"

#include "vrok_business/vrok_processor.h"
#include "vrok_business/vrok_sha2functions.h"
#include "vrok_business/vrok_sha512steps.h"
#include "vrok_business/vrok_words.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vrok { namespace business { namespace sha512 {

using digest::LoadBigEndian64;
using digest::AddWorkingWords;
using digest::Choose;
using digest::Majority;
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
        h = sum + BigSigma0(a) + Majority(a, b, bXorC);                                           \
    }

// The compression itself, built into each implementation with that one's instructions.
__attribute__((always_inline)) inline void CompressBlocks(uint64_t* state, const unsigned char* blocks, size_t count)
{
    uint64_t w[16];
    for (const unsigned char* block = blocks; count > 0; --count, block += 128) {
        uint64_t a = state[0], b = state[1], c = state[2], d = state[3];
        uint64_t e = state[4], f = state[5], g = state[6], h = state[7];
        uint64_t bXorC = b ^ c;
        VROK_SHA512_STEPS(SHA512_STEP)
        AddWorkingWords(state, a, b, c, d, e, f, g, h);
    }
}

}

VROK_PORTABLE_AND_BMI2(uint64_t)

#if defined(__x86_64__)

namespace {

#define SHA512_CONSTANT(a, b, c, d, e, f, g, h, i, constant) constant,
alignas(16) const uint64_t Constants[80] = { VROK_SHA512_STEPS(SHA512_CONSTANT) };
#undef SHA512_CONSTANT

#define VECTOR_TARGET __attribute__((target("avx512f,avx512vl,bmi2"), always_inline)) inline

VECTOR_TARGET __m128i SmallSigma0Pair(__m128i x)
{
    return _mm_ternarylogic_epi64(_mm_ror_epi64(x, 1), _mm_ror_epi64(x, 8), _mm_srli_epi64(x, 7), 0x96);
}

VECTOR_TARGET __m128i SmallSigma1Pair(__m128i x)
{
    return _mm_ternarylogic_epi64(_mm_ror_epi64(x, 19), _mm_ror_epi64(x, 61), _mm_srli_epi64(x, 6), 0x96);
}

// Message words 2Q and 2Q + 1 (Q from 8 to 39) from the eight pairs before them, in a ring of
// pairs; stored with their constants added where the steps 16 before them took theirs.
template <int Q>
VECTOR_TARGET void NextPair(__m128i (&pairs)[8], uint64_t* wordsAndConstants)
{
    const __m128i words15 = _mm_alignr_epi8(pairs[(Q - 7) % 8], pairs[Q % 8], 8);
    const __m128i words7 = _mm_alignr_epi8(pairs[(Q - 3) % 8], pairs[(Q - 4) % 8], 8);
    __m128i next = _mm_add_epi64(pairs[Q % 8], SmallSigma0Pair(words15));
    next = _mm_add_epi64(_mm_add_epi64(next, words7), SmallSigma1Pair(pairs[(Q - 1) % 8]));
    pairs[Q % 8] = next;
    const __m128i constants = _mm_load_si128(reinterpret_cast<const __m128i*>(Constants + 2 * Q));
    _mm_store_si128(reinterpret_cast<__m128i*>(wordsAndConstants + (2 * Q) % 16), _mm_add_epi64(next, constants));
}

// After steps 2j and 2j + 1 have taken their words, the pair 16 words on takes their place.
template <int I>
VECTOR_TARGET void AfterStep(__m128i (&pairs)[8], uint64_t* wordsAndConstants)
{
    if constexpr (I % 2 == 1 && I < 64)
        NextPair<(I + 1) / 2 + 7>(pairs, wordsAndConstants);
}

#define SHA512_VECTOR_STEP(a, b, c, d, e, f, g, h, i, constant)                                \
    {                                                                                          \
        const uint64_t sum = h + BigSigma1(e) + Choose(e, f, g) + wordsAndConstants[(i) % 16]; \
        d += sum;                                                                              \
        h = sum + BigSigma0(a) + Majority(a, b, bXorC);                                            \
        AfterStep<i>(pairs, wordsAndConstants);                                                \
    }

}

__attribute__((target("avx512f,avx512vl,bmi2"))) void CompressVectorSchedule(uint64_t* state, const unsigned char* blocks,
                                                                             size_t count)
{
    const __m128i byteOrder = _mm_set_epi64x(0x08090a0b0c0d0e0fll, 0x0001020304050607ll);
    alignas(16) uint64_t wordsAndConstants[16];
    __m128i pairs[8];
    for (const unsigned char* block = blocks; count > 0; --count, block += 128) {
        for (int i = 0; i < 8; ++i) {
            pairs[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)), byteOrder);
            const __m128i constants = _mm_load_si128(reinterpret_cast<const __m128i*>(Constants + 2 * i));
            _mm_store_si128(reinterpret_cast<__m128i*>(wordsAndConstants + 2 * i), _mm_add_epi64(pairs[i], constants));
        }
        uint64_t a = state[0], b = state[1], c = state[2], d = state[3];
        uint64_t e = state[4], f = state[5], g = state[6], h = state[7];
        uint64_t bXorC = b ^ c;
        VROK_SHA512_STEPS(SHA512_VECTOR_STEP)
        AddWorkingWords(state, a, b, c, d, e, f, g, h);
    }
}

#undef SHA512_VECTOR_STEP
#undef VECTOR_TARGET

#else

void CompressVectorSchedule(uint64_t*, const unsigned char*, size_t)
{
    std::abort();
}

#endif

#undef SHA512_STEP

namespace {

bool RunsVectorSchedule()
{
    return processor::RunsAvx512() && processor::HasBmi2();
}

}

const digest::CCompression<Compression> Compressions[3] = {
    { "portable", digest::RunsEverywhere, CompressPortable },
    { "bmi2", processor::HasBmi2, CompressBmi2 },
    { "avx512-schedule", RunsVectorSchedule, CompressVectorSchedule },
};

}}}
