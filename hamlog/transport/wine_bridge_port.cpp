#include "hamlog/transport/wine_bridge_port.h"

#include "hamlog/transport/bridge_protocol.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace pelorin::hamlog {
namespace {

// A reply is at most a few kilobytes; far more means the stream is garbage.
constexpr std::size_t kMaxAnswerLine = 16u << 20;

int MillisecondsUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
}

std::vector<std::string> BridgeEnvironment() {
    std::vector<std::string> env;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "WINEDEBUG=", 10) != 0) {
            env.emplace_back(*entry);
        }
    }
    env.emplace_back("WINEDEBUG=-all");
    if (std::getenv("WINEDLLOVERRIDES") == nullptr) {
        // Keeps Wine from offering to install its Mono and Gecko add-ons.
        env.emplace_back("WINEDLLOVERRIDES=mscoree,mshtml=");
    }
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

void CloseFd(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

WineBridgeOptions OptionsFor(std::string bridgePath) {
    WineBridgeOptions options;
    options.bridgePath = std::move(bridgePath);
    return options;
}

} // namespace

WineBridgePort::WineBridgePort(std::string bridgePath)
    : WineBridgePort(OptionsFor(std::move(bridgePath))) {}

WineBridgePort::WineBridgePort(WineBridgeOptions options) : options_(std::move(options)) {
    if (options_.wineCommand.empty()) {
        const char* wine = std::getenv("PELORIN_WINE");
        options_.wineCommand = wine != nullptr && *wine != '\0' ? wine : "wine";
    }
}

WineBridgePort::~WineBridgePort() {
    const std::lock_guard lock(mutex_);
    if (pid_ != 0) {
        // Let it end cleanly for a moment, then make sure.
        WriteLine("QUIT", Clock::now() + std::chrono::milliseconds(200));
        CloseFd(toBridge_);
        const auto deadline = Clock::now() + std::chrono::milliseconds(1000);
        while (StillRunning() && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    Stop();
}

pid_t WineBridgePort::BridgeProcessId() const {
    const std::lock_guard lock(mutex_);
    return pid_;
}

bool WineBridgePort::StillRunning() {
    if (pid_ == 0) {
        return false;
    }
    int status = 0;
    const pid_t waited = waitpid(pid_, &status, WNOHANG);
    if (waited == 0) {
        return true;
    }
    pid_ = 0; // reaped (or not ours any more)
    Stop();
    return false;
}

void WineBridgePort::Stop() {
    CloseFd(toBridge_);
    CloseFd(fromBridge_);
    buffered_.clear();
    if (pid_ != 0) {
        kill(pid_, SIGKILL);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        pid_ = 0;
    }
}

bool WineBridgePort::Start() {
    if (options_.bridgePath.empty() || access(options_.bridgePath.c_str(), R_OK) != 0) {
        return false;
    }
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0) {
        return false;
    }
    if (pipe2(output, O_CLOEXEC) != 0) {
        close(input[0]);
        close(input[1]);
        return false;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    const std::string errorPath =
        options_.stderrPath.empty() ? std::string("/dev/null") : options_.stderrPath;
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorPath.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0600);
    // Wine's own processes outlive the bridge (they live as long as the
    // wineserver); anything else of ours they inherited, such as the browser
    // engine's link to its helper processes, would keep those alive for good.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<std::string> args{options_.wineCommand, options_.bridgePath};
    std::vector<std::string> env = BridgeEnvironment();
    auto argv = Pointers(args);
    auto envp = Pointers(env);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, options_.wineCommand.c_str(), &actions, &attributes,
                                     argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(input[0]);
    close(output[1]);
    if (spawned != 0) {
        close(input[1]);
        close(output[0]);
        return false;
    }
    pid_ = pid;
    toBridge_ = input[1];
    fromBridge_ = output[0];
    fcntl(toBridge_, F_SETFL, fcntl(toBridge_, F_GETFL) | O_NONBLOCK);
    fcntl(fromBridge_, F_SETFL, fcntl(fromBridge_, F_GETFL) | O_NONBLOCK);

    const auto limit = startedBefore_ ? options_.restartLimit : options_.firstStartLimit;
    startedBefore_ = true;
    const auto deadline = Clock::now() + limit;
    // Skip whatever Wine itself may print before the greeting.
    std::string line;
    while (ReadLine(line, deadline) == Outcome::Ok) {
        if (line == bridge::kGreeting) {
            return true;
        }
    }
    Stop();
    return false;
}

bool WineBridgePort::EnsureRunning() {
    return StillRunning() || Start();
}

WineBridgePort::Outcome WineBridgePort::WriteLine(const std::string& text,
                                                  Clock::time_point deadline) {
    const std::string line = text + "\n";
    // A bridge that died must not kill us with SIGPIPE: block it for this
    // thread and take back a SIGPIPE that our write raised.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t previousMask;
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previousMask);
    sigset_t pending;
    sigpending(&pending);
    const bool pipePendingBefore = sigismember(&pending, SIGPIPE) == 1;

    Outcome outcome = Outcome::Ok;
    std::size_t written = 0;
    while (written < line.size()) {
        const ssize_t n = write(toBridge_, line.data() + written, line.size() - written);
        if (n >= 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno == EAGAIN) {
            pollfd wait{toBridge_, POLLOUT, 0};
            if (poll(&wait, 1, MillisecondsUntil(deadline)) > 0) {
                continue;
            }
            outcome = Outcome::Failed;
        } else {
            outcome = Outcome::Gone;
        }
        break;
    }
    if (outcome == Outcome::Gone && !pipePendingBefore) {
        const timespec now{0, 0};
        sigtimedwait(&pipeSignal, nullptr, &now);
    }
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    return outcome;
}

WineBridgePort::Outcome WineBridgePort::ReadLine(std::string& line, Clock::time_point deadline) {
    for (;;) {
        const std::size_t end = buffered_.find('\n');
        if (end != std::string::npos) {
            line.assign(buffered_, 0, end);
            buffered_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return Outcome::Ok;
        }
        if (buffered_.size() > kMaxAnswerLine) {
            return Outcome::Failed;
        }
        pollfd wait{fromBridge_, POLLIN, 0};
        const int ready = poll(&wait, 1, MillisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return Outcome::Failed; // time limit
        }
        char chunk[65536];
        const ssize_t n = read(fromBridge_, chunk, sizeof chunk);
        if (n > 0) {
            buffered_.append(chunk, static_cast<std::size_t>(n));
        } else if (n == 0) {
            return Outcome::Gone;
        } else if (errno != EINTR && errno != EAGAIN) {
            return Outcome::Gone;
        }
    }
}

template <typename Exchange> void WineBridgePort::WithBridge(Exchange&& exchange) {
    const bool wasRunning = StillRunning();
    if (!wasRunning && !Start()) {
        return;
    }
    Outcome outcome = exchange();
    if (outcome == Outcome::Gone && wasRunning) {
        // The bridge we kept had died since its last use: one fresh try.
        Stop();
        if (!Start()) {
            return;
        }
        outcome = exchange();
    }
    if (outcome != Outcome::Ok) {
        Stop();
    }
}

void WineBridgePort::EnumerateWindows(const std::function<bool(const WindowInfo&)>& visit) {
    std::vector<WindowInfo> windows;
    {
        const std::lock_guard lock(mutex_);
        WithBridge([&] {
            windows.clear();
            const auto deadline = Clock::now() + options_.listLimit;
            Outcome outcome = WriteLine("LIST", deadline);
            std::string line;
            while (outcome == Outcome::Ok && (outcome = ReadLine(line, deadline)) == Outcome::Ok &&
                   line != "END") {
                auto window = bridge::ParseWindowLine(line);
                if (!window) {
                    outcome = Outcome::Failed;
                    break;
                }
                windows.push_back(std::move(*window));
            }
            if (outcome != Outcome::Ok) {
                windows.clear();
            }
            return outcome;
        });
    }
    for (const auto& window : windows) {
        if (!visit(window)) {
            break;
        }
    }
}

SendResult WineBridgePort::Send(WindowHandle window, std::uint32_t code, std::string_view data,
                                std::chrono::milliseconds timeout) {
    const auto limit =
        std::clamp(timeout, std::chrono::milliseconds(0), std::chrono::milliseconds(INT_MAX / 2));
    SendResult result;
    bool answered = false;
    {
        const std::lock_guard lock(mutex_);
        WithBridge([&] {
            const auto deadline = Clock::now() + limit + options_.sendMargin;
            const bridge::SendRequest request{window, code, limit, std::string(data)};
            Outcome outcome = WriteLine(bridge::FormatSendRequest(request), deadline);
            std::string line;
            if (outcome == Outcome::Ok && (outcome = ReadLine(line, deadline)) == Outcome::Ok) {
                if (auto parsed = bridge::ParseSendResult(line)) {
                    result = std::move(*parsed);
                    answered = true;
                } else {
                    outcome = Outcome::Failed;
                }
            }
            return outcome;
        });
    }
    if (!answered) {
        // No answer in time (or no bridge): the same as a send that timed out.
        result = SendResult{0, true, std::nullopt};
    }
    return result;
}

std::string DefaultBridgePath() {
    if (const char* path = std::getenv("PELORIN_HAMLOG_BRIDGE"); path != nullptr && *path != '\0') {
        return path;
    }
    std::string self(PATH_MAX, '\0');
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size());
    if (length <= 0) {
        return "pelorin-hamlog-bridge.exe";
    }
    self.resize(static_cast<std::size_t>(length));
    return self.substr(0, self.rfind('/') + 1) + "pelorin-hamlog-bridge.exe";
}

} // namespace pelorin::hamlog
