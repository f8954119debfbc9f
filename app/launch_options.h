#pragma once

#include <span>
#include <string>

namespace pelorin::app {

// What the command line decides once at start.
struct LaunchOptions {
    std::string serviceBase; // scheme, host and port of the service, no trailing "/"
    bool dumpPages = false;  // "/textout" among the arguments
};

// `arguments` begins with the program's own path. "--service URL" (or
// "--service=URL") replaces `defaultServiceBase`; an address without a scheme
// is taken as http. Unknown arguments are left to others.
LaunchOptions ReadLaunchOptions(std::span<const std::string> arguments,
                                std::string defaultServiceBase);

} // namespace pelorin::app
