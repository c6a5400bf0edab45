#include "vrok_business/vrok_md5.h"

#include "vrok_business/vrok_md5block.h"
#include "vrok_business/vrok_md5state.h"
#include "vrok_persistence/vrok_view.h"

#include <windows.h>

#include <climits>

namespace vrok { namespace business { namespace md5 {

using persistence::file::CView;
using persistence::file::CVirtualFile;

namespace {

// The largest tail that leaves room for the 0x80 byte and the 8 length bytes in its block.
const unsigned LargestTailWithLength = 55;

}

void CDigest::Assign(const CMd5State& state)
{
    const unsigned int words[4] = { state.a, state.b, state.c, state.d };
    for (unsigned word = 0; word < 4; ++word)
        for (unsigned byte = 0; byte < 4; ++byte)
            m_items[word * 4 + byte] = static_cast<unsigned char>(words[word] >> (8 * byte));
}

bool CMd5::Compute(CVirtualFile& file)
{
    return Compute(file, DefaultWindowSize);
}

// Every window starts on a multiple of the granularity, itself a multiple of 64, so blocks never
// straddle two windows; only the last window may end with a partial block, the message's tail.
bool CMd5::Compute(CVirtualFile& file, unsigned long long windowSize)
{
    const unsigned long long messageLength = file.GetSize();
    const unsigned long long step = AlignToGranularity(windowSize);
    CMd5Block block;
    CMd5State state;
    for (unsigned long long offset = 0;; offset += step) {
        CView<unsigned char> view(file);
        if (!view.Map(offset, step))
            return false;
        const unsigned long long blocks = view.GetLength() / CMd5Block::Size;
        for (unsigned long long i = 0; i < blocks; ++i) {
            block.Load(view.At(i * CMd5Block::Size));
            block.Transform(state);
        }
        if (view.IsEndReached()) {
            const unsigned tailLength = static_cast<unsigned>(view.GetLength() % CMd5Block::Size);
            const unsigned char* tail = tailLength > 0 ? view.At(blocks * CMd5Block::Size) : nullptr;
            FinishMessage(tail, tailLength, messageLength, block, state);
            break;
        }
    }
    m_digest.Assign(state);
    state.Fill(0);
    return true;
}

unsigned long long CMd5::AlignToGranularity(unsigned long long windowSize)
{
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const unsigned long long granularity = system.dwAllocationGranularity;
    const unsigned long long whole = windowSize / granularity * granularity;
    if (whole == 0)
        return granularity;
    // Near the type's end a size is rounded down: rounding up would wrap to a step of 0.
    if (whole == windowSize || whole > ULLONG_MAX - granularity)
        return whole;
    return whole + granularity;
}

// RFC 1321 padding: 0x80, zeros, the length in bits; in an extra block when the tail leaves no
// room for the eight length bytes.
void CMd5::FinishMessage(const unsigned char* tail, unsigned tailLength, unsigned long long messageLength,
                         CMd5Block& block, CMd5State& state)
{
    if (tailLength > 0)
        block.LoadPartial(tail, tailLength);
    else
        block.Reset();
    block.Append(0x80);
    block.PadWithZeros();
    if (tailLength > LargestTailWithLength) {
        block.Transform(state);
        block.Reset();
        block.PadWithZeros();
    }
    block.SetBitLength(messageLength);
    block.Transform(state);
}

}}}
