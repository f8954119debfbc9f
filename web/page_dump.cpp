#include "web/page_dump.h"

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pelorin::web {

namespace {

constexpr std::string_view kSwitch = "/textout";

bool IsSwitch(std::string_view argument) {
    return std::equal(
        argument.begin(), argument.end(), kSwitch.begin(), kSwitch.end(), [](char a, char s) {
            const char lower = (a >= 'A' && a <= 'Z') ? static_cast<char>(a - 'A' + 'a') : a;
            return lower == s;
        });
}

#ifdef _WIN32
void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
#else
void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    const int fd =
        ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    // A file left by an older dump may carry wider rights.
    (void)::fchmod(fd, 0600);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}
#endif

} // namespace

bool PageDumpRequested(std::span<const std::string> arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& a) { return IsSwitch(a); });
}

void DumpPageText(std::string_view pageText, const std::filesystem::path& folder) {
    const std::filesystem::path dump = folder / kDumpFileName;
    const std::filesystem::path backup = folder / kDumpBackupFileName;
    std::error_code ignored;
    if (std::filesystem::exists(std::filesystem::symlink_status(dump, ignored))) {
        std::filesystem::remove(backup, ignored);
        std::filesystem::rename(dump, backup, ignored);
#ifndef _WIN32
        if (!ignored)
            std::filesystem::permissions(
                backup, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                std::filesystem::perm_options::replace | std::filesystem::perm_options::nofollow,
                ignored);
#endif
    }
    WriteFile(dump, pageText);
}

} // namespace pelorin::web
