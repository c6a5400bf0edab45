#include "vrok_business/vrok_blake2bvector.h"

#include "vrok_business/vrok_blake2brounds.h"

#include <cstdlib>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vrok { namespace business { namespace blake2b {

#if defined(__x86_64__)

namespace {

// The message word is added to a while b is still being made, so that only one add waits for b.
// The empty assembler statement keeps the compiler from regrouping the adds onto b's path.
#define ADD_WORD_THEN_B(a, word, b)        \
    a = _mm256_add_epi64(a, word);         \
    __asm__("" : "+v"(a));                 \
    a = _mm256_add_epi64(a, b)

// The four mixings of a round's columns, or of its diagonals once the rows are turned, at once:
// each row of the state is one register, x and y the message words of the four mixings.
#define MIX_FOUR(x, y)                                                       \
    ADD_WORD_THEN_B(row1, x, row2);                                          \
    row4 = ROTATE_RIGHT_32(_mm256_xor_si256(row4, row1));                    \
    row3 = _mm256_add_epi64(row3, row4);                                     \
    row2 = ROTATE_RIGHT_24(_mm256_xor_si256(row2, row3));                    \
    ADD_WORD_THEN_B(row1, y, row2);                                          \
    row4 = ROTATE_RIGHT_16(_mm256_xor_si256(row4, row1));                    \
    row3 = _mm256_add_epi64(row3, row4);                                     \
    row2 = ROTATE_RIGHT_63(_mm256_xor_si256(row2, row3))

// Turning row 1 one lane one way, row 3 one lane the other and row 4 two lanes puts each diagonal
// in a column: lane i then holds diagonal i - 1 (a of column i - 1, b of column i, c of i + 1,
// d of i + 2). Row 2, the last one a mixing makes, stays where it is, so the next mixing need not
// wait for its turn.
#define TURN_TO_DIAGONALS()                                         \
    row1 = _mm256_permute4x64_epi64(row1, _MM_SHUFFLE(2, 1, 0, 3)); \
    row3 = _mm256_permute4x64_epi64(row3, _MM_SHUFFLE(0, 3, 2, 1)); \
    row4 = _mm256_permute4x64_epi64(row4, _MM_SHUFFLE(1, 0, 3, 2))
#define TURN_BACK()                                                 \
    row1 = _mm256_permute4x64_epi64(row1, _MM_SHUFFLE(0, 3, 2, 1)); \
    row3 = _mm256_permute4x64_epi64(row3, _MM_SHUFFLE(2, 1, 0, 3)); \
    row4 = _mm256_permute4x64_epi64(row4, _MM_SHUFFLE(1, 0, 3, 2))

#define VECTOR_ROUND(s0, s1, s2, s3, s4, s5, s6, s7, s8, s9, s10, s11, s12, s13, s14, s15) \
    {                                                                                       \
        __m256i x, y;                                                                       \
        MESSAGE_WORDS(x, y, s0, s2, s4, s6, s1, s3, s5, s7);                                \
        MIX_FOUR(x, y);                                                                     \
        TURN_TO_DIAGONALS();                                                                \
        MESSAGE_WORDS(x, y, s14, s8, s10, s12, s15, s9, s11, s13);                          \
        MIX_FOUR(x, y);                                                                     \
        TURN_BACK();                                                                        \
    }

// The compression, the same for both instruction sets; each defines the rotations, how the
// block is held (BLOCK_WORDS) and how a round takes its words from it (MESSAGE_WORDS).
#define VECTOR_COMPRESSION                                                                               \
    const __m256i iv0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(InitialWords));             \
    const __m256i iv1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(InitialWords + 4));         \
    __m256i h0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state.h));                         \
    __m256i h1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state.h + 4));                     \
    for (const unsigned char* block = blocks; count > 0; --count, block += BlockBytes) {                 \
        state.counter[0] += increment;                                                                   \
        state.counter[1] += state.counter[0] < increment;                                                \
        BLOCK_WORDS;                                                                                     \
        __m256i row1 = h0, row2 = h1, row3 = iv0;                                                        \
        __m256i row4 = _mm256_xor_si256(iv1, _mm256_set_epi64x(0, static_cast<long long>(finalFlag),     \
                                                                static_cast<long long>(state.counter[1]), \
                                                                static_cast<long long>(state.counter[0]))); \
        VROK_BLAKE2B_ROUNDS(VECTOR_ROUND)                                                                \
        h0 = _mm256_xor_si256(h0, _mm256_xor_si256(row1, row3));                                         \
        h1 = _mm256_xor_si256(h1, _mm256_xor_si256(row2, row4));                                         \
    }                                                                                                    \
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(state.h), h0);                                       \
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(state.h + 4), h1)

}

// AVX2: rotations by 32 as a swap of halves, by 24 and 16 as byte shuffles, by 63 as the lane
// added to itself with its top bit brought in; the words of a round put together one by one.
#define ROTATE_RIGHT_32(x) _mm256_shuffle_epi32((x), _MM_SHUFFLE(2, 3, 0, 1))
#define ROTATE_RIGHT_24(x) _mm256_shuffle_epi8((x), rotate24)
#define ROTATE_RIGHT_16(x) _mm256_shuffle_epi8((x), rotate16)
#define ROTATE_RIGHT_63(x) _mm256_xor_si256(_mm256_srli_epi64((x), 63), _mm256_add_epi64((x), (x)))
#define BLOCK_WORDS __builtin_memcpy(m, block, BlockBytes)
#define WORDS(a, b, c, d) _mm256_set_epi64x(static_cast<long long>(m[d]), static_cast<long long>(m[c]), \
                                            static_cast<long long>(m[b]), static_cast<long long>(m[a]))
#define MESSAGE_WORDS(x, y, x0, x1, x2, x3, y0, y1, y2, y3) \
    x = WORDS(x0, x1, x2, x3);                              \
    y = WORDS(y0, y1, y2, y3)

__attribute__((target("avx2"))) void CompressAvx2(CState& state, const unsigned char* blocks, size_t count,
                                                  unsigned increment, uint64_t finalFlag)
{
    const __m256i rotate24 = _mm256_setr_epi8(3, 4, 5, 6, 7, 0, 1, 2, 11, 12, 13, 14, 15, 8, 9, 10,
                                              3, 4, 5, 6, 7, 0, 1, 2, 11, 12, 13, 14, 15, 8, 9, 10);
    const __m256i rotate16 = _mm256_setr_epi8(2, 3, 4, 5, 6, 7, 0, 1, 10, 11, 12, 13, 14, 15, 8, 9,
                                              2, 3, 4, 5, 6, 7, 0, 1, 10, 11, 12, 13, 14, 15, 8, 9);
    uint64_t m[16];
    VECTOR_COMPRESSION;
}

#undef MESSAGE_WORDS
#undef WORDS
#undef BLOCK_WORDS
#undef ROTATE_RIGHT_63
#undef ROTATE_RIGHT_16
#undef ROTATE_RIGHT_24
#undef ROTATE_RIGHT_32

// AVX-512: every rotation one instruction; the block in four registers, from which a round's
// four words come by two two-source permutations (words 0 to 7, words 8 to 15) and a blend.
#define ROTATE_RIGHT_32(x) _mm256_ror_epi64((x), 32)
#define ROTATE_RIGHT_24(x) _mm256_ror_epi64((x), 24)
#define ROTATE_RIGHT_16(x) _mm256_ror_epi64((x), 16)
#define ROTATE_RIGHT_63(x) _mm256_ror_epi64((x), 63)
#define BLOCK_WORDS                                                                         \
    const __m256i words0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block));      \
    const __m256i words4 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 32)); \
    const __m256i words8 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 64)); \
    const __m256i words12 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 96))
#define HIGH_WORD_LANES(a, b, c, d) (((a) >> 3) | ((b) >> 3) << 1 | ((c) >> 3) << 2 | ((d) >> 3) << 3)
#define WORDS(a, b, c, d)                                                                              \
    _mm256_mask_blend_epi64(HIGH_WORD_LANES(a, b, c, d),                                               \
                            _mm256_permutex2var_epi64(words0, _mm256_setr_epi64x(a, b, c, d), words4),  \
                            _mm256_permutex2var_epi64(words8, _mm256_setr_epi64x((a) & 7, (b) & 7, (c) & 7, (d) & 7), words12))
#define MESSAGE_WORDS(x, y, x0, x1, x2, x3, y0, y1, y2, y3) \
    x = WORDS(x0, x1, x2, x3);                              \
    y = WORDS(y0, y1, y2, y3)

__attribute__((target("avx2,avx512f,avx512vl"))) void CompressAvx512(CState& state, const unsigned char* blocks,
                                                                     size_t count, unsigned increment, uint64_t finalFlag)
{
    VECTOR_COMPRESSION;
}

#undef MESSAGE_WORDS
#undef WORDS
#undef HIGH_WORD_LANES
#undef BLOCK_WORDS
#undef ROTATE_RIGHT_63
#undef ROTATE_RIGHT_16
#undef ROTATE_RIGHT_24
#undef ROTATE_RIGHT_32
#undef VECTOR_COMPRESSION
#undef VECTOR_ROUND
#undef TURN_BACK
#undef TURN_TO_DIAGONALS
#undef MIX_FOUR
#undef ADD_WORD_THEN_B

#else

// Never called where the instructions cannot be available.
void CompressAvx2(CState&, const unsigned char*, size_t, unsigned, uint64_t)
{
    std::abort();
}

void CompressAvx512(CState&, const unsigned char*, size_t, unsigned, uint64_t)
{
    std::abort();
}

#endif

}}}
