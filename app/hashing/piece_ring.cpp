#include "hashing/piece_ring.h"

#include <new>

namespace hashing {

CPieceRing::CPieceRing(unsigned readers, size_t pieces, size_t pieceBytes)
    : m_pieceBytes(pieceBytes), m_readers(readers), m_pieces(pieces), m_free(static_cast<LONG>(pieces)),
      m_readerAt(readers, 0), m_fillerAt(0), m_usable(m_free.IsUsable())
{
    for (unsigned reader = 0; reader < readers; ++reader) {
        m_filled.emplace_back(new (std::nothrow) CSemaphore(0));
        m_usable = m_usable && m_filled.back() && m_filled.back()->IsUsable();
    }
    for (Piece& piece : m_pieces) {
        piece.bytes.reset(new (std::nothrow) unsigned char[pieceBytes]);
        m_usable = m_usable && piece.bytes;
    }
}

unsigned char* CPieceRing::NextToFill()
{
    m_free.Take();
    return m_pieces[m_fillerAt % m_pieces.size()].bytes.get();
}

void CPieceRing::Publish(size_t bytes)
{
    Piece& piece = m_pieces[m_fillerAt % m_pieces.size()];
    piece.length = bytes;
    InterlockedExchange(&piece.readersLeft, static_cast<LONG>(m_readers));
    ++m_fillerAt;
    for (const std::unique_ptr<CSemaphore>& filled : m_filled)
        filled->Give();
}

const unsigned char* CPieceRing::NextToRead(unsigned reader, size_t& bytes)
{
    m_filled[reader]->Take();
    const Piece& piece = m_pieces[m_readerAt[reader] % m_pieces.size()];
    bytes = piece.length;
    return piece.bytes.get();
}

void CPieceRing::Done(unsigned reader)
{
    Piece& piece = m_pieces[m_readerAt[reader]++ % m_pieces.size()];
    if (InterlockedDecrement(&piece.readersLeft) == 0)
        m_free.Give();
}

}
