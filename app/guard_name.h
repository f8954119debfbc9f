#pragma once

#include <string>
#include <string_view>

namespace pelorin::app {

// "tolvarbrinsePelorin" followed by the executable's path with every "\",
// then every ":", then every "." turned into "_". C:\Radio\Spot.exe gives
// tolvarbrinsePelorinC__Radio_Spot_exe. No other character changes.
std::string GuardName(std::string_view executablePath);

// A short name safe for files, sockets and pipes that stands for one guard
// name: "pelorin-" and 16 hex digits of a 64-bit FNV-1a hash.
std::string GuardFileStem(std::string_view guardName);

} // namespace pelorin::app
