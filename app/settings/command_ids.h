#ifndef VESTIGON_COMMAND_IDS_H
#define VESTIGON_COMMAND_IDS_H

// Command identifiers that the main window acts on. Menu entries carry them as data: the ids
// are written beside each entry in md5_global.ini, and a language entry's id is its index in
// the language list. Ids are compared as unsigned 16-bit numbers; any other id does nothing.
namespace commands {

const unsigned short FirstLanguage = 0;
const unsigned short LastLanguage = 100;
const unsigned short Open = 201;
const unsigned short Close = 202;
const unsigned short Nothing = 203;
const unsigned short Paste = 204;
const unsigned short About = 205;
const unsigned short Help = 206;
const unsigned short StopHashing = 207;
const unsigned short CopyChecksumLine = 208;
const unsigned short SaveChecksumFile = 209;
const unsigned short LookForChecksumFiles = 210;
const unsigned short CheckList = 211;
const unsigned short CopyResults = 212;
const unsigned short AddPublisherKey = 213;
const unsigned short PublisherKeys = 214;
const unsigned short RemoveKey = 222;
// The Digest menu: one id per algorithm, MD5 first, in the order of the digests' enumeration.
const unsigned short FirstDigest = 215;
const unsigned short LastDigest = 221;

inline bool IsLanguageCommand(unsigned short id)
{
    return id <= LastLanguage;
}

inline bool IsDigestCommand(unsigned short id)
{
    return id >= FirstDigest && id <= LastDigest;
}

}

#endif
