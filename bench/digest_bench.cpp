// Throughput of the program's file hashing on one file: a hashing job as the main window starts
// it, timed from its start to its digest (posted to a window of this program), the best of
// several runs. "mapped" times the other way this program can read a file, through mapped
// windows on one thread, for comparison.
#include "hashing/hash_job.h"
#include "lists/list_check_job.h"
#include "vrok_business/vrok_md5.h"
#include "vrok_business/vrok_md5block.h"
#include "vrok_business/vrok_md5ternary.h"
#include "vrok_persistence/vrok_file.h"

#include <windows.h>
#include <intrin.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

using vrok::business::md5::CMd5;
using vrok::business::md5::CMd5State;
using CompressionFunction = void (*)(const unsigned char*, size_t, CMd5State&);
using vrok::persistence::file::CVirtualFile;

namespace {

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& stop)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

const UINT WM_BENCH_NEWS = WM_APP + 1;

bool HashThroughJob(HWND window, const wchar_t* path, double& seconds, std::wstring& digest)
{
    hashing::CHashJob job(WM_BENCH_NEWS);
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    hashing::DigestRequest md5;
    md5.algorithm = vrok::business::digest::Algorithm::Md5;
    const unsigned number = job.Start(window, path, {md5});
    MSG message;
    hashing::CHashNews news;
    while (number != 0 && GetMessageW(&message, window, 0, 0) > 0) {
        if (message.message == WM_BENCH_NEWS && job.TakeNews(message.wParam, news) && news.finished) {
            QueryPerformanceCounter(&stop);
            seconds = Seconds(start, stop);
            if (news.outcome != hashing::Outcome::Digest || news.digests.empty())
                return false;
            digest = hashing::HexOf(news.digests[0]);
            return true;
        }
    }
    return false;
}

// A checksum list's job as its window starts it, timed from its start to its end; false unless
// every listed file was read and matched.
bool CheckThroughListJob(HWND window, const wchar_t* list, double& seconds)
{
    lists::CListCheckJob job(WM_BENCH_NEWS);
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    const unsigned number = job.Start(list, window);
    MSG message;
    size_t ok = 0, listed = 0;
    lists::ListNews news;
    while (number != 0 && GetMessageW(&message, window, 0, 0) > 0) {
        if (message.message != WM_BENCH_NEWS || !job.TakeNews(message.wParam, news))
            continue;
        listed += news.entries.size();
        for (const lists::CheckedFile& file : news.results)
            ok += file.result == lists::Result::Ok;
        if (news.ended) {
            QueryPerformanceCounter(&stop);
            seconds = Seconds(start, stop);
            return listed > 0 && ok == listed;
        }
        news = lists::ListNews();
    }
    return false;
}

int MeasureListCheck(const wchar_t* list, int runs)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    double best = 0;
    for (int run = 0; run < runs; ++run) {
        double seconds = 0;
        if (!CheckThroughListJob(window, list, seconds)) {
            std::fwprintf(stderr, L"the list %ls did not check out\n", list);
            return 1;
        }
        std::wprintf(L"run %d: %.3f s\n", run + 1, seconds);
        best = run == 0 || seconds < best ? seconds : best;
    }
    std::wprintf(L"best_seconds=%.3f\n", best);
    DestroyWindow(window);
    return 0;
}

bool HashThroughMapping(const wchar_t* path, double& seconds, std::wstring& digest)
{
    CVirtualFile file;
    CMd5 md5;
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    if (!file.Open(path) || !md5.Compute(file))
        return false;
    QueryPerformanceCounter(&stop);
    seconds = Seconds(start, stop);
    wchar_t text[33] = {};
    for (int i = 0; i < 16; ++i)
        swprintf(text + 2 * i, 3, L"%02x", md5.GetDigest()[i]);
    digest = text;
    return true;
}

// A compression function alone, on 64 MiB in memory: prints its throughput and time-stamp
// cycles per byte, the best of the runs, under the name given.
void MeasureCompression(const char* name, CompressionFunction compress, int runs)
{
    const size_t size = 64u << 20;
    std::vector<unsigned char> data(size);
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<unsigned char>(i * 131 + (i >> 9));
    double best = 0;
    double bestCycles = 0;
    for (int run = 0; run < runs; ++run) {
        CMd5State state;
        LARGE_INTEGER start, stop;
        const unsigned long long startCycles = __rdtsc();
        QueryPerformanceCounter(&start);
        compress(data.data(), size / 64, state);
        QueryPerformanceCounter(&stop);
        const double cycles = double(__rdtsc() - startCycles) / size;
        const double rate = size / Seconds(start, stop) / 1e6;
        if (rate > best) {
            best = rate;
            bestCycles = cycles;
        }
    }
    std::wprintf(L"%hs_mbps=%.1f\n%hs_tsc_cycles_per_byte=%.2f\n", name, best, name, bestCycles);
}

// The compression the program runs, then the portable one that processors without AVX-512 run.
void MeasureTransforms(int runs)
{
    const bool avx512 = vrok::business::md5::TernaryCompressionAvailable();
    std::wprintf(L"transform_kind=%ls\n", avx512 ? L"AVX-512" : L"portable");
    MeasureCompression("transform", vrok::business::md5::CompressBlocks, runs);
    MeasureCompression("portable_transform", vrok::business::md5::CompressBlocksPortable, runs);
}

unsigned long long FileSize(const wchar_t* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: digest_bench FILE [RUNS] [job|mapped] | digest_bench --transform [RUNS]"
                              L" | digest_bench --list LIST [RUNS]\n");
        return 2;
    }
    if (std::wcscmp(argv[1], L"--list") == 0)
        return argc > 2 ? MeasureListCheck(argv[2], argc > 3 ? _wtoi(argv[3]) : 1) : 2;
    const int runs = argc > 2 ? _wtoi(argv[2]) : 5;
    if (std::wcscmp(argv[1], L"--transform") == 0) {
        MeasureTransforms(runs);
        return 0;
    }
    const bool mapped = argc > 3 && std::wcscmp(argv[3], L"mapped") == 0;
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const unsigned long long size = FileSize(argv[1]);
    double best = 0;
    std::wstring digest;
    for (int run = 0; run < runs; ++run) {
        double seconds = 0;
        const bool hashed = mapped ? HashThroughMapping(argv[1], seconds, digest)
                                   : HashThroughJob(window, argv[1], seconds, digest);
        if (!hashed) {
            std::fwprintf(stderr, L"cannot hash %ls\n", argv[1]);
            return 1;
        }
        const double megabytesPerSecond = size / seconds / 1e6;
        std::wprintf(L"run %d: %.3f s, %.1f MB/s, %ls\n", run + 1, seconds, megabytesPerSecond, digest.c_str());
        if (megabytesPerSecond > best)
            best = megabytesPerSecond;
    }
    std::wprintf(L"digest=%ls\nbest_mbps=%.1f\n", digest.c_str(), best);
    DestroyWindow(window);
    return 0;
}
