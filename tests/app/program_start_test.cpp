// Starts the real pelorin executable, copied into a folder of the test, and
// closes it as a session manager would (SIGTERM is handled as a close).
#include "settings/ini_document.h"
#include "text/cp932_codec.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using pelorin::settings::IniDocument;
using pelorin::text::Utf8ToCp932;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ProgramStartTest : public ::testing::Test {
protected:
    struct Running {
        pid_t pid = -1;
        fs::path output;
    };

    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("pelorin_start_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "rt");
        fs::permissions(dir_ / "rt", fs::perms::owner_all);
        Install("pelorin");
    }
    void TearDown() override {
        for (pid_t pid : started_)
            if (::kill(pid, 0) == 0) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, nullptr, 0);
            }
        fs::remove_all(dir_);
    }

    fs::path Install(const std::string& name) {
        const fs::path exe = dir_ / name;
        fs::copy_file(PELORIN_EXECUTABLE, exe, fs::copy_options::overwrite_existing);
        return exe;
    }
    fs::path Ini(const std::string& name = "pelorin") const { return dir_ / (name + ".ini"); }

    Running Start(const std::string& name = "pelorin") {
        Running run;
        run.output = dir_ / (name + "-" + std::to_string(started_.size()) + ".out");
        const std::string exe = (dir_ / name).string();
        const std::string out = run.output.string();
        const std::string runtime = (dir_ / "rt").string();
        run.pid = ::fork();
        if (run.pid == 0) {
            const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(fd, 1);
            ::dup2(fd, 2);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
            ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", runtime.c_str(), 1);
            ::execl(exe.c_str(), exe.c_str(), "--service", "http://127.0.0.1:1", "/textout",
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        started_.push_back(run.pid);
        return run;
    }

    // The running instance listens once its window exists and its settings
    // are loaded: wait for as many listening sockets as instances.
    bool WaitUntilListening(std::size_t instances) const {
        for (auto until = std::chrono::steady_clock::now() + 30s;
             std::chrono::steady_clock::now() < until; std::this_thread::sleep_for(50ms)) {
            std::size_t sockets = 0;
            for (const auto& entry : fs::directory_iterator(dir_ / "rt"))
                sockets += entry.path().extension() == ".sock";
            if (sockets >= instances)
                return true;
        }
        return false;
    }

    // The exit code, or nothing when it is still running after `limit`.
    static std::optional<int> WaitExit(pid_t pid, std::chrono::milliseconds limit) {
        for (auto until = std::chrono::steady_clock::now() + limit;;
             std::this_thread::sleep_for(20ms)) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid)
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            if (std::chrono::steady_clock::now() > until)
                return std::nullopt;
        }
    }

    static std::optional<int> Close(const Running& run) {
        ::kill(run.pid, SIGTERM);
        return WaitExit(run.pid, 30s);
    }

    fs::path dir_;
    std::vector<pid_t> started_;
};

TEST_F(ProgramStartTest, SecondStartEndsAtOnceAndLeavesTheSettingsAlone) {
    const std::string original = "[Main]\r\nCall=JA1ABC\r\n; by hand\r\n";
    std::ofstream(Ini(), std::ios::binary) << original;
    const Running first = Start();
    ASSERT_TRUE(WaitUntilListening(1));
    std::ofstream(Ini(), std::ios::binary) << original; // whatever the first one did

    const Running second = Start();
    EXPECT_EQ(WaitExit(second.pid, 10s), 1);
    EXPECT_EQ(ReadFile(Ini()), original);
    EXPECT_EQ(ReadFile(second.output).find("WebEngine"), std::string::npos)
        << "the second start must not bring up the window or its browser";

    EXPECT_EQ(Close(first), 0);
}

TEST_F(ProgramStartTest, CopyUnderAnotherNameRunsBeside) {
    Install("pelorin-copy");
    const Running first = Start();
    ASSERT_TRUE(WaitUntilListening(1));
    const Running copy = Start("pelorin-copy");
    ASSERT_TRUE(WaitUntilListening(2));
    EXPECT_EQ(WaitExit(copy.pid, 500ms), std::nullopt) << "the copy keeps running";
    EXPECT_EQ(Close(copy), 0);
    EXPECT_EQ(Close(first), 0);
    EXPECT_TRUE(fs::exists(Ini("pelorin-copy")));
}

TEST_F(ProgramStartTest, FirstStartThenCloseWritesEveryKeyOwnerOnly) {
    const Running run = Start();
    ASSERT_TRUE(WaitUntilListening(1));
    ASSERT_EQ(Close(run), 0);

    const IniDocument ini = IniDocument::Parse(ReadFile(Ini()));
    const std::pair<const char*, const char*> keys[] = {{"Window", "Top"},
                                                        {"Window", "Left"},
                                                        {"Window", "Height"},
                                                        {"Window", "Width"},
                                                        {"Log", "Call"},
                                                        {"Log", "Freq"},
                                                        {"Log", "Qth"},
                                                        {"Log", "Comments"},
                                                        {"Main", "Call"},
                                                        {"Main", "Freq"},
                                                        {"Main", "Style"},
                                                        {"Main", "Mode"},
                                                        {"Main", "Qth"},
                                                        {"Main", "Comments"},
                                                        {"Main", "Pass"},
                                                        {"Main", "RmksSel"},
                                                        {"ListWidth", "No"},
                                                        {"ListWidth", "Call"},
                                                        {"ListWidth", "Remarks2"},
                                                        {"Hamlog", "Old_Version"}};
    for (const auto& [section, key] : keys)
        EXPECT_NE(ini.ReadString(section, key, "<missing>"), "<missing>") << section << " " << key;
    EXPECT_EQ(ini.ReadInteger("Window", "Left", -1), 25);
    EXPECT_EQ(ini.ReadInteger("Window", "Width", -1), 833);
    EXPECT_EQ(ini.ReadInteger(Utf8ToCp932("リンク"), Utf8ToCp932("新ウィンドウ許可"), -1), 0);
    struct stat st {};
    ASSERT_EQ(::stat(Ini().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(ProgramStartTest, ValuesListsRmksAndWidthsSurviveARestart) {
    const std::string link = Utf8ToCp932("リンク");
    const std::string newWindow = Utf8ToCp932("新ウィンドウ許可");
    const std::string qth = Utf8ToCp932("東京都");
    std::ofstream(Ini(), std::ios::binary)
        << "[Log]\r\nCall=JA2BBB\\r\\nJA1AAA\\r\\n\r\nQth=" + qth + "\\r\\n\r\n"
        << "[Main]\r\nCall=JA1ABC/1\r\nFreq=7020.5\r\nStyle=5\r\nMode=2\r\nQth=" + qth +
               "\r\nComments=CQ DX\r\nPass=pw\r\nRmksSel=1\r\n"
        << "[ListWidth]\r\nCall=120\r\nRemarks1=77\r\n"
        << "[Hamlog]\r\nOld_Version=5.30\r\n[" + link + "]\r\n" + newWindow + "=1\r\n";
    for (int run = 0; run < 2; ++run) {
        const Running program = Start();
        ASSERT_TRUE(WaitUntilListening(1));
        ASSERT_EQ(Close(program), 0);
    }
    const IniDocument ini = IniDocument::Parse(ReadFile(Ini()));
    EXPECT_EQ(ini.ReadString("Log", "Call", ""), "JA1AAA\\r\\nJA2BBB\\r\\n"); // sorted on load
    EXPECT_EQ(ini.ReadString("Log", "Qth", ""), qth + "\\r\\n");
    EXPECT_EQ(ini.ReadString("Main", "Call", ""), "JA1ABC/1");
    EXPECT_EQ(ini.ReadString("Main", "Freq", ""), "7020.5");
    EXPECT_EQ(ini.ReadInteger("Main", "Style", -9), 5);
    EXPECT_EQ(ini.ReadInteger("Main", "Mode", -9), 2);
    EXPECT_EQ(ini.ReadString("Main", "Qth", ""), qth);
    EXPECT_EQ(ini.ReadString("Main", "Comments", ""), "CQ DX");
    EXPECT_EQ(ini.ReadString("Main", "Pass", ""), "pw");
    EXPECT_EQ(ini.ReadInteger("Main", "RmksSel", -9), 1);
    EXPECT_EQ(ini.ReadInteger("ListWidth", "Call", -9), 120);
    EXPECT_EQ(ini.ReadInteger("ListWidth", "Remarks1", -9), 77);
    EXPECT_EQ(ini.ReadInteger("ListWidth", "No", -9), 56);
    EXPECT_EQ(ini.ReadString("Hamlog", "Old_Version", ""), "5.30");
    EXPECT_EQ(ini.ReadInteger(link, newWindow, -9), 1);
}

TEST_F(ProgramStartTest, UnwritableSettingsShowTheErrorAndTheWindowStays) {
    std::ofstream(Ini(), std::ios::binary) << "[Main]\r\nCall=KEEP\r\n";
    const Running run = Start();
    ASSERT_TRUE(WaitUntilListening(1));
    // Root ignores folder permissions: a folder where the temporary file goes.
    fs::create_directory(Ini().string() + ".tmp");
    ::kill(run.pid, SIGTERM);
    EXPECT_EQ(WaitExit(run.pid, 2s), std::nullopt) << "the window stays open";
    // The same message as the box, on the error output as well.
    const std::string expected = Ini().string() + " に書き込めません";
    EXPECT_NE(ReadFile(run.output).find(expected), std::string::npos) << ReadFile(run.output);
    EXPECT_EQ(ReadFile(Ini()), "[Main]\r\nCall=KEEP\r\n");
}

} // namespace
