#include "hamlog/transport/bridge_protocol.h"

#include "text/hex_digit.h"

#include <charconv>
#include <vector>

namespace pelorin::hamlog::bridge {
namespace {

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = line.find(' ', start);
        words.push_back(
            line.substr(start, end == std::string_view::npos ? line.npos : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return words;
}

template <typename Int> std::optional<Int> ParseNumber(std::string_view word) {
    Int value{};
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (word.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

// Byte fields that must be present (class name, title, request data).
std::optional<std::string> ParseTextField(std::string_view field) {
    auto parsed = ParseHexField(field);
    if (!parsed) {
        return std::nullopt;
    }
    return parsed->value_or(std::string());
}

} // namespace

std::string HexField(const std::optional<std::string>& bytes) {
    if (!bytes) {
        return "-";
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(1 + 2 * bytes->size());
    out.push_back('x');
    for (const unsigned char b : *bytes) {
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0x0F]);
    }
    return out;
}

std::optional<std::optional<std::string>> ParseHexField(std::string_view field) {
    if (field == "-") {
        return std::optional<std::string>();
    }
    if (field.empty() || field[0] != 'x' || field.size() % 2 != 1) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(field.size() / 2);
    for (std::size_t i = 1; i < field.size(); i += 2) {
        const int high = text::HexDigitValue(field[i]);
        const int low = text::HexDigitValue(field[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return std::optional<std::string>(std::move(bytes));
}

std::string FormatWindowLine(const WindowInfo& window) {
    return "WINDOW " + std::to_string(window.handle) + " " + HexField(window.className) + " " +
           HexField(window.title);
}

std::optional<WindowInfo> ParseWindowLine(std::string_view line) {
    const auto words = SplitWords(line);
    if (words.size() != 4 || words[0] != "WINDOW") {
        return std::nullopt;
    }
    const auto handle = ParseNumber<WindowHandle>(words[1]);
    auto className = ParseTextField(words[2]);
    auto title = ParseTextField(words[3]);
    if (!handle || !className || !title) {
        return std::nullopt;
    }
    return WindowInfo{*handle, std::move(*className), std::move(*title)};
}

std::string FormatSendRequest(const SendRequest& request) {
    return "SEND " + std::to_string(request.window) + " " + std::to_string(request.code) + " " +
           std::to_string(request.timeout.count()) + " " + HexField(request.data);
}

std::optional<SendRequest> ParseSendRequest(std::string_view line) {
    const auto words = SplitWords(line);
    if (words.size() != 5 || words[0] != "SEND") {
        return std::nullopt;
    }
    const auto window = ParseNumber<WindowHandle>(words[1]);
    const auto code = ParseNumber<std::uint32_t>(words[2]);
    const auto timeout = ParseNumber<std::uint32_t>(words[3]);
    auto data = ParseTextField(words[4]);
    if (!window || !code || !timeout || !data) {
        return std::nullopt;
    }
    return SendRequest{*window, *code, std::chrono::milliseconds(*timeout), std::move(*data)};
}

std::string FormatSendResult(const SendResult& result) {
    return "RESULT " + std::to_string(result.result) + (result.timedOut ? " 1 " : " 0 ") +
           HexField(result.reply);
}

std::optional<SendResult> ParseSendResult(std::string_view line) {
    const auto words = SplitWords(line);
    if (words.size() != 4 || words[0] != "RESULT" || (words[2] != "0" && words[2] != "1")) {
        return std::nullopt;
    }
    const auto value = ParseNumber<std::int64_t>(words[1]);
    auto reply = ParseHexField(words[3]);
    if (!value || !reply) {
        return std::nullopt;
    }
    return SendResult{*value, words[2] == "1", std::move(*reply)};
}

} // namespace pelorin::hamlog::bridge
