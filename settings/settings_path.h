#pragma once

#include <string>
#include <string_view>

namespace pelorin::settings {

// The executable's path with its last extension replaced by "ini"
// (C:\Radio\Spot.exe gives C:\Radio\Spot.ini); a file name without
// extension gets ".ini" appended. Only the file name's own dot counts.
std::string IniPathBesideExecutable(std::string_view executablePath);

// Where the settings live: beside the executable when its folder can be
// written, else "<configHome>/pelorin/<name>.ini" (an installed program).
std::string ChooseSettingsPath(std::string_view executablePath, bool executableFolderWritable,
                               std::string_view configHome);

} // namespace pelorin::settings
