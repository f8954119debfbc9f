#include "settings/settings_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pelorin::settings {

std::optional<std::string> ReadSettingsFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::string();
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

#ifndef _WIN32

namespace {

bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool WriteSettingsFileAtomically(const std::string& path, const std::string& content) {
    const std::string temp = path + ".tmp";
    // O_NOFOLLOW: a link planted at the temporary name must not redirect the
    // password elsewhere.
    const int fd =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, 0600) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

#else

bool WriteSettingsFileAtomically(const std::string& path, const std::string& content) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec); // replaces the old file
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

#endif

std::string FullPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

} // namespace pelorin::settings
