#include "test_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace testsupport {

namespace fs = std::filesystem;

CTemporaryFolder::CTemporaryFolder()
{
    static unsigned counter = 0;
    const std::wstring prefix = L"vestigon-test-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    do
        m_path = (fs::temp_directory_path() / (prefix + std::to_wstring(++counter))).wstring();
    while (!fs::create_directory(m_path));
}

CTemporaryFolder::~CTemporaryFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::wstring CTemporaryFolder::WriteFile(const std::wstring& name, const std::string& bytes) const
{
    std::ofstream(fs::path(PathOf(name)), std::ios::binary).write(bytes.data(), bytes.size());
    return PathOf(name);
}

std::wstring CTemporaryFolder::MakeSparseFile(const std::wstring& name, long long size, bool readOnce) const
{
    fs::resize_file(WriteFile(name, ""), static_cast<std::uintmax_t>(size));
    std::vector<char> piece(readOnce ? 8 << 20 : 0);
    for (std::ifstream file(fs::path(PathOf(name)), std::ios::binary); readOnce && file.read(piece.data(), piece.size());) {
    }
    return PathOf(name);
}

std::wstring CTemporaryFolder::MakeDeepFolder(size_t length) const
{
    std::wstring folder = m_path;
    while (folder.size() + 1 < length) {
        folder += L"\\" + std::wstring(std::min<size_t>(60, length - folder.size() - 1), L'f');
        CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr);
    }
    return folder.substr(m_path.size() + 1);
}

CHeldFile::CHeldFile(const std::wstring& path, DWORD access, DWORD share)
    : m_handle(access != 0 ? CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)
                           : INVALID_HANDLE_VALUE)
{
}

void CHeldFile::LetGo()
{
    if (IsHeld())
        CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

std::wstring FullPath(const std::wstring& path)
{
    return fs::absolute(path).wstring();
}

std::string ReadWholeFile(const std::wstring& path)
{
    std::ifstream file(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::wstring Widen(const std::string& utf8)
{
    std::wstring text(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), static_cast<int>(text.size()));
    return text;
}

std::string Narrow(const std::wstring& text)
{
    const int length = static_cast<int>(text.size());
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

}
