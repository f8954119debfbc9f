#pragma once

#include "hamlog/hamlog_port.h"
#include "hamlog/record_fields.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pelorin::hamlog::testing {

// An in-memory desktop of top-level windows, some of them Hamlog main windows
// that answer requests the way Hamlog does.
class FakeHamlog : public HamlogPort {
public:
    struct Window {
        WindowHandle handle = 0;
        std::string className = "TThwin";
        std::string title = "Hamlog Ver5.30";
        // Old versions write selected and numbered records from line 0.
        bool recordsFromLineZero = false;
        std::optional<RecordFields> input;    // nothing: an empty input window
        std::optional<RecordFields> selected; // nothing: no selection
        std::vector<RecordFields> log;        // record n is log[n - 1]
        std::optional<std::string> countLine; // replaces "RECNUM<log size>"
        // Requests answered with a send result of 0.
        std::set<std::uint32_t> unhandled;
        // Reply bytes sent as they are instead of the built reply, by request
        // code or, for record requests, by "R" + number text.
        std::map<std::string, std::string> rawReplies;
        // From this request on (0-based, counted per window) the window hangs.
        std::optional<std::size_t> hangsAtRequest;
    };

    struct Request {
        WindowHandle window;
        std::uint32_t code;
        std::string data;
        std::chrono::milliseconds timeout;
    };

    // A window with no Hamlog behind it.
    static Window OtherWindow(WindowHandle handle, std::string className);

    Window& AddWindow(Window window);

    void EnumerateWindows(const std::function<bool(const WindowInfo&)>& visit) override;
    SendResult Send(WindowHandle window, std::uint32_t code, std::string_view data,
                    std::chrono::milliseconds timeout) override;

    std::vector<Window> windows;
    std::vector<Request> requests;
    std::size_t windowsVisited = 0;

    // The requests sent to one window, in order.
    std::vector<Request> RequestsTo(WindowHandle window) const;

private:
    std::optional<std::string> BuildReply(const Window& window, std::uint32_t code,
                                          std::string_view data) const;
};

// A record whose fields are "<call> <field index>" except Call itself, so a
// shifted start line shows in every field.
RecordFields MakeRecord(const std::string& call);

// Record fields as reply lines, CR LF after each.
std::string RecordLines(const RecordFields& fields);

} // namespace pelorin::hamlog::testing
