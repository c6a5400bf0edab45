#include "hashing/file_digest.h"

#include "hashing/file_hasher.h"
#include "vrok_user/vrok_messagebox.h"

#include <cwchar>

using vrok::user::messagebox::ShowPathErrorMessage;

namespace {

// Hashing to the end: nobody waits for progress on this thread.
class CToTheEnd : public hashing::IHashObserver
{
public:
    bool ShouldStop() override { return false; }
    void OnProgress(unsigned long long, unsigned long long) override {}
};

}

wchar_t* ComputeFileDigest(const wchar_t* path)
{
    CToTheEnd observer;
    std::wstring digest;
    if (path == nullptr || hashing::HashFile(path, observer, digest) != hashing::Outcome::Digest) {
        ShowPathErrorMessage(L"Open file %s failed !", path);
        return nullptr;
    }
    wchar_t* text = new wchar_t[digest.size() + 1];
    std::wmemcpy(text, digest.c_str(), digest.size() + 1);
    return text;
}
