#include "hamlog/remark_rules.h"

#include "text/cp932_codec.h"
#include "text/number_text.h"
#include "text/search.h"
#include "text/trim.h"

#include <cstdlib>
#include <optional>

namespace pelorin::hamlog {

namespace {

using text::ReplaceAll;

constexpr std::array<std::string_view, kPrefectureCount> kPrefectureMarkersUtf8 = {
    "□01北海道-", "□02青森県-", "□03岩手県-", "□04秋田県-", "□05山形県-", "□06宮城県-",
    "□07福島県-", "□08新潟県-", "□09長野県-", "□10東京都-", "□11神奈川-", "□12千葉県-",
    "□13埼玉県-", "□14茨城県-", "□15栃木県-", "□16群馬県-", "□17山梨県-", "□18静岡県-",
    "□19岐阜県-", "□20愛知県-", "□21三重県-", "□22京都府-", "□23滋賀県-", "□24奈良県-",
    "□25大阪府-", "□26和歌山-", "□27兵庫県-", "□28富山県-", "□29福井県-", "□30石川県-",
    "□31岡山県-", "□32島根県-", "□33山口県-", "□34鳥取県-", "□35広島県-", "□36香川県-",
    "□37徳島県-", "□38愛媛県-", "□39高知県-", "□40福岡県-", "□41佐賀県-", "□42長崎県-",
    "□43熊本県-", "□44大分県-", "□45宮崎県-", "□46鹿児島-", "□47沖縄県-",
};

// The marker's "□" and two digits come before the name part.
constexpr std::size_t kNamePartOffset = 4;

struct Cp932Texts {
    std::string ideographicSpace = text::Utf8ToCp932("　");
    std::string roadsideStation = text::Utf8ToCp932("道の駅");
};

const Cp932Texts& Texts() {
    static const Cp932Texts texts;
    return texts;
}

// part(T, i, n) with 0-based i: empty past the end or for n < 1.
std::string_view Part(std::string_view t, std::size_t i, long n) {
    if (i >= t.size() || n < 1)
        return {};
    return t.substr(i, static_cast<std::size_t>(n));
}

std::string_view From(std::string_view t, std::size_t i) {
    return i >= t.size() ? std::string_view() : t.substr(i);
}

bool DigitAt(std::string_view t, std::size_t i) {
    return i < t.size() && t[i] >= '0' && t[i] <= '9';
}

bool ByteAt(std::string_view t, std::size_t i, char c) {
    return i < t.size() && t[i] == c;
}

constexpr std::size_t npos = std::string_view::npos;

// Rule A: a prefecture marker followed by a number and a comma.
PlaceAndComment ApplyMarkerRule(std::string_view remark) {
    PlaceAndComment out;
    std::string prefix;
    std::string_view s = remark;
    for (const std::string& marker : PrefectureTable()) {
        const std::size_t at = text::Find(s, marker);
        if (at == npos)
            continue;
        if (at > 0) {
            prefix = std::string(s.substr(0, at));
            s = s.substr(at);
        }
        constexpr std::size_t m = kPrefectureMarkerBytes;
        if (DigitAt(s, m) && DigitAt(s, m + 1) && ByteAt(s, m + 2, ',')) {
            out.qth = std::string(s.substr(kNamePartOffset, 9));
            out.outcome = RemarkOutcome::kPlaceTaken;
            s = s.substr(m + 2);
        } else if (DigitAt(s, m) && DigitAt(s, m + 1) && DigitAt(s, m + 2) &&
                   ByteAt(s, m + 3, ',')) {
            out.qth = std::string(s.substr(kNamePartOffset, 10));
            out.outcome = RemarkOutcome::kPlaceTaken;
            s = s.substr(m + 3);
        } else {
            // The marker stays in the comment for the user to see; the text
            // before it is dropped.
            out.outcome = RemarkOutcome::kMarkerWithoutNumber;
            out.comment = std::string(s);
            return out;
        }
        break;
    }
    if (out.outcome == RemarkOutcome::kNone)
        return out;

    // Leave out the comma and the name after it, up to the first blank.
    const std::string& wide = Texts().ideographicSpace;
    const std::size_t h = text::Find(s, " ");
    const std::size_t f = text::Find(s, wide);
    std::optional<std::string_view> tail;
    if (h != npos && (f == npos || f > h))
        tail = From(s, h + 1);
    else if (f != npos)
        tail = From(s, f + wide.size());
    if (tail) {
        if (prefix.empty())
            prefix = std::string(text::Trim(*tail));
        else
            prefix = std::string(text::TrimRight(prefix)) + " " + std::string(text::Trim(*tail));
    }
    prefix = ReplaceAll(prefix, wide + wide, " ");
    prefix = ReplaceAll(prefix, wide + " ", " ");
    prefix = ReplaceAll(prefix, " " + wide, " ");
    prefix = ReplaceAll(prefix, "  ", " ");
    out.comment = std::move(prefix);
    return out;
}

// Rule B: an RS number combined with the prefecture number of the Code.
PlaceAndComment ApplyRsRule(std::string_view remark, std::string_view code) {
    PlaceAndComment out;
    out.qth = std::string(code);
    // Only a whole half-width prolonged sound mark; the byte 0xB0 is also the
    // second byte of many kanji, which must stay intact.
    const std::string r2 = ReplaceAll(remark, "\xB0", "-");
    out.comment = r2;

    std::size_t p = npos;
    for (const std::string& pattern : RsPatternTable()) {
        p = text::Find(r2, pattern);
        if (p != npos)
            break;
    }
    if (p == npos)
        return out;

    long n = std::labs(static_cast<long>(text::ReadLong(Part(r2, p + 2, 4))));
    if (n < 1 || n > 999)
        return out;
    const std::string_view trimmedCode = text::Trim(code);
    if (trimmedCode.size() <= 3)
        return out;
    const int k = text::ReadLong(Part(trimmedCode, 0, 2));
    if (k < 1 || k > static_cast<int>(kPrefectureCount))
        return out;
    n = k == 1 ? n % 1000 : n % 100;
    out.qth = std::string(PrefectureNamePart(k)) +
              (n < 100 ? text::FormatZeroPadded2(n) : text::FormatInt(n));

    std::string comment(r2.substr(0, p));
    for (std::size_t i = p + 3; i <= p + 6; ++i) {
        if (!DigitAt(r2, i)) {
            comment += From(r2, i);
            break;
        }
    }
    comment = ReplaceAll(comment, Texts().roadsideStation, "");
    comment = ReplaceAll(comment, "  ", " ");
    comment = ReplaceAll(comment, "  ", " ");
    out.comment = std::move(comment);
    out.outcome = RemarkOutcome::kPlaceTaken;
    return out;
}

// Rule C: characters the posting form does not take.
std::string CleanComment(std::string comment) {
    for (const char* c : {"!", "%", "$", "^", "~"})
        comment = ReplaceAll(comment, c, "");
    return comment;
}

} // namespace

const std::array<std::string, kPrefectureCount>& PrefectureTable() {
    static const std::array<std::string, kPrefectureCount> table = [] {
        std::array<std::string, kPrefectureCount> t;
        for (std::size_t i = 0; i < kPrefectureCount; ++i)
            t[i] = text::Utf8ToCp932(kPrefectureMarkersUtf8[i]);
        return t;
    }();
    return table;
}

std::string_view PrefectureNamePart(int prefecture) {
    if (prefecture < 1 || prefecture > static_cast<int>(kPrefectureCount))
        return {};
    return std::string_view(PrefectureTable()[static_cast<std::size_t>(prefecture - 1)])
        .substr(kNamePartOffset);
}

const std::array<std::string, kRsPatternCount>& RsPatternTable() {
    static const std::array<std::string, kRsPatternCount> table = [] {
        std::array<std::string, kRsPatternCount> t;
        std::size_t i = 0;
        for (const char* separator : {"-", ""})
            for (char d = '0'; d <= '9'; ++d)
                for (const char* rs : {"RS", "rs", "Rs"})
                    t[i++] = std::string(rs) + separator + d;
        return t;
    }();
    return table;
}

PlaceAndComment DerivePlaceAndComment(std::string_view remark, std::string_view code) {
    PlaceAndComment out;
    if (!remark.empty())
        out = ApplyMarkerRule(remark);
    if (out.outcome == RemarkOutcome::kNone)
        out = ApplyRsRule(remark, code);
    out.comment = CleanComment(std::move(out.comment));
    return out;
}

} // namespace pelorin::hamlog
