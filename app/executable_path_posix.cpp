#include "app/executable_path.h"

#include <climits>
#include <unistd.h>

namespace pelorin::app {

std::string ExecutablePath() {
    std::string path(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0)
        return std::string();
    path.resize(static_cast<std::size_t>(n));
    return path;
}

} // namespace pelorin::app
