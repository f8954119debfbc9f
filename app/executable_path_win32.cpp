#include "app/executable_path.h"

#include <windows.h>

namespace pelorin::app {

std::string ExecutablePath() {
    std::wstring wide(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()));
    wide.resize(n);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(n), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(n), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

} // namespace pelorin::app
