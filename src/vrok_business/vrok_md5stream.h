#ifndef VROK_BUSINESS_MD5STREAM_H
#define VROK_BUSINESS_MD5STREAM_H

#include "vrok_business/vrok_md5array.h"
#include "vrok_business/vrok_md5block.h"
#include "vrok_business/vrok_md5state.h"

#include <cstddef>

namespace vrok { namespace business { namespace md5 {

// The MD5 digest (RFC 1321) of a message handed over in pieces of any length, in order.
class CMd5Stream
{
public:
    // On the compression that runs fastest here, or on the one given.
    CMd5Stream() : CMd5Stream(ChosenCompression()) {}
    explicit CMd5Stream(Compression compress) : m_compress(compress), m_length(0) {}
    CMd5Stream(const CMd5Stream&) = delete;
    CMd5Stream& operator=(const CMd5Stream&) = delete;

    // Whole blocks are compressed straight from `data`; a partial block waits for the next piece.
    void Update(const unsigned char* data, size_t length);
    // Pads the message and takes the digest; the stream starts over afterwards.
    void Finish();

    // The 16 digest bytes of the last finished message, byte 0 first.
    const unsigned char* GetDigest() const { return m_digest.GetBytes(); }

private:
    Compression m_compress;
    CMd5State m_state;
    CMd5Block m_pending;
    unsigned long long m_length;
    CDigest m_digest;
};

}}}

#endif
