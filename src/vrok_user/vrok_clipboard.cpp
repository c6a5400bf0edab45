#include "vrok_user/vrok_clipboard.h"

#include "vrok_data/vrok_entered.h"
#include "vrok_data/vrok_kernelobject.h"

#include <cstring>
#include <new>

namespace vrok { namespace user { namespace clipboard {

namespace {

// Holds the clipboard open for as long as it lives.
class CClipboardOpen final : public data::type::kernelobject::CEntered<BOOL(WINAPI*)()>
{
public:
    explicit CClipboardOpen(HWND owner) : CEntered(OpenClipboard(owner) != FALSE, &CloseClipboard) {}
};

struct CGlobalMemoryTraits
{
    typedef HGLOBAL Handle;
    static Handle Invalid() { return nullptr; }
    static long Release(Handle memory) { return GlobalFree(memory) == nullptr ? 1 : 0; }
};

// A global memory block, freed when the owner goes unless handed over.
typedef data::type::kernelobject::CUniqueHandle<CGlobalMemoryTraits> CGlobalMemory;

// A locked global memory block, unlocked when it goes.
class CLockedMemory
{
public:
    explicit CLockedMemory(HGLOBAL memory) : m_memory(memory), m_bytes(GlobalLock(memory)) {}
    ~CLockedMemory()
    {
        if (m_bytes != nullptr)
            GlobalUnlock(m_memory);
    }
    CLockedMemory(const CLockedMemory&) = delete;
    CLockedMemory& operator=(const CLockedMemory&) = delete;
    void* Bytes() const { return m_bytes; }

private:
    HGLOBAL m_memory;
    void* m_bytes;
};

}

bool PutText(HWND owner, const std::wstring& text)
{
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    CGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory.IsValid())
        return false;
    {
        const CLockedMemory locked(memory.Get());
        if (locked.Bytes() == nullptr)
            return false;
        std::memcpy(locked.Bytes(), text.c_str(), bytes);
    }
    const CClipboardOpen clipboard(owner);
    if (!clipboard.IsEntered() || !EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr)
        return false;
    memory.Detach();  // the clipboard's to free from now on
    return true;
}

Reading ReadText(HWND owner, std::wstring& text)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT))
        return Reading::NoText;
    const CClipboardOpen clipboard(owner);
    if (!clipboard.IsEntered())
        return Reading::Busy;
    HGLOBAL data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr)
        return Reading::MemoryUnusable;
    const CLockedMemory locked(data);
    const wchar_t* characters = static_cast<const wchar_t*>(locked.Bytes());
    if (characters == nullptr)
        return Reading::Busy;
    const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    size_t length = 0;
    while (length < capacity && characters[length] != L'\0')
        ++length;
    try {
        text.assign(characters, length);
    } catch (const std::bad_alloc&) {
        return Reading::Busy;
    }
    return Reading::Text;
}

}}}
