#include "web/html_escape.h"

namespace pelorin::web {

namespace {

// The character reference for `c`, or an empty text when it stays as it is.
std::string_view ReferenceFor(char c, bool attribute) {
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return attribute ? "&quot;" : "";
    case '=':
        return attribute ? "&#61;" : "";
    default:
        return {};
    }
}

std::string Escape(std::string_view value, bool attribute) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        const std::string_view reference = ReferenceFor(c, attribute);
        if (reference.empty())
            out += c;
        else
            out += reference;
    }
    return out;
}

} // namespace

std::string EscapeAttributeValue(std::string_view value) {
    return Escape(value, /*attribute=*/true);
}

std::string EscapeElementText(std::string_view value) {
    return Escape(value, /*attribute=*/false);
}

} // namespace pelorin::web
