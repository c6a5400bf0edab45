#include "hashing/file_hasher.h"

#include "hashing/piece_ring.h"
#include "hashing/read_ahead.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_persistence/vrok_fileviews.h"
#include "vrok_system/vrok_thread.h"

#include <windows.h>

#include <memory>
#include <new>

using vrok::business::digest::CreateDigestStream;
using vrok::business::digest::IDigestStream;
using vrok::persistence::file::CFile;
using vrok::persistence::file::CFileViews;
using vrok::system::thread::CThread;

namespace hashing {

namespace {

// The reading thread hashes in steps of this size, telling the progress and heeding a stop after
// each. Where it reads with ReadFile instead of through views, pieces this small are hashed
// while the read has just left them in the processor's cache.
const DWORD PieceSize = 256u << 10;
// Digests on the reading thread read the file through views of it this large, in the system's
// cache where it is there, without copying it out first (that copy took a tenth to a fifth of
// the time of the faster digests). A view's pages count in the program's memory while it is
// mapped: with the read-ahead's buffer that stays within 64 MiB. A 32-bit process has less room.
const size_t ViewBytes = sizeof(void*) == 8 ? 32u << 20 : 16u << 20;
// Several digests are computed from a ring of larger pieces that the reading thread fills once
// for all of them: one on the reading thread, each other one on a thread of its own.
const size_t RingPieces = 8;
const size_t RingPieceBytes = 1u << 20;

typedef std::vector<std::unique_ptr<IDigestStream>> CStreams;

// What the reading loops share: the file, its size, the read-ahead and the observer.
struct CReading
{
    HANDLE file;
    unsigned long long size;
    CReadAhead* readAhead;
    IHashObserver& observer;
    unsigned long long done;

    // After each piece read: the progress, and whether to go on.
    bool Advance(DWORD got)
    {
        done += got;
        if (readAhead != nullptr)
            readAhead->Hashed(done);
        observer.OnProgress(done, done > size ? done : size);
        return !observer.ShouldStop();
    }
};

Outcome ReadIntoStreams(CReading& reading, CStreams& streams)
{
    std::unique_ptr<unsigned char[]> piece(new (std::nothrow) unsigned char[PieceSize]);
    if (!piece)
        return Outcome::ReadFailed;
    for (DWORD got = 0;;) {
        if (!ReadFile(reading.file, piece.get(), PieceSize, &got, nullptr))
            return Outcome::ReadFailed;
        if (got == 0)
            return Outcome::Digest;
        for (const std::unique_ptr<IDigestStream>& stream : streams)
            stream->Update(piece.get(), got);
        if (!reading.Advance(got))
            return Outcome::Stopped;
    }
}

// Reads on from `offset` with ReadFile: where the file or one of its views cannot be mapped.
Outcome ReadIntoStreamsFrom(unsigned long long offset, CReading& reading, CStreams& streams)
{
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(reading.file, at, nullptr, FILE_BEGIN))
        return Outcome::ReadFailed;
    return ReadIntoStreams(reading, streams);
}

// Feeds the streams from views of the file, a piece at a time for the progress and a stop; the
// bytes the file held when it was opened (a file others may write to is not opened).
Outcome ReadThroughViews(CReading& reading, CStreams& streams)
{
    CFileViews views;
    if (!views.Open(reading.file))
        return ReadIntoStreamsFrom(0, reading, streams);
    for (unsigned long long offset = 0; offset < reading.size; offset += ViewBytes) {
        const size_t bytes = static_cast<size_t>(reading.size - offset < ViewBytes ? reading.size - offset : ViewBytes);
        const unsigned char* view = views.View(offset, bytes);
        if (view == nullptr)
            return ReadIntoStreamsFrom(offset, reading, streams);
        for (size_t at = 0; at < bytes; at += PieceSize) {
            const DWORD piece = static_cast<DWORD>(bytes - at < PieceSize ? bytes - at : PieceSize);
            for (const std::unique_ptr<IDigestStream>& stream : streams)
                stream->Update(view + at, piece);
            if (views.Failed())
                return Outcome::ReadFailed;
            if (!reading.Advance(piece))
                return Outcome::Stopped;
        }
    }
    return Outcome::Digest;
}

// One stream fed from the ring on a thread of its own.
struct CRingReader
{
    CPieceRing* ring;
    unsigned index;
    IDigestStream* stream;
    CThread thread;

    static DWORD WINAPI Run(void* argument)
    {
        CRingReader& reader = *static_cast<CRingReader*>(argument);
        for (size_t bytes = 0;;) {
            const unsigned char* piece = reader.ring->NextToRead(reader.index, bytes);
            if (bytes > 0)
                reader.stream->Update(piece, bytes);
            reader.ring->Done(reader.index);
            if (bytes == 0)
                return 0;
        }
    }
};

// The digest that the reading thread computes itself, the others each having a thread of their
// own: the quickest to compute, so that reading and hashing it together take no longer than the
// slowest digest alone (on this order the engines' speeds agree on processors with and without
// the SHA instructions: SHA-1 and SHA-256 first, SHA-512 last).
size_t QuickestStream(const std::vector<DigestRequest>& requests)
{
    using vrok::business::digest::Algorithm;
    const Algorithm quickestFirst[] = {Algorithm::Sha1,   Algorithm::Sha256, Algorithm::Sha224, Algorithm::Blake2b,
                                       Algorithm::Md5,    Algorithm::Sha384, Algorithm::Sha512};
    for (Algorithm algorithm : quickestFirst)
        for (size_t index = 0; index < requests.size(); ++index)
            if (requests[index].algorithm == algorithm)
                return index;
    return 0;
}

// Fills the ring until the end, a failed read or a stop, hashing each piece for `own` (reader 0)
// as soon as it is handed over; an empty piece then ends every reader.
Outcome FillRing(CReading& reading, CPieceRing& ring, IDigestStream& own)
{
    for (;;) {
        unsigned char* piece = ring.NextToFill();
        DWORD got = 0;
        if (!ReadFile(reading.file, piece, static_cast<DWORD>(ring.PieceBytes()), &got, nullptr)) {
            ring.Publish(0);
            return Outcome::ReadFailed;
        }
        ring.Publish(got);
        if (got == 0)
            return Outcome::Digest;
        size_t bytes = 0;
        const unsigned char* handed = ring.NextToRead(0, bytes);
        own.Update(handed, bytes);
        ring.Done(0);
        if (!reading.Advance(got)) {
            ring.NextToFill();
            ring.Publish(0);
            return Outcome::Stopped;
        }
    }
}

// False when the ring or a thread could not be had: nothing was read then, and the streams are
// fed on this thread instead.
bool ReadThroughRing(CReading& reading, CStreams& streams, size_t own, Outcome& outcome)
{
    CPieceRing ring(static_cast<unsigned>(streams.size()), RingPieces, RingPieceBytes);
    if (!ring.IsUsable())
        return false;
    std::unique_ptr<CRingReader[]> readers(new (std::nothrow) CRingReader[streams.size()]);
    bool started = readers != nullptr;
    unsigned reader = 1;
    for (size_t index = 0; started && index < streams.size(); ++index) {
        if (index == own)
            continue;
        readers[index].ring = &ring;
        readers[index].index = reader++;
        readers[index].stream = streams[index].get();
        started = readers[index].thread.Start(&CRingReader::Run, &readers[index]);
    }
    if (!started) {
        if (readers) {
            ring.NextToFill();
            ring.Publish(0);
        }
        return false;
    }
    outcome = FillRing(reading, ring, *streams[own]);
    return true;
}

CStreams MakeStreams(const std::vector<DigestRequest>& requests)
{
    CStreams streams;
    for (const DigestRequest& request : requests) {
        streams.push_back(CreateDigestStream(request.algorithm, request.digestBytes));
        if (!streams.back())
            return CStreams();
    }
    return streams;
}

void FinishStreams(const std::vector<DigestRequest>& requests, CStreams& streams, std::vector<std::string>& digests)
{
    digests.clear();
    for (size_t index = 0; index < streams.size(); ++index) {
        const std::string& trailer = requests[index].trailer;
        streams[index]->Update(reinterpret_cast<const unsigned char*>(trailer.data()), trailer.size());
        std::string digest(streams[index]->DigestBytes(), '\0');
        streams[index]->Finish(reinterpret_cast<unsigned char*>(&digest[0]));
        digests.push_back(digest);
    }
}

}

Outcome HashFile(const std::wstring& path, const std::vector<DigestRequest>& requests, IHashObserver& observer,
                 std::vector<std::string>& digests, ReadAhead readAhead)
{
    CFile file;
    unsigned long long size = 0;
    if (!file.OpenForReading(path.c_str(), true) || !file.ReadSize(size))
        return Outcome::OpenFailed;
    if (observer.ShouldStop())
        return Outcome::Stopped;
    CStreams streams = MakeStreams(requests);
    if (streams.empty())
        return Outcome::ReadFailed;
    const std::unique_ptr<CReadAhead> ahead =
        readAhead == ReadAhead::ForLargeFiles ? CReadAhead::StartFor(path, size) : std::unique_ptr<CReadAhead>();
    CReading reading = {file.GetHandle(), size, ahead.get(), observer, 0};
    Outcome outcome = Outcome::ReadFailed;
    if (streams.size() == 1 || !ReadThroughRing(reading, streams, QuickestStream(requests), outcome))
        outcome = ReadThroughViews(reading, streams);
    if (outcome == Outcome::Digest)
        FinishStreams(requests, streams, digests);
    return outcome;
}

std::wstring HexOf(const std::string& bytes)
{
    static const wchar_t Hex[] = L"0123456789abcdef";
    std::wstring text;
    text.reserve(2 * bytes.size());
    for (unsigned char byte : bytes) {
        text += Hex[byte >> 4];
        text += Hex[byte & 15];
    }
    return text;
}

}
