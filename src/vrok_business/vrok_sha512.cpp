#include "vrok_business/vrok_sha512.h"

#include "vrok_business/vrok_processor.h"
#include "vrok_business/vrok_sha2functions.h"
#include "vrok_business/vrok_sha512steps.h"
#include "vrok_business/vrok_words.h"

#if defined(__x86_64__)
#include <immintrin.h>

#include <utility>
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

#define VECTOR_TARGET __attribute__((target("avx512f,avx512vl,bmi,bmi2"), always_inline)) inline

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

// One step, its word and constant already added, written for the shortest wait from one step
// to the next: the new e is (d + h + word + choose) + sigma1, four operations after e, and the
// new a adds sigma0 last, four after a, its majority taking two, (a & (b ^ c)) ^ (b & c), with
// b ^ c and b & c made in the step before.
VECTOR_TARGET void ShortStep(uint64_t a, uint64_t b, uint64_t& d, uint64_t e, uint64_t f, uint64_t g, uint64_t& h,
                             uint64_t wordAndConstant, uint64_t& bXorC, uint64_t& bAndC)
{
    const uint64_t early = h + wordAndConstant;
    const uint64_t choose = (e & f) ^ _andn_u64(e, g);
    const uint64_t sigma1 = BigSigma1(e);
    d = (d + early + choose) + sigma1;
    const uint64_t majority = (a & bXorC) ^ bAndC;
    bXorC = a ^ b;
    bAndC = a & b;
    h = (early + choose + sigma1 + majority) + BigSigma0(a);
}

#define SHA512_VECTOR_STEP(a, b, c, d, e, f, g, h, i, constant)                               \
    {                                                                                         \
        ShortStep(a, b, d, e, f, g, h, wordsAndConstants[(i) % 16], bXorC, bAndC);            \
        AfterStep<i>(pairs, wordsAndConstants);                                               \
    }

}

__attribute__((target("avx512f,avx512vl,bmi,bmi2"))) void CompressVectorSchedule(uint64_t* state,
                                                                                 const unsigned char* blocks,
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
        uint64_t bXorC = b ^ c, bAndC = b & c;
        VROK_SHA512_STEPS(SHA512_VECTOR_STEP)
        AddWorkingWords(state, a, b, c, d, e, f, g, h);
    }
}

#undef SHA512_VECTOR_STEP

namespace {

// The message words of two blocks at once: pair Q of the first block in the low half of a
// 256-bit register, pair Q of the second in the high half.
class CTwoBlockSchedule
{
public:
    // Where the steps of block B (0 or 1) find word I with its constant added.
    static VECTOR_TARGET const uint64_t* WordsOf(const __m256i* scheduled, int block)
    {
        return reinterpret_cast<const uint64_t*>(scheduled) + 2 * block;
    }
    static constexpr int IndexOf(int i) { return 4 * (i / 2) + i % 2; }

    // Part U (0 to 39) of the schedule of the two blocks at `blocks` into `scheduled`: parts 0
    // to 7 read the blocks' pairs, the others each make the pair U from the eight before it.
    template <int U>
    VECTOR_TARGET void MakePart(const unsigned char* blocks, __m256i* scheduled)
    {
        if constexpr (U < 8) {
            const __m256i byteOrder = _mm256_set_epi64x(0x08090a0b0c0d0e0fll, 0x0001020304050607ll,
                                                        0x08090a0b0c0d0e0fll, 0x0001020304050607ll);
            const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * U));
            const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 128 + 16 * U));
            m_pairs[U] = _mm256_shuffle_epi8(_mm256_inserti128_si256(_mm256_castsi128_si256(first), second, 1),
                                             byteOrder);
        } else {
            const __m256i words15 = _mm256_alignr_epi8(m_pairs[(U - 7) % 8], m_pairs[U % 8], 8);
            const __m256i words7 = _mm256_alignr_epi8(m_pairs[(U - 3) % 8], m_pairs[(U - 4) % 8], 8);
            const __m256i last = m_pairs[(U - 1) % 8];
            const __m256i sigma0 = _mm256_ternarylogic_epi64(_mm256_ror_epi64(words15, 1), _mm256_ror_epi64(words15, 8),
                                                             _mm256_srli_epi64(words15, 7), 0x96);
            const __m256i sigma1 = _mm256_ternarylogic_epi64(_mm256_ror_epi64(last, 19), _mm256_ror_epi64(last, 61),
                                                             _mm256_srli_epi64(last, 6), 0x96);
            m_pairs[U % 8] = _mm256_add_epi64(_mm256_add_epi64(m_pairs[U % 8], sigma0), _mm256_add_epi64(words7, sigma1));
        }
        const __m256i constants =
            _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(Constants + 2 * U)));
        _mm256_store_si256(scheduled + U, _mm256_add_epi64(m_pairs[U % 8], constants));
    }

    template <int... U>
    VECTOR_TARGET void MakeAll(const unsigned char* blocks, __m256i* scheduled, std::integer_sequence<int, U...>)
    {
        (MakePart<U>(blocks, scheduled), ...);
    }

private:
    __m256i m_pairs[8];
};

// After step I of block B of the two being compressed, one part of the next two blocks'
// schedule, every fourth step: 40 parts over the 160 steps.
template <int B, int I>
VECTOR_TARGET void AfterScheduledStep(CTwoBlockSchedule& next, const unsigned char* nextBlocks, __m256i* nextScheduled)
{
    if constexpr (I % 4 == 3)
        next.MakePart<(80 * B + I) / 4>(nextBlocks, nextScheduled);
}

#define SHA512_SCHEDULED_STEP(a, b, c, d, e, f, g, h, i, constant)                            \
    {                                                                                         \
        ShortStep(a, b, d, e, f, g, h, words[CTwoBlockSchedule::IndexOf(i)], bXorC, bAndC);    \
        AfterScheduledStep<B, i>(next, nextBlocks, nextScheduled);                            \
    }

// The 80 steps of block B of two already scheduled, making a quarter of the next two's
// schedule on the way.
template <int B>
VECTOR_TARGET void StepsOfScheduledBlock(uint64_t* state, const __m256i* scheduled, CTwoBlockSchedule& next,
                                         const unsigned char* nextBlocks, __m256i* nextScheduled)
{
    const uint64_t* words = CTwoBlockSchedule::WordsOf(scheduled, B);
    uint64_t a = state[0], b = state[1], c = state[2], d = state[3];
    uint64_t e = state[4], f = state[5], g = state[6], h = state[7];
    uint64_t bXorC = b ^ c, bAndC = b & c;
    VROK_SHA512_STEPS(SHA512_SCHEDULED_STEP)
    AddWorkingWords(state, a, b, c, d, e, f, g, h);
}

#undef SHA512_SCHEDULED_STEP

}

__attribute__((target("avx512f,avx512vl,bmi,bmi2"))) void CompressTwoBlockSchedule(uint64_t* state,
                                                                                   const unsigned char* blocks,
                                                                                   size_t count)
{
    if (count >= 4) {
        alignas(32) __m256i scheduled[2][40];
        CTwoBlockSchedule schedule;
        schedule.MakeAll(blocks, scheduled[0], std::make_integer_sequence<int, 40>());
        // Each turn compresses two scheduled blocks while it schedules the two after them.
        for (int current = 0; count >= 4; count -= 2, blocks += 256, current ^= 1) {
            StepsOfScheduledBlock<0>(state, scheduled[current], schedule, blocks + 256, scheduled[current ^ 1]);
            StepsOfScheduledBlock<1>(state, scheduled[current], schedule, blocks + 256, scheduled[current ^ 1]);
        }
    }
    // The last two or three blocks (scheduled above, but made again here) and any fewer than four.
    CompressVectorSchedule(state, blocks, count);
}

#undef VECTOR_TARGET

#else

void CompressVectorSchedule(uint64_t*, const unsigned char*, size_t)
{
    std::abort();
}

void CompressTwoBlockSchedule(uint64_t*, const unsigned char*, size_t)
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

const digest::CCompression<Compression> Compressions[4] = {
    { "portable", digest::RunsEverywhere, CompressPortable },
    { "bmi2", processor::HasBmi2, CompressBmi2 },
    { "avx512-schedule", RunsVectorSchedule, CompressVectorSchedule },
    { "avx512-two-blocks", RunsVectorSchedule, CompressTwoBlockSchedule },
};

}}}
