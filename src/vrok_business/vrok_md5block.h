#ifndef VROK_BUSINESS_MD5BLOCK_H
#define VROK_BUSINESS_MD5BLOCK_H

#include "vrok_business/vrok_compression.h"
#include "vrok_business/vrok_md5array.h"
#include "vrok_business/vrok_md5state.h"

#include <cstddef>

namespace vrok { namespace business { namespace md5 {

// One 64-byte message block as 16 little-endian words, with the count of bytes filled.
// Append and LoadPartial trust the caller to stay within the 64 bytes.
class CMd5Block : public CArray<unsigned int, 16>
{
public:
    static const unsigned Size = 64;

    CMd5Block() : m_filled(0) {}

    void Load(const unsigned char* bytes);
    void LoadPartial(const unsigned char* bytes, unsigned count);
    void Reset() { m_filled = 0; }
    void Append(unsigned char byte);
    void PadWithZeros();
    // The message length in bits (modulo 2^64) into words 14 and 15.
    void SetBitLength(unsigned long long byteCount);
    // One MD5 compression of the block into the state.
    void Transform(CMd5State& state) const;

    unsigned GetFilled() const { return m_filled; }

private:
    unsigned char* Bytes() { return reinterpret_cast<unsigned char*>(m_items); }

    unsigned m_filled;
};

// MD5 compressions of `count` consecutive 64-byte blocks at `data` into the state, the chaining
// words kept in registers from one block to the next.
using Compression = void (*)(const unsigned char* data, size_t count, CMd5State& state);

// The compression that runs fastest here, measured once, on the first call from any thread.
Compression ChosenCompression();
void CompressBlocks(const unsigned char* data, size_t count, CMd5State& state);
void CompressBlocksPortable(const unsigned char* data, size_t count, CMd5State& state);

// Every MD5 compression of the program, the portable one first; the other, with the processor's
// three-input logic instructions, runs where the processor and system offer them.
extern const digest::CCompression<Compression> Compressions[2];

}}}

#endif
