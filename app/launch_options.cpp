#include "app/launch_options.h"

#include "web/page_dump.h"

#include <string_view>

namespace pelorin::app {
namespace {

// The service is reached over plain HTTP, so a bare "host:port" means that;
// read as it stands, "localhost:8631" would be an address of scheme
// "localhost" and the browser would show nothing.
std::string ServiceBase(std::string_view given) {
    if (given.empty())
        return {};
    std::string base(given.find("://") == std::string_view::npos ? "http://" : "");
    base += given;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base;
}

} // namespace

LaunchOptions ReadLaunchOptions(std::span<const std::string> arguments,
                                std::string defaultServiceBase) {
    constexpr std::string_view kService = "--service";
    LaunchOptions options;
    std::string_view given = defaultServiceBase;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == kService && i + 1 < arguments.size())
            given = arguments[++i];
        else if (argument.starts_with(kService) && argument.size() > kService.size() &&
                 argument[kService.size()] == '=')
            given = argument.substr(kService.size() + 1);
    }
    // An empty address would load nothing at all: keep the default then.
    options.serviceBase = ServiceBase(given.empty() ? defaultServiceBase : given);
    options.dumpPages = web::PageDumpRequested(arguments);
    return options;
}

} // namespace pelorin::app
