#ifndef VROK_BUSINESS_SHASTREAM_H
#define VROK_BUSINESS_SHASTREAM_H

#include "vrok_business/vrok_digest.h"

#include <cstdint>
#include <cstring>

namespace vrok { namespace business { namespace digest {

// The stream of the SHA family (FIPS 180-4): blocks of 16 words, padded with 0x80, zeros and
// the message's length in bits as a big-endian number of two words; the digest is the first
// bytes of the chaining words, each big-endian. Word is 32 bits for SHA-1, SHA-224 and SHA-256,
// 64 bits for SHA-384 and SHA-512.
template <typename Word>
class CShaStream final : public IDigestStream
{
public:
    // Compresses `count` consecutive blocks at `blocks` (any alignment) into the chaining words.
    using Compression = void (*)(Word* state, const unsigned char* blocks, size_t count);
    static const unsigned BlockBytes = 16 * sizeof(Word);

    // `initial` holds the algorithm's starting words (SHA-1's five, the rest zero).
    CShaStream(const Word (&initial)[8], size_t digestBytes, Compression compress)
        : m_initial(initial), m_digestBytes(digestBytes), m_compress(compress)
    {
        Restart();
    }

    void Update(const unsigned char* data, size_t length) override
    {
        m_length += length;
        if (m_filled > 0) {
            const size_t taken = length < BlockBytes - m_filled ? length : BlockBytes - m_filled;
            std::memcpy(m_pending + m_filled, data, taken);
            m_filled += static_cast<unsigned>(taken);
            data += taken;
            length -= taken;
            if (m_filled < BlockBytes)
                return;
            m_compress(m_state, m_pending, 1);
            m_filled = 0;
        }
        const size_t blocks = length / BlockBytes;
        if (blocks > 0)
            m_compress(m_state, data, blocks);
        m_filled = static_cast<unsigned>(length % BlockBytes);
        std::memcpy(m_pending, data + blocks * BlockBytes, m_filled);
    }

    void Finish(unsigned char* digest) override
    {
        const unsigned lengthBytes = 2 * sizeof(Word);
        m_pending[m_filled++] = 0x80;
        if (m_filled > BlockBytes - lengthBytes) {
            std::memset(m_pending + m_filled, 0, BlockBytes - m_filled);
            m_compress(m_state, m_pending, 1);
            m_filled = 0;
        }
        std::memset(m_pending + m_filled, 0, BlockBytes - m_filled);
        // The length in bits: the byte count shifted by three, its top three bits into the
        // word above where the words are 64 bits wide (SHA-1 and SHA-256 count modulo 2^64).
        const unsigned long long bits = m_length << 3;
        for (unsigned i = 0; i < 8; ++i)
            m_pending[BlockBytes - 1 - i] = static_cast<unsigned char>(bits >> (8 * i));
        if (sizeof(Word) == 8)
            m_pending[BlockBytes - 9] = static_cast<unsigned char>(m_length >> 61);
        m_compress(m_state, m_pending, 1);
        for (size_t i = 0; i < m_digestBytes; ++i)
            digest[i] = static_cast<unsigned char>(m_state[i / sizeof(Word)] >> (8 * (sizeof(Word) - 1 - i % sizeof(Word))));
        Restart();
    }

    size_t DigestBytes() const override { return m_digestBytes; }

private:
    void Restart()
    {
        std::memcpy(m_state, m_initial, sizeof m_state);
        m_filled = 0;
        m_length = 0;
    }

    const Word* m_initial;
    size_t m_digestBytes;
    Compression m_compress;
    Word m_state[8];
    unsigned char m_pending[BlockBytes];
    unsigned m_filled;
    unsigned long long m_length;
};

}}}

#endif
