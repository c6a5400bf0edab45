#include "signatures/public_key_library.h"

#include <windows.h>

namespace signatures {

namespace {

const wchar_t ErrorLibraryName[] = L"libgpg-error-0.dll";
const wchar_t LibraryName[] = L"libgcrypt-20.dll";
// Ed25519 with the flags used below came with this version.
const char OldestVersion[] = "1.8.0";
// libgcrypt's control codes.
const int DisableSecureMemory = 37;
const int InitializationFinished = 38;
const size_t Ed25519Bytes = 32;

std::wstring ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// A canonical S-expression atom: its length, a colon, its bytes.
std::string Atom(const std::string& bytes)
{
    return std::to_string(bytes.size()) + ":" + bytes;
}

// A positive number: a leading zero byte keeps the top bit from reading as a sign.
std::string Number(const std::string& bigEndian)
{
    return Atom(!bigEndian.empty() && (static_cast<unsigned char>(bigEndian[0]) & 0x80) ? '\0' + bigEndian : bigEndian);
}

std::string PaddedTo(const std::string& value, size_t length)
{
    return value.size() < length ? std::string(length - value.size(), '\0') + value : value;
}

template <typename Function>
bool Find(const vrok::data::type::kernelobject::CDll& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(library.FindEntryPoint(name)));
    return function != nullptr;
}

}

const CPublicKeyLibrary& CPublicKeyLibrary::Instance()
{
    static const CPublicKeyLibrary library;
    return library;
}

CPublicKeyLibrary::CPublicKeyLibrary()
{
    if (!Load(ProgramFolder()))
        m_verify = nullptr;
}

bool CPublicKeyLibrary::Load(const std::wstring& folder)
{
    // libgpg-error first, from the same folder, so that libgcrypt finds it loaded already.
    if (folder.empty() || !m_errorLibrary.Load((folder + ErrorLibraryName).c_str()) ||
        !m_library.Load((folder + LibraryName).c_str()))
        return false;
    const char* (*checkVersion)(const char*) = nullptr;
    Error (*control)(int, ...) = nullptr;
    if (!Find(m_library, "gcry_check_version", checkVersion) || !Find(m_library, "gcry_control", control) ||
        !Find(m_library, "gcry_sexp_sscan", m_scan) || !Find(m_library, "gcry_sexp_release", m_release) ||
        !Find(m_library, "gcry_pk_verify", m_verify))
        return false;
    if (checkVersion(OldestVersion) == nullptr)
        return false;
    control(DisableSecureMemory, 0);
    control(InitializationFinished, 0);
    return true;
}

CPublicKeyLibrary::Sexp CPublicKeyLibrary::Scan(const std::string& canonical) const
{
    Sexp sexp = nullptr;
    size_t errorOffset = 0;
    return m_scan(&sexp, &errorOffset, canonical.data(), canonical.size()) == 0 ? sexp : nullptr;
}

bool CPublicKeyLibrary::Verify(const std::string& signature, const std::string& data, const std::string& key) const
{
    if (!IsAvailable())
        return false;
    Sexp parts[3] = {Scan(signature), Scan(data), Scan(key)};
    const bool holds = parts[0] && parts[1] && parts[2] && m_verify(parts[0], parts[1], parts[2]) == 0;
    for (Sexp part : parts)
        if (part)
            m_release(part);
    return holds;
}

bool CPublicKeyLibrary::VerifyRsa(const std::string& modulus, const std::string& exponent, const char* hashName,
                                  const std::string& digest, const std::string& signature) const
{
    const std::string key = "(10:public-key(3:rsa(1:n" + Number(modulus) + ")(1:e" + Number(exponent) + ")))";
    const std::string data = "(4:data(5:flags5:pkcs1)(4:hash" + Atom(hashName) + Atom(digest) + "))";
    return Verify("(7:sig-val(3:rsa(1:s" + Number(signature) + ")))", data, key);
}

bool CPublicKeyLibrary::VerifyEd25519(const std::string& point, const std::string& message, const std::string& r,
                                      const std::string& s) const
{
    if (point.size() != Ed25519Bytes || r.size() > Ed25519Bytes || s.size() > Ed25519Bytes)
        return false;
    const std::string key = "(10:public-key(3:ecc(5:curve7:Ed25519)(5:flags5:eddsa)(1:q" +
                            Atom(point) + ")))";
    const std::string data = "(4:data(5:flags5:eddsa)(9:hash-algo6:sha512)(5:value" + Atom(message) + "))";
    return Verify("(7:sig-val(5:eddsa(1:r" + Atom(PaddedTo(r, Ed25519Bytes)) + ")(1:s" +
                      Atom(PaddedTo(s, Ed25519Bytes)) + ")))",
                  data, key);
}

}
