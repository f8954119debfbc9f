#pragma once

#include <optional>
#include <string>

namespace pelorin::settings {

// The file's bytes; an empty text when it does not exist; nothing when it
// exists but cannot be read (a folder in its place, no permission).
std::optional<std::string> ReadSettingsFile(const std::string& path);

// Writes `content` to "<path>.tmp" in the same folder and renames that over
// `path`, so the file holds either the old or the new content, never a part.
// On POSIX the file is readable by its owner only. Returns whether it worked;
// on failure the old file is untouched and the temporary file removed.
bool WriteSettingsFileAtomically(const std::string& path, const std::string& content);

// The path as the user should see it in a message: absolute.
std::string FullPath(const std::string& path);

} // namespace pelorin::settings
