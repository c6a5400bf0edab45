#ifndef VROK_BUSINESS_COMPRESSION_H
#define VROK_BUSINESS_COMPRESSION_H

#include <cstddef>
#include <cstdlib>

namespace vrok { namespace business { namespace digest {

// One implementation of an algorithm's compression function: a short name for the bench and the
// tests, whether this processor and system run it, and the function.
template <typename Function>
struct CCompression
{
    const char* name;
    bool (*runsHere)();
    Function compress;
};

inline bool RunsEverywhere()
{
    return true;
}

// The index-th of the table's entries that run here, in the table's order (the portable one
// first); null past the last.
template <typename Function, size_t N>
const CCompression<Function>* NthRunnable(const CCompression<Function> (&table)[N], size_t index)
{
    for (const CCompression<Function>& entry : table)
        if (entry.runsHere() && index-- == 0)
            return &entry;
    return nullptr;
}

}}}

// Defines CompressPortable and CompressBmi2 of the SHA family on one always-inline
// CompressBlocks(state, blocks, count): the same code built twice, the second with BMI2's
// rotations, which leave their source as it was and so need no copy before each (64-bit builds;
// the 32-bit one never calls it).
#if defined(__x86_64__)
#define VROK_PORTABLE_AND_BMI2(Word)                                                                   \
    void CompressPortable(Word* state, const unsigned char* blocks, size_t count)                      \
    {                                                                                                  \
        CompressBlocks(state, blocks, count);                                                          \
    }                                                                                                  \
    __attribute__((target("bmi2"))) void CompressBmi2(Word* state, const unsigned char* blocks, size_t count) \
    {                                                                                                  \
        CompressBlocks(state, blocks, count);                                                          \
    }
#else
#define VROK_PORTABLE_AND_BMI2(Word)                                                                   \
    void CompressPortable(Word* state, const unsigned char* blocks, size_t count)                      \
    {                                                                                                  \
        CompressBlocks(state, blocks, count);                                                          \
    }                                                                                                  \
    void CompressBmi2(Word*, const unsigned char*, size_t)                                             \
    {                                                                                                  \
        std::abort();                                                                                  \
    }
#endif

#endif
