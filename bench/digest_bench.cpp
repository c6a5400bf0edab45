// Throughput of the digest engine on one file: the best of several runs, timing only the hashing
// (opening the file is left out). Prints the digest with each run so it can be checked.
#include "vrok_business/vrok_md5.h"
#include "vrok_persistence/vrok_file.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

using vrok::business::md5::CMd5;
using vrok::persistence::file::CVirtualFile;

namespace {

bool HashOnce(const wchar_t* path, double& seconds, unsigned long long& size, wchar_t* digestText)
{
    CVirtualFile file;
    if (!file.Open(path))
        return false;
    size = file.GetSize();
    CMd5 md5;
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const bool computed = md5.Compute(file);
    QueryPerformanceCounter(&stop);
    if (!computed)
        return false;
    seconds = double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    for (int i = 0; i < 16; ++i)
        swprintf(digestText + 2 * i, 3, L"%02x", md5.GetDigest()[i]);
    return true;
}

}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: digest_bench FILE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? _wtoi(argv[2]) : 5;
    double best = 0;
    unsigned long long size = 0;
    wchar_t digest[33] = {};
    for (int run = 0; run < runs; ++run) {
        double seconds = 0;
        if (!HashOnce(argv[1], seconds, size, digest)) {
            std::fwprintf(stderr, L"cannot hash %ls\n", argv[1]);
            return 1;
        }
        const double megabytesPerSecond = size / seconds / 1e6;
        std::wprintf(L"run %d: %.3f s, %.1f MB/s, %ls\n", run + 1, seconds, megabytesPerSecond, digest);
        if (megabytesPerSecond > best)
            best = megabytesPerSecond;
    }
    std::wprintf(L"digest=%ls\nbest_mbps=%.1f\n", digest, best);
    return 0;
}
