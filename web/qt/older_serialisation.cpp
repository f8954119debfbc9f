#include "web/qt/older_serialisation.h"

#include <algorithm>
#include <array>

namespace pelorin::browser {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsPlainValueChar(char c) {
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' ||
           c == ':';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

// Elements whose text the serialiser writes unescaped: a "<" inside them does
// not start a tag.
bool HoldsRawText(std::string_view tag) {
    static constexpr std::array<std::string_view, 8> kRaw = {
        "script", "style", "xmp", "iframe", "noembed", "noframes", "noscript", "plaintext"};
    return std::any_of(kRaw.begin(), kRaw.end(),
                       [tag](std::string_view raw) { return EqualsIgnoringCase(tag, raw); });
}

// Position of the first "</tag" (any case) at or after `from`, or the end.
std::size_t FindEndTag(std::string_view html, std::string_view tag, std::size_t from) {
    for (std::size_t pos = html.find("</", from); pos != std::string_view::npos;
         pos = html.find("</", pos + 2)) {
        if (EqualsIgnoringCase(html.substr(pos + 2, tag.size()), tag))
            return pos;
    }
    return html.size();
}

class Normaliser {
public:
    explicit Normaliser(std::string_view html) : html_(html) { out_.reserve(html.size()); }

    std::string Run() {
        while (pos_ < html_.size()) {
            const std::size_t lt = html_.find('<', pos_);
            CopyUpTo(lt == std::string_view::npos ? html_.size() : lt);
            if (pos_ >= html_.size())
                break;
            if (html_.substr(pos_, 4) == "<!--")
                CopyPast("-->", pos_ + 4);
            else if (pos_ + 1 < html_.size() && IsAsciiLetter(html_[pos_ + 1]))
                StartTag();
            else
                CopyUpTo(pos_ + 1);
        }
        return std::move(out_);
    }

private:
    void CopyUpTo(std::size_t end) {
        out_.append(html_.substr(pos_, end - pos_));
        pos_ = end;
    }

    void CopyPast(std::string_view terminator, std::size_t searchFrom) {
        const std::size_t found = html_.find(terminator, searchFrom);
        CopyUpTo(found == std::string_view::npos ? html_.size() : found + terminator.size());
    }

    void StartTag() {
        const std::size_t nameStart = pos_ + 1;
        std::size_t i = nameStart;
        while (i < html_.size() && !IsSpace(html_[i]) && html_[i] != '>' && html_[i] != '/')
            ++i;
        const std::string_view tag = html_.substr(nameStart, i - nameStart);
        CopyUpTo(i);
        if (!Attributes())
            return; // the text ended inside the tag
        if (HoldsRawText(tag))
            CopyUpTo(FindEndTag(html_, tag, pos_));
    }

    // Copies the attributes and the closing ">"; false when the text ends first.
    bool Attributes() {
        while (pos_ < html_.size()) {
            const char c = html_[pos_];
            if (c == '>') {
                CopyUpTo(pos_ + 1);
                return true;
            }
            if (c == '"' || c == '\'') {
                CopyQuoted(); // stray quote: keep its span whole
                continue;
            }
            if (c != '=') {
                CopyUpTo(pos_ + 1);
                continue;
            }
            CopyUpTo(pos_ + 1);
            if (pos_ < html_.size() && html_[pos_] == '"')
                QuotedValue();
        }
        return false;
    }

    void QuotedValue() {
        const std::size_t close = html_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            CopyUpTo(html_.size());
            return;
        }
        const std::string_view value = html_.substr(pos_ + 1, close - pos_ - 1);
        if (!value.empty() && std::all_of(value.begin(), value.end(), IsPlainValueChar))
            out_.append(value);
        else
            out_.append(html_.substr(pos_, close + 1 - pos_));
        pos_ = close + 1;
    }

    void CopyQuoted() {
        const std::size_t close = html_.find(html_[pos_], pos_ + 1);
        CopyUpTo(close == std::string_view::npos ? html_.size() : close + 1);
    }

    std::string_view html_;
    std::size_t pos_ = 0;
    std::string out_;
};

} // namespace

std::string ToOlderSerialisation(std::string_view html) {
    return Normaliser(html).Run();
}

} // namespace pelorin::browser
