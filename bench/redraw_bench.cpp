#include "info/display_metrics.h"
#include "patterns/redraw.h"
#include "patterns/series.h"
#include "platform/base/random.h"
#include "platform/display/desktops.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

// Text needs a GUI application; the benchmark program has no main of its
// own, so the first redraw benchmark makes one on the offscreen platform.
void EnsureApplication() {
  static int argc = 1;
  static char name[] = "rasterwacht-bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

// The program's state on a desktop whose drawing area is w x h.
void PrepareArea(std::int64_t w, std::int64_t h) {
  EnsureApplication();
  rw::InitialiseGlobals();
  rw::DesktopRecord desktop;
  desktop.width = static_cast<std::int32_t>(w + 6);
  desktop.height = static_cast<std::int32_t>(h + 66);
  desktop.depth = 32;
  rw::SetDesktopSource([desktop] { return std::vector<rw::DesktopRecord>{desktop}; });
  rw::ReadDisplayMetrics();
  rw::SetDesktopSource({});
  rw::LoadFont(0, u"Arial"_qs, 8);
  rw::LoadFont(1, u"Arial"_qs, 5);
  rw::CreateImage(0, w, h);
  rw::DrawToImage = 1;
  rw::SeedRandom(20261208);
}

// Redraw/P/W/H: the full repaint of pattern P (clear, pattern, caption) into
// a W x H image.
void Redraw(benchmark::State& state) {
  const std::int64_t pattern = state.range(0);
  PrepareArea(state.range(1), state.range(2));
  for (auto _ : state) {
    rw::RedrawPattern(pattern);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(1) * state.range(2));
  rw::ReleaseAllImages();
}

void RedrawSizes(benchmark::internal::Benchmark* b) {
  for (const auto& [w, h] : {std::pair{1914, 1014}, std::pair{3840, 2160}, std::pair{7680, 4320}}) {
    for (int p = 0; p <= 8; ++p) b->Args({p, w, h});
  }
}
BENCHMARK(Redraw)->Apply(RedrawSizes)->Unit(benchmark::kMillisecond);

// Redraw/ID/3840/2160 for each image after the nine, to be read beside
// Fill/3840/2160 (drawing_bench.cpp).
const bool kFurtherImagesRegistered = [] {
  const auto series = rw::TestSeries();
  for (std::size_t k = rw::kBasicPatterns; k < series.size(); ++k) {
    const std::string name = "Redraw/" + std::string(series[k].id) + "/3840/2160";
    benchmark::RegisterBenchmark(name.c_str(), [k](benchmark::State& state) {
      PrepareArea(3840, 2160);
      for (auto _ : state) {
        rw::RedrawPattern(static_cast<std::int64_t>(k));
        benchmark::ClobberMemory();
      }
      state.SetItemsProcessed(state.iterations() * 3840 * 2160);
      rw::ReleaseAllImages();
    })->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
