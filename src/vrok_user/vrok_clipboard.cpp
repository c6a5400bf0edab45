#include "vrok_user/vrok_clipboard.h"

#include <cstring>
#include <new>

namespace vrok { namespace user { namespace clipboard {

namespace {

// Holds the clipboard open for as long as it lives.
class CClipboardOpen
{
public:
    explicit CClipboardOpen(HWND owner) : m_open(OpenClipboard(owner) != FALSE) {}
    ~CClipboardOpen()
    {
        if (m_open)
            CloseClipboard();
    }
    CClipboardOpen(const CClipboardOpen&) = delete;
    CClipboardOpen& operator=(const CClipboardOpen&) = delete;
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

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
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr)
        return false;
    bool filled = false;
    {
        const CLockedMemory locked(memory);
        if (locked.Bytes() != nullptr) {
            std::memcpy(locked.Bytes(), text.c_str(), bytes);
            filled = true;
        }
    }
    if (!filled) {
        GlobalFree(memory);
        return false;
    }
    const CClipboardOpen clipboard(owner);
    // Once the clipboard takes the memory it is the clipboard's to free.
    const bool taken = clipboard.IsOpen() && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!taken)
        GlobalFree(memory);
    return taken;
}

Reading ReadText(HWND owner, std::wstring& text)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT))
        return Reading::NoText;
    const CClipboardOpen clipboard(owner);
    if (!clipboard.IsOpen())
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
