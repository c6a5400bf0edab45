#ifndef VROK_BUSINESS_MD5_H
#define VROK_BUSINESS_MD5_H

#include "vrok_business/vrok_md5array.h"
#include "vrok_persistence/vrok_file.h"

namespace vrok { namespace business { namespace md5 {

class CMd5Block;
class CMd5State;

// The MD5 digest (RFC 1321) of the whole content of an open file. One object per file.
class CMd5
{
public:
    // Bytes hashed per mapped window. A whole multi-GiB file does not fit the address space of
    // a 32-bit process, so the file is read through successive windows of this size.
    static const unsigned long long DefaultWindowSize = 64ull * 1024 * 1024;

    CMd5() = default;
    CMd5(const CMd5&) = delete;
    CMd5& operator=(const CMd5&) = delete;

    // Computes the digest of the whole file. False when a window cannot be mapped (an empty file
    // always fails); the digest then keeps its previous value.
    bool Compute(persistence::file::CVirtualFile& file);
    // The same through windows of about `windowSize` bytes, rounded up to a whole number of the
    // platform's allocation granularity (windows start only on its multiples); a size within one
    // granule of the type's maximum is rounded down instead.
    bool Compute(persistence::file::CVirtualFile& file, unsigned long long windowSize);

    // The 16 digest bytes, byte 0 first.
    const unsigned char* GetDigest() const { return m_digest.GetBytes(); }

private:
    static unsigned long long AlignToGranularity(unsigned long long windowSize);
    static void FinishMessage(const unsigned char* tail, unsigned tailLength, unsigned long long messageLength,
                              CMd5Block& block, CMd5State& state);

    CDigest m_digest;
};

}}}

#endif
