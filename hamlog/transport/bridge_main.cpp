// The Hamlog bridge: runs the Win32 transport under Wine for the Linux
// program, which drives it over stdin and stdout (see bridge_protocol.h).

#include "hamlog/transport/bridge_protocol.h"
#include "hamlog/transport/win32_hamlog_port.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

constexpr std::size_t kMaxRequestLine = 1 << 20;

// Reads one line without its "\n" (and a "\r" before it). False at the end of
// input. Overlong lines are read to their end and reported as empty.
bool ReadRequestLine(std::string& line) {
    line.clear();
    bool overlong = false;
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n') {
        if (line.size() < kMaxRequestLine) {
            line.push_back(static_cast<char>(c));
        } else {
            overlong = true;
        }
    }
    if (c == EOF && line.empty()) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (overlong) {
        line = "(overlong)";
    }
    return true;
}

void Answer(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int main() {
    namespace bridge = pelorin::hamlog::bridge;
    // The protocol is bytes: no "\r\n" translation by the C runtime.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);

    pelorin::hamlog::Win32HamlogPort port;
    Answer(std::string(bridge::kGreeting));
    std::fflush(stdout);

    std::string line;
    while (ReadRequestLine(line)) {
        if (line == "QUIT") {
            break;
        }
        if (line == "LIST") {
            port.EnumerateWindows([](const pelorin::hamlog::WindowInfo& window) {
                Answer(bridge::FormatWindowLine(window));
                return true;
            });
            Answer("END");
        } else if (const auto request = bridge::ParseSendRequest(line)) {
            Answer(bridge::FormatSendResult(
                port.Send(request->window, request->code, request->data, request->timeout)));
        } else {
            Answer("ERROR unknown request");
        }
        std::fflush(stdout);
    }
    return 0;
}
