#include "web/qt/cw_advice.h"

#include <gtest/gtest.h>

namespace pelorin::browser {
namespace {

constexpr int kSsb = 1;
constexpr int kCw = 2;

struct Case {
    CwAdviceInput input;
    bool advice;
};

TEST(NeedsCwAdvice, HamlogBranchJudgesTheRecordAlone) {
    const Case cases[] = {
        {{true, "CW", "7.0125", kCw, ""}, false},
        {{true, "CW", "14.0255", kSsb, ""}, false},
        {{true, "CW", "14.025", kCw, "14025.5"}, true}, // the field is not looked at
        {{true, "CW", "7", kCw, ""}, true},
        {{true, "CW", "", kCw, ""}, true},
        {{true, "CW", "7.", kCw, ""}, true},
        {{true, "cw", "7.012", kCw, "7012"}, false},
        {{true, "CW-R", "7.012", kCw, "7012"}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NeedsCwAdvice(c.input), c.advice)
            << c.input.hamlogModeText << " " << c.input.hamlogFreqText;
    }
}

TEST(NeedsCwAdvice, ManualBranchJudgesTheFrequencyField) {
    const Case cases[] = {
        {{false, "", "", kCw, "7012"}, true},
        {{false, "", "", kCw, "7012."}, true},
        {{false, "", "", kCw, "7012.5"}, false},
        {{false, "", "", kCw, "  7012.5\t"}, false},
        {{false, "", "", kCw, " 7012. "}, true},
        {{false, "", "", kCw, ""}, false},
        {{false, "", "", kCw, "   "}, false},
        {{false, "", "", kSsb, "7012"}, false},
        {{false, "", "", -1, "7012"}, false},
        {{false, "CW", "7", kSsb, "7012"}, false}, // stale Hamlog texts are ignored
    };
    for (const Case& c : cases)
        EXPECT_EQ(NeedsCwAdvice(c.input), c.advice) << c.input.modeIndex << " " << c.input.freqText;
}

} // namespace
} // namespace pelorin::browser
