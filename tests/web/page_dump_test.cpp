#include "web/page_dump.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;
using pelorin::web::DumpPageText;
using pelorin::web::PageDumpRequested;

namespace {

TEST(PageDumpRequested, WholeArgumentAnyPositionCapitalsAllowed) {
    struct Case {
        std::vector<std::string> arguments;
        bool requested;
    };
    const Case kCases[] = {
        {{"/opt/pelorin/pelorin"}, false},
        {{"/opt/pelorin/pelorin", "/textout"}, true},
        {{"/opt/pelorin/pelorin", "x", "/TEXTOUT"}, true},
        {{"/opt/pelorin/pelorin", "/TextOut"}, true},
        {{"/textout"}, true}, // the program's own path counts too
        {{"/opt/pelorin/pelorin", "-textout"}, false},
        {{"/opt/pelorin/pelorin", "/textout2"}, false},
        {{"/opt/pelorin/pelorin", " /textout"}, false},
        {{"/opt/pelorin/pelorin", "/ｔｅｘｔｏｕｔ"}, false},
        {{}, false},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(PageDumpRequested(c.arguments), c.requested)
            << ::testing::PrintToString(c.arguments);
}

class PageDump : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        folder_ = fs::temp_directory_path() / ("pelorin-dump-" + std::to_string(rd()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path Dump() const { return folder_ / "PeloDbg.txt"; }
    fs::path Backup() const { return folder_ / "PeloDbg.bak"; }

    static std::string Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path folder_;
};

TEST_F(PageDump, WritesExactBytesAndKeepsThePreviousAsBackup) {
    const std::string first("<P>\x95\x5C\r\n\0x</P>", 12); // no BOM, NUL kept
    DumpPageText(first, folder_);
    EXPECT_EQ(Read(Dump()), first);
    EXPECT_FALSE(fs::exists(Backup()));

    DumpPageText("second", folder_);
    EXPECT_EQ(Read(Dump()), "second");
    EXPECT_EQ(Read(Backup()), first);

    DumpPageText("", folder_);
    EXPECT_TRUE(fs::exists(Dump()));
    EXPECT_EQ(Read(Dump()), "");
    EXPECT_EQ(Read(Backup()), "second");
}

#ifndef _WIN32
TEST_F(PageDump, BothFilesAreForTheOwnerAlone) {
    const mode_t saved = ::umask(0);
    {
        std::ofstream old(Dump()); // left by an older run, readable by all
        old << "old";
    }
    fs::permissions(Dump(), fs::perms(0644));
    DumpPageText("pw=secret", folder_);
    ::umask(saved);
    EXPECT_EQ(Read(Backup()), "old");
    EXPECT_EQ(fs::status(Dump()).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(Backup()).permissions(), fs::perms(0600));
}
#endif

TEST_F(PageDump, FileErrorsAreIgnored) {
    // A missing folder: nothing can be written.
    EXPECT_NO_THROW(DumpPageText("page", folder_ / "missing"));
    EXPECT_FALSE(fs::exists(folder_ / "missing"));

    // Folders where both files must go: the backup cannot be deleted, the
    // dump neither renamed nor written. Root ignores permissions, this not.
    fs::create_directories(Dump());
    fs::create_directories(Backup() / "kept");
    EXPECT_NO_THROW(DumpPageText("page", folder_));
    EXPECT_TRUE(fs::is_directory(Dump()));
    EXPECT_TRUE(fs::is_directory(Backup() / "kept"));
}

} // namespace
