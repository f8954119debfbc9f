#include "app/launch_options.h"

#include "web/page_dump.h"

#include <string_view>

namespace pelorin::app {
namespace {

std::string WithoutTrailingSlashes(std::string base) {
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base;
}

} // namespace

LaunchOptions ReadLaunchOptions(std::span<const std::string> arguments,
                                std::string defaultServiceBase) {
    constexpr std::string_view kService = "--service";
    LaunchOptions options;
    options.serviceBase = std::move(defaultServiceBase);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == kService && i + 1 < arguments.size())
            options.serviceBase = arguments[++i];
        else if (argument.starts_with(kService) && argument.size() > kService.size() &&
                 argument[kService.size()] == '=')
            options.serviceBase = argument.substr(kService.size() + 1);
    }
    options.serviceBase = WithoutTrailingSlashes(std::move(options.serviceBase));
    options.dumpPages = web::PageDumpRequested(arguments);
    return options;
}

} // namespace pelorin::app
