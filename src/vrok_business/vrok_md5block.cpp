#include "vrok_business/vrok_md5block.h"

#include "vrok_business/vrok_digest.h"
#include "vrok_business/vrok_md5steps.h"
#include "vrok_business/vrok_md5ternary.h"

#include <cstdint>
#include <cstring>

namespace vrok { namespace business { namespace md5 {

namespace {

// Written as two shifts and an OR so that the compiler emits one rotate instruction.
template <int Shift>
inline unsigned int RotateLeft(unsigned int value)
{
    return (value << Shift) | (value >> (32 - Shift));
}

// Each step adds the message word and the constant into a first, while the round function still
// waits for b; F keeps its three-operation form, G is added as its two disjoint halves, H takes
// c ^ d before b is known. All give the published round functions.
#define STEP_F(a, b, c, d, word, constant, shift)         \
    a += (word) + (constant);                           \
    a += (d) ^ ((b) & ((c) ^ (d)));                     \
    a = RotateLeft<shift>(a) + (b)
#define STEP_G(a, b, c, d, word, constant, shift)         \
    a += (word) + (constant);                           \
    a += ~(d) & (c);                                    \
    a += (d) & (b);                                     \
    a = RotateLeft<shift>(a) + (b)
#define STEP_H(a, b, c, d, word, constant, shift)         \
    a += (word) + (constant);                           \
    a += ((c) ^ (d)) ^ (b);                             \
    a = RotateLeft<shift>(a) + (b)
#define STEP_I(a, b, c, d, word, constant, shift)         \
    a += (word) + (constant);                           \
    a += (c) ^ ((b) | ~(d));                            \
    a = RotateLeft<shift>(a) + (b)

// The 64 steps of one compression, straight-line, with the constants as immediate operands.
// Always inlined, so that the chaining words stay in registers from one block to the next.
__attribute__((always_inline)) inline void Compress(const unsigned int* x, CMd5State& state)
{
    unsigned int a = state.a;
    unsigned int b = state.b;
    unsigned int c = state.c;
    unsigned int d = state.d;

#define STEP(round, a, b, c, d, index, constant, rotation) \
    STEP_##round(a, b, c, d, x[index], constant, rotation);
    VROK_MD5_STEPS(STEP)
#undef STEP

    state.a += a;
    state.b += b;
    state.c += c;
    state.d += d;
}

#undef STEP_F
#undef STEP_G
#undef STEP_H
#undef STEP_I

}

void CMd5Block::Load(const unsigned char* bytes)
{
    std::memcpy(m_items, bytes, Size);
    m_filled = Size;
}

void CMd5Block::LoadPartial(const unsigned char* bytes, unsigned count)
{
    std::memcpy(m_items, bytes, count);
    m_filled = count;
}

void CMd5Block::Append(unsigned char byte)
{
    Bytes()[m_filled] = byte;
    ++m_filled;
}

void CMd5Block::PadWithZeros()
{
    if (m_filled >= Size)
        return;
    std::memset(Bytes() + m_filled, 0, Size - m_filled);
    m_filled = Size;
}

void CMd5Block::SetBitLength(unsigned long long byteCount)
{
    const unsigned long long bitCount = byteCount << 3;
    m_items[14] = static_cast<unsigned int>(bitCount);
    m_items[15] = static_cast<unsigned int>(bitCount >> 32);
}

void CMd5Block::Transform(CMd5State& state) const
{
    Compress(m_items, state);
}

const digest::CCompression<Compression> Compressions[2] = {
    { "portable", digest::RunsEverywhere, CompressBlocksPortable },
    { "avx512-ternary", TernaryCompressionAvailable, CompressBlocksTernary },
};

Compression ChosenCompression()
{
    return digest::NthRunnable(Compressions, digest::ChosenImplementationOf(digest::Algorithm::Md5))->compress;
}

void CompressBlocks(const unsigned char* data, size_t count, CMd5State& state)
{
    ChosenCompression()(data, count, state);
}

// The words are read in place where the data is aligned for them (the blocks of a large buffer),
// through a copy otherwise; all targets are little-endian, as the words are.
void CompressBlocksPortable(const unsigned char* data, size_t count, CMd5State& state)
{
    CMd5State local = state;
    if (reinterpret_cast<uintptr_t>(data) % alignof(unsigned int) == 0) {
        for (size_t i = 0; i < count; ++i)
            Compress(reinterpret_cast<const unsigned int*>(data + i * CMd5Block::Size), local);
    } else {
        unsigned int words[16];
        for (size_t i = 0; i < count; ++i) {
            std::memcpy(words, data + i * CMd5Block::Size, CMd5Block::Size);
            Compress(words, local);
        }
    }
    state = local;
}

}}}
