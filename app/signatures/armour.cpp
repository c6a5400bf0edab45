#include "signatures/armour.h"

#include <cstdint>

namespace signatures {

namespace {

const char BeginPrefix[] = "-----BEGIN ";
const char EndPrefix[] = "-----END ";
const char Dashes[] = "-----";
const char SignedMessageLine[] = "-----BEGIN PGP SIGNED MESSAGE-----";
const char SignatureLine[] = "-----BEGIN PGP SIGNATURE-----";

}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\n' && text[at] != '\r')
            continue;
        lines.push_back(text.substr(start, at - start));
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

namespace {

bool IsBlankCharacter(char character)
{
    return character == ' ' || character == '\t';
}

std::string WithoutTrailingBlanks(const std::string& line)
{
    size_t end = line.size();
    while (end > 0 && IsBlankCharacter(line[end - 1]))
        --end;
    return line.substr(0, end);
}

// "-----BEGIN X-----" gives "X"; anything else an empty label.
std::string LabelOf(const std::string& line, const char* prefix)
{
    const std::string trimmed = WithoutTrailingBlanks(line);
    const size_t prefixLength = std::char_traits<char>::length(prefix);
    const size_t dashes = sizeof(Dashes) - 1;
    if (!StartsWith(trimmed, prefix) || trimmed.size() <= prefixLength + dashes ||
        trimmed.compare(trimmed.size() - dashes, dashes, Dashes) != 0)
        return std::string();
    return trimmed.substr(prefixLength, trimmed.size() - prefixLength - dashes);
}

int Base64Value(char character)
{
    if (character >= 'A' && character <= 'Z')
        return character - 'A';
    if (character >= 'a' && character <= 'z')
        return character - 'a' + 26;
    if (character >= '0' && character <= '9')
        return character - '0' + 52;
    if (character == '+')
        return 62;
    if (character == '/')
        return 63;
    return -1;
}

}

bool DecodeBase64(const std::string& text, std::string& bytes)
{
    uint32_t bits = 0;
    int bitCount = 0;
    size_t padding = 0;
    for (char character : text) {
        if (character == '=') {
            ++padding;
            continue;
        }
        const int value = Base64Value(character);
        if (value < 0 || padding > 0)
            return false;
        bits = (bits << 6) | static_cast<uint32_t>(value);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes.push_back(static_cast<char>((bits >> bitCount) & 0xFF));
        }
    }
    return padding <= 2 && (text.size() % 4) == 0;
}

namespace {

uint32_t Crc24(const std::string& bytes)
{
    uint32_t crc = 0xB704CE;
    for (unsigned char byte : bytes) {
        crc ^= static_cast<uint32_t>(byte) << 16;
        for (int bit = 0; bit < 8; ++bit) {
            crc <<= 1;
            if (crc & 0x1000000)
                crc ^= 0x1864CFB;
        }
    }
    return crc & 0xFFFFFF;
}

bool IsHeaderLine(const std::string& line)
{
    const size_t colon = line.find(": ");
    return colon != std::string::npos && colon > 0 && line.find_first_of(" \t") > colon;
}

// Decodes the block whose BEGIN line is lines[begin]; `next` becomes the line after its END line.
bool DecodeBlock(const std::vector<std::string>& lines, size_t begin, ArmouredBlock& block, size_t& next)
{
    block.label = LabelOf(lines[begin], BeginPrefix);
    size_t at = begin + 1;
    while (at < lines.size() && IsHeaderLine(lines[at]))
        ++at;
    std::string base64, checksum;
    for (; at < lines.size(); ++at) {
        const std::string line = WithoutTrailingBlanks(lines[at]);
        if (StartsWith(line, EndPrefix))
            break;
        if (line.size() == 5 && line[0] == '=')
            checksum = line.substr(1);
        else if (!checksum.empty())
            break;  // text after the checksum line: no END where it belongs
        else
            base64 += line;
    }
    next = at + 1;
    if (at == lines.size() || LabelOf(lines[at], EndPrefix) != block.label)
        return false;
    block.binary.clear();
    if (!DecodeBase64(base64, block.binary))
        return false;
    std::string sum;
    if (checksum.empty())
        return true;
    if (!DecodeBase64(checksum, sum) || sum.size() != 3)
        return false;
    const uint32_t written = (static_cast<uint32_t>(static_cast<unsigned char>(sum[0])) << 16) |
                             (static_cast<uint32_t>(static_cast<unsigned char>(sum[1])) << 8) |
                             static_cast<unsigned char>(sum[2]);
    return written == Crc24(block.binary);
}

size_t FirstFilledLine(const std::vector<std::string>& lines)
{
    size_t at = 0;
    while (at < lines.size() && WithoutTrailingBlanks(lines[at]).empty())
        ++at;
    return at;
}

// The names of a "Hash: SHA256, SHA512" line; false for any other header.
bool ReadHashHeader(const std::string& line, std::vector<std::string>& names)
{
    const char header[] = "Hash: ";
    if (!StartsWith(line, header))
        return false;
    std::string name;
    for (char character : line.substr(sizeof(header) - 1) + ",") {
        if (character == ',') {
            if (!name.empty())
                names.push_back(name);
            name.clear();
        } else if (!IsBlankCharacter(character)) {
            name += character;
        }
    }
    return true;
}

}

std::vector<ArmouredBlock> ReadArmouredBlocks(const std::string& text, bool& damaged)
{
    std::vector<ArmouredBlock> blocks;
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t at = 0; at < lines.size() && blocks.size() < MaxArmouredBlocks;) {
        if (LabelOf(lines[at], BeginPrefix).empty()) {
            ++at;
            continue;
        }
        ArmouredBlock block;
        if (DecodeBlock(lines, at, block, at))
            blocks.push_back(block);
        else
            damaged = true;
    }
    return blocks;
}

bool LooksClearSigned(const std::string& bytes)
{
    const std::vector<std::string> lines = SplitLines(bytes.substr(0, 4096));
    const size_t first = FirstFilledLine(lines);
    return first < lines.size() && WithoutTrailingBlanks(lines[first]) == SignedMessageLine;
}

bool ReadClearSigned(const std::string& bytes, ClearSignedMessage& message)
{
    const std::vector<std::string> lines = SplitLines(bytes);
    size_t at = FirstFilledLine(lines);
    if (at == lines.size() || WithoutTrailingBlanks(lines[at]) != SignedMessageLine)
        return false;
    message = ClearSignedMessage();
    for (++at; at < lines.size() && !WithoutTrailingBlanks(lines[at]).empty(); ++at)
        if (!ReadHashHeader(lines[at], message.hashNames))
            return false;
    bool firstLine = true;
    for (++at; at < lines.size() && WithoutTrailingBlanks(lines[at]) != SignatureLine; ++at) {
        const std::string line = StartsWith(lines[at], "- ") ? lines[at].substr(2) : lines[at];
        message.signedBytes += (firstLine ? "" : "\r\n") + WithoutTrailingBlanks(line);
        message.text += line + "\n";
        firstLine = false;
    }
    if (at >= lines.size())
        return false;
    ArmouredBlock block;
    size_t next = 0;
    if (!DecodeBlock(lines, at, block, next))
        return false;
    message.signature = block.binary;
    return true;
}

}
