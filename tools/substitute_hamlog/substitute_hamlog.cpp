// A stand-in for Hamlog in tests: one top-level window of class "TThwin"
// that answers the WM_COPYDATA requests from a scenario file.
//
//   substitute_hamlog.exe --title <text> --scenario <file> [--log <file>]
//                         [--class <name>]
//
// The title takes the same escapes as scenario texts, so code page 932 bytes
// pass through any command line. Scenario file, one rule a line ('#' starts a
// comment line; a later rule for the same request wins):
//
//   <request> [result=<n>] [noreply] [hang=<ms>] [after=<ms>] [text=<text>]
//
// <request> is input, selected, count, record:<number text> or record:* (any
// other number). The reply is <text> (to the end of the line, escapes \r \n
// \t \\ \xHH, "{n}" stands for the record number asked for), sent by
// WM_COPYDATA to the request's wParam window before the handler returns
// <n> (default 1). result=0 leaves the request unhandled: no reply. noreply
// handles it without a reply. hang sleeps before anything (no messages are
// pumped meanwhile), after sleeps between the reply and the return. Requests
// without a rule are left unhandled.
//
// The log gets "READY <window handle>" once the window exists, then one
// "REQUEST code=<hex> cb=<cbData> data=<escaped bytes>" line per request.

#include "tools/substitute_hamlog/scenario_text.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

struct Rule {
    long long result = 1;
    bool reply = true;
    DWORD hangMs = 0;
    DWORD afterMs = 0;
    std::string text;
};

struct State {
    std::map<std::string, Rule> rules;
    FILE* log = nullptr;
};

State state;

std::string_view StripLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

bool LoadScenario(const char* path) {
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    std::string content;
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        content.append(chunk, got);
    }
    std::fclose(file);

    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        std::string_view line = StripLineEnd(std::string_view(content).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t textAt = line.find(" text=");
        std::string_view head = line.substr(0, textAt);
        Rule rule;
        if (textAt != std::string_view::npos) {
            rule.text = pelorin::tools::UnescapeScenarioText(line.substr(textAt + 6));
        }
        std::string request;
        while (!head.empty()) {
            const std::size_t space = head.find(' ');
            const std::string word(head.substr(0, space));
            head = space == std::string_view::npos ? std::string_view() : head.substr(space + 1);
            if (word.empty()) {
                continue;
            }
            if (request.empty()) {
                request = word;
            } else if (word.rfind("result=", 0) == 0) {
                rule.result = std::strtoll(word.c_str() + 7, nullptr, 10);
            } else if (word == "noreply") {
                rule.reply = false;
            } else if (word.rfind("hang=", 0) == 0) {
                rule.hangMs = static_cast<DWORD>(std::strtoul(word.c_str() + 5, nullptr, 10));
            } else if (word.rfind("after=", 0) == 0) {
                rule.afterMs = static_cast<DWORD>(std::strtoul(word.c_str() + 6, nullptr, 10));
            }
        }
        if (!request.empty()) {
            state.rules[request] = rule;
        }
    }
    return true;
}

void Log(const std::string& line) {
    if (state.log != nullptr) {
        std::fprintf(state.log, "%s\n", line.c_str());
        std::fflush(state.log);
    }
}

std::string RuleKey(ULONG_PTR code, std::string_view data) {
    switch (code) {
    case 0x100073:
        return "input";
    case 0x100076:
        return "selected";
    case 0x100074:
        return "count";
    case 0x100077:
        return "record:" + std::string(data);
    default:
        return {};
    }
}

const Rule* FindRule(ULONG_PTR code, std::string_view data) {
    auto found = state.rules.find(RuleKey(code, data));
    if (found == state.rules.end() && code == 0x100077) {
        found = state.rules.find("record:*");
    }
    return found == state.rules.end() ? nullptr : &found->second;
}

std::string ReplaceNumber(std::string text, std::string_view number) {
    for (std::size_t at = text.find("{n}"); at != std::string::npos;
         at = text.find("{n}", at + number.size())) {
        text.replace(at, 3, number);
    }
    return text;
}

LRESULT Answer(HWND self, HWND replyTo, const COPYDATASTRUCT* request) {
    const std::string_view data =
        request->lpData != nullptr
            ? std::string_view(static_cast<const char*>(request->lpData), request->cbData)
            : std::string_view();
    char head[64];
    std::snprintf(head, sizeof head, "REQUEST code=0x%llx cb=%lu data=",
                  static_cast<unsigned long long>(request->dwData),
                  static_cast<unsigned long>(request->cbData));
    Log(head + pelorin::tools::EscapeScenarioText(data));

    const Rule* rule = FindRule(request->dwData, data);
    if (rule == nullptr) {
        return 0;
    }
    if (rule->hangMs > 0) {
        Sleep(rule->hangMs);
    }
    if (rule->result == 0) {
        return 0;
    }
    if (rule->reply) {
        std::string text = ReplaceNumber(rule->text, data);
        COPYDATASTRUCT reply{};
        reply.cbData = static_cast<DWORD>(text.size());
        reply.lpData = text.empty() ? nullptr : text.data();
        SendMessageA(replyTo, WM_COPYDATA, reinterpret_cast<WPARAM>(self),
                     reinterpret_cast<LPARAM>(&reply));
    }
    if (rule->afterMs > 0) {
        Sleep(rule->afterMs);
    }
    return static_cast<LRESULT>(rule->result);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COPYDATA:
        return Answer(hwnd, reinterpret_cast<HWND>(wParam),
                      reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

std::wstring FromCp932(const std::string& bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) {
        MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), size);
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    std::string title = "Hamlog";
    std::string className = "TThwin";
    const char* scenario = nullptr;
    const char* logPath = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--title") {
            title = pelorin::tools::UnescapeScenarioText(argv[i + 1]);
        } else if (option == "--class") {
            className = pelorin::tools::UnescapeScenarioText(argv[i + 1]);
        } else if (option == "--scenario") {
            scenario = argv[i + 1];
        } else if (option == "--log") {
            logPath = argv[i + 1];
        } else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (scenario != nullptr && !LoadScenario(scenario)) {
        std::fprintf(stderr, "cannot read the scenario %s\n", scenario);
        return 2;
    }
    if (logPath != nullptr && (state.log = std::fopen(logPath, "ab")) == nullptr) {
        std::fprintf(stderr, "cannot write the log %s\n", logPath);
        return 2;
    }

    const std::wstring wideClass = FromCp932(className);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = wideClass.c_str();
    if (RegisterClassExW(&wc) == 0) {
        std::fprintf(stderr, "RegisterClassEx failed: %lu\n", GetLastError());
        return 3;
    }
    HWND hwnd = CreateWindowExW(0, wideClass.c_str(), FromCp932(title).c_str(), WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr, nullptr,
                                wc.hInstance, nullptr);
    if (hwnd == nullptr) {
        std::fprintf(stderr, "CreateWindowEx failed: %lu\n", GetLastError());
        return 3;
    }
    Log("READY " + std::to_string(reinterpret_cast<std::uintptr_t>(hwnd)));

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
