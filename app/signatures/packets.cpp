#include "signatures/packets.h"

#include "signatures/armour.h"
#include "signatures/byte_reader.h"

namespace signatures {

namespace {

// The body length of a new-form header; false for a partial length.
bool ReadNewLength(CByteReader& reader, size_t& length)
{
    const unsigned first = reader.ReadByte();
    if (first < 192)
        length = first;
    else if (first < 224)
        length = ((first - 192) << 8) + reader.ReadByte() + 192;
    else if (first == 255)
        length = reader.ReadNumber(4);
    else
        return false;
    return !reader.Failed();
}

// The body length of an old-form header; an indeterminate length runs to the end of the data.
bool ReadOldLength(CByteReader& reader, unsigned lengthType, size_t& length)
{
    static const size_t LengthBytes[] = {1, 2, 4};
    length = lengthType < 3 ? reader.ReadNumber(LengthBytes[lengthType]) : reader.Remaining();
    return !reader.Failed();
}

}

bool ReadPackets(const std::string& bytes, std::vector<Packet>& packets)
{
    CByteReader reader(bytes);
    while (!reader.AtEnd()) {
        if (packets.size() >= MaxPackets)
            return false;
        const unsigned first = reader.ReadByte();
        if (!(first & 0x80))
            return false;
        Packet packet;
        size_t length = 0;
        const bool newForm = (first & 0x40) != 0;
        packet.tag = newForm ? static_cast<int>(first & 0x3F) : static_cast<int>((first >> 2) & 0x0F);
        if (!(newForm ? ReadNewLength(reader, length) : ReadOldLength(reader, first & 3, length)))
            return false;
        packet.body = reader.ReadBytes(length);
        if (reader.Failed())
            return false;
        packets.push_back(packet);
    }
    return true;
}

std::string PacketBytesOf(const std::string& fileBytes, bool& damaged)
{
    // Every binary packet starts with its top bit set; text never does, and armoured blocks may
    // stand among other text (an Apache KEYS file lists its keys before each block).
    if (fileBytes.empty() || (static_cast<unsigned char>(fileBytes[0]) & 0x80))
        return fileBytes;
    std::string binary;
    for (const ArmouredBlock& block : ReadArmouredBlocks(fileBytes, damaged))
        binary += block.binary;
    return binary;
}

}
