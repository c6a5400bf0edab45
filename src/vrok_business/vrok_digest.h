#ifndef VROK_BUSINESS_DIGEST_H
#define VROK_BUSINESS_DIGEST_H

#include <cstddef>
#include <memory>
#include <vector>

namespace vrok { namespace business { namespace digest {

// The digests the framework computes. BLAKE2b's length is chosen per stream; its default is
// 64 bytes, the length b2sum prints.
enum class Algorithm { Md5, Sha1, Sha224, Sha256, Sha384, Sha512, Blake2b };

const size_t MaxDigestBytes = 64;

// Bytes of the algorithm's digest (BLAKE2b: its default, 64).
size_t DigestBytesOf(Algorithm algorithm);

// A digest over a message handed over in pieces of any length, in order.
class IDigestStream
{
public:
    virtual ~IDigestStream() = default;
    virtual void Update(const unsigned char* data, size_t length) = 0;
    // Pads the message and writes DigestBytes() bytes to `digest`; the stream then starts over.
    virtual void Finish(unsigned char* digest) = 0;
    virtual size_t DigestBytes() const = 0;
};

// A stream on the implementation that runs fastest on this processor and system. digestBytes 0
// means the algorithm's own length; BLAKE2b takes 1 to 64, the others only their own length.
// Null for a length the algorithm does not have.
std::unique_ptr<IDigestStream> CreateDigestStream(Algorithm algorithm, size_t digestBytes = 0);

// The names of the implementations of the algorithm that this processor and system run, the
// portable one first; for the tests and the bench.
std::vector<const char*> ImplementationsOf(Algorithm algorithm);

// A stream on the given one of ImplementationsOf(algorithm); null past the last, or for a length
// the algorithm does not have.
std::unique_ptr<IDigestStream> CreateDigestStreamOn(Algorithm algorithm, size_t implementation,
                                                    size_t digestBytes = 0);

// Which of ImplementationsOf(algorithm) CreateDigestStream uses: the fastest on this processor.
// The first call for an algorithm times each of them on a small buffer, well under a millisecond,
// on the calling thread (a hashing thread, not the window's); another thread asking meanwhile
// waits for that result. SHA-224 shares SHA-256's compressions and choice, SHA-384 SHA-512's.
size_t ChosenImplementationOf(Algorithm algorithm);

}}}

#endif
