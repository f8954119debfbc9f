// PrefillPostingPage against a memcpy of the same page, measured in one run.
// Goals: the 16 steps cost at most 4 x (16 copies of the page), and a 16 MiB
// page at most 17 x a 1 MiB page.

#include "text/cp932_codec.h"
#include "web/prefill.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using pelorin::text::Encoding;

namespace {

constexpr std::size_t kKiB = 1024;
constexpr std::size_t kMiB = 1024 * kKiB;
constexpr std::array<std::size_t, 3> kSizes = {64 * kKiB, 1 * kMiB, 16 * kMiB};

constexpr const char* kPostingForm = R"(<FORM method=post action=submit.asp><TABLE class=post>
<TR><TD class=label>運用局</TD><TD><INPUT maxLength=12 size=14 name=CallSignTo>　ＪＡ局限定</TD></TR>
<TR><TD class=label>周波数</TD><TD><INPUT size=10 name=Frequency>　kHz</TD></TR>
<TR><TD class=label>運用形態</TD><TD><SELECT name=OperationMode><OPTION value=0>選択なし</OPTION><OPTION value=1>QRP</OPTION><OPTION value=2>モービル (/M)</OPTION><OPTION value=5>移動運用</OPTION><OPTION value=6>設・常置場所 (固定局)</OPTION></SELECT></TD></TR>
<TR><TD class=label>モード</TD><TD><SELECT name=Mode><OPTION value=0>選択してください</OPTION><OPTION value=1>SSB</OPTION><OPTION value=2>CW</OPTION><OPTION value=3>FM</OPTION><OPTION value=4>AM</OPTION><OPTION value=5>RTTY</OPTION></SELECT></TD></TR>
<TR><TD class=label>QTH</TD><TD><INPUT size=30 name=QTH></TD></TR>
<TR><TD class=label>レポーターQTH</TD><TD><INPUT size=30 name=QTHFrom value=東京都></TD></TR>
<TR><TD class=label>コメント</TD><TD><INPUT size=50 name=Comments></TD></TR>
<TR><TD class=label>パスワード</TD><TD><INPUT type=password name=Password></TD></TR>
</TABLE><INPUT type=submit value=投稿する></FORM>
)";

constexpr std::array<const char*, 6> kModes = {"SSB", "CW", "FM", "RTTY", "CW", "FT8"};
constexpr std::array<const char*, 4> kStyles = {"移動運用", "設・常置場所 (固定局)", "QRP",
                                                "モービル (/M)"};
constexpr std::array<const char*, 4> kPlaces = {"東京都港区 JCC1001", "北海道札幌市",
                                                "大阪府堺市 JCC2510", "沖縄県那覇市"};
constexpr std::array<const char*, 4> kComments = {"ＣＱ ＤＸ 599 ありがとうございました",
                                                  "QSB 強い信号です", "ﾊﾟｲﾙｱｯﾌﾟ中 up 2",
                                                  "JCC/JCG サービス中"};

// One posting form per 64 KiB, the rest a table of earlier spots as the
// service lists them: many tags, many ">", Japanese text, and mode cells
// such as ">CW<" that the mode marker matches too.
std::string MakePage(std::size_t size) {
    std::string page;
    page.reserve(size + 4 * kKiB);
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 16;
    };
    std::size_t nextForm = 0;
    while (page.size() < size) {
        if (page.size() >= nextForm) {
            page += "<DIV class=menu><A href=\"/kumovi/\">トップ</A> | <A "
                    "href=\"/kumovi/search.asp\">検索</A></DIV>\n";
            page += kPostingForm;
            page += "<TABLE class=list><TR><TH>日時</TH><TH>運用局</TH><TH>周波数</TH>"
                    "<TH>モード</TH><TH>運用形態</TH><TH>QTH</TH><TH>コメント</TH></TR>\n";
            nextForm += 64 * kKiB;
        }
        const unsigned r = next();
        char row[512];
        std::snprintf(
            row, sizeof row,
            "<TR class=r%u><TD nowrap>2026/12/%02u %02u:%02u</TD><TD><A "
            "href=\"search.asp?CallSignTo=JA%uA%c%c*\">JA%uA%c%c</A></TD>"
            "<TD align=right>%u.%u</TD><TD>%s</TD><TD>%s</TD><TD>%s</TD><TD>%s</TD></TR>\n",
            r % 2, r % 28 + 1, r % 24, r % 60, r % 10, 'A' + r % 26, 'A' + r / 7 % 26, r % 10,
            'A' + r % 26, 'A' + r / 7 % 26, 7000 + r % 200, r % 10, kModes[r % kModes.size()],
            kStyles[r / 3 % kStyles.size()], kPlaces[r / 5 % kPlaces.size()],
            kComments[r / 11 % kComments.size()]);
        page += row;
    }
    return page;
}

struct Page {
    std::string text;
    pelorin::web::SpotSnapshot spot;
};

const Page& PageFor(Encoding encoding, std::size_t size) {
    static std::map<std::pair<int, std::size_t>, Page> pages;
    auto [it, added] = pages.try_emplace({static_cast<int>(encoding), size});
    if (added) {
        const bool cp932 = encoding == Encoding::Cp932;
        auto in = [cp932](const char* utf8) {
            return cp932 ? pelorin::text::Utf8ToCp932(utf8) : std::string(utf8);
        };
        const std::string utf8 = MakePage(size);
        it->second.text = cp932 ? pelorin::text::Utf8ToCp932(utf8) : utf8;
        auto& s = it->second.spot;
        s.callsign = {in("JA1ABC"), true};
        s.frequency = {in("7012.5"), true};
        s.operatingStyle = {in("移動運用"), true};
        s.mode = {in("CW"), true};
        s.location = {in("東京都港区"), false};
        s.comment = {in("599 \"QSB\" ありがとう"), false};
        s.password = {in("pw1234"), true};
    }
    return it->second;
}

void BM_Memcpy(benchmark::State& state) {
    const std::string& page =
        PageFor(Encoding::Utf8, static_cast<std::size_t>(state.range(0))).text;
    std::vector<char> copy(page.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), page.data(), page.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

void Prefill(benchmark::State& state, Encoding encoding) {
    const Page& page = PageFor(encoding, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string out = pelorin::web::PrefillPostingPage(page.text, page.spot, encoding);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.text.size()));
}

void BM_PrefillUtf8(benchmark::State& state) {
    Prefill(state, Encoding::Utf8);
}

void BM_PrefillCp932(benchmark::State& state) {
    Prefill(state, Encoding::Cp932);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (const std::size_t size : kSizes)
        b->Arg(static_cast<std::int64_t>(size));
    b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Memcpy)->Apply(Sizes);
BENCHMARK(BM_PrefillUtf8)->Apply(Sizes);
BENCHMARK(BM_PrefillCp932)->Apply(Sizes);

// Console output as usual, then the two goals as ratios of this run, by CPU
// time: the machine may be shared, and the work is single-threaded.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            // With --benchmark_repetitions the median stands for the runs.
            if (run.run_type == Run::RT_Iteration)
                last_[run.run_name.str()] = run.GetAdjustedCPUTime();
            else if (run.aggregate_name == "median")
                median_[run.run_name.str()] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-16s %9s %18s %18s\n", "path", "size", "vs 16 x memcpy", "16 MiB / 1 MiB");
        for (const char* path : {"BM_PrefillUtf8", "BM_PrefillCp932"}) {
            for (const std::size_t size : kSizes) {
                const double prefill = Time(path, size);
                const double copy = Time("BM_Memcpy", size);
                if (prefill <= 0 || copy <= 0)
                    continue;
                std::printf("%-16s %6zu KiB %13.2f (<= 4)", path, size / kKiB,
                            prefill / (16 * copy));
                if (size == 16 * kMiB && Time(path, kMiB) > 0)
                    std::printf(" %13.2f (<= 17)", prefill / Time(path, kMiB));
                std::printf("\n");
            }
        }
        std::fflush(stdout);
    }

private:
    double Time(const std::string& path, std::size_t size) const {
        const std::string name = path + "/" + std::to_string(size);
        for (const auto* times : {&median_, &last_}) {
            if (const auto it = times->find(name); it != times->end())
                return it->second;
        }
        return 0;
    }

    std::map<std::string, double> median_;
    std::map<std::string, double> last_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
