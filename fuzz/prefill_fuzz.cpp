// PrefillPostingPage against the 16 steps written out plainly.

#include "fuzz/fuzz_input.h"
#include "web/prefill.h"

#include <array>
#include <cstdlib>

using namespace pelorin;

namespace {

struct Markers {
    std::string callsign;
    std::string frequency;
};

const Markers kUtf8 = {">　ＪＡ局限定<", ">　kHz<"};
const Markers kCp932 = {"\x3E\x81\x40\x82\x69\x82\x60\x8B\xC7\x8C\xC0\x92\xE8\x3C",
                        "\x3E\x81\x40\x6B\x48\x7A\x3C"};

// Low control bytes of the input stand for the texts the steps look for,
// so that the fuzzer meets them often.
std::string Expand(const std::string& raw, const Markers& markers) {
    const std::array<std::string, 9> fragments = {
        markers.callsign, markers.frequency, "name=QTH", "name=QTHFrom", "name=***From",
        "name=Comments",  "name=Password",   ">CW<",     "\x83\x6E"};
    std::string out;
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 1 && b <= fragments.size())
            out += fragments[b - 1];
        else
            out += c;
    }
    return out;
}

std::string Trimmed(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20)
        --e;
    return s.substr(b, e - b);
}

std::string Escaped(const std::string& s, bool attribute) {
    std::string out;
    for (const char c : s) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (attribute && c == '"')
            out += "&quot;";
        else if (attribute && c == '=')
            out += "&#61;";
        else
            out += c;
    }
    return out;
}

std::string Plain(std::string page, const web::SpotSnapshot& spot, bool cp932) {
    const Markers& m = cp932 ? kCp932 : kUtf8;
    auto step = [&](const std::string& search, const std::string& replacement) {
        page = fuzz::PlainReplaceAll(page, search, replacement, cp932);
    };
    auto style = [](const web::SpotEntry& e) -> std::string {
        return e.confirmed ? " style=\"background:#3fff3f\"" : " style=\"background:yellow\"";
    };
    auto value = [](const web::SpotEntry& e) {
        return " value=\"" + Escaped(Trimmed(e.value), true) + "\"";
    };
    auto before = [&](const std::string& marker, const web::SpotEntry& e) {
        if (!Trimmed(e.value).empty())
            step(marker, value(e) + marker);
        step(marker, style(e) + marker);
    };
    auto after = [&](const std::string& marker, const web::SpotEntry& e) {
        if (!Trimmed(e.value).empty())
            step(marker, marker + value(e));
        step(marker, style(e) + marker);
    };
    auto option = [&](const web::SpotEntry& e) {
        if (Trimmed(e.value).empty())
            return;
        const std::string marker = ">" + Escaped(Trimmed(e.value), false) + "<";
        step(marker, " selected" + marker);
        step(marker, style(e) + marker);
    };
    before(m.callsign, spot.callsign);
    before(m.frequency, spot.frequency);
    option(spot.operatingStyle);
    option(spot.mode);
    step("name=QTHFrom", "name=***From");
    after("name=QTH", spot.location);
    step("name=***From", "name=QTHFrom");
    after("name=Comments", spot.comment);
    after("name=Password", spot.password);
    return page;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t flags = in.Byte();
    const bool cp932 = flags & 0x80;
    const Markers& markers = cp932 ? kCp932 : kUtf8;
    const std::string page = Expand(in.Text(), markers);
    web::SpotSnapshot spot;
    int bit = 0;
    for (auto* e : {&spot.callsign, &spot.frequency, &spot.operatingStyle, &spot.mode,
                    &spot.location, &spot.comment, &spot.password}) {
        e->value = Expand(in.Text(), markers);
        e->confirmed = flags & (1 << bit++);
    }
    const auto encoding = cp932 ? text::Encoding::Cp932 : text::Encoding::Utf8;
    if (web::PrefillPostingPage(page, spot, encoding) != Plain(page, spot, cp932))
        std::abort();
    return 0;
}
