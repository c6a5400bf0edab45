#ifndef VROK_BUSINESS_PENDINGBLOCK_H
#define VROK_BUSINESS_PENDINGBLOCK_H

#include <cstddef>
#include <cstring>

namespace vrok { namespace business { namespace digest {

// Moves bytes from the front of a piece into a partly filled block, as many as fit in its
// `capacity`; the piece's start and length then point past them.
inline void FillPendingBlock(unsigned char* pending, unsigned& filled, unsigned capacity, const unsigned char*& data,
                             size_t& length)
{
    const size_t taken = length < capacity - filled ? length : capacity - filled;
    std::memcpy(pending + filled, data, taken);
    filled += static_cast<unsigned>(taken);
    data += taken;
    length -= taken;
}

}}}

#endif
