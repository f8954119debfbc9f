#include "settings/settings_path.h"

namespace pelorin::settings {
namespace {

std::size_t FileNameStart(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? 0 : slash + 1;
}

} // namespace

std::string IniPathBesideExecutable(std::string_view executablePath) {
    const std::size_t nameStart = FileNameStart(executablePath);
    const std::size_t dot = executablePath.rfind('.');
    // A leading dot names a hidden file; it is no extension.
    if (dot == std::string_view::npos || dot <= nameStart)
        return std::string(executablePath) + ".ini";
    return std::string(executablePath.substr(0, dot + 1)) + "ini";
}

std::string ChooseSettingsPath(std::string_view executablePath, bool executableFolderWritable,
                               std::string_view configHome) {
    const std::string beside = IniPathBesideExecutable(executablePath);
    if (executableFolderWritable)
        return beside;
    std::string path(configHome);
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + "pelorin/" + beside.substr(FileNameStart(beside));
}

} // namespace pelorin::settings
