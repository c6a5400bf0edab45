#include "hashing/file_digest.h"

#include "vrok_business/vrok_md5.h"
#include "vrok_persistence/vrok_file.h"
#include "vrok_user/vrok_messagebox.h"

#include <windows.h>

using vrok::business::md5::CMd5;
using vrok::persistence::file::CVirtualFile;
using vrok::user::messagebox::ShowPathErrorMessage;

namespace {

const int DigestTextLength = 32;

wchar_t* FormatDigest(const unsigned char* digest)
{
    wchar_t* text = new wchar_t[DigestTextLength + 1]();
    wsprintfW(text, L"%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x", digest[0], digest[1],
              digest[2], digest[3], digest[4], digest[5], digest[6], digest[7], digest[8], digest[9], digest[10],
              digest[11], digest[12], digest[13], digest[14], digest[15]);
    return text;
}

}

wchar_t* ComputeFileDigest(const wchar_t* path)
{
    CVirtualFile file;
    CMd5 md5;
    if (!file.Open(path) || !md5.Compute(file)) {
        ShowPathErrorMessage(L"Open file %s failed !", path);
        return nullptr;
    }
    file.Close();
    return FormatDigest(md5.GetDigest());
}
