#pragma once

#include "hamlog/hamlog_port.h"

#include <chrono>
#include <mutex>
#include <string>
#include <sys/types.h>

namespace pelorin::hamlog {

struct WineBridgeOptions {
    // The bridge executable (a Windows program).
    std::string bridgePath;
    // Empty: $PELORIN_WINE, else "wine" from PATH.
    std::string wineCommand;
    // How long a start may take to greet; the first start of Wine in a
    // session may have to bring up the wineserver and update the prefix.
    std::chrono::milliseconds firstStartLimit{20000};
    std::chrono::milliseconds restartLimit{8000};
    std::chrono::milliseconds listLimit{4000};
    // Added to the time limit of a send before the bridge counts as stuck.
    std::chrono::milliseconds sendMargin{1500};
    // Where Wine's stderr goes; empty means /dev/null.
    std::string stderrPath;
};

// The Hamlog port on Linux: the bridge runs under Wine (in the inherited
// WINEPREFIX) and is driven over pipes. It starts on first use and stays. A
// bridge that cannot start, dies or overruns a time limit is killed and
// reaped; that use finds no window or counts as a timed-out send, and the
// next use starts it again. Calls are serialised.
class WineBridgePort final : public HamlogPort {
public:
    explicit WineBridgePort(std::string bridgePath);
    explicit WineBridgePort(WineBridgeOptions options);
    ~WineBridgePort() override;

    WineBridgePort(const WineBridgePort&) = delete;
    WineBridgePort& operator=(const WineBridgePort&) = delete;

    void EnumerateWindows(const std::function<bool(const WindowInfo&)>& visit) override;
    SendResult Send(WindowHandle window, std::uint32_t code, std::string_view data,
                    std::chrono::milliseconds timeout) override;

    // Process id of the running bridge, 0 when none runs.
    pid_t BridgeProcessId() const;

private:
    enum class Outcome { Ok, Gone, Failed };
    using Clock = std::chrono::steady_clock;

    bool EnsureRunning();
    bool Start();
    void Stop();
    bool StillRunning();
    Outcome WriteLine(const std::string& line, Clock::time_point deadline);
    Outcome ReadLine(std::string& line, Clock::time_point deadline);
    template <typename Exchange> void WithBridge(Exchange&& exchange);

    WineBridgeOptions options_;
    mutable std::mutex mutex_;
    pid_t pid_ = 0;
    int toBridge_ = -1;
    int fromBridge_ = -1;
    std::string buffered_;
    bool startedBefore_ = false;
};

// The bridge beside the running executable, or $PELORIN_HAMLOG_BRIDGE.
std::string DefaultBridgePath();

} // namespace pelorin::hamlog
