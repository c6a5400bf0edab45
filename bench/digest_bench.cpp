// Throughput of the program's file hashing on one file: a hashing job as the main window starts
// it, timed from its start to its digest (posted to a window of this program), the best of
// several runs. "--transform" and "--engines" time the compressions and every digest engine
// alone, in memory; "--list" times a checksum list's job.
#include "hashing/hash_job.h"
#include "lists/list_check_job.h"
#include "vrok_business/vrok_digest.h"
#include "vrok_business/vrok_md5block.h"
#include "vrok_business/vrok_md5ternary.h"

#include <windows.h>
#include <intrin.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

using vrok::business::digest::Algorithm;
using vrok::business::md5::CMd5State;
using CompressionFunction = void (*)(const unsigned char*, size_t, CMd5State&);

namespace {

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& stop)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

const UINT WM_BENCH_NEWS = WM_APP + 1;

// The digests named in a list such as "md5,sha256" (MD5 alone for none), in one read.
std::vector<hashing::DigestRequest> RequestsNamed(const wchar_t* names)
{
    using vrok::business::digest::Algorithm;
    const std::pair<const wchar_t*, Algorithm> known[] = {
        {L"md5", Algorithm::Md5},       {L"sha1", Algorithm::Sha1},     {L"sha224", Algorithm::Sha224},
        {L"sha256", Algorithm::Sha256}, {L"sha384", Algorithm::Sha384}, {L"sha512", Algorithm::Sha512},
        {L"blake2b", Algorithm::Blake2b}};
    std::vector<hashing::DigestRequest> requests;
    const std::wstring list = names != nullptr ? std::wstring(L",") + names + L"," : std::wstring(L",md5,");
    for (const auto& name : known) {
        if (list.find(std::wstring(L",") + name.first + L",") == std::wstring::npos)
            continue;
        requests.emplace_back();
        requests.back().algorithm = name.second;
    }
    return requests;
}

bool HashThroughJob(HWND window, const wchar_t* path, const std::vector<hashing::DigestRequest>& requests,
                    double& seconds, std::wstring& digest)
{
    hashing::CHashJob job(WM_BENCH_NEWS);
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    const unsigned number = requests.empty() ? 0 : job.Start(window, path, requests);
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

const size_t InMemoryBytes = 64u << 20;

std::vector<unsigned char> InMemoryMessage()
{
    std::vector<unsigned char> data(InMemoryBytes);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(i * 131 + (i >> 9));
    return data;
}

// The best of the runs of `hash` over the 64 MiB: MB/s and time-stamp-counter cycles per byte.
template <typename Hash>
void BestOfRuns(int runs, Hash hash, double& bestRate, double& bestCycles)
{
    bestRate = bestCycles = 0;
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER start, stop;
        const unsigned long long startCycles = __rdtsc();
        QueryPerformanceCounter(&start);
        hash();
        QueryPerformanceCounter(&stop);
        const double cycles = double(__rdtsc() - startCycles) / InMemoryBytes;
        const double rate = InMemoryBytes / Seconds(start, stop) / 1e6;
        if (rate > bestRate) {
            bestRate = rate;
            bestCycles = cycles;
        }
    }
}

// A compression function alone, on 64 MiB in memory: prints its throughput and time-stamp
// cycles per byte, the best of the runs, under the name given.
void MeasureCompression(const char* name, CompressionFunction compress, int runs)
{
    const std::vector<unsigned char> data = InMemoryMessage();
    double rate, cycles;
    BestOfRuns(runs, [&] { CMd5State state; compress(data.data(), data.size() / 64, state); }, rate, cycles);
    std::wprintf(L"%hs_mbps=%.1f\n%hs_tsc_cycles_per_byte=%.2f\n", name, rate, name, cycles);
}

// The compression the program chose by speed, then the portable one, then the other.
void MeasureTransforms(int runs)
{
    const size_t chosen = vrok::business::digest::ChosenImplementationOf(Algorithm::Md5);
    std::wprintf(L"transform_kind=%hs\n", vrok::business::digest::ImplementationsOf(Algorithm::Md5)[chosen]);
    MeasureCompression("transform", vrok::business::md5::CompressBlocks, runs);
    MeasureCompression("portable_transform", vrok::business::md5::CompressBlocksPortable, runs);
    if (vrok::business::md5::TernaryCompressionAvailable())
        MeasureCompression("avx512_transform", vrok::business::md5::CompressBlocksTernary, runs);
}

// Every implementation of every engine this processor runs, through its stream, on 64 MiB in
// memory: one line each, "engine=NAME IMPLEMENTATION MBPS CYCLES", the chosen one marked.
void MeasureEngines(int runs)
{
    const struct { Algorithm algorithm; const char* name; } engines[] = {
        { Algorithm::Md5, "md5" },       { Algorithm::Sha1, "sha1" },       { Algorithm::Sha256, "sha256" },
        { Algorithm::Sha512, "sha512" }, { Algorithm::Blake2b, "blake2b" },
    };
    // The speed trials first, each timed: the first call for an algorithm makes its trial.
    size_t chosen[sizeof engines / sizeof engines[0]];
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    for (size_t i = 0; i < sizeof engines / sizeof engines[0]; ++i)
        chosen[i] = vrok::business::digest::ChosenImplementationOf(engines[i].algorithm);
    QueryPerformanceCounter(&stop);
    std::wprintf(L"speed_trials_ms=%.2f\n", Seconds(start, stop) * 1000);
    const std::vector<unsigned char> data = InMemoryMessage();
    for (const auto& engine : engines) {
        const std::vector<const char*> names = vrok::business::digest::ImplementationsOf(engine.algorithm);
        for (size_t i = 0; i < names.size(); ++i) {
            const auto stream = vrok::business::digest::CreateDigestStreamOn(engine.algorithm, i);
            unsigned char digest[vrok::business::digest::MaxDigestBytes];
            double rate, cycles;
            BestOfRuns(runs, [&] { stream->Update(data.data(), data.size()); stream->Finish(digest); }, rate, cycles);
            std::wprintf(L"engine=%hs %hs %.1f %.2f%hs\n", engine.name, names[i], rate, cycles,
                         i == chosen[&engine - engines] ? " chosen" : "");
        }
    }
}

// The processor's own name for itself.
std::string ProcessorName()
{
    int words[12] = {};
    __cpuid(words, static_cast<int>(0x80000000u));
    if (static_cast<unsigned int>(words[0]) < 0x80000004u)
        return "unknown";
    for (int leaf = 0; leaf < 3; ++leaf)
        __cpuid(words + 4 * leaf, static_cast<int>(0x80000002u + leaf));
    std::string name(reinterpret_cast<const char*>(words), sizeof words);
    name = name.substr(0, name.find('\0'));
    return name.substr(name.find_first_not_of(' '));
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
        std::fwprintf(stderr, L"usage: digest_bench FILE [RUNS [md5,sha256,...]] | digest_bench --transform|--engines [RUNS]"
                              L" | digest_bench --list LIST [RUNS]\n");
        return 2;
    }
    if (std::wcscmp(argv[1], L"--list") == 0)
        return argc > 2 ? MeasureListCheck(argv[2], argc > 3 ? _wtoi(argv[3]) : 1) : 2;
    const int runs = argc > 2 ? _wtoi(argv[2]) : 5;
    if (std::wcscmp(argv[1], L"--transform") == 0) {
        std::wprintf(L"processor=%hs\n", ProcessorName().c_str());
        MeasureTransforms(runs);
        return 0;
    }
    if (std::wcscmp(argv[1], L"--engines") == 0) {
        MeasureEngines(runs);
        return 0;
    }
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const unsigned long long size = FileSize(argv[1]);
    double best = 0;
    std::wstring digest;
    for (int run = 0; run < runs; ++run) {
        double seconds = 0;
        if (!HashThroughJob(window, argv[1], RequestsNamed(argc > 3 ? argv[3] : nullptr), seconds, digest)) {
            std::fwprintf(stderr, L"cannot hash %ls\n", argv[1]);
            return 1;
        }
        const double megabytesPerSecond = size / seconds / 1e6;
        std::wprintf(L"run %d: %.3f s, %.1f MB/s, %ls\n", run + 1, seconds, megabytesPerSecond, digest.c_str());
        if (megabytesPerSecond > best)
            best = megabytesPerSecond;
    }
    for (const hashing::DigestRequest& request : RequestsNamed(argc > 3 ? argv[3] : nullptr)) {
        const size_t chosen = vrok::business::digest::ChosenImplementationOf(request.algorithm);
        std::wprintf(L"implementation=%hs\n", vrok::business::digest::ImplementationsOf(request.algorithm)[chosen]);
    }
    std::wprintf(L"digest=%ls\nbest_mbps=%.1f\n", digest.c_str(), best);
    DestroyWindow(window);
    return 0;
}
