#include "hamlog/hamlog_query.h"

#include "hamlog/hamlog_protocol.h"

namespace pelorin::hamlog {

namespace {

constexpr int kLatestRecords = 10;

// The requests to one window. After a time-out the window gets no more, so a
// late reply can never be taken for the answer to a later request.
class WindowSession {
public:
    WindowSession(HamlogPort& port, WindowHandle window, std::chrono::milliseconds timeout)
        : port_(port), window_(window), timeout_(timeout) {}

    bool Abandoned() const { return abandoned_; }

    // The reply text of a handled request, or nothing.
    std::optional<std::string> Ask(std::uint32_t code, std::string_view data = {}) {
        if (abandoned_)
            return std::nullopt;
        const SendResult sent = port_.Send(window_, code, data, timeout_);
        if (sent.timedOut) {
            abandoned_ = true;
            return std::nullopt;
        }
        if (sent.result == 0)
            return std::nullopt;
        return ReceiveReply(sent.reply);
    }

private:
    HamlogPort& port_;
    WindowHandle window_;
    std::chrono::milliseconds timeout_;
    bool abandoned_ = false;
};

void QueryWindow(HamlogPort& port, const WindowInfo& window, std::size_t windowNumber,
                 bool oldVersion, std::chrono::milliseconds timeout,
                 std::vector<ReferenceRow>& rows) {
    WindowSession session(port, window.handle, timeout);

    // Input and selection: a record without Call gives no row.
    for (const std::uint32_t code : {kHamlogReqInput, kHamlogReqSelected}) {
        const std::optional<std::string> reply = session.Ask(code);
        if (!reply)
            continue;
        RecordFields fields = ReadRecordFields(*reply, StartLine(code, oldVersion));
        if (fields[kFieldCall].empty())
            continue;
        const std::string& label = code == kHamlogReqInput ? InputRowLabel() : SelectedRowLabel();
        rows.push_back({RowCaption(windowNumber, label), std::move(fields)});
    }

    std::int32_t count = 0;
    if (const std::optional<std::string> reply = session.Ask(kHamlogReqCount))
        count = ExtractRecordCount(*reply);

    // Always ten numbers downward, also below 1; every answer is listed.
    for (int k = 0; k < kLatestRecords && !session.Abandoned(); ++k) {
        const std::string number = RecordNumberText(static_cast<std::int64_t>(count) - k);
        const std::optional<std::string> reply = session.Ask(kHamlogReqRecord, number);
        if (!reply)
            continue;
        rows.push_back({RowCaption(windowNumber, number),
                        ReadRecordFields(*reply, StartLine(kHamlogReqRecord, oldVersion))});
    }
}

} // namespace

std::vector<WindowInfo> CollectHamlogWindows(HamlogPort& port) {
    std::vector<WindowInfo> found;
    port.EnumerateWindows([&found](const WindowInfo& window) {
        if (window.className != kHamlogWindowClass)
            return true;
        if (found.size() == kMaxHamlogWindows)
            return false;
        found.push_back(window);
        return true;
    });
    return found;
}

HamlogQueryResult QueryHamlog(HamlogPort& port, std::string_view oldVersionList,
                              std::chrono::milliseconds timeout) {
    HamlogQueryResult result;
    const std::vector<WindowInfo> windows = CollectHamlogWindows(port);
    if (windows.empty())
        return result;
    result.clearList = true;

    std::vector<bool> oldVersion;
    for (const WindowInfo& window : windows) {
        const std::string_view title = std::string_view(window.title).substr(0, kMaxTitleBytes);
        oldVersion.push_back(IsOldVersion(title, oldVersionList));
    }

    for (std::size_t i = 0; i < windows.size(); ++i)
        QueryWindow(port, windows[i], i + 1, oldVersion[i], timeout, result.rows);

    if (!result.rows.empty())
        result.selectRow = 0;
    return result;
}

} // namespace pelorin::hamlog
