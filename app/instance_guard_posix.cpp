#include "app/guard_name.h"
#include "app/instance_guard.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelorin::app {

std::string RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return runtime;
    std::string folder = "/tmp/pelorin-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

std::string RaiseChannelName(const std::string& guardName) {
    return RuntimeFolder() + "/" + GuardFileStem(guardName) + ".sock";
}

GuardOutcome TakeInstanceGuard(const std::string& guardName) {
    const std::string path = RuntimeFolder() + "/" + GuardFileStem(guardName) + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return GuardOutcome::Unavailable;
    // The kernel drops the lock with the process, so a crash leaves no guard.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return GuardOutcome::Taken; // fd stays open for the whole run
    const int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? GuardOutcome::HeldByAnother : GuardOutcome::Unavailable;
}

} // namespace pelorin::app
