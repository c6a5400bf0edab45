#ifndef VROK_BUSINESS_COMPRESSION_H
#define VROK_BUSINESS_COMPRESSION_H

#include <cstddef>

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

#endif
