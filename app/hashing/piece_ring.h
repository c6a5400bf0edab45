#ifndef VESTIGON_PIECE_RING_H
#define VESTIGON_PIECE_RING_H

#include "vrok_system/vrok_semaphore.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace hashing {

// A few buffers that one reader fills in turn and several hashers each read in turn, every one
// at its own pace: a buffer is filled again once every hasher is done with it. The file is thus
// read once for all its digests, in bounded memory, each digest computed on a thread of its own.
class CPieceRing
{
public:
    CPieceRing(unsigned readers, size_t pieces, size_t pieceBytes);
    CPieceRing(const CPieceRing&) = delete;
    CPieceRing& operator=(const CPieceRing&) = delete;

    // False when its memory or its semaphores could not be had.
    bool IsUsable() const { return m_usable; }
    size_t PieceBytes() const { return m_pieceBytes; }

    // The filler's side: the next buffer, once every reader is done with it.
    unsigned char* NextToFill();
    // Hands the buffer filled by the last NextToFill to every reader; 0 bytes ends the stream.
    void Publish(size_t bytes);

    // A reader's side: the next piece and its length (0: the stream has ended), then Done.
    const unsigned char* NextToRead(unsigned reader, size_t& bytes);
    void Done(unsigned reader);

private:
    struct Piece
    {
        std::unique_ptr<unsigned char[]> bytes;
        size_t length = 0;
        volatile LONG readersLeft = 0;
    };

    typedef vrok::system::thread::CSemaphore CSemaphore;

    const size_t m_pieceBytes;
    const unsigned m_readers;
    std::vector<Piece> m_pieces;
    CSemaphore m_free;
    std::vector<std::unique_ptr<CSemaphore>> m_filled;
    std::vector<size_t> m_readerAt;
    size_t m_fillerAt;
    bool m_usable;
};

}

#endif
