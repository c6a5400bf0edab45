#ifndef VESTIGON_BYTE_READER_H
#define VESTIGON_BYTE_READER_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace signatures {

// Reads big-endian numbers and byte runs from a span that someone else may have made to lie:
// a read past the end reads nothing, returns zeros and marks the reader failed for good.
class CByteReader
{
public:
    CByteReader(const unsigned char* data, size_t length) : m_data(data), m_length(length) {}
    explicit CByteReader(const std::string& bytes)
        : CByteReader(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())
    {
    }

    uint32_t ReadNumber(size_t bytes)
    {
        uint32_t value = 0;
        if (!Has(bytes))
            return 0;
        for (size_t index = 0; index < bytes; ++index)
            value = (value << 8) | m_data[m_position++];
        return value;
    }
    unsigned ReadByte() { return ReadNumber(1); }
    std::string ReadBytes(size_t count)
    {
        if (!Has(count))
            return std::string();
        const std::string bytes(reinterpret_cast<const char*>(m_data + m_position), count);
        m_position += count;
        return bytes;
    }
    // An OpenPGP multiprecision integer: a bit count, then the bytes that hold it. Leading zero
    // bytes are dropped; a count beyond maxBits fails.
    std::string ReadMpi(size_t maxBits)
    {
        const size_t bits = ReadNumber(2);
        if (bits > maxBits) {
            m_failed = true;
            return std::string();
        }
        std::string value = ReadBytes((bits + 7) / 8);
        const size_t zeros = value.find_first_not_of('\0');
        return zeros == std::string::npos ? std::string() : value.substr(zeros);
    }

    size_t Position() const { return m_position; }
    size_t Remaining() const { return m_length - m_position; }
    bool AtEnd() const { return m_position == m_length; }
    bool Failed() const { return m_failed; }

private:
    bool Has(size_t count)
    {
        if (m_failed || count > m_length - m_position)
            m_failed = true;
        return !m_failed;
    }

    const unsigned char* m_data;
    size_t m_length;
    size_t m_position = 0;
    bool m_failed = false;
};

}

#endif
