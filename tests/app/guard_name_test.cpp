#include "app/guard_name.h"

#include <gtest/gtest.h>

using pelorin::app::GuardFileStem;
using pelorin::app::GuardName;

TEST(GuardName, ReplacesBackslashColonAndEveryPoint) {
    EXPECT_EQ(GuardName("C:\\Radio\\Spot.exe"), "tolvarbrinsePelorinC__Radio_Spot_exe");
    EXPECT_EQ(GuardName("C:\\Tools.old\\Spot.exe"), "tolvarbrinsePelorinC__Tools_old_Spot_exe");
    // Nothing else changes: slashes, letter case, blanks, other bytes.
    EXPECT_EQ(GuardName("/opt/My Tools.d/pelorin"), "tolvarbrinsePelorin/opt/My Tools_d/pelorin");
    EXPECT_EQ(GuardName("c:\\radio\\SPOT.EXE"), "tolvarbrinsePelorinc__radio_SPOT_EXE");
}

TEST(GuardName, FileStemIsSafeAndTellsPathsApart) {
    const std::string a = GuardFileStem(GuardName("/home/u/pelorin"));
    EXPECT_EQ(a, GuardFileStem(GuardName("/home/u/pelorin")));
    EXPECT_NE(a, GuardFileStem(GuardName("/home/u/pelorin2")));
    EXPECT_NE(a, GuardFileStem(GuardName("/home/U/pelorin")));
    ASSERT_EQ(a.size(), 8u + 16u);
    EXPECT_EQ(a.rfind("pelorin-", 0), 0u);
    EXPECT_EQ(a.find_first_not_of("pelorin-0123456789abcdef"), std::string::npos);
}
