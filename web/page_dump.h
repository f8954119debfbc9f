#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace pelorin::web {

inline constexpr std::string_view kDumpFileName = "PeloDbg.txt";
inline constexpr std::string_view kDumpBackupFileName = "PeloDbg.bak";

// Whether any argument, the program's own path included, is "/textout" with
// A..Z in any case. The program asks once at start.
bool PageDumpRequested(std::span<const std::string> arguments);

// Writes the page text's bytes exactly to PeloDbg.txt in `folder`, after the
// previous dump has become PeloDbg.bak beside it. Every file error is
// ignored. On POSIX both files are readable by their owner alone, since the
// page may hold the posting password.
void DumpPageText(std::string_view pageText, const std::filesystem::path& folder);

} // namespace pelorin::web
