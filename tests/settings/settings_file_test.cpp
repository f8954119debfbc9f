#include "settings/settings_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace pelorin::settings;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("pelorin_settings_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

} // namespace

TEST_F(SettingsFileTest, WritesOwnerOnlyAndReadsBack) {
    const std::string path = Path("Spot.ini");
    EXPECT_EQ(ReadSettingsFile(path), std::string()); // missing reads as empty
    ASSERT_TRUE(WriteSettingsFileAtomically(path, "[A]\r\nB=1\r\n"));
    EXPECT_EQ(ReadSettingsFile(path), "[A]\r\nB=1\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileWhole) {
    const std::string path = Path("Spot.ini");
    ASSERT_TRUE(WriteSettingsFileAtomically(path, "old"));
    fs::create_directory(path + ".tmp"); // the temporary file cannot be made
    EXPECT_FALSE(WriteSettingsFileAtomically(path, "new content"));
    EXPECT_EQ(ReadSettingsFile(path), "old");
}

TEST_F(SettingsFileTest, FolderInPlaceOfTheFile) {
    const std::string path = Path("Spot.ini");
    fs::create_directory(path);
    EXPECT_EQ(ReadSettingsFile(path), std::nullopt);
    EXPECT_FALSE(WriteSettingsFileAtomically(path, "x"));
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(SettingsFileTest, LinkAtTheTemporaryNameIsNotFollowed) {
    const std::string path = Path("Spot.ini");
    const std::string elsewhere = Path("elsewhere");
    fs::create_symlink(elsewhere, path + ".tmp");
    EXPECT_FALSE(WriteSettingsFileAtomically(path, "Pass=secret"));
    EXPECT_FALSE(fs::exists(elsewhere));
}

TEST(FullPath, IsAbsolute) {
    EXPECT_TRUE(fs::path(FullPath("Spot.ini")).is_absolute());
    EXPECT_EQ(FullPath("/a/b/../Spot.ini"), "/a/Spot.ini");
}
