#include "settings/settings_path.h"

#include <gtest/gtest.h>

using namespace pelorin::settings;

TEST(SettingsPath, LastExtensionOfTheFileNameBecomesIni) {
    struct Case {
        const char* exe;
        const char* ini;
    };
    const Case cases[] = {
        {"C:\\Radio\\Spot.exe", "C:\\Radio\\Spot.ini"},
        {"C:\\Tools.old\\Spot", "C:\\Tools.old\\Spot.ini"},
        {"/opt/tools.d/pelorin", "/opt/tools.d/pelorin.ini"},
        {"/home/u/a.b.c", "/home/u/a.b.ini"},
        {"/home/u/.pelorin", "/home/u/.pelorin.ini"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniPathBesideExecutable(c.exe), c.ini) << c.exe;
}

TEST(SettingsPath, InstalledProgramUsesTheUserConfigFolder) {
    EXPECT_EQ(ChooseSettingsPath("/usr/bin/pelorin", true, "/home/u/.config"),
              "/usr/bin/pelorin.ini");
    EXPECT_EQ(ChooseSettingsPath("/usr/bin/pelorin", false, "/home/u/.config"),
              "/home/u/.config/pelorin/pelorin.ini");
    EXPECT_EQ(ChooseSettingsPath("/usr/bin/pelorin", false, "/cfg/"), "/cfg/pelorin/pelorin.ini");
}
