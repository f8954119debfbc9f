#include "tests/hamlog_link/wine_testkit.h"

#include "tools/substitute_hamlog/scenario_text.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace pelorin::hamlog::testkit {
namespace {

namespace fs = std::filesystem;

bool OnPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path != nullptr ? path : "");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

// Files of this test process; removed when it ends.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (fs::temp_directory_path() / "pelorin-wine-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchDir() {
        std::error_code ignored;
        if (!path_.empty()) {
            fs::remove_all(path_, ignored);
        }
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

ScratchDir& Scratch() {
    static ScratchDir dir;
    return dir;
}

std::string PrefixPath() {
    const char* chosen = std::getenv("PELORIN_TEST_WINEPREFIX");
    return chosen != nullptr && *chosen != '\0' ? chosen : PELORIN_TESTKIT_DEFAULT_PREFIX;
}

// Wine programs take Windows paths; the prefix maps Z: to the root.
std::string WindowsPath(const std::string& path) {
    return "Z:" + path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void KillAndReap(pid_t& pid) {
    if (pid > 0) {
        kill(pid, SIGKILL);
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        pid = 0;
    }
}

} // namespace

std::string BridgeExe() {
    return PELORIN_TESTKIT_BRIDGE_EXE;
}
std::string SubstituteExe() {
    return PELORIN_TESTKIT_SUBSTITUTE_EXE;
}

std::string WineSkipReason() {
    if (BridgeExe().empty() || SubstituteExe().empty()) {
        return "the Win32 programs were not built (no MinGW-w64, or PELORIN_BUILD_WIN32 is off)";
    }
    if (!OnPath("wine") || !OnPath("wineserver")) {
        return "wine is not on PATH";
    }
    return {};
}

std::string PrepareWine() {
    static std::once_flag once;
    static std::string error;
    std::call_once(once, [] {
        for (const std::string& exe : {BridgeExe(), SubstituteExe()}) {
            if (access(exe.c_str(), R_OK) != 0) {
                error = "missing " + exe;
                return;
            }
        }
        if (Scratch().Path().empty()) {
            error = "no scratch folder";
            return;
        }
        const std::string prefix = PrefixPath();
        const std::string command = std::string("bash '") + PELORIN_TESTKIT_PREFIX_SCRIPT + "' '" +
                                    prefix + "' >'" + Scratch().Path() + "/prefix.log' 2>&1";
        if (std::system(command.c_str()) != 0) {
            error = "making the Wine prefix failed: " + ReadFile(Scratch().Path() + "/prefix.log");
            return;
        }
        setenv("WINEPREFIX", prefix.c_str(), 1);
        setenv("WINEDEBUG", "-all", 1);
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
    });
    return error;
}

std::string RecordReply(const std::array<std::string, 14>& fields, bool fromLineZero) {
    std::string reply = fromLineZero ? "" : "0\r\n";
    for (const auto& field : fields) {
        reply += field + "\r\n";
    }
    return reply;
}

std::string ReplyRule(std::string_view request, std::string_view text, std::string_view options) {
    std::string rule(request);
    if (!options.empty()) {
        rule += " ";
        rule += options;
    }
    return rule + " text=" + tools::EscapeScenarioText(text) + "\n";
}

SubstituteHamlog::SubstituteHamlog(std::string_view title, std::string_view scenario) {
    if (error_ = PrepareWine(); !error_.empty()) {
        return;
    }
    std::string pattern = Scratch().Path() + "/substitute-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        error_ = "no folder for the substitute";
        return;
    }
    dir_ = pattern;
    logPath_ = dir_ + "/requests.log";
    const std::string scenarioPath = dir_ + "/scenario.txt";
    std::ofstream(scenarioPath, std::ios::binary) << scenario;
    const std::string outputPath = dir_ + "/output.txt";

    std::vector<std::string> args{
        "wine",       SubstituteExe(),           "--title", tools::EscapeScenarioText(title),
        "--scenario", WindowsPath(scenarioPath), "--log",   WindowsPath(logPath_)};
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    // Wine processes it starts outlive the test; they must hold nothing of ours.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    const int spawned = posix_spawnp(&pid_, "wine", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        pid_ = 0;
        error_ = "cannot start wine";
        return;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        const std::string log = ReadFile(logPath_);
        if (const auto at = log.find("READY ");
            at != std::string::npos && log.find('\n', at) != log.npos) {
            handle_ = std::strtoull(log.c_str() + at + 6, nullptr, 10);
            return;
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = 0;
            error_ = "the substitute ended early: " + ReadFile(outputPath);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    error_ = "the substitute's window did not come up: " + ReadFile(outputPath);
    Kill();
}

SubstituteHamlog::~SubstituteHamlog() {
    Kill();
}

void SubstituteHamlog::Kill() {
    KillAndReap(pid_);
}

std::vector<std::string> SubstituteHamlog::Requests() const {
    std::vector<std::string> requests;
    std::stringstream log(ReadFile(logPath_));
    std::string line;
    while (std::getline(log, line)) {
        if (line.rfind("REQUEST ", 0) == 0) {
            requests.push_back(line.substr(8));
        }
    }
    return requests;
}

} // namespace pelorin::hamlog::testkit
