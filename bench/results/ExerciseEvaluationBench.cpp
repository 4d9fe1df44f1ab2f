// Time of the evaluation behind the results dialog for a long exercise: 100,000
// keystrokes over the German keyboard's characters, 3 % wrong, intervals of 80 to 900 ms.
// Also the first plot of a graph and a sort and refill of a key list. Prints figures only.

#include "exercise/ExerciseRecord.h"
#include "exercise/RemarkRandom.h"
#include "exercise/RemarkTables.h"
#include "results/ExerciseEvaluation.h"
#include "results/KeySortState.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

constexpr int kKeystrokes = 100000;

// The German keyboard's typeable characters, its three dead keys twice.
const std::string kCharacters = "^1234567890\xDF\xB4qwertzuiop\xFC+asdfghjkl\xF6\xE4#<yxcvbnm,.- "
                                "\xB0!\"\xA7$%&/()=?`QWERTZUIOP\xDC*ASDFGHJKL\xD6\xC4'>YXCVBNM;:_"
                                "\xB2\xB3{[]}\\@\x80~|\xB5\xA4^\xB4`";

const ExerciseRecord& LongRecord()
{
    static const ExerciseRecord record = [] {
        ExerciseRecord r;
        r.BeginExercise(12, "Anna", 1.0, 120, "Lektion 13", kKeystrokes, 1700049600);
        std::mt19937 engine(42);
        std::uniform_int_distribution<std::size_t> character(0, kCharacters.size() - 1);
        std::uniform_int_distribution<int> interval(80, 900);
        std::uniform_int_distribution<int> percent(0, 99);
        for (int i = 0; i < kKeystrokes; ++i) {
            const char expected = kCharacters[character(engine)];
            const char typed = percent(engine) < 3 ? 'x' : expected;
            r.AddKeystroke(expected, typed, interval(engine));
        }
        return r;
    }();
    return record;
}

void Evaluate(benchmark::State& state)
{
    const ExerciseRecord& record = LongRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExerciseEvaluation::Evaluate(record, kCharacters));
    state.SetItemsProcessed(state.iterations() * kKeystrokes);
}
BENCHMARK(Evaluate)->Unit(benchmark::kMillisecond);

void PlotThreeGraphs(benchmark::State& state)
{
    const ExerciseEvaluation evaluation = ExerciseEvaluation::Evaluate(LongRecord(), kCharacters);
    for (auto _ : state) {
        // A fresh copy each time: the first plot is the one that fits the range.
        state.PauseTiming();
        ExerciseEvaluation e = evaluation;
        state.ResumeTiming();
        for (ResultGraph* graph : {&e.errorGraph, &e.averageSpeedGraph, &e.currentSpeedGraph})
            benchmark::DoNotOptimize(graph->model.Plot(GraphArea{30, 20, 1500, 700}));
    }
}
BENCHMARK(PlotThreeGraphs)->Unit(benchmark::kMillisecond);

void SortAndRefill(benchmark::State& state)
{
    ExerciseEvaluation e = ExerciseEvaluation::Evaluate(LongRecord(), kCharacters);
    KeySortState sort;
    for (auto _ : state) {
        sort.Click(KeyListKind::Faults, 2);
        sort.Sort(e.keyRows);
        benchmark::DoNotOptimize(KeyList::Fill(KeyListKind::Faults, e.keyRows));
    }
}
BENCHMARK(SortAndRefill)->Unit(benchmark::kMicrosecond);

void InstalledRemark(benchmark::State& state)
{
    const ExerciseEvaluation e = ExerciseEvaluation::Evaluate(LongRecord(), kCharacters);
    RemarkTables tables;
    tables.LoadFile(TIPPWERK_REMARKS);
    RemarkRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(e.Remark(tables, [&random] { return random.Next(); }));
}
BENCHMARK(InstalledRemark)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
