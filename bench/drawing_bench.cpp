#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// One plain fill of the whole image: the memory bound that every redraw is
// measured against.
void BM_Fill(benchmark::State& state) {
  const std::int64_t w = state.range(0);
  const std::int64_t h = state.range(1);
  rw::CreateImage(0, w, h);
  for (auto _ : state) {
    if (rw::BeginDrawing(rw::ImageSurface(0))) {
      rw::DrawBox(0, 0, w, h, 0xFFFFFF);
      rw::EndDrawing();
    }
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * w * h * 4);
}
BENCHMARK(BM_Fill)->Name("Fill")->Args({1914, 1014})->Args({3840, 2160})->Args({7680, 4320})->Unit(benchmark::kMillisecond);

// The layout question: a 24-bit image fills fewer bytes, but has to be
// converted whenever it is shown on a 32-bit window backing store.
void BM_ShowImage(benchmark::State& state, QImage::Format format) {
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  QImage image(w, h, format);
  image.fill(Qt::white);
  QImage backing(w, h, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&backing);
    painter.drawImage(0, 0, image);
    painter.end();
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(BM_ShowImage, rgb32, QImage::Format_RGB32)->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowImage, rgb888, QImage::Format_RGB888)->Args({3840, 2160})->Unit(benchmark::kMillisecond);

void BM_FillImage(benchmark::State& state, QImage::Format format) {
  QImage image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), format);
  for (auto _ : state) {
    image.fill(Qt::white);
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(BM_FillImage, rgb32, QImage::Format_RGB32)->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FillImage, rgb888, QImage::Format_RGB888)->Args({3840, 2160})->Unit(benchmark::kMillisecond);

}  // namespace
