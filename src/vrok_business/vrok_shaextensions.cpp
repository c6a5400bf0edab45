// The only file built with the SHA and SSE4.1 instructions enabled (-msha -msse4.1): it includes
// no header with inline functions that other files might share, so no such instruction leaks
// into code that runs on processors without them.
#include "vrok_business/vrok_shaextensions.h"

#include "vrok_business/vrok_sha256steps.h"

#include <cstdlib>
#include <utility>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vrok { namespace business { namespace shaextensions {

#if defined(__x86_64__)

namespace {

#define SHA256_CONSTANT(a, b, c, d, e, f, g, h, i, constant) constant,
alignas(16) const uint32_t Sha256Constants[64] = {
    VROK_SHA256_STEPS(SHA256_CONSTANT)
};
#undef SHA256_CONSTANT

// Four big-endian message words of a block as the instructions take them.
inline __m128i LoadWords(const unsigned char* bytes, __m128i byteOrder)
{
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)), byteOrder);
}

// SHA-256, four steps Q of the 64: two instructions of two steps each, with the constants added
// to the message words first. Meanwhile the message schedule makes words 4 steps and 12 steps
// ahead; message[Q % 4] holds the words of steps 4Q to 4Q+3.
template <int Q>
__attribute__((always_inline)) inline void Sha256FourSteps(__m128i& abef, __m128i& cdgh, __m128i (&message)[4])
{
    const __m128i current = message[Q % 4];
    __m128i words = _mm_add_epi32(current, _mm_load_si128(reinterpret_cast<const __m128i*>(Sha256Constants + 4 * Q)));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
    if (Q >= 3 && Q < 15) {
        __m128i& next = message[(Q + 1) % 4];
        next = _mm_add_epi32(next, _mm_alignr_epi8(current, message[(Q + 3) % 4], 4));
        next = _mm_sha256msg2_epu32(next, current);
    }
    words = _mm_shuffle_epi32(words, 0x0e);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, words);
    if (Q >= 1 && Q < 13)
        message[(Q + 3) % 4] = _mm_sha256msg1_epu32(message[(Q + 3) % 4], current);
}

template <int... Q>
__attribute__((always_inline)) inline void Sha256AllSteps(__m128i& abef, __m128i& cdgh, __m128i (&message)[4],
                                                          std::integer_sequence<int, Q...>)
{
    (Sha256FourSteps<Q>(abef, cdgh, message), ...);
}

// SHA-1, four steps Q of the 80: the instruction takes E already added into the first message
// word, made from the A of four steps before; the round function changes every 20 steps.
template <int Q>
__attribute__((always_inline)) inline void Sha1FourSteps(__m128i& abcd, __m128i (&e)[2], __m128i (&message)[4])
{
    const __m128i current = message[Q % 4];
    if (Q == 0)
        e[0] = _mm_add_epi32(e[0], current);
    else
        e[Q % 2] = _mm_sha1nexte_epu32(e[Q % 2], current);
    e[(Q + 1) % 2] = abcd;
    if (Q >= 3 && Q < 19)
        message[(Q + 1) % 4] = _mm_sha1msg2_epu32(message[(Q + 1) % 4], current);
    abcd = _mm_sha1rnds4_epu32(abcd, e[Q % 2], Q / 5);
    if (Q >= 1 && Q < 17)
        message[(Q + 3) % 4] = _mm_sha1msg1_epu32(message[(Q + 3) % 4], current);
    if (Q >= 2 && Q < 18)
        message[(Q + 2) % 4] = _mm_xor_si128(message[(Q + 2) % 4], current);
}

template <int... Q>
__attribute__((always_inline)) inline void Sha1AllSteps(__m128i& abcd, __m128i (&e)[2], __m128i (&message)[4],
                                                        std::integer_sequence<int, Q...>)
{
    (Sha1FourSteps<Q>(abcd, e, message), ...);
}

}

void CompressSha256(uint32_t* state, const unsigned char* blocks, size_t count)
{
    const __m128i byteOrder = _mm_set_epi64x(0x0c0d0e0f08090a0bll, 0x0405060700010203ll);
    // The instructions keep the words as A, B, E, F and C, D, G, H, highest lane first.
    const __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state));
    const __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4));
    const __m128i cdab = _mm_shuffle_epi32(dcba, 0xb1);
    const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1b);
    __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xf0);
    for (const unsigned char* block = blocks; count > 0; --count, block += 64) {
        const __m128i abefBefore = abef, cdghBefore = cdgh;
        __m128i message[4] = { LoadWords(block, byteOrder), LoadWords(block + 16, byteOrder),
                               LoadWords(block + 32, byteOrder), LoadWords(block + 48, byteOrder) };
        Sha256AllSteps(abef, cdgh, message, std::make_integer_sequence<int, 16>());
        abef = _mm_add_epi32(abef, abefBefore);
        cdgh = _mm_add_epi32(cdgh, cdghBefore);
    }
    const __m128i feba = _mm_shuffle_epi32(abef, 0x1b);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xb1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, dchg, 0xf0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}

void CompressSha1(uint32_t* state, const unsigned char* blocks, size_t count)
{
    const __m128i byteOrder = _mm_set_epi64x(0x0001020304050607ll, 0x08090a0b0c0d0e0fll);
    // The instructions keep A in the highest lane, E alone in the highest lane of another.
    __m128i abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1b);
    __m128i e0 = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    for (const unsigned char* block = blocks; count > 0; --count, block += 64) {
        const __m128i abcdBefore = abcd, eBefore = e0;
        __m128i e[2] = { e0, _mm_setzero_si128() };
        __m128i message[4] = { LoadWords(block, byteOrder), LoadWords(block + 16, byteOrder),
                               LoadWords(block + 32, byteOrder), LoadWords(block + 48, byteOrder) };
        Sha1AllSteps(abcd, e, message, std::make_integer_sequence<int, 20>());
        e0 = _mm_sha1nexte_epu32(e[0], eBefore);
        abcd = _mm_add_epi32(abcd, abcdBefore);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1b));
    state[4] = static_cast<uint32_t>(_mm_extract_epi32(e0, 3));
}

#else

// Never called where the instructions cannot be available.
void CompressSha1(uint32_t*, const unsigned char*, size_t)
{
    std::abort();
}

void CompressSha256(uint32_t*, const unsigned char*, size_t)
{
    std::abort();
}

#endif

}}}
