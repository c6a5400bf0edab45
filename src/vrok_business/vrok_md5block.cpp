#include "vrok_business/vrok_md5block.h"

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

    STEP_F(a, b, c, d, x[ 0], 0xd76aa478u,  7);
    STEP_F(d, a, b, c, x[ 1], 0xe8c7b756u, 12);
    STEP_F(c, d, a, b, x[ 2], 0x242070dbu, 17);
    STEP_F(b, c, d, a, x[ 3], 0xc1bdceeeu, 22);
    STEP_F(a, b, c, d, x[ 4], 0xf57c0fafu,  7);
    STEP_F(d, a, b, c, x[ 5], 0x4787c62au, 12);
    STEP_F(c, d, a, b, x[ 6], 0xa8304613u, 17);
    STEP_F(b, c, d, a, x[ 7], 0xfd469501u, 22);
    STEP_F(a, b, c, d, x[ 8], 0x698098d8u,  7);
    STEP_F(d, a, b, c, x[ 9], 0x8b44f7afu, 12);
    STEP_F(c, d, a, b, x[10], 0xffff5bb1u, 17);
    STEP_F(b, c, d, a, x[11], 0x895cd7beu, 22);
    STEP_F(a, b, c, d, x[12], 0x6b901122u,  7);
    STEP_F(d, a, b, c, x[13], 0xfd987193u, 12);
    STEP_F(c, d, a, b, x[14], 0xa679438eu, 17);
    STEP_F(b, c, d, a, x[15], 0x49b40821u, 22);

    STEP_G(a, b, c, d, x[ 1], 0xf61e2562u,  5);
    STEP_G(d, a, b, c, x[ 6], 0xc040b340u,  9);
    STEP_G(c, d, a, b, x[11], 0x265e5a51u, 14);
    STEP_G(b, c, d, a, x[ 0], 0xe9b6c7aau, 20);
    STEP_G(a, b, c, d, x[ 5], 0xd62f105du,  5);
    STEP_G(d, a, b, c, x[10], 0x02441453u,  9);
    STEP_G(c, d, a, b, x[15], 0xd8a1e681u, 14);
    STEP_G(b, c, d, a, x[ 4], 0xe7d3fbc8u, 20);
    STEP_G(a, b, c, d, x[ 9], 0x21e1cde6u,  5);
    STEP_G(d, a, b, c, x[14], 0xc33707d6u,  9);
    STEP_G(c, d, a, b, x[ 3], 0xf4d50d87u, 14);
    STEP_G(b, c, d, a, x[ 8], 0x455a14edu, 20);
    STEP_G(a, b, c, d, x[13], 0xa9e3e905u,  5);
    STEP_G(d, a, b, c, x[ 2], 0xfcefa3f8u,  9);
    STEP_G(c, d, a, b, x[ 7], 0x676f02d9u, 14);
    STEP_G(b, c, d, a, x[12], 0x8d2a4c8au, 20);

    STEP_H(a, b, c, d, x[ 5], 0xfffa3942u,  4);
    STEP_H(d, a, b, c, x[ 8], 0x8771f681u, 11);
    STEP_H(c, d, a, b, x[11], 0x6d9d6122u, 16);
    STEP_H(b, c, d, a, x[14], 0xfde5380cu, 23);
    STEP_H(a, b, c, d, x[ 1], 0xa4beea44u,  4);
    STEP_H(d, a, b, c, x[ 4], 0x4bdecfa9u, 11);
    STEP_H(c, d, a, b, x[ 7], 0xf6bb4b60u, 16);
    STEP_H(b, c, d, a, x[10], 0xbebfbc70u, 23);
    STEP_H(a, b, c, d, x[13], 0x289b7ec6u,  4);
    STEP_H(d, a, b, c, x[ 0], 0xeaa127fau, 11);
    STEP_H(c, d, a, b, x[ 3], 0xd4ef3085u, 16);
    STEP_H(b, c, d, a, x[ 6], 0x04881d05u, 23);
    STEP_H(a, b, c, d, x[ 9], 0xd9d4d039u,  4);
    STEP_H(d, a, b, c, x[12], 0xe6db99e5u, 11);
    STEP_H(c, d, a, b, x[15], 0x1fa27cf8u, 16);
    STEP_H(b, c, d, a, x[ 2], 0xc4ac5665u, 23);

    STEP_I(a, b, c, d, x[ 0], 0xf4292244u,  6);
    STEP_I(d, a, b, c, x[ 7], 0x432aff97u, 10);
    STEP_I(c, d, a, b, x[14], 0xab9423a7u, 15);
    STEP_I(b, c, d, a, x[ 5], 0xfc93a039u, 21);
    STEP_I(a, b, c, d, x[12], 0x655b59c3u,  6);
    STEP_I(d, a, b, c, x[ 3], 0x8f0ccc92u, 10);
    STEP_I(c, d, a, b, x[10], 0xffeff47du, 15);
    STEP_I(b, c, d, a, x[ 1], 0x85845dd1u, 21);
    STEP_I(a, b, c, d, x[ 8], 0x6fa87e4fu,  6);
    STEP_I(d, a, b, c, x[15], 0xfe2ce6e0u, 10);
    STEP_I(c, d, a, b, x[ 6], 0xa3014314u, 15);
    STEP_I(b, c, d, a, x[13], 0x4e0811a1u, 21);
    STEP_I(a, b, c, d, x[ 4], 0xf7537e82u,  6);
    STEP_I(d, a, b, c, x[11], 0xbd3af235u, 10);
    STEP_I(c, d, a, b, x[ 2], 0x2ad7d2bbu, 15);
    STEP_I(b, c, d, a, x[ 9], 0xeb86d391u, 21);

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

// The words are read in place where the data is aligned for them (the blocks of a large buffer),
// through a copy otherwise; all targets are little-endian, as the words are.
void CompressBlocks(const unsigned char* data, size_t count, CMd5State& state)
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
