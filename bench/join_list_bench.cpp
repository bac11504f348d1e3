// Times each join list operation on a list of 10,000 rows.
#include <benchmark/benchmark.h>

#include "core/list/join_list.h"
#include "core/list/join_totals.h"

namespace veltrano {

namespace {

constexpr int kRows = 10000;

void Fill(JoinList& list, int rows) {
    MediaItem item;
    item.TypeText = QStringLiteral("MP4");
    item.DurationText = QStringLiteral("00:00:30");
    item.VideoSizeText = QStringLiteral("1280 X 720");
    item.FileSizeText = QStringLiteral("12.3 MB");
    item.ModifiedText = QStringLiteral("2026/12/08 10:00:00");
    item.VideoCodec = QStringLiteral("h264");
    item.AudioCodec = QStringLiteral("aac");
    item.DurationSeconds = 30.0;
    for (int i = 0; i < rows; ++i) {
        item.SourcePath = QStringLiteral("/videos/clip%1.mp4").arg(i);
        list.Append(item);
    }
}

void BM_RemoveHalfSelected(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        JoinList list;
        Fill(list, kRows);
        for (int i = 0; i < kRows; i += 2) {
            list.SetSelected(i, true);
        }
        state.ResumeTiming();
        list.RemoveSelected();
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_RemoveHalfSelected)->Unit(benchmark::kMillisecond);

void BM_InvertSelection(benchmark::State& state) {
    JoinList list;
    Fill(list, kRows);
    for (auto _ : state) {
        list.InvertSelection();
    }
}
BENCHMARK(BM_InvertSelection)->Unit(benchmark::kMillisecond);

void BM_SelectAll(benchmark::State& state) {
    JoinList list;
    Fill(list, kRows);
    for (auto _ : state) {
        list.SelectAll();
    }
}
BENCHMARK(BM_SelectAll)->Unit(benchmark::kMillisecond);

void BM_MoveUpAndDown(benchmark::State& state) {
    JoinList list;
    Fill(list, kRows);
    list.SetFocusedRow(kRows / 2);
    for (auto _ : state) {
        list.MoveUp();
        list.MoveDown();
    }
}
BENCHMARK(BM_MoveUpAndDown)->Unit(benchmark::kMillisecond);

void BM_RefreshTotalsAfterChange(benchmark::State& state) {
    JoinList list;
    Fill(list, kRows);
    JoinTotals totals;
    MediaItem row = list.Row(0);
    for (auto _ : state) {
        state.PauseTiming();
        row.DurationSeconds += 1.0;
        list.UpdateRow(0, row);
        state.ResumeTiming();
        benchmark::DoNotOptimize(totals.RefreshTotals(list));
    }
}
BENCHMARK(BM_RefreshTotalsAfterChange)->Unit(benchmark::kMillisecond);

void BM_RefreshTotalsUnchanged(benchmark::State& state) {
    JoinList list;
    Fill(list, kRows);
    JoinTotals totals;
    totals.RefreshTotals(list);
    for (auto _ : state) {
        benchmark::DoNotOptimize(totals.RefreshTotals(list));
    }
}
BENCHMARK(BM_RefreshTotalsUnchanged)->Unit(benchmark::kMillisecond);

void BM_ClearAll(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        JoinList list;
        Fill(list, kRows);
        state.ResumeTiming();
        list.ClearAll();
    }
}
BENCHMARK(BM_ClearAll)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace veltrano
BENCHMARK_MAIN();
