#include "vrok_user/vrok_dpi.h"

#include "vrok_user/vrok_devicecontext.h"

namespace vrok { namespace user { namespace dpi {

namespace {

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and PROCESS_PER_MONITOR_DPI_AWARE, which the XP
// headers do not know.
const INT_PTR PerMonitorAwareV2Context = -4;
const int ProcessPerMonitorAware = 2;

typedef BOOL(WINAPI* SetAwarenessContextEntry)(HANDLE);
typedef HRESULT(WINAPI* SetProcessAwarenessEntry)(int);
typedef BOOL(WINAPI* SetAwareEntry)();
typedef UINT(WINAPI* DpiForWindowEntry)(HWND);

// An entry point of a system library the process has loaded already (user32) or loads now
// (shcore); the library stays loaded for the life of the process.
FARPROC FindEntry(const wchar_t* library, const char* name)
{
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr)
        module = LoadLibraryW(library);
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

template <typename Entry>
Entry FindUser32Entry(const char* name)
{
    return reinterpret_cast<Entry>(reinterpret_cast<void*>(FindEntry(L"user32.dll", name)));
}

}

// Each system keeps the first awareness it is given (the manifest's, where it has one): a call
// refused as denied means it is set already, and no older call may lower it.
void DeclareAwareness()
{
    if (auto setContext = FindUser32Entry<SetAwarenessContextEntry>("SetProcessDpiAwarenessContext"))
    {
        if (setContext(reinterpret_cast<HANDLE>(PerMonitorAwareV2Context)) || GetLastError() == ERROR_ACCESS_DENIED)
            return;
    }
    if (auto setProcess = reinterpret_cast<SetProcessAwarenessEntry>(
            reinterpret_cast<void*>(FindEntry(L"shcore.dll", "SetProcessDpiAwareness"))))
    {
        const HRESULT result = setProcess(ProcessPerMonitorAware);
        if (SUCCEEDED(result) || result == E_ACCESSDENIED)
            return;
    }
    if (auto setAware = FindUser32Entry<SetAwareEntry>("SetProcessDPIAware"))
        setAware();
}

int DpiOfWindow(HWND window)
{
    const DpiForWindowEntry dpiForWindow = FindUser32Entry<DpiForWindowEntry>("GetDpiForWindow");
    if (window != nullptr && dpiForWindow != nullptr)
    {
        const UINT dpi = dpiForWindow(window);
        if (dpi != 0)
            return static_cast<int>(dpi);
    }
    const graphics::CScreenContext screen;
    const int dpi = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : StandardDpi;
    return dpi > 0 ? dpi : StandardDpi;
}

int Scale(int value, int dpi)
{
    return MulDiv(value, dpi, StandardDpi);
}

}}}
