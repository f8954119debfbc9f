#include "app/guard_name.h"
#include "app/instance_guard.h"

#include <string>
#include <windows.h>

namespace pelorin::app {

namespace {

std::wstring Widen(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

} // namespace

std::string RuntimeFolder() {
    return std::string();
}

std::string RaiseChannelName(const std::string& guardName) {
    return GuardFileStem(guardName); // a named pipe
}

GuardOutcome TakeInstanceGuard(const std::string& guardName) {
    // One call creates the mutex or opens the existing one, and says which.
    const HANDLE mutex = CreateMutexW(nullptr, TRUE, Widen(guardName).c_str());
    if (mutex == nullptr)
        return GuardOutcome::Unavailable;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return GuardOutcome::HeldByAnother;
    }
    return GuardOutcome::Taken; // the handle closes when the process ends
}

} // namespace pelorin::app
