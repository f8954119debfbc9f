#pragma once

#include "hamlog/hamlog_port.h"

#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// Running the Win32 programs of the tests under Wine: a shared headless
// prefix, the built executables and substitute Hamlog processes.
namespace pelorin::hamlog::testkit {

// Why Wine tests cannot run here (no MinGW build, no wine), or empty. Call
// it from each test's start and GTEST_SKIP with the reason.
std::string WineSkipReason();

// Makes the prefix ready (once per process) and points WINEPREFIX of this
// process at it. Returns what went wrong, or empty.
std::string PrepareWine();

std::string BridgeExe();
std::string SubstituteExe();

// One record reply: a header line, then the 14 fields Call .. Remarks2 on
// lines 1 to 14; `fromLineZero` lays them out from line 0 (old versions).
std::string RecordReply(const std::array<std::string, 14>& fields, bool fromLineZero = false);

// One rule line of a scenario whose reply is `text`.
std::string ReplyRule(std::string_view request, std::string_view text,
                      std::string_view options = {});

// A substitute Hamlog window under Wine, ended by process id when destroyed.
class SubstituteHamlog {
public:
    // `title` and `scenario` are code page 932 bytes.
    SubstituteHamlog(std::string_view title, std::string_view scenario);
    ~SubstituteHamlog();
    SubstituteHamlog(const SubstituteHamlog&) = delete;
    SubstituteHamlog& operator=(const SubstituteHamlog&) = delete;

    // Empty when the window is up, else what went wrong.
    const std::string& Error() const { return error_; }
    WindowHandle Handle() const { return handle_; }
    pid_t ProcessId() const { return pid_; }

    // The requests received so far, as "code=0x100077 cb=4 data=1234" with
    // the data escaped like scenario texts.
    std::vector<std::string> Requests() const;

    void Kill();

private:
    std::string dir_;
    std::string logPath_;
    pid_t pid_ = 0;
    WindowHandle handle_ = 0;
    std::string error_;
};

} // namespace pelorin::hamlog::testkit
