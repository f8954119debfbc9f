#include "hamlog/record_mapping.h"

#include "hamlog/half_width.h"
#include "text/number_text.h"
#include "text/search.h"
#include "text/trim.h"

namespace pelorin::hamlog {

namespace {

char FoldAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (text::IsCp932LeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            // A double-byte character compares exactly, both of its bytes.
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string TrimmedField(const RecordFields& row, RecordField field) {
    return std::string(text::Trim(row[field]));
}

} // namespace

std::string FrequencyKhzText(std::string_view mhz) {
    return text::FormatFixed1(text::ReadDouble(mhz) * 1000 + 0.00001);
}

int FindModeIndex(std::string_view mode, std::span<const std::string> modeItems) {
    for (std::size_t i = 0; i < modeItems.size(); ++i)
        if (EqualIgnoringAsciiCase(mode, modeItems[i]))
            return static_cast<int>(i);
    return 0;
}

PickedRecord MapPickedRecord(const std::optional<RecordFields>& row, RemarkChoice remarkChoice,
                             std::span<const std::string> modeItems) {
    PickedRecord picked;
    if (!row)
        return picked;
    picked.taken = true;
    picked.callsign = TrimmedField(*row, kFieldCall);
    picked.hamlogFreqText = TrimmedField(*row, kFieldFreq);
    picked.hamlogModeText = TrimmedField(*row, kFieldMode);
    picked.frequencyText = FrequencyKhzText(picked.hamlogFreqText);
    picked.modeIndex = FindModeIndex(picked.hamlogModeText, modeItems);

    std::string remark;
    if (remarkChoice == RemarkChoice::kRemarks1)
        remark = TrimmedField(*row, kFieldRemarks1);
    else if (remarkChoice == RemarkChoice::kRemarks2)
        remark = TrimmedField(*row, kFieldRemarks2);
    PlaceAndComment derived =
        DerivePlaceAndComment(ToHalfWidth(remark), TrimmedField(*row, kFieldCode));
    picked.qth = std::move(derived.qth);
    picked.comment = std::move(derived.comment);
    picked.outcome = derived.outcome;
    return picked;
}

} // namespace pelorin::hamlog
