#include "vrok_business/vrok_choiceonce.h"
#include "vrok_business/vrok_digest.h"

#include "reference_digests.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

using testsupport::Narrow;
using vrok::business::digest::Algorithm;
using vrok::business::digest::CChoiceOnce;
using vrok::business::digest::CreateDigestStream;
using vrok::business::digest::CreateDigestStreamOn;
using vrok::business::digest::IDigestStream;
using vrok::business::digest::ImplementationsOf;

namespace {

const Algorithm AllAlgorithms[] = { Algorithm::Md5,    Algorithm::Sha1,   Algorithm::Sha224, Algorithm::Sha256,
                                    Algorithm::Sha384, Algorithm::Sha512, Algorithm::Blake2b };

// How a message reaches a stream: copied `offset` bytes past an aligned address, handed over in
// pieces of the sizes listed, in turn.
struct CFeeding
{
    size_t offset;
    std::vector<size_t> pieces;
};

const size_t Whole = ~size_t(0);
const CFeeding Feedings[] = {
    { 0, { Whole } },
    { 1, { Whole } },
    { 3, { 1, 63, 64, 65, 127, 128, 129, 4097 } },
};

// The digest in lower-case hexadecimal, as coreutils prints it.
std::string DigestHex(IDigestStream& stream, const std::string& message, const CFeeding& feeding)
{
    std::vector<unsigned char> buffer(feeding.offset + message.size() + 1);
    std::copy(message.begin(), message.end(), buffer.begin() + feeding.offset);
    const unsigned char* data = buffer.data() + feeding.offset;
    stream.Update(data, 0);
    for (size_t done = 0, i = 0; done < message.size(); ++i) {
        const size_t piece = std::min(feeding.pieces[i % feeding.pieces.size()], message.size() - done);
        stream.Update(data + done, piece);
        done += piece;
    }
    unsigned char digest[vrok::business::digest::MaxDigestBytes];
    stream.Finish(digest);
    std::string text;
    for (size_t i = 0; i < stream.DigestBytes(); ++i)
        text += "0123456789abcdef"[digest[i] >> 4], text += "0123456789abcdef"[digest[i] & 15];
    return text;
}

}

// The examples published with the standards, on every implementation this processor runs.
TEST(Engines, EveryImplementationGivesThePublishedDigests)
{
    const std::string abc = "abc", bits448 = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                      bits896 = "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopq"
                                "rlmnopqrsmnopqrstnopqrstu",
                      million(1000000, 'a');
    const struct { Algorithm algorithm; size_t bytes; const std::string& message; const char* digest; } rows[] = {
        { Algorithm::Sha1, 0, abc, "a9993e364706816aba3e25717850c26c9cd0d89d" },
        { Algorithm::Sha1, 0, bits448, "84983e441c3bd26ebaae4aa1f95129e5e54670f1" },
        { Algorithm::Sha1, 0, bits896, "a49b2446a02c645bf419f995b67091253a04a259" },
        { Algorithm::Sha1, 0, million, "34aa973cd4c4daa4f61eeb2bdbad27316534016f" },
        { Algorithm::Sha224, 0, abc, "23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7" },
        { Algorithm::Sha224, 0, bits448, "75388b16512776cc5dba5da1fd890150b0c6455cb4f58b1952522525" },
        { Algorithm::Sha224, 0, bits896, "c97ca9a559850ce97a04a96def6d99a9e0e0e2ab14e6b8df265fc0b3" },
        { Algorithm::Sha224, 0, million, "20794655980c91d8bbb4c1ea97618a4bf03f42581948b2ee4ee7ad67" },
        { Algorithm::Sha256, 0, abc, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad" },
        { Algorithm::Sha256, 0, bits448, "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1" },
        { Algorithm::Sha256, 0, bits896, "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1" },
        { Algorithm::Sha256, 0, million, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0" },
        { Algorithm::Sha384, 0, abc, "cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed"
                                     "8086072ba1e7cc2358baeca134c825a7" },
        { Algorithm::Sha384, 0, bits448, "3391fdddfc8dc7393707a65b1b4709397cf8b1d162af05abfe8f450de5f36bc6"
                                         "b0455a8520bc4e6f5fe95b1fe3c8452b" },
        { Algorithm::Sha384, 0, bits896, "09330c33f71147e83d192fc782cd1b4753111b173b3b05d22fa08086e3b0f712"
                                         "fcc7c71a557e2db966c3e9fa91746039" },
        { Algorithm::Sha384, 0, million, "9d0e1809716474cb086e834e310a4a1ced149e9c00f248527972cec5704c2a5b"
                                         "07b8b3dc38ecc4ebae97ddd87f3d8985" },
        { Algorithm::Sha512, 0, abc, "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
                                     "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f" },
        { Algorithm::Sha512, 0, bits448, "204a8fc6dda82f0a0ced7beb8e08a41657c16ef468b228a8279be331a703c335"
                                         "96fd15c13b1b07f9aa1d3bea57789ca031ad85c7a71dd70354ec631238ca3445" },
        { Algorithm::Sha512, 0, bits896, "8e959b75dae313da8cf4f72814fc143f8f7779c6eb9f7fa17299aeadb6889018"
                                         "501d289e4900f7e4331b99dec4b5433ac7d329eeb6dd26545e96e55b874be909" },
        { Algorithm::Sha512, 0, million, "e718483d0ce769644e2e42c7bc15b4638e1f98b13b2044285632a803afa973eb"
                                         "de0ff244877ea60a4cb0432ce577c31beb009c5c2c49aa2e4eadb217ad8cc09b" },
        { Algorithm::Blake2b, 0, abc, "ba80a53f981c4d0d6a2797b69f12f6e94c212f14685ac4b74b12bb6fdbffa2d1"
                                      "7d87c5392aab792dc252d5de4533cc9518d38aa8dbf1925ab92386edd4009923" },
        { Algorithm::Blake2b, 20, abc, "384264f676f39536840523f284921cdc68b6846b" },
    };
    for (const auto& row : rows)
        for (size_t implementation = 0; implementation < ImplementationsOf(row.algorithm).size(); ++implementation) {
            SCOPED_TRACE(std::string(ImplementationsOf(row.algorithm)[implementation]) + " " + row.digest);
            const auto stream = CreateDigestStreamOn(row.algorithm, implementation, row.bytes);
            ASSERT_TRUE(stream);
            for (const CFeeding& feeding : { Feedings[0], Feedings[2] })
                EXPECT_EQ(row.digest, DigestHex(*stream, row.message, feeding));
        }
}

// Every length from 0 to 300 bytes and files of a few MiB, against the digests the coreutils tools
// printed for them; each implementation fed whole, off its alignment and in odd pieces, one stream
// reused for all three (Finish starts it over).
TEST(Engines, EveryImplementationGivesTheDigestsCoreutilsPrint)
{
    const struct { const wchar_t* list; Algorithm algorithm; size_t bytes; } lists[] = {
        { L"digest\\md5sums.txt", Algorithm::Md5, 0 },        { L"digest\\sha1sums.txt", Algorithm::Sha1, 0 },
        { L"digest\\sha224sums.txt", Algorithm::Sha224, 0 },  { L"digest\\sha256sums.txt", Algorithm::Sha256, 0 },
        { L"digest\\sha384sums.txt", Algorithm::Sha384, 0 },  { L"digest\\sha512sums.txt", Algorithm::Sha512, 0 },
        { L"digest\\b2sums.txt", Algorithm::Blake2b, 0 },     { L"digest\\b2-256sums.txt", Algorithm::Blake2b, 32 },
    };
    for (const auto& list : lists) {
        const auto references = testsupport::ReadReferenceDigests(list.list);
        ASSERT_GT(references.size(), 301u) << Narrow(list.list);
        for (size_t implementation = 0; implementation < ImplementationsOf(list.algorithm).size(); ++implementation) {
            const auto stream = CreateDigestStreamOn(list.algorithm, implementation, list.bytes);
            ASSERT_TRUE(stream);
            for (const auto& reference : references) {
                SCOPED_TRACE(Narrow(reference.path) + " " + ImplementationsOf(list.algorithm)[implementation]);
                const std::string message = testsupport::ReadWholeFile(reference.path);
                for (const CFeeding& feeding : Feedings)
                    EXPECT_EQ(Narrow(reference.digest), DigestHex(*stream, message, feeding)) << feeding.offset;
                if (HasFailure())
                    return;
            }
        }
    }
}

// The implementation chosen by speed is one this processor runs, and any other gives its digest.
TEST(Engines, TheChosenImplementationGivesTheDigestOfEveryOther)
{
    std::string message(100003, '\0');
    for (size_t i = 0; i < message.size(); ++i)
        message[i] = static_cast<char>((i * 2654435761u) >> 13);
    for (Algorithm algorithm : AllAlgorithms) {
        SCOPED_TRACE(static_cast<int>(algorithm));
        const size_t count = ImplementationsOf(algorithm).size();
        EXPECT_LT(vrok::business::digest::ChosenImplementationOf(algorithm), count);
        const std::string chosen = DigestHex(*CreateDigestStream(algorithm), message, Feedings[0]);
        for (size_t implementation = 0; implementation < count; ++implementation)
            EXPECT_EQ(chosen, DigestHex(*CreateDigestStreamOn(algorithm, implementation), message, Feedings[2]));
        EXPECT_FALSE(CreateDigestStreamOn(algorithm, count));
    }
}

// BLAKE2b takes any length from 1 to 64 bytes; the others only their own (0 asks for it).
TEST(Engines, AStreamHasTheLengthAskedForOrIsNotMade)
{
    const struct { Algorithm algorithm; size_t asked, made; } rows[] = {
        { Algorithm::Sha256, 0, 32 }, { Algorithm::Sha256, 32, 32 }, { Algorithm::Sha256, 28, 0 },
        { Algorithm::Md5, 20, 0 },    { Algorithm::Sha384, 64, 0 },  { Algorithm::Blake2b, 0, 64 },
        { Algorithm::Blake2b, 1, 1 }, { Algorithm::Blake2b, 48, 48 }, { Algorithm::Blake2b, 65, 0 },
    };
    for (const auto& row : rows) {
        const auto stream = CreateDigestStream(row.algorithm, row.asked);
        EXPECT_EQ(row.made, stream ? stream->DigestBytes() : 0) << static_cast<int>(row.algorithm) << " " << row.asked;
    }
}

namespace {

struct CAsker
{
    CChoiceOnce* choice;
    volatile LONG* made;
    size_t answer;
};

DWORD WINAPI AskForChoice(void* parameter)
{
    CAsker& asker = *static_cast<CAsker*>(parameter);
    asker.answer = asker.choice->Get([&asker] {
        InterlockedIncrement(asker.made);
        Sleep(50);  // long enough for every other thread to ask meanwhile
        return size_t(3);
    });
    return 0;
}

}

// Threads asking at once for a choice not yet made: one makes it, all get it.
TEST(Engines, AChoiceAskedForByManyThreadsAtOnceIsMadeOnce)
{
    CChoiceOnce choice;
    volatile LONG made = 0;
    std::vector<CAsker> askers(8, CAsker{ &choice, &made, 0 });
    std::vector<HANDLE> threads;
    for (CAsker& asker : askers)
        threads.push_back(CreateThread(nullptr, 0, AskForChoice, &asker, 0, nullptr));
    ASSERT_EQ(static_cast<DWORD>(WAIT_OBJECT_0),
              WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, 10000));
    for (HANDLE thread : threads)
        CloseHandle(thread);
    EXPECT_EQ(1, made);
    for (const CAsker& asker : askers)
        EXPECT_EQ(3u, asker.answer);
}
