// How long asking one Hamlog window takes through the bridge under Wine: one
// request (the baseline) against a whole query (13 requests).
//
//   build/bin/hamlog_bridge_bench --benchmark_repetitions=9
//   (add --benchmark_report_aggregates_only=true for the median alone)

#include "hamlog/hamlog_query.h"
#include "hamlog/transport/wine_bridge_port.h"
#include "tests/hamlog_link/wine_testkit.h"
#include "text/cp932_codec.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

namespace testkit = pelorin::hamlog::testkit;
using namespace std::chrono_literals;

struct Bench {
    testkit::SubstituteHamlog hamlog;
    pelorin::hamlog::WineBridgePort port{testkit::BridgeExe()};

    static std::string Scenario() {
        const std::array<std::string, 14> record{"JA1ABC",
                                                 "2026/12/11",
                                                 "0930J",
                                                 "599",
                                                 "599",
                                                 "7.00325",
                                                 "CW",
                                                 "1305",
                                                 "PM95",
                                                 "J",
                                                 pelorin::text::Utf8ToCp932("山田"),
                                                 pelorin::text::Utf8ToCp932("埼玉県"),
                                                 pelorin::text::Utf8ToCp932("□13埼玉県-05,"),
                                                 ""};
        return testkit::ReplyRule("input", testkit::RecordReply(record)) +
               testkit::ReplyRule("selected", testkit::RecordReply(record)) +
               testkit::ReplyRule("count", "Count=1234\r\n") +
               testkit::ReplyRule("record:*", testkit::RecordReply(record));
    }

    Bench() : hamlog("Hamlog Ver5.30", Scenario()) {}
};

Bench& Shared() {
    static Bench bench;
    return bench;
}

void OneRequest(benchmark::State& state) {
    Bench& bench = Shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.port.Send(bench.hamlog.Handle(), 0x100074, {}, 2000ms));
    }
}

void FullQueryOfOneWindow(benchmark::State& state) {
    Bench& bench = Shared();
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = pelorin::hamlog::QueryHamlog(bench.port, "5.21,5.22").rows.size();
    }
    if (rows != 12) {
        state.SkipWithError("the query did not list 12 rows");
    }
}

BENCHMARK(OneRequest)->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime();
BENCHMARK(FullQueryOfOneWindow)->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (const auto reason = testkit::WineSkipReason(); !reason.empty()) {
        std::printf("skipped: %s\n", reason.c_str());
        return 0;
    }
    if (const auto error = testkit::PrepareWine(); !error.empty()) {
        std::printf("cannot run: %s\n", error.c_str());
        return 1;
    }
    if (const auto& error = Shared().hamlog.Error(); !error.empty()) {
        std::printf("cannot run: %s\n", error.c_str());
        return 1;
    }
    // Start the bridge before timing.
    Shared().port.Send(Shared().hamlog.Handle(), 0x100074, {}, 2000ms);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
