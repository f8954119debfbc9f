#include "web/search_address.h"

#include "text/search.h"
#include "text/trim.h"

namespace pelorin::web {

namespace {

constexpr std::string_view kPath = "/kumovi/search.asp?CallSignTo=";
constexpr std::string_view kQueryAfterCallsign =
    "*&Band=ALL&OperationMode=0&Mode=0&QTH=&CallSignFrom=&DisplayLines=25&StartDate=&EndDate="
    "&Menu=Find";

bool KeptVerbatim(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

void AppendPercentEncoded(std::string& out, std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (KeptVerbatim(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
}

} // namespace

std::optional<std::string> SearchAddress(std::string_view baseAddress,
                                         std::string_view callsignField) {
    std::string_view callsign = text::Trim(callsignField);
    if (callsign.empty())
        return std::nullopt;
    // A portable or mobile suffix is not part of the station searched for.
    const std::size_t slash = text::Find(callsign, "/");
    if (slash != std::string_view::npos && slash >= 1)
        callsign = callsign.substr(0, slash);

    std::string_view base = text::Trim(baseAddress);
    while (!base.empty() && base.back() == '/')
        base.remove_suffix(1);
    std::string address(base);
    address += kPath;
    AppendPercentEncoded(address, callsign);
    address += kQueryAfterCallsign;
    return address;
}

} // namespace pelorin::web
