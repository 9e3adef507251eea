#include "platform/base/random.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// Random colours per second: the random-pixel image takes one per pixel.
void BM_RandomColour(benchmark::State& state) {
  rw::SeedRandom(12345);
  std::int64_t sum = 0;
  for (auto _ : state) {
    for (int k = 0; k < 1024; ++k) sum += rw::Random(16777215);
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_RandomColour);

}  // namespace
