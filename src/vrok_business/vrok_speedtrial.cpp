#include "vrok_business/vrok_speedtrial.h"

#include <x86intrin.h>

#include <vector>

namespace vrok { namespace business { namespace digest {

namespace {

const size_t TrialBytes = 16 * 1024;
const int Rounds = 5;

}

// Timed by the time-stamp counter: a trial lasts microseconds, below the resolution of the
// system's performance counter under some systems, and only the ratios count.
size_t FastestImplementationOf(Algorithm algorithm)
{
    const size_t count = ImplementationsOf(algorithm).size();
    if (count < 2)
        return 0;
    std::vector<unsigned char> message(TrialBytes);
    for (size_t i = 0; i < message.size(); ++i)
        message[i] = static_cast<unsigned char>(i * 167 + (i >> 8));
    std::vector<std::unique_ptr<IDigestStream>> streams;
    for (size_t i = 0; i < count; ++i)
        streams.push_back(CreateDigestStreamOn(algorithm, i));
    std::vector<unsigned long long> best(count, ~0ull);
    for (int round = 0; round < Rounds; ++round)
        for (size_t i = 0; i < count; ++i) {
            const unsigned long long start = __rdtsc();
            streams[i]->Update(message.data(), message.size());
            const unsigned long long ticks = __rdtsc() - start;
            if (ticks < best[i])
                best[i] = ticks;
        }
    size_t fastest = 0;
    for (size_t i = 1; i < count; ++i)
        if (best[i] < best[fastest])
            fastest = i;
    return fastest;
}

}}}
