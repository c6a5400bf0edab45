#include "vrok_business/vrok_md5ternary.h"

#include "vrok_business/vrok_md5steps.h"
#include "vrok_business/vrok_processor.h"

#include <cstdlib>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vrok { namespace business { namespace md5 {

#if defined(__x86_64__)

namespace {

// vpternlogd's truth tables, its destination operand holding d, the second b and the third c.
const int B = 0xcc, C = 0xaa, D = 0xf0;
const int TableF = ((B & C) | (~B & D)) & 0xff;
const int TableG = ((B & D) | (C & ~D)) & 0xff;
const int TableH = (B ^ C ^ D) & 0xff;
const int TableI = (C ^ (B | ~D)) & 0xff;

// One step in the low lane of four vector registers. Only the round function, one add, the
// rotation and the add of b wait for b, one cycle each: the word and the constant are added
// into a, straight from memory, while b is still being made. Written in assembler because the
// compiler would otherwise regroup the adds onto the path that waits for b.
#define TERNARY_STEP(round, a, b, c, d, index, constant, rotation)                                 \
    {                                                                                              \
        static const unsigned int stepConstant = constant;                                         \
        __m128i function;                                                                          \
        __asm__("vpaddd %c[offset](%[words])%{1to4%}, %[ra], %[ra]\n\t"                            \
                "vpaddd %[k]%{1to4%}, %[ra], %[ra]\n\t"                                            \
                "vmovdqa64 %[rd], %[function]\n\t"                                                 \
                "vpternlogd %[table], %[rc], %[rb], %[function]\n\t"                               \
                "vpaddd %[function], %[ra], %[ra]\n\t"                                             \
                "vprold %[s], %[ra], %[ra]\n\t"                                                    \
                "vpaddd %[rb], %[ra], %[ra]"                                                       \
                : [ra] "+v"(a), [function] "=&v"(function)                                         \
                : [rb] "v"(b), [rc] "v"(c), [rd] "v"(d), [words] "r"(block), [bytes] "m"(*block),  \
                  [offset] "n"(4 * (index)),                                                       \
                  [k] "m"(stepConstant), [table] "n"(Table##round),                                \
                  [s] "n"(rotation));                                                              \
    }

}

bool TernaryCompressionAvailable()
{
    return processor::RunsAvx512();
}

__attribute__((target("avx512f,avx512vl")))
void CompressBlocksTernary(const unsigned char* data, size_t count, CMd5State& state)
{
    __m128i chainA = _mm_cvtsi32_si128(static_cast<int>(state.a));
    __m128i chainB = _mm_cvtsi32_si128(static_cast<int>(state.b));
    __m128i chainC = _mm_cvtsi32_si128(static_cast<int>(state.c));
    __m128i chainD = _mm_cvtsi32_si128(static_cast<int>(state.d));
    for (size_t blockIndex = 0; blockIndex < count; ++blockIndex) {
        // Read by the steps as words at any alignment, a byte array to the compiler.
        const unsigned char(*block)[64] = reinterpret_cast<const unsigned char(*)[64]>(data + 64 * blockIndex);
        __m128i a = chainA, b = chainB, c = chainC, d = chainD;
        VROK_MD5_STEPS(TERNARY_STEP)
        chainA = _mm_add_epi32(chainA, a);
        chainB = _mm_add_epi32(chainB, b);
        chainC = _mm_add_epi32(chainC, c);
        chainD = _mm_add_epi32(chainD, d);
    }
    state.a = static_cast<unsigned int>(_mm_cvtsi128_si32(chainA));
    state.b = static_cast<unsigned int>(_mm_cvtsi128_si32(chainB));
    state.c = static_cast<unsigned int>(_mm_cvtsi128_si32(chainC));
    state.d = static_cast<unsigned int>(_mm_cvtsi128_si32(chainD));
}

#undef TERNARY_STEP

#else

bool TernaryCompressionAvailable()
{
    return false;
}

// Never called where the instructions cannot be available.
void CompressBlocksTernary(const unsigned char*, size_t, CMd5State&)
{
    std::abort();
}

#endif

}}}
