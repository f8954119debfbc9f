#include "app/launch_options.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelorin::app {
namespace {

TEST(ReadLaunchOptions, ServiceAndDumpSwitchAnywhere) {
    struct Case {
        std::vector<std::string> arguments;
        std::string base;
        bool dump;
    };
    const std::string kDefault = "http://127.0.0.1:8631";
    const Case cases[] = {
        {{"/opt/pelorin/pelorin"}, kDefault, false},
        {{"pelorin", "--service", "http://kumovi.example.jp"}, "http://kumovi.example.jp", false},
        {{"pelorin", "--service=http://10.0.0.2:8080/"}, "http://10.0.0.2:8080", false},
        {{"pelorin", "/TextOut", "--service", "http://a.example"}, "http://a.example", true},
        {{"pelorin", "--service", "http://a.example", "x", "/textout"}, "http://a.example", true},
        {{"/textout"}, kDefault, true},
        {{"pelorin", "-textout", "/textout2"}, kDefault, false},
        {{"pelorin", "--service"}, kDefault, false}, // no address follows
        {{"pelorin", "--service="}, kDefault, false},
        {{"pelorin", "--service", "localhost:8632/"}, "http://localhost:8632", false},
        {{"pelorin", "--service", "https://kumovi.example.jp"}, "https://kumovi.example.jp", false},
    };
    for (const Case& c : cases) {
        const LaunchOptions options = ReadLaunchOptions(c.arguments, kDefault);
        EXPECT_EQ(options.serviceBase, c.base) << c.arguments.back();
        EXPECT_EQ(options.dumpPages, c.dump) << c.arguments.back();
    }
}

} // namespace
} // namespace pelorin::app
