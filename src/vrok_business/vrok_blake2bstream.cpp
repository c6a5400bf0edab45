#include "vrok_business/vrok_blake2bstream.h"

#include <cstring>

namespace vrok { namespace business { namespace blake2b {

CBlake2bStream::CBlake2bStream(size_t digestBytes, Compression compress)
    : m_digestBytes(digestBytes), m_compress(compress), m_state(InitialState(digestBytes)), m_filled(0)
{
}

void CBlake2bStream::Update(const unsigned char* data, size_t length)
{
    if (m_filled > 0) {
        const size_t taken = length < BlockBytes - m_filled ? length : BlockBytes - m_filled;
        std::memcpy(m_pending + m_filled, data, taken);
        m_filled += static_cast<unsigned>(taken);
        data += taken;
        length -= taken;
        if (length == 0)
            return;
        m_compress(m_state, m_pending, 1, BlockBytes, 0);
        m_filled = 0;
    }
    // Whole blocks straight from the data, all but the last: it may be the message's end.
    if (length > BlockBytes) {
        const size_t blocks = (length - 1) / BlockBytes;
        m_compress(m_state, data, blocks, BlockBytes, 0);
        data += blocks * BlockBytes;
        length -= blocks * BlockBytes;
    }
    std::memcpy(m_pending, data, length);
    m_filled = static_cast<unsigned>(length);
}

void CBlake2bStream::Finish(unsigned char* digest)
{
    std::memset(m_pending + m_filled, 0, BlockBytes - m_filled);
    m_compress(m_state, m_pending, 1, m_filled, ~0ull);
    for (size_t i = 0; i < m_digestBytes; ++i)
        digest[i] = static_cast<unsigned char>(m_state.h[i / 8] >> (8 * (i % 8)));
    m_state = InitialState(m_digestBytes);
    m_filled = 0;
}

}}}
