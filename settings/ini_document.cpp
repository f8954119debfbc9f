#include "settings/ini_document.h"

#include "text/hex_digit.h"
#include "text/number_text.h"
#include "text/trim.h"

#include <limits>

namespace pelorin::settings {
namespace {

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Only ASCII letters fold: a trail byte of a double-byte character that
// happens to be a letter's code must still compare exactly, so fold pairs.
bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto c = static_cast<unsigned char>(a[i]);
        if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1]))
                return false;
            ++i;
            continue;
        }
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view t = text::TrimLeft(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    const std::size_t close = t.find(']');
    const std::string_view inner =
        close == std::string_view::npos ? t.substr(1) : t.substr(1, close - 1);
    return text::Trim(inner);
}

bool IsComment(std::string_view line) {
    const std::string_view t = text::TrimLeft(line);
    return !t.empty() && t.front() == ';';
}

// The key of a "key=value" line; nothing for comments and lines without "=".
std::optional<std::string_view> KeyName(std::string_view line) {
    if (IsComment(line))
        return std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return text::Trim(line.substr(0, eq));
}

std::string_view RawValue(std::string_view line) {
    return line.substr(line.find('=') + 1);
}

std::string_view DropQuotes(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

} // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    std::int64_t value = 0;
    const std::string_view rest = t.substr(i);
    if (!rest.empty() &&
        (rest.front() == '$' || rest.starts_with("0x") || rest.starts_with("0X"))) {
        // Hexadecimal covers the whole 32 bits, as "$FFFFFFFF" for -1.
        const std::string_view digits = rest.substr(rest.front() == '$' ? 1 : 2);
        if (digits.empty() || digits.size() > 8)
            return std::nullopt;
        for (char c : digits) {
            const int d = text::HexDigitValue(c);
            if (d < 0)
                return std::nullopt;
            value = value * 16 + d;
        }
        auto bits = static_cast<std::uint32_t>(value);
        if (negative)
            bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }
    if (rest.empty() || rest.size() > 10)
        return std::nullopt;
    for (char c : rest) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

IniDocument IniDocument::Parse(std::string_view content) {
    IniDocument doc;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        doc.lines_.emplace_back(line);
        start = end + 1;
    }
    return doc;
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::optional<IniDocument::Span> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (!name || !NamesEqual(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end]))
            ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Span& span, std::string_view key) const {
    for (std::size_t i = span.begin + 1; i < span.end; ++i) {
        const auto name = KeyName(lines_[i]);
        if (name && NamesEqual(*name, key))
            return i;
    }
    return std::nullopt;
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    const auto span = FindSection(section);
    if (!span)
        return std::string(fallback);
    const auto line = FindKey(*span, key);
    if (!line)
        return std::string(fallback);
    return std::string(DropQuotes(text::Trim(RawValue(lines_[*line]))));
}

std::int32_t IniDocument::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t fallback) const {
    // A missing key reads as empty, which is no number either.
    return ParseIniInteger(ReadString(section, key, "")).value_or(fallback);
}

void IniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    std::string line(key);
    line += '=';
    for (char c : value)
        line += (c == '\r' || c == '\n') ? ' ' : c;

    const auto span = FindSection(section);
    if (!span) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    if (const auto at = FindKey(*span, key)) {
        lines_[*at] = std::move(line);
        return;
    }
    // After the section's last non-blank line, so the blank lines that
    // usually separate it from the next section stay where they are.
    std::size_t insertAt = span->end;
    while (insertAt > span->begin + 1 && text::Trim(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void IniDocument::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, text::FormatInt(value));
}

} // namespace pelorin::settings
