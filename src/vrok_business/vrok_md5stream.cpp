#include "vrok_business/vrok_md5stream.h"

namespace vrok { namespace business { namespace md5 {

namespace {

// The largest tail that leaves room for the 0x80 byte and the 8 length bytes in its block.
const unsigned LargestTailWithLength = 55;

}

void CDigest::Assign(const CMd5State& state)
{
    const unsigned int words[4] = { state.a, state.b, state.c, state.d };
    for (unsigned word = 0; word < 4; ++word)
        for (unsigned byte = 0; byte < 4; ++byte)
            m_items[word * 4 + byte] = static_cast<unsigned char>(words[word] >> (8 * byte));
}

void CMd5Stream::Update(const unsigned char* data, size_t length)
{
    m_length += length;
    if (m_pending.GetFilled() > 0) {
        while (length > 0 && m_pending.GetFilled() < CMd5Block::Size) {
            m_pending.Append(*data++);
            --length;
        }
        if (m_pending.GetFilled() < CMd5Block::Size)
            return;
        m_pending.Transform(m_state);
        m_pending.Reset();
    }
    const size_t blocks = length / CMd5Block::Size;
    if (blocks > 0)
        m_compress(data, blocks, m_state);
    const size_t rest = length % CMd5Block::Size;
    if (rest > 0)
        m_pending.LoadPartial(data + blocks * CMd5Block::Size, static_cast<unsigned>(rest));
}

// 0x80, zeros, the length in bits; in an extra block when the tail leaves no room for it.
void CMd5Stream::Finish()
{
    const bool lengthFits = m_pending.GetFilled() <= LargestTailWithLength;
    m_pending.Append(0x80);
    m_pending.PadWithZeros();
    if (!lengthFits) {
        m_pending.Transform(m_state);
        m_pending.Reset();
        m_pending.PadWithZeros();
    }
    m_pending.SetBitLength(m_length);
    m_pending.Transform(m_state);
    m_digest.Assign(m_state);
    m_state = CMd5State();
    m_pending.Reset();
    m_length = 0;
}

}}}
