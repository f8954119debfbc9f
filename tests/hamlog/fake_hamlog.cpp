#include "fake_hamlog.h"

#include "hamlog/hamlog_protocol.h"
#include "text/number_text.h"

namespace pelorin::hamlog::testing {

FakeHamlog::Window FakeHamlog::OtherWindow(WindowHandle handle, std::string className) {
    Window w;
    w.handle = handle;
    w.className = std::move(className);
    w.title = "Not Hamlog";
    w.unhandled = {kHamlogReqInput, kHamlogReqSelected, kHamlogReqCount, kHamlogReqRecord};
    return w;
}

FakeHamlog::Window& FakeHamlog::AddWindow(Window window) {
    windows.push_back(std::move(window));
    return windows.back();
}

void FakeHamlog::EnumerateWindows(const std::function<bool(const WindowInfo&)>& visit) {
    for (const Window& w : windows) {
        ++windowsVisited;
        if (!visit(WindowInfo{w.handle, w.className, w.title}))
            return;
    }
}

std::vector<FakeHamlog::Request> FakeHamlog::RequestsTo(WindowHandle window) const {
    std::vector<Request> out;
    for (const Request& r : requests)
        if (r.window == window)
            out.push_back(r);
    return out;
}

SendResult FakeHamlog::Send(WindowHandle window, std::uint32_t code, std::string_view data,
                            std::chrono::milliseconds timeout) {
    const std::size_t earlier = RequestsTo(window).size();
    requests.push_back({window, code, std::string(data), timeout});
    for (const Window& w : windows) {
        if (w.handle != window)
            continue;
        if (w.hangsAtRequest && earlier >= *w.hangsAtRequest)
            return {0, true, std::nullopt};
        if (w.unhandled.count(code))
            return {};
        std::optional<std::string> reply = BuildReply(w, code, data);
        if (!reply)
            return {};
        return {1, false, std::move(reply)};
    }
    return {};
}

std::optional<std::string> FakeHamlog::BuildReply(const Window& w, std::uint32_t code,
                                                  std::string_view data) const {
    const std::string key =
        code == kHamlogReqRecord ? "R" + std::string(data) : text::FormatInt(code);
    if (auto raw = w.rawReplies.find(key); raw != w.rawReplies.end())
        return raw->second;
    // Newer versions put a header line before the record.
    const std::string header = "HAMLOG\r\n";
    switch (code) {
    case kHamlogReqInput:
        return header + (w.input ? RecordLines(*w.input) : "");
    case kHamlogReqSelected:
        if (!w.selected)
            return std::string();
        return (w.recordsFromLineZero ? "" : header) + RecordLines(*w.selected);
    case kHamlogReqCount:
        return w.countLine.value_or("RECNUM" +
                                    text::FormatInt(static_cast<std::int64_t>(w.log.size()))) +
               "\r\n";
    case kHamlogReqRecord: {
        const std::int32_t n = text::ReadLong(data);
        if (n < 1 || static_cast<std::size_t>(n) > w.log.size())
            return std::nullopt; // not handled
        return (w.recordsFromLineZero ? "" : header) +
               RecordLines(w.log[static_cast<std::size_t>(n - 1)]);
    }
    default:
        return std::nullopt;
    }
}

RecordFields MakeRecord(const std::string& call) {
    RecordFields f;
    f[kFieldCall] = call;
    for (std::size_t k = 1; k < kRecordFieldCount; ++k)
        f[k] = call + " " + text::FormatInt(static_cast<std::int64_t>(k));
    return f;
}

std::string RecordLines(const RecordFields& fields) {
    std::string out;
    for (const std::string& f : fields)
        out += f + "\r\n";
    return out;
}

} // namespace pelorin::hamlog::testing
