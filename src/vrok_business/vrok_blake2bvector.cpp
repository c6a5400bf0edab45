#include "vrok_business/vrok_blake2bvector.h"

#include "vrok_business/vrok_blake2brounds.h"

#include <cstdlib>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vrok { namespace business { namespace blake2b {

#if defined(__x86_64__)

namespace {

// Rotations of each 64-bit lane to the right: by 32 as a swap of its halves, by 24 and 16 as
// byte shuffles, by 63 as the lane added to itself with its top bit brought in.
#define ROTATE_RIGHT_32(x) _mm256_shuffle_epi32((x), _MM_SHUFFLE(2, 3, 0, 1))
#define ROTATE_RIGHT_24(x) _mm256_shuffle_epi8((x), rotate24)
#define ROTATE_RIGHT_16(x) _mm256_shuffle_epi8((x), rotate16)
#define ROTATE_RIGHT_63(x) _mm256_xor_si256(_mm256_srli_epi64((x), 63), _mm256_add_epi64((x), (x)))

// The four mixings of a round's columns, or of its diagonals once the rows are turned, at once:
// each row of the state is one register, x and y the message words of the four mixings.
#define MIX_FOUR(x, y)                                                       \
    row1 = _mm256_add_epi64(_mm256_add_epi64(row1, x), row2);                \
    row4 = ROTATE_RIGHT_32(_mm256_xor_si256(row4, row1));                    \
    row3 = _mm256_add_epi64(row3, row4);                                     \
    row2 = ROTATE_RIGHT_24(_mm256_xor_si256(row2, row3));                    \
    row1 = _mm256_add_epi64(_mm256_add_epi64(row1, y), row2);                \
    row4 = ROTATE_RIGHT_16(_mm256_xor_si256(row4, row1));                    \
    row3 = _mm256_add_epi64(row3, row4);                                     \
    row2 = ROTATE_RIGHT_63(_mm256_xor_si256(row2, row3))

// Turning rows 2, 3 and 4 left by one, two and three lanes puts each diagonal in a column.
#define TURN_TO_DIAGONALS()                                  \
    row2 = _mm256_permute4x64_epi64(row2, _MM_SHUFFLE(0, 3, 2, 1)); \
    row3 = _mm256_permute4x64_epi64(row3, _MM_SHUFFLE(1, 0, 3, 2)); \
    row4 = _mm256_permute4x64_epi64(row4, _MM_SHUFFLE(2, 1, 0, 3))
#define TURN_BACK()                                          \
    row2 = _mm256_permute4x64_epi64(row2, _MM_SHUFFLE(2, 1, 0, 3)); \
    row3 = _mm256_permute4x64_epi64(row3, _MM_SHUFFLE(1, 0, 3, 2)); \
    row4 = _mm256_permute4x64_epi64(row4, _MM_SHUFFLE(0, 3, 2, 1))

#define WORDS(a, b, c, d) _mm256_set_epi64x(static_cast<long long>(m[d]), static_cast<long long>(m[c]), \
                                            static_cast<long long>(m[b]), static_cast<long long>(m[a]))

#define VECTOR_ROUND(s0, s1, s2, s3, s4, s5, s6, s7, s8, s9, s10, s11, s12, s13, s14, s15) \
    MIX_FOUR(WORDS(s0, s2, s4, s6), WORDS(s1, s3, s5, s7));                                 \
    TURN_TO_DIAGONALS();                                                                    \
    MIX_FOUR(WORDS(s8, s10, s12, s14), WORDS(s9, s11, s13, s15));                           \
    TURN_BACK();

}

__attribute__((target("avx2"))) void CompressAvx2(CState& state, const unsigned char* blocks, size_t count,
                                                  unsigned increment, uint64_t finalFlag)
{
    const __m256i rotate24 = _mm256_setr_epi8(3, 4, 5, 6, 7, 0, 1, 2, 11, 12, 13, 14, 15, 8, 9, 10,
                                              3, 4, 5, 6, 7, 0, 1, 2, 11, 12, 13, 14, 15, 8, 9, 10);
    const __m256i rotate16 = _mm256_setr_epi8(2, 3, 4, 5, 6, 7, 0, 1, 10, 11, 12, 13, 14, 15, 8, 9,
                                              2, 3, 4, 5, 6, 7, 0, 1, 10, 11, 12, 13, 14, 15, 8, 9);
    const __m256i iv0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(InitialWords));
    const __m256i iv1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(InitialWords + 4));
    __m256i h0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state.h));
    __m256i h1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state.h + 4));
    uint64_t m[16];
    for (const unsigned char* block = blocks; count > 0; --count, block += BlockBytes) {
        state.counter[0] += increment;
        state.counter[1] += state.counter[0] < increment;
        __builtin_memcpy(m, block, BlockBytes);
        __m256i row1 = h0, row2 = h1, row3 = iv0;
        __m256i row4 = _mm256_xor_si256(iv1, _mm256_set_epi64x(0, static_cast<long long>(finalFlag),
                                                                static_cast<long long>(state.counter[1]),
                                                                static_cast<long long>(state.counter[0])));
        VROK_BLAKE2B_ROUNDS(VECTOR_ROUND)
        h0 = _mm256_xor_si256(h0, _mm256_xor_si256(row1, row3));
        h1 = _mm256_xor_si256(h1, _mm256_xor_si256(row2, row4));
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(state.h), h0);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(state.h + 4), h1);
}

#undef VECTOR_ROUND
#undef WORDS
#undef TURN_BACK
#undef TURN_TO_DIAGONALS
#undef MIX_FOUR
#undef ROTATE_RIGHT_63
#undef ROTATE_RIGHT_16
#undef ROTATE_RIGHT_24
#undef ROTATE_RIGHT_32

#else

// Never called where the instructions cannot be available.
void CompressAvx2(CState&, const unsigned char*, size_t, unsigned, uint64_t)
{
    std::abort();
}

#endif

}}}
