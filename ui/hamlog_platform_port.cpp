#include "ui/hamlog_platform_port.h"

#ifdef _WIN32
#include "hamlog/transport/win32_hamlog_port.h"
#else
#include "hamlog/transport/wine_bridge_port.h"

#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>
#endif

namespace pelorin::ui {

#ifdef _WIN32

std::unique_ptr<hamlog::HamlogPort> MakePlatformHamlogPort() {
    return std::make_unique<hamlog::Win32HamlogPort>();
}

void KeepDescriptorsFromChildProcesses() {}

#else

namespace {

// The bridge port, with the program's descriptors kept from the bridge and
// from Wine, which it may start (again) on any call.
class BridgePortWithoutInheritance final : public hamlog::HamlogPort {
public:
    BridgePortWithoutInheritance() : bridge_(hamlog::DefaultBridgePath()) {}

    void EnumerateWindows(const std::function<bool(const hamlog::WindowInfo&)>& visit) override {
        KeepDescriptorsFromChildProcesses();
        bridge_.EnumerateWindows(visit);
    }

    hamlog::SendResult Send(hamlog::WindowHandle window, std::uint32_t code, std::string_view data,
                            std::chrono::milliseconds timeout) override {
        KeepDescriptorsFromChildProcesses();
        return bridge_.Send(window, code, data, timeout);
    }

private:
    hamlog::WineBridgePort bridge_;
};

} // namespace

std::unique_ptr<hamlog::HamlogPort> MakePlatformHamlogPort() {
    return std::make_unique<BridgePortWithoutInheritance>();
}

void KeepDescriptorsFromChildProcesses() {
    DIR* dir = opendir("/proc/self/fd");
    if (dir == nullptr)
        return;
    std::vector<int> descriptors;
    while (const dirent* entry = readdir(dir)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (end != entry->d_name && *end == '\0' && fd > STDERR_FILENO && fd != dirfd(dir))
            descriptors.push_back(static_cast<int>(fd));
    }
    closedir(dir);
    for (const int fd : descriptors) {
        const int flags = fcntl(fd, F_GETFD);
        if (flags >= 0 && (flags & FD_CLOEXEC) == 0)
            fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
}

#endif

} // namespace pelorin::ui
