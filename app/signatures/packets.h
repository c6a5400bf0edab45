#ifndef VESTIGON_PACKETS_H
#define VESTIGON_PACKETS_H

#include <cstddef>
#include <string>
#include <vector>

// OpenPGP packets as they follow each other in a signature or key file.
namespace signatures {

enum PacketTag
{
    SignatureTag = 2,
    PublicKeyTag = 6,
    UserIdTag = 13,
    PublicSubkeyTag = 14,
    UserAttributeTag = 17,
};

// At most this many packets are read from one file.
const size_t MaxPackets = 100000;

struct Packet
{
    int tag = 0;
    std::string body;
};

// The packets of binary OpenPGP data, in the old and the new header forms. False when a header
// is cut short, a length runs past the end, partial lengths are used (no signature or key packet
// may have them), or there are more than MaxPackets; `packets` then holds those read before.
bool ReadPackets(const std::string& bytes, std::vector<Packet>& packets);

// Binary OpenPGP data from a file's bytes: the bytes themselves when they start as a packet does,
// the armoured blocks among the text decoded and joined otherwise. `damaged` becomes true when a block does not decode.
std::string PacketBytesOf(const std::string& fileBytes, bool& damaged);

}

#endif
