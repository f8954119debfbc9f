#include "hamlog/hamlog_protocol.h"

#include "text/cp932_codec.h"
#include "text/crlf_lines.h"
#include "text/number_text.h"
#include "text/search.h"
#include "text/trim.h"

namespace pelorin::hamlog {

std::string RecordNumberText(std::int64_t number) {
    return text::FormatInt(number);
}

std::string ReceiveReply(const std::optional<std::string>& bytes) {
    if (!bytes || bytes->size() > kMaxReplyBytes)
        return {};
    const std::size_t nul = bytes->find('\0');
    return nul == std::string::npos ? *bytes : bytes->substr(0, nul);
}

std::size_t StartLine(std::uint32_t requestCode, bool oldVersion) {
    const bool layoutFollowsVersion =
        requestCode == kHamlogReqSelected || requestCode == kHamlogReqRecord;
    return layoutFollowsVersion && oldVersion ? 0 : 1;
}

RecordFields ReadRecordFields(std::string_view reply, std::size_t startLine) {
    const text::CrLfLines lines(reply);
    RecordFields fields;
    for (std::size_t k = 0; k < kRecordFieldCount; ++k)
        fields[k] = std::string(text::Trim(lines.Line(startLine + k)));
    return fields;
}

std::int32_t ExtractRecordCount(std::string_view reply) {
    constexpr std::size_t kSkipped = 6;
    const text::CrLfLines lines(reply);
    const std::string_view first = text::Trim(lines.Line(0));
    if (first.size() <= kSkipped || reply.size() <= kSkipped)
        return 0;
    return text::ReadLong(first.substr(kSkipped, reply.size() - kSkipped));
}

bool IsOldVersion(std::string_view title, std::string_view oldVersionList) {
    const std::string prepared =
        text::ReplaceAll(std::string(oldVersionList) + "\r\n", ",", "\r\n");
    const text::CrLfLines lines(prepared);
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        const std::string_view entry = text::Trim(lines.Line(i));
        if (!entry.empty() && title.find(entry) != std::string_view::npos)
            return true;
    }
    return false;
}

std::string RowCaption(std::size_t windowNumber, std::string_view label) {
    return text::FormatInt(static_cast<std::int64_t>(windowNumber)) + "-" + std::string(label);
}

const std::string& InputRowLabel() {
    static const std::string label = text::Utf8ToCp932("入力");
    return label;
}

const std::string& SelectedRowLabel() {
    static const std::string label = text::Utf8ToCp932("選択");
    return label;
}

} // namespace pelorin::hamlog
