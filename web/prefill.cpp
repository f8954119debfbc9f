#include "web/prefill.h"

#include "text/cp932_codec.h"
#include "text/trim.h"
#include "web/html_escape.h"

namespace pelorin::web {

namespace {

using text::Encoding;

// The texts the rewrite searches for and inserts, in one encoding.
struct PageTexts {
    std::string callsignMarker;
    std::string frequencyMarker;
};

PageTexts MakeTexts(Encoding encoding) {
    auto convert = [encoding](std::string_view utf8) {
        return encoding == Encoding::Cp932 ? text::Utf8ToCp932(utf8) : std::string(utf8);
    };
    return {convert(">　ＪＡ局限定<"), convert(">　kHz<")};
}

const PageTexts& TextsFor(Encoding encoding) {
    static const PageTexts utf8 = MakeTexts(Encoding::Utf8);
    static const PageTexts cp932 = MakeTexts(Encoding::Cp932);
    return encoding == Encoding::Cp932 ? cp932 : utf8;
}

// The rest is ASCII and reads the same in both encodings.
constexpr std::string_view kValueOpening = " value=\"";
constexpr std::string_view kValueClosing = "\"";
constexpr std::string_view kSelection = " selected";
constexpr std::string_view kUnconfirmedStyle = " style=\"background:yellow\"";
constexpr std::string_view kConfirmedStyle = " style=\"background:#3fff3f\"";
constexpr std::string_view kLocationMarker = "name=QTH";
constexpr std::string_view kCommentMarker = "name=Comments";
constexpr std::string_view kPasswordMarker = "name=Password";
constexpr std::string_view kReporterLocation = "name=QTHFrom";
constexpr std::string_view kReporterShield = "name=***From";

// Applies replace-all steps one after the other. Two buffers take turns so
// that a step without a match costs no copy and a large page is not
// allocated anew for every step.
class Rewrite {
public:
    Rewrite(std::string_view page, Encoding encoding) : view_(page), encoding_(encoding) {}

    void Step(std::string_view search, std::string_view replacement) {
        if (text::ReplaceAllInto(view_, search, replacement, spare_, encoding_)) {
            current_.swap(spare_);
            view_ = current_;
            rewritten_ = true;
        }
    }

    std::string Result() && { return rewritten_ ? std::move(current_) : std::string(view_); }

private:
    bool rewritten_ = false;
    std::string_view view_;
    std::string current_;
    std::string spare_;
    Encoding encoding_;
};

std::string_view StyleOf(const SpotEntry& entry) {
    return entry.confirmed ? kConfirmedStyle : kUnconfirmedStyle;
}

std::string ValueAttribute(std::string_view value) {
    std::string out(kValueOpening);
    out += EscapeAttributeValue(value);
    out += kValueClosing;
    return out;
}

template <typename... Pieces> std::string Join(const Pieces&... pieces) {
    std::string out;
    (out.append(pieces), ...);
    return out;
}

// A value attribute and a style placed before the ">" that ends an input.
void FillBefore(Rewrite& rewrite, std::string_view marker, const SpotEntry& entry) {
    const std::string_view value = text::Trim(entry.value);
    if (!value.empty())
        rewrite.Step(marker, Join(ValueAttribute(value), marker));
    rewrite.Step(marker, Join(StyleOf(entry), marker));
}

// A value attribute after the name attribute, a style before it.
void FillAfterName(Rewrite& rewrite, std::string_view marker, const SpotEntry& entry) {
    const std::string_view value = text::Trim(entry.value);
    if (!value.empty())
        rewrite.Step(marker, Join(marker, ValueAttribute(value)));
    rewrite.Step(marker, Join(StyleOf(entry), marker));
}

// Selects the option whose text is the value. No selection, no steps.
void SelectOption(Rewrite& rewrite, const SpotEntry& entry) {
    const std::string_view value = text::Trim(entry.value);
    if (value.empty())
        return;
    // The page holds the option text as the browser serialises it.
    const std::string marker =
        Join(std::string_view(">"), EscapeElementText(value), std::string_view("<"));
    rewrite.Step(marker, Join(kSelection, marker));
    rewrite.Step(marker, Join(StyleOf(entry), marker));
}

} // namespace

std::string PrefillPostingPage(std::string_view page, const SpotSnapshot& spot,
                               text::Encoding encoding) {
    const PageTexts& texts = TextsFor(encoding);
    Rewrite rewrite(page, encoding);
    FillBefore(rewrite, texts.callsignMarker, spot.callsign);
    FillBefore(rewrite, texts.frequencyMarker, spot.frequency);
    SelectOption(rewrite, spot.operatingStyle);
    SelectOption(rewrite, spot.mode);
    // The reporter's own location begins with the location marker.
    rewrite.Step(kReporterLocation, kReporterShield);
    FillAfterName(rewrite, kLocationMarker, spot.location);
    rewrite.Step(kReporterShield, kReporterLocation);
    FillAfterName(rewrite, kCommentMarker, spot.comment);
    FillAfterName(rewrite, kPasswordMarker, spot.password);
    return std::move(rewrite).Result();
}

} // namespace pelorin::web
