#ifndef VROK_BUSINESS_BLAKE2BSTREAM_H
#define VROK_BUSINESS_BLAKE2BSTREAM_H

#include "vrok_business/vrok_blake2b.h"
#include "vrok_business/vrok_digest.h"

namespace vrok { namespace business { namespace blake2b {

// An unkeyed BLAKE2b digest of 1 to 64 bytes. The message's last block is compressed apart,
// flagged and zero-padded, so a whole block is held back until more of the message arrives.
class CBlake2bStream final : public digest::IDigestStream
{
public:
    CBlake2bStream(size_t digestBytes, Compression compress);

    void Update(const unsigned char* data, size_t length) override;
    void Finish(unsigned char* digest) override;
    size_t DigestBytes() const override { return m_digestBytes; }

private:
    size_t m_digestBytes;
    Compression m_compress;
    CState m_state;
    unsigned char m_pending[BlockBytes];
    unsigned m_filled;
};

}}}

#endif
