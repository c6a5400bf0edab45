#ifndef VESTIGON_SIGNATURE_MATH_H
#define VESTIGON_SIGNATURE_MATH_H

#include "signatures/public_key.h"
#include "signatures/signature_packet.h"
#include "vrok_business/vrok_digest.h"

#include <string>

// Digests as OpenPGP signatures use them, and the check of a signature's value over one.
namespace signatures {

// The digest algorithm an OpenPGP hash number stands for; false for one the program does not
// compute (RIPEMD-160 and unknown numbers).
bool DigestAlgorithmOf(int hashId, vrok::business::digest::Algorithm& algorithm);

// MD5, SHA-1 and RIPEMD-160: collisions can be made, so a signature over one proves too little.
bool IsWeakHash(int hashId);

// The digest of the bytes, then the trailer; digestBytes 0 is the algorithm's own length. Empty
// when the digest engines cannot give it.
std::string DigestOf(vrok::business::digest::Algorithm algorithm, size_t digestBytes, const std::string& bytes,
                     const std::string& trailer = std::string());

// The digest of the bytes, then the trailer, with the algorithm of that number; empty when it is
// not computed here.
std::string DigestOfBytes(int hashId, const std::string& bytes, const std::string& trailer = std::string());

// True when the signature's value holds for the finished digest under the key: the digest's
// first two bytes as the signature quotes them, the key's algorithm that of the signature, and
// the public-key arithmetic. False too when libgcrypt is missing.
bool SignatureHolds(const PublicKey& key, const SignaturePacket& signature, const std::string& digest);

}

#endif
