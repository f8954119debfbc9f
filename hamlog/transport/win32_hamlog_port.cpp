#include "hamlog/transport/win32_hamlog_port.h"

#include "hamlog/hamlog_protocol.h"

#include <climits>
#include <memory>
#include <vector>
#include <windows.h>

namespace pelorin::hamlog {
namespace {

// Texts of window names are code page 932 bytes whatever the system's ANSI
// code page is (under Wine it follows the Unix locale), so names are read as
// UTF-16 and converted explicitly; on a Japanese system this equals the A calls.
constexpr UINT kTextCodePage = 932;
constexpr int kNameLimit = 1023; // characters including the terminating NUL

std::string ToCp932(const wchar_t* text, int length) {
    if (length <= 0) {
        return {};
    }
    const int size =
        WideCharToMultiByte(kTextCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(kTextCodePage, 0, text, length, out.data(), size, nullptr, nullptr);
    }
    return out;
}

std::string ClassNameOf(HWND hwnd) {
    wchar_t buffer[1024];
    const int length = GetClassNameW(hwnd, buffer, kNameLimit);
    return length > 0 ? ToCp932(buffer, length) : std::string();
}

std::string TitleOf(HWND hwnd) {
    wchar_t buffer[1024];
    int length = GetWindowTextW(hwnd, buffer, kNameLimit);
    std::string title = ToCp932(buffer, length);
    // Keep the byte limit of the A call without cutting a double-byte character.
    while (title.size() > kMaxTitleBytes && length > 0) {
        title = ToCp932(buffer, --length);
    }
    return title;
}

BOOL CALLBACK CollectHandle(HWND hwnd, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(hwnd);
    return TRUE;
}

// The wParam window of our requests. It keeps the bytes of the last
// WM_COPYDATA that reached it.
struct ReplyWindow {
    HWND hwnd = nullptr;
    std::optional<std::string> lastReply;

    ReplyWindow() = default;
    ReplyWindow(const ReplyWindow&) = delete;
    ReplyWindow& operator=(const ReplyWindow&) = delete;
    ~ReplyWindow() {
        if (hwnd != nullptr) {
            DestroyWindow(hwnd);
        }
    }
};

LRESULT CALLBACK ReplyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        auto* self = reinterpret_cast<ReplyWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (self != nullptr && copy != nullptr) {
            const char* bytes = static_cast<const char*>(copy->lpData);
            self->lastReply.emplace(bytes != nullptr ? bytes : "",
                                    bytes != nullptr ? copy->cbData : 0);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

const wchar_t kReplyClassName[] = L"PelorinHamlogReply";

bool RegisterReplyClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ReplyWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kReplyClassName;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

// Sent messages reach a window only while its own thread waits in a send, so
// each sending thread owns its reply window; it dies with the thread.
thread_local std::unique_ptr<ReplyWindow> threadReplyWindow;

ReplyWindow* CurrentReplyWindow() {
    if (threadReplyWindow) {
        return threadReplyWindow.get();
    }
    if (!RegisterReplyClass()) {
        return nullptr;
    }
    auto window = std::make_unique<ReplyWindow>();
    window->hwnd = CreateWindowExW(0, kReplyClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    if (window->hwnd == nullptr) {
        return nullptr;
    }
    SetWindowLongPtrW(window->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window.get()));
    threadReplyWindow = std::move(window);
    return threadReplyWindow.get();
}

} // namespace

void Win32HamlogPort::EnumerateWindows(const std::function<bool(const WindowInfo&)>& visit) {
    // Collect first so that `visit` never runs inside the system's callback.
    std::vector<HWND> handles;
    EnumWindows(CollectHandle, reinterpret_cast<LPARAM>(&handles));
    for (HWND hwnd : handles) {
        const WindowInfo info{reinterpret_cast<std::uintptr_t>(hwnd), ClassNameOf(hwnd),
                              TitleOf(hwnd)};
        if (!visit(info)) {
            break;
        }
    }
}

SendResult Win32HamlogPort::Send(WindowHandle window, std::uint32_t code, std::string_view data,
                                 std::chrono::milliseconds timeout) {
    SendResult out;
    ReplyWindow* replyWindow = CurrentReplyWindow();
    if (replyWindow == nullptr) {
        return out;
    }
    replyWindow->lastReply.reset();

    COPYDATASTRUCT copy{};
    copy.dwData = code;
    copy.cbData = static_cast<DWORD>(data.size());
    copy.lpData = data.empty() ? nullptr : const_cast<char*>(data.data());
    const auto ms = timeout.count() < 0 ? 0 : timeout.count();
    const UINT limit = ms >= UINT_MAX ? UINT_MAX - 1 : static_cast<UINT>(ms);

    DWORD_PTR answer = 0;
    SetLastError(0);
    // Never SMTO_BLOCK: it would keep the nested reply from being delivered.
    const LRESULT sent = SendMessageTimeoutA(
        reinterpret_cast<HWND>(window), WM_COPYDATA, reinterpret_cast<WPARAM>(replyWindow->hwnd),
        reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL | SMTO_ABORTIFHUNG, limit, &answer);
    const DWORD error = GetLastError();
    out.reply = std::move(replyWindow->lastReply);
    replyWindow->lastReply.reset();
    if (sent != 0) {
        out.result = static_cast<std::int64_t>(answer);
        return out;
    }
    out.timedOut = error == ERROR_TIMEOUT;
    // The peer may still answer this request later; a fresh reply window for
    // the next send keeps that late reply from passing for the next answer.
    threadReplyWindow.reset();
    return out;
}

} // namespace pelorin::hamlog
