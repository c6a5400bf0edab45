#include "hashing/piece_ring.h"

#include <new>

namespace hashing {

CPieceRing::CPieceRing(unsigned readers, size_t pieces, size_t pieceBytes)
    : m_pieceBytes(pieceBytes), m_readers(readers), m_pieces(pieces), m_filled(readers), m_readerAt(readers, 0),
      m_fillerAt(0), m_usable(true)
{
    const LONG count = static_cast<LONG>(pieces);
    m_usable = m_free.Reset(CreateSemaphoreW(nullptr, count, count, nullptr));
    for (CSemaphoreHandle& filled : m_filled)
        m_usable = m_usable && filled.Reset(CreateSemaphoreW(nullptr, 0, count, nullptr));
    for (Piece& piece : m_pieces) {
        piece.bytes.reset(new (std::nothrow) unsigned char[pieceBytes]);
        m_usable = m_usable && piece.bytes;
    }
}

unsigned char* CPieceRing::NextToFill()
{
    WaitForSingleObject(m_free.Get(), INFINITE);
    return m_pieces[m_fillerAt % m_pieces.size()].bytes.get();
}

void CPieceRing::Publish(size_t bytes)
{
    Piece& piece = m_pieces[m_fillerAt % m_pieces.size()];
    piece.length = bytes;
    InterlockedExchange(&piece.readersLeft, static_cast<LONG>(m_readers));
    ++m_fillerAt;
    for (CSemaphoreHandle& filled : m_filled)
        ReleaseSemaphore(filled.Get(), 1, nullptr);
}

const unsigned char* CPieceRing::NextToRead(unsigned reader, size_t& bytes)
{
    WaitForSingleObject(m_filled[reader].Get(), INFINITE);
    const Piece& piece = m_pieces[m_readerAt[reader] % m_pieces.size()];
    bytes = piece.length;
    return piece.bytes.get();
}

void CPieceRing::Done(unsigned reader)
{
    Piece& piece = m_pieces[m_readerAt[reader]++ % m_pieces.size()];
    if (InterlockedDecrement(&piece.readersLeft) == 0)
        ReleaseSemaphore(m_free.Get(), 1, nullptr);
}

}
