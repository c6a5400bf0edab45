#include "vrok_business/vrok_digest.h"

#include "vrok_business/vrok_blake2bstream.h"
#include "vrok_business/vrok_choiceonce.h"
#include "vrok_business/vrok_md5stream.h"
#include "vrok_business/vrok_sha1.h"
#include "vrok_business/vrok_sha256.h"
#include "vrok_business/vrok_sha512.h"
#include "vrok_business/vrok_speedtrial.h"

#include <cstring>

namespace vrok { namespace business { namespace digest {

namespace {

// MD5 through the stream the program has always hashed files with.
class CMd5DigestStream final : public IDigestStream
{
public:
    explicit CMd5DigestStream(md5::Compression compress) : m_stream(compress) {}

    void Update(const unsigned char* data, size_t length) override { m_stream.Update(data, length); }
    void Finish(unsigned char* digest) override
    {
        m_stream.Finish();
        std::memcpy(digest, m_stream.GetDigest(), DigestBytes());
    }
    size_t DigestBytes() const override { return 16; }

private:
    md5::CMd5Stream m_stream;
};

std::unique_ptr<IDigestStream> MakeStream(Algorithm, size_t, md5::Compression compress)
{
    return std::unique_ptr<IDigestStream>(new CMd5DigestStream(compress));
}

// SHA-1, SHA-224 and SHA-256 share the 32-bit stream, each with its own starting words.
std::unique_ptr<IDigestStream> MakeStream(Algorithm algorithm, size_t digestBytes, CShaStream<uint32_t>::Compression compress)
{
    const uint32_t(&initial)[8] = algorithm == Algorithm::Sha1     ? sha1::InitialWords
                                  : algorithm == Algorithm::Sha224 ? sha256::InitialWords224
                                                                   : sha256::InitialWords256;
    return std::unique_ptr<IDigestStream>(new CShaStream<uint32_t>(initial, digestBytes, compress));
}

std::unique_ptr<IDigestStream> MakeStream(Algorithm algorithm, size_t digestBytes, CShaStream<uint64_t>::Compression compress)
{
    const uint64_t(&initial)[8] = algorithm == Algorithm::Sha384 ? sha512::InitialWords384 : sha512::InitialWords512;
    return std::unique_ptr<IDigestStream>(new CShaStream<uint64_t>(initial, digestBytes, compress));
}

std::unique_ptr<IDigestStream> MakeStream(Algorithm, size_t digestBytes, blake2b::Compression compress)
{
    return std::unique_ptr<IDigestStream>(new blake2b::CBlake2bStream(digestBytes, compress));
}

// One choice per table of compressions: MD5, SHA-1, SHA-224 and SHA-256, SHA-384 and SHA-512,
// BLAKE2b.
CChoiceOnce choices[5];

// Calls `use` with the table of the algorithm's compressions and the choice made among them.
template <typename Use>
auto WithCompressions(Algorithm algorithm, Use use)
{
    switch (algorithm) {
    case Algorithm::Md5:
        return use(md5::Compressions, choices[0]);
    case Algorithm::Sha1:
        return use(sha1::Compressions, choices[1]);
    case Algorithm::Sha224:
    case Algorithm::Sha256:
        return use(sha256::Compressions, choices[2]);
    case Algorithm::Sha384:
    case Algorithm::Sha512:
        return use(sha512::Compressions, choices[3]);
    case Algorithm::Blake2b:
        break;
    }
    return use(blake2b::Compressions, choices[4]);
}

// The length asked for, 0 meaning the algorithm's own; 0 for a length it does not have.
size_t ValidDigestBytes(Algorithm algorithm, size_t digestBytes)
{
    const size_t own = DigestBytesOf(algorithm);
    if (digestBytes == 0)
        return own;
    if (algorithm == Algorithm::Blake2b)
        return digestBytes <= own ? digestBytes : 0;
    return digestBytes == own ? digestBytes : 0;
}

}

size_t DigestBytesOf(Algorithm algorithm)
{
    switch (algorithm) {
    case Algorithm::Md5:
        return 16;
    case Algorithm::Sha1:
        return 20;
    case Algorithm::Sha224:
        return 28;
    case Algorithm::Sha256:
        return 32;
    case Algorithm::Sha384:
        return 48;
    case Algorithm::Sha512:
    case Algorithm::Blake2b:
        break;
    }
    return 64;
}

std::vector<const char*> ImplementationsOf(Algorithm algorithm)
{
    return WithCompressions(algorithm, [](const auto& table, CChoiceOnce&) {
        std::vector<const char*> names;
        for (const auto& entry : table)
            if (entry.runsHere())
                names.push_back(entry.name);
        return names;
    });
}

std::unique_ptr<IDigestStream> CreateDigestStreamOn(Algorithm algorithm, size_t implementation, size_t digestBytes)
{
    const size_t length = ValidDigestBytes(algorithm, digestBytes);
    return WithCompressions(algorithm, [&](const auto& table, CChoiceOnce&) {
        const auto* entry = NthRunnable(table, implementation);
        if (entry == nullptr || length == 0)
            return std::unique_ptr<IDigestStream>();
        return MakeStream(algorithm, length, entry->compress);
    });
}

std::unique_ptr<IDigestStream> CreateDigestStream(Algorithm algorithm, size_t digestBytes)
{
    return CreateDigestStreamOn(algorithm, ChosenImplementationOf(algorithm), digestBytes);
}

size_t ChosenImplementationOf(Algorithm algorithm)
{
    return WithCompressions(algorithm, [algorithm](const auto&, CChoiceOnce& choice) {
        return choice.Get([algorithm] { return FastestImplementationOf(algorithm); });
    });
}

}}}
