// Drives the Hamlog query with windows and replies made from the input and
// checks that every row it builds is well-formed.
#include "hamlog/hamlog_protocol.h"
#include "hamlog/hamlog_query.h"
#include "text/trim.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>

namespace {

using namespace pelorin::hamlog;

void Check(bool ok) {
    if (!ok)
        std::abort();
}

class FuzzedPort : public HamlogPort {
public:
    explicit FuzzedPort(FuzzedDataProvider& in) : in_(in) {
        const int count = in_.ConsumeIntegralInRange(0, 12);
        for (int i = 0; i < count; ++i) {
            WindowInfo w;
            w.handle = static_cast<WindowHandle>(i + 1);
            w.className = in_.ConsumeBool() ? std::string(kHamlogWindowClass) : "Other";
            w.title = in_.ConsumeRandomLengthString(40);
            windows_.push_back(std::move(w));
        }
    }

    void EnumerateWindows(const std::function<bool(const WindowInfo&)>& visit) override {
        for (const WindowInfo& w : windows_)
            if (!visit(w))
                return;
    }

    SendResult Send(WindowHandle window, std::uint32_t code, std::string_view data,
                    std::chrono::milliseconds) override {
        Check(!hung_[window]);
        Check(++sent_[window] <= 13);
        Check(code == kHamlogReqRecord ? !data.empty() : data.empty());
        SendResult r;
        switch (in_.ConsumeIntegralInRange(0, 3)) {
        case 0:
            break;
        case 1:
            r.timedOut = true;
            hung_[window] = true;
            break;
        case 2:
            r.result = 1;
            break;
        default:
            r.result = in_.ConsumeIntegral<std::int64_t>() | 1;
            r.reply = in_.ConsumeRandomLengthString(1100);
        }
        return r;
    }

private:
    FuzzedDataProvider& in_;
    std::vector<WindowInfo> windows_;
    std::map<WindowHandle, int> sent_;
    std::map<WindowHandle, bool> hung_;
};

bool Trimmed(const std::string& s) {
    return pelorin::text::Trim(s).size() == s.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string oldVersionList = in.ConsumeRandomLengthString(64);
    FuzzedPort port(in);
    const HamlogQueryResult result = QueryHamlog(port, oldVersionList);

    Check(result.rows.size() <= 12 * kMaxHamlogWindows);
    Check(result.selectRow == (result.rows.empty() ? std::nullopt : std::optional<std::size_t>(0)));
    Check(result.clearList || result.rows.empty());
    for (const ReferenceRow& row : result.rows) {
        Check(row.caption.find('-') != std::string::npos);
        for (const std::string& field : row.fields) {
            Check(Trimmed(field));
            Check(field.find('\0') == std::string::npos);
            Check(field.find("\r\n") == std::string::npos);
            Check(field.size() <= kMaxReplyBytes);
        }
    }
    return 0;
}
