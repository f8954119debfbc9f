#pragma once

#include <string>

namespace pelorin::app {

// The full path of the running executable as the system reports it, UTF-8.
std::string ExecutablePath();

} // namespace pelorin::app
