#ifndef VESTIGON_PUBLIC_KEY_LIBRARY_H
#define VESTIGON_PUBLIC_KEY_LIBRARY_H

#include "vrok_user/vrok_dll.h"

#include <string>

// The public-key arithmetic, done by libgcrypt. The DLLs beside the program are loaded at run
// time, so the program starts (and says signatures cannot be checked) wherever they are missing
// or refuse to load.
namespace signatures {

class CPublicKeyLibrary
{
public:
    // The library of the process, loaded from the program's folder on first use, by whichever
    // thread comes first.
    static const CPublicKeyLibrary& Instance();

    bool IsAvailable() const { return m_verify != nullptr; }

    // RSA with PKCS #1 v1.5 padding over a digest; hashName is libgcrypt's ("sha256", ...).
    // Numbers are big-endian. False when the signature does not hold or cannot be checked.
    bool VerifyRsa(const std::string& modulus, const std::string& exponent, const char* hashName,
                   const std::string& digest, const std::string& signature) const;

    // Ed25519 over a message (a digest, for OpenPGP); point, r and s of 32 bytes each.
    bool VerifyEd25519(const std::string& point, const std::string& message, const std::string& r,
                       const std::string& s) const;

private:
    typedef unsigned int Error;
    typedef struct OpaqueSexp* Sexp;

    CPublicKeyLibrary();
    CPublicKeyLibrary(const CPublicKeyLibrary&) = delete;
    CPublicKeyLibrary& operator=(const CPublicKeyLibrary&) = delete;

    bool Load(const std::wstring& folder);
    bool Verify(const std::string& signature, const std::string& data, const std::string& key) const;
    Sexp Scan(const std::string& canonical) const;

    vrok::data::type::kernelobject::CDll m_errorLibrary;
    vrok::data::type::kernelobject::CDll m_library;
    Error (*m_scan)(Sexp*, size_t*, const char*, size_t) = nullptr;
    void (*m_release)(Sexp) = nullptr;
    Error (*m_verify)(Sexp, Sexp, Sexp) = nullptr;
};

}

#endif
