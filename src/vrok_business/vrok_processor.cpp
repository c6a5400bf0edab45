#include "vrok_business/vrok_processor.h"

#if defined(__x86_64__)
#include <cpuid.h>
#endif

namespace vrok { namespace business { namespace processor {

#if defined(__x86_64__)

namespace {

struct CFeatures
{
    bool shaExtensions;
    bool bmi2;
    bool avx2;
    bool avx512;
};

// The register parts the system has enabled saving (XCR0): SSE and AVX are bits 1 and 2, the
// three AVX-512 parts bits 5 to 7.
unsigned int SavedRegisterParts()
{
    unsigned int low, high;
    __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return low;
}

CFeatures AskProcessor()
{
    CFeatures features = {};
    unsigned int eax, ebx, ecx, edx;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx))
        return features;
    const unsigned int ssse3 = 1u << 9, sse41 = 1u << 19, osxsave = 1u << 27, avx = 1u << 28;
    const bool sseForSha = (ecx & (ssse3 | sse41)) == (ssse3 | sse41);
    const bool xgetbv = (ecx & (osxsave | avx)) == (osxsave | avx);
    if (!__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx))
        return features;
    const unsigned int bmi1 = 1u << 3, avx2 = 1u << 5, bmi2 = 1u << 8, avx512f = 1u << 16, sha = 1u << 29,
                       avx512vl = 1u << 31;
    features.shaExtensions = sseForSha && (ebx & sha);
    features.bmi2 = (ebx & (bmi1 | bmi2)) == (bmi1 | bmi2);
    const unsigned int saved = xgetbv ? SavedRegisterParts() : 0;
    const unsigned int avxParts = 0x06, avx512Parts = 0xe6;
    features.avx2 = (ebx & avx2) && (saved & avxParts) == avxParts;
    features.avx512 = (ebx & (avx512f | avx512vl)) == (avx512f | avx512vl) && (saved & avx512Parts) == avx512Parts;
    return features;
}

const CFeatures features = AskProcessor();

}

bool HasShaExtensions()
{
    return features.shaExtensions;
}

bool HasBmi2()
{
    return features.bmi2;
}

bool RunsAvx2()
{
    return features.avx2;
}

bool RunsAvx512()
{
    return features.avx512;
}

#else

bool HasShaExtensions()
{
    return false;
}

bool HasBmi2()
{
    return false;
}

bool RunsAvx2()
{
    return false;
}

bool RunsAvx512()
{
    return false;
}

#endif

}}}
