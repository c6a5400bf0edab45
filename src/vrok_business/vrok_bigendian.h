#ifndef VROK_BUSINESS_BIGENDIAN_H
#define VROK_BUSINESS_BIGENDIAN_H

#include <cstdint>
#include <cstring>

namespace vrok { namespace business { namespace digest {

// Words read from message bytes at any alignment; the compiler makes each one load, with a
// byte swap where the order differs from the processor's (little-endian on every target).
inline uint32_t LoadBigEndian32(const unsigned char* bytes)
{
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return __builtin_bswap32(word);
}

inline uint64_t LoadBigEndian64(const unsigned char* bytes)
{
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return __builtin_bswap64(word);
}

inline uint64_t LoadLittleEndian64(const unsigned char* bytes)
{
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Written as two shifts and an OR so that the compiler emits one rotate instruction.
template <int Shift>
inline uint32_t RotateLeft32(uint32_t value)
{
    return (value << Shift) | (value >> (32 - Shift));
}

template <int Shift>
inline uint32_t RotateRight32(uint32_t value)
{
    return (value >> Shift) | (value << (32 - Shift));
}

template <int Shift>
inline uint64_t RotateRight64(uint64_t value)
{
    return (value >> Shift) | (value << (64 - Shift));
}

}}}

#endif
