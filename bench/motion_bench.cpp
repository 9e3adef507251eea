#include "patterns/motion_frames.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "rasterwacht-bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

// Frame/ID/3840/2160: one frame of a motion image painted into a 4K buffer
// that holds the frame before it, as a run at 100 Hz paints each refresh
// (the first frame, painted whole, is not timed). With "/status" the
// status text changes every frame, where a run renews it four times a
// second.
void Frame(benchmark::State& state, rw::MotionImage image, bool new_status) {
  EnsureApplication();
  rw::InitialiseGlobals();
  rw::ScreenWidth = 3840;
  rw::ScreenHeight = 2160;
  rw::LoadFont(0, u"Arial"_qs, 8);
  std::vector<std::uint32_t> pixels(std::size_t{3840} * 2160);
  const rw::PixelTarget target{pixels.data(), 3840, 3840, 2160};
  rw::SetMotionStatus(u"99,95 Hz gemessen, Modus 100,00 Hz, 0 Bilder gezeigt, 0 verpasst, 0 verworfen, "
                      u"Zeitquelle: Compositor"_qs);
  rw::HeldFrame held;
  std::int64_t n = 0;
  rw::PaintMotionFrame(image, target, 100, held, n);
  for (auto _ : state) {
    ++n;
    if (new_status) {
      rw::SetMotionStatus(u"99,95 Hz gemessen, Modus 100,00 Hz, "_qs + QString::number(n) +
                          u" Bilder gezeigt, 0 verpasst, 0 verworfen, Zeitquelle: Compositor"_qs);
    }
    benchmark::DoNotOptimize(rw::PaintMotionFrame(image, target, 100, held, n));
    benchmark::ClobberMemory();
  }
}

const bool kFramesRegistered = [] {
  for (const auto& [id, image] : {std::pair{"motion", rw::MotionImage::Motion},
                                  std::pair{"frame-sequence", rw::MotionImage::FrameSequence}}) {
    for (const bool status : {false, true}) {
      const std::string name = std::string("Frame/") + id + "/3840/2160" + (status ? "/status" : "");
      benchmark::RegisterBenchmark(name.c_str(), [image = image, status](benchmark::State& state) {
        Frame(state, image, status);
      })->Unit(benchmark::kMicrosecond);
    }
  }
  return true;
}();

}  // namespace
