// How long the counters take to cut out of a statistics page: findText and
// textBetween on a page of ordinary size (~30 KB, summary two thirds in) and
// on a 1 MB page with the summary at its very end.
#include "statistics_page.h"
#include "stats/find_text.h"
#include "stats/text_between.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using kameng::bench::kTodayMarker;
using kameng::bench::kYesterdayMarker;
using kameng::stats::Case;

const std::string& page(std::int64_t size)
{
    static const std::string small = kameng::bench::statisticsPage(30 * 1024, 20 * 1024);
    static const std::string large = kameng::bench::statisticsPage(1024 * 1024, 1024 * 1024);
    return size == 1 ? large : small;
}

// Arg 0: the ~30 KB page, 1: the 1 MB page.
void pageSizes(benchmark::internal::Benchmark* b)
{
    b->Arg(0)->Arg(1);
}

void findMarker(benchmark::State& state, const std::string& needle, Case letterCase)
{
    const std::string& text = page(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(kameng::stats::findText(text, needle, 1, letterCase));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["page_bytes"] = static_cast<double>(text.size());
}

void BM_FindTodayIgnoreCase(benchmark::State& state)
{
    findMarker(state, kTodayMarker, Case::IgnoreAscii);
}
void BM_FindTodayExact(benchmark::State& state)
{
    findMarker(state, kTodayMarker, Case::Exact);
}
// A marker the page lacks: the whole page is scanned.
void BM_FindMissingIgnoreCase(benchmark::State& state)
{
    findMarker(state, "<p>missing marker:", Case::IgnoreAscii);
}

void BM_TextBetweenTodayAndYesterday(benchmark::State& state)
{
    const std::string& text = page(state.range(0));
    for (auto _ : state) {
        std::string today = kTodayMarker, yesterday = kYesterdayMarker, end = "IP,", end2 = "IP,";
        benchmark::DoNotOptimize(kameng::stats::textBetween(text, today, end));
        benchmark::DoNotOptimize(kameng::stats::textBetween(text, yesterday, end2));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

}  // namespace

BENCHMARK(BM_FindTodayIgnoreCase)->Apply(pageSizes);
BENCHMARK(BM_FindTodayExact)->Apply(pageSizes);
BENCHMARK(BM_FindMissingIgnoreCase)->Apply(pageSizes);
BENCHMARK(BM_TextBetweenTodayAndYesterday)->Apply(pageSizes);

BENCHMARK_MAIN();
