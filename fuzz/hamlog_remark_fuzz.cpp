// Feeds a remark through the half-width mapping and the remark rules and
// checks that the results are well-formed.
#include "hamlog/half_width.h"
#include "hamlog/remark_rules.h"
#include "text/cp932_codec.h"
#include "text/search.h"
#include "text/trim.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

using namespace pelorin;
using namespace pelorin::hamlog;

void Check(bool ok) {
    if (!ok)
        std::abort();
}

bool RoundTrips(std::string_view cp932) {
    const std::u16string u = text::Cp932ToUtf16(cp932);
    return u.find(u'\uFFFD') == std::u16string::npos && text::Utf16ToCp932(u) == cp932;
}

bool StartsWithNamePart(std::string_view qth) {
    for (int k = 1; k <= static_cast<int>(kPrefectureCount); ++k)
        if (qth.substr(0, PrefectureNamePart(k).size()) == PrefectureNamePart(k))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string code(text::Trim(in.ConsumeRandomLengthString(8)));
    const std::string remark = in.ConsumeRemainingBytesAsString();

    const std::string half = ToHalfWidth(remark);
    Check(half.size() <= remark.size());
    Check(ToHalfWidth(half) == half);
    if (RoundTrips(remark))
        Check(RoundTrips(half));

    const PlaceAndComment out = DerivePlaceAndComment(half, code);
    for (const char* removed : {"!", "%", "$", "^", "~"})
        Check(!text::Contains(out.comment, removed));
    switch (out.outcome) {
    case RemarkOutcome::kNone:
        Check(out.qth == code);
        break;
    case RemarkOutcome::kMarkerWithoutNumber:
        Check(out.qth.empty());
        break;
    case RemarkOutcome::kPlaceTaken:
        Check(StartsWithNamePart(out.qth));
        Check(out.qth.size() <= 10);
        Check(RoundTrips(out.qth));
        break;
    }
    if (RoundTrips(half))
        Check(RoundTrips(out.comment));
    return 0;
}
