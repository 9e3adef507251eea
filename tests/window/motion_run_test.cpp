#include "motion/motion_run.h"
#include "motion/motion_warning.h"
#include "motion/status_text.h"
#include "motion/timer_frames.h"
#include "patterns/motion_frames.h"
#include "patterns/redraw.h"
#include "patterns/series.h"
#include "platform/frames/shown_motion.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "platform/window/controls.h"
#include "platform/window/key_state.h"
#include "platform/window/warning_box.h"
#include "state/globals.h"
#include "tests/window/window_fixture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>

#include <thread>
#include <vector>

namespace rw {
namespace {

class MotionRuns : public WindowServices {
 protected:
  // Window 0 of 320 x 200 with image 0 in its image view, as start-up makes
  // them.
  void OpenWithImage() {
    InitialiseGlobals();
    ScreenWidth = 320;
    ScreenHeight = 200;
    PatternCount = static_cast<std::int64_t>(TestSeries().size());
    LoadFont(0, u"Arial"_qs, 8);
    Open(0, 320, 200);
    ASSERT_NE(CreateImage(0, 320, 200), 0);
    DrawToImage = CreateImageView(0, 0, 0, 320, 200, ImageHandle(0)) ? 1 : 0;
    ASSERT_EQ(DrawToImage, 1);
  }
};

void Spin(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

TEST(MotionStatus, TheStripSaysRateModeCountsAndSourceInGerman) {
  FrameCounts c;
  c.measured_hz = 59.951;
  c.frames = 3598;
  c.missed = 2;
  c.discarded = 1;
  c.source = TimeSource::Hardware;
  EXPECT_EQ(MotionStatusText(c, 60),
            u"59,95 Hz gemessen, Modus 60,00 Hz, 3598 Bilder gezeigt, 2 verpasst, 1 verworfen, Zeitquelle: Hardware"_qs);
  c.source = TimeSource::Compositor;
  EXPECT_TRUE(MotionStatusText(c, 143.856).contains(u"Modus 143,86 Hz"_qs));
  EXPECT_TRUE(MotionStatusText(c, 60).endsWith(u"Zeitquelle: Compositor"_qs));
  EXPECT_EQ(MotionStatusText(FrameCounts{}, 0),
            u"– Hz gemessen, Modus unbekannt, 0 Bilder gezeigt, 0 verpasst, 0 verworfen, Zeitquelle: Zeitgeber"_qs);
}

// The timer's frame numbers follow the clock: a late tick skips numbers.
TEST_F(MotionRuns, ATimerPacesFramesByTheClockAndSkipsWhatItMissed) {
  std::vector<std::uint32_t> pixels(64 * 64);
  std::vector<std::int64_t> painted;
  int shown = 0;
  FramePainter painter{[&](const FrameBuffer& b, BufferContent& c, std::int64_t n) {
                         EXPECT_EQ(b.pixels, pixels.data());
                         painted.push_back(n);
                         c.frame = n;
                         return std::vector<FrameRect>{};
                       },
                       [](const BufferContent&, const BufferContent&) { return std::vector<FrameRect>{}; }};
  QElapsedTimer clock;
  clock.start();
  TimerFrames frames(100, {pixels.data(), 64, 64, 64}, {0, 0}, painter, [&] { ++shown; });
  Spin(300);
  ASSERT_GE(painted.size(), 10u);
  EXPECT_EQ(static_cast<int>(painted.size()), shown);
  for (std::size_t k = 1; k < painted.size(); ++k) EXPECT_GT(painted[k], painted[k - 1]);
  EXPECT_NEAR(static_cast<double>(painted.back()), clock.elapsed() / 10.0, 5);
  const std::size_t before = painted.size();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the program stalls
  Spin(50);
  ASSERT_GT(painted.size(), before);
  EXPECT_GE(painted[before] - painted[before - 1], 15);  // one step over the refreshes it slept through
  const FrameCounts c = frames.Counts();
  EXPECT_EQ(c.source, TimeSource::Timer);
  EXPECT_EQ(c.frames, static_cast<std::int64_t>(painted.size()) + 1);  // and frame 0 at the start
  EXPECT_GE(c.missed, 15);
  EXPECT_NEAR(c.measured_hz, 100, 15);
}

// Without a window system that paces frames (Qt's offscreen platform) a run
// paints the frames into image 0 by a timer; stopping it ends the painting.
TEST_F(MotionRuns, ARunPaintsItsFramesIntoTheImageAndStopsWhenAsked) {
  ASSERT_NO_FATAL_FAILURE(OpenWithImage());
  const std::int64_t motion = *SeriesNumberOf("motion");
  EXPECT_TRUE(IsMotionImage(motion));
  EXPECT_FALSE(IsMotionImage(*SeriesNumberOf("chroma")));
  EXPECT_FALSE(ShownMotionRun());

  PrepareMotionRun(motion, 100);
  ASSERT_EQ(RedrawPattern(motion), 1);
  StartMotionRun(motion, 100);
  ASSERT_TRUE(MotionRunning());
  Spin(300);
  const std::optional<FrameCounts> counts = MotionRunCounts();
  ASSERT_TRUE(counts);
  EXPECT_EQ(counts->source, TimeSource::Timer);
  EXPECT_GE(counts->frames, 10);
  const std::optional<ShownMotion> shown = ShownMotionRun();
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->nominal_hz, 100);
  EXPECT_GE(shown->counts.frames, counts->frames);

  // Image 0 holds a frame past 0, as the painter draws it, below the strip.
  const QImage frame0 = [] {
    QImage image(320, 200, QImage::Format_RGB32);
    HeldFrame held;
    PaintMotionFrame(MotionImage::Motion, {reinterpret_cast<std::uint32_t*>(image.bits()), 320, 320, 200}, 100,
                     held, 0);
    return image;
  }();
  EXPECT_NE(ImageHandle(0)->copy(0, 30, 320, 170), frame0.copy(0, 30, 320, 170));

  StopMotionRun();
  EXPECT_FALSE(MotionRunning());
  EXPECT_FALSE(MotionRunCounts());
  EXPECT_FALSE(ShownMotionRun());
  const QImage stopped = ImageHandle(0)->copy();
  Spin(150);
  EXPECT_EQ(*ImageHandle(0), stopped);
  ReleaseAllImages();
}

// The check's question strip lies over every frame; taken away, the rows
// under it show the image's own pixels again while the frames run on.
TEST_F(MotionRuns, AnOverlayLiesOverEveryFrameUntilTakenAway) {
  ASSERT_NO_FATAL_FAILURE(OpenWithImage());
  const std::int64_t sequence = *SeriesNumberOf("frame-sequence");
  QImage band(320, 45, QImage::Format_RGB32);
  band.fill(QColor(1, 2, 3));
  band.setPixel(319, 44, qRgb(200, 100, 50));

  PrepareMotionRun(sequence, 100);
  ASSERT_EQ(RedrawPattern(sequence), 1);
  SetMotionOverlay(band, 0);
  StartMotionRun(sequence, 100);
  Spin(200);
  const std::int64_t before = MotionRunCounts()->frames;
  Spin(200);
  ASSERT_GT(MotionRunCounts()->frames, before);
  EXPECT_EQ(ImageHandle(0)->copy(0, 0, 320, 45), band);

  SetMotionOverlay(QImage(), 0);
  Spin(200);
  // Rows 30 to 44 are the frame's ground again, the status strip its own.
  const QImage shown = ImageHandle(0)->copy();
  for (int y = 30; y < 45; ++y) {
    for (int x = 0; x < 320; ++x) ASSERT_EQ(shown.pixel(x, y), qRgb(0, 0, 0)) << x << ", " << y;
  }
  EXPECT_NE(shown.copy(0, 0, 320, 30), band.copy(0, 0, 320, 30));
  StopMotionRun();
  ReleaseAllImages();
}

TEST_F(MotionRuns, TheBoxIsLeftByEscapeAndConfirmedByOk) {
  Open(0);
  TrackKeyEvent(Qt::Key_N, Qt::NoModifier, true);
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), u"Rasterwacht"_qs);
    EXPECT_TRUE(box->text().contains(u"Epilepsie"_qs));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &escape);
  });
  EXPECT_FALSE(ConfirmMotionWarning());
  // The release of the key that brought the box never reached the window.
  EXPECT_FALSE(KeyIsDown('N'));
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString::fromUtf16(kMotionWarningText));
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_TRUE(ConfirmMotionWarning());
  // Once confirmed, no box again.
  bool boxed = false;
  QTimer::singleShot(0, [&boxed] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      boxed = true;
      box->button(QMessageBox::Ok)->click();
    }
  });
  EXPECT_TRUE(ConfirmMotionWarning());
  QCoreApplication::processEvents();
  EXPECT_FALSE(boxed);
}

}  // namespace
}  // namespace rw
