// Composing one typed word as it is sent: the cost of every keystroke.
#include <benchmark/benchmark.h>

#include "engine/telex.h"
#include "typical_words.h"

namespace orvik::bench {
namespace {

void ComposeWords(benchmark::State& state, bool unicode) {
    LetterTables tables;
    BuildLetterTables(tables, kVniWindows);
    const auto& words = TypicalWords();
    for (auto _ : state) {
        for (const auto& word : words) {
            const std::u16string placed = PlaceToneKey(word, false);
            benchmark::DoNotOptimize(unicode ? TelexToUnicode(tables, placed)
                                             : TelexToCode(tables, placed));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(words.size()));
}

void BM_PlaceToneKeyAndTelexToCode(benchmark::State& state) { ComposeWords(state, false); }
void BM_PlaceToneKeyAndTelexToUnicode(benchmark::State& state) { ComposeWords(state, true); }

BENCHMARK(BM_PlaceToneKeyAndTelexToCode)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlaceToneKeyAndTelexToUnicode)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvik::bench

BENCHMARK_MAIN();
