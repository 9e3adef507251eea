#include "platform/frames/frame_statistics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace rw {
namespace {

constexpr std::int64_t kNs60 = 16'666'667;

// A recorded run: each entry one answer, built step by step.
struct Recording {
  std::vector<FrameFeedback> answers;
  std::int64_t t_ns = 1'000'000'000;
  std::uint64_t seq = 5000;

  // A frame shown `refreshes` refreshes of `period_ns` after the previous
  // one, as a compositor with hardware timing reports it.
  void Hardware(std::int64_t refreshes = 1, std::int64_t period_ns = kNs60) {
    t_ns += refreshes * period_ns;
    seq += static_cast<std::uint64_t>(refreshes);
    answers.push_back({false, t_ns, seq, period_ns, true, true, true});
  }
  // A frame shown `dt_ns` after the previous one, with neither counter nor flags.
  void Untimed(std::int64_t dt_ns, std::int64_t refresh_ns = 0) {
    t_ns += dt_ns;
    answers.push_back({false, t_ns, 0, refresh_ns, false, false, false});
  }
  void Discarded() { answers.push_back({true, 0, 0, 0, false, false, false}); }

  FrameCounts Count(bool timer_only = false) const {
    FrameStatistics statistics(timer_only);
    for (const FrameFeedback& f : answers) statistics.Add(f);
    return statistics.Counts();
  }
};

TEST(FrameStatistics, ACleanHardwareRunMissesNothing) {
  Recording r;
  for (int i = 0; i < 600; ++i) r.Hardware();
  const FrameCounts c = r.Count();
  EXPECT_EQ(c.frames, 600);
  EXPECT_EQ(c.missed, 0);
  EXPECT_EQ(c.discarded, 0);
  EXPECT_NEAR(c.measured_hz, 60.0, 0.01);
  EXPECT_NEAR(c.mean_hz, 60.0, 0.01);
  EXPECT_NEAR(c.p50_ms, 16.667, 0.001);
  EXPECT_NEAR(c.p99_ms, 16.667, 0.001);
  EXPECT_NEAR(c.max_ms, 16.667, 0.001);
  EXPECT_EQ(c.source, TimeSource::Hardware);
}

TEST(FrameStatistics, OneLateFrameIsOneMissedRefreshAndShowsAsTheLargestInterval) {
  Recording r;
  for (int i = 0; i < 100; ++i) r.Hardware();
  r.Hardware(2);
  for (int i = 0; i < 100; ++i) r.Hardware();
  const FrameCounts c = r.Count();
  EXPECT_EQ(c.frames, 201);
  EXPECT_EQ(c.missed, 1);
  EXPECT_NEAR(c.max_ms, 33.333, 0.001);
  EXPECT_NEAR(c.measured_hz, 60.0, 0.01);  // per refresh, the rate held
  EXPECT_NEAR(c.p50_ms, 16.667, 0.001);
}

TEST(FrameStatistics, ALongStallCountsEveryRefreshItCovered) {
  Recording r;
  for (int i = 0; i < 60; ++i) r.Hardware();
  r.Hardware(18);  // 300 ms
  for (int i = 0; i < 60; ++i) r.Hardware();
  FrameStatistics statistics;
  for (const FrameFeedback& f : r.answers) statistics.Add(f);
  EXPECT_EQ(statistics.Counts().missed, 17);
  EXPECT_EQ(statistics.LastFrameNumber(), 59 + 18 + 60);
  EXPECT_NEAR(statistics.Counts().max_ms, 300.0, 0.001);
}

TEST(FrameStatistics, DiscardedPicturesAreCountedApartFromShownOnes) {
  Recording r;
  r.Hardware();
  r.Discarded();
  r.Hardware();
  r.Discarded();
  r.Discarded();
  r.Hardware();
  const FrameCounts c = r.Count();
  EXPECT_EQ(c.frames, 3);
  EXPECT_EQ(c.discarded, 3);
  EXPECT_EQ(c.missed, 0);
}

TEST(FrameStatistics, WithoutACounterTheRefreshesComeFromTheTimes) {
  // A compositor that sends times and its refresh period but seq 0 and no flags.
  Recording r;
  for (int i = 0; i < 50; ++i) r.Untimed(kNs60, kNs60);
  r.Untimed(5 * kNs60 + 2'000'000, kNs60);  // 5.12 refreshes late: 4 missed
  for (int i = 0; i < 50; ++i) r.Untimed(kNs60, kNs60);
  const FrameCounts c = r.Count();
  EXPECT_EQ(c.missed, 4);
  EXPECT_EQ(c.source, TimeSource::Compositor);
}

TEST(FrameStatistics, ACounterThatStandsStillOrHasNoVsyncIsNotBelieved) {
  Recording r;
  for (int i = 0; i < 20; ++i) r.Hardware();
  // seq repeats: a counter that does not count refreshes.
  FrameFeedback same = r.answers.back();
  same.time_ns += 2 * kNs60;
  r.answers.push_back(same);
  // seq jumps by 100 without vsync.
  FrameFeedback jump = same;
  jump.time_ns += kNs60;
  jump.counter += 100;
  jump.vsync = false;
  r.answers.push_back(jump);
  const FrameCounts c = r.Count();
  EXPECT_EQ(c.missed, 1);  // the repeat's 2 refreshes from the time, the jump's 1
  EXPECT_EQ(c.source, TimeSource::Compositor);
}

// Headless sway: frame callbacks in whole milliseconds, the first ones at
// once, then every 10 or 11 ms. No median of a few intervals judges the
// later ones; a stall among the first frames still counts once the period
// stands.
TEST(FrameStatistics, TheFirstIntervalsWaitForAPeriodBeforeTheyCount) {
  Recording quick_start;
  quick_start.Untimed(1'000'000);
  quick_start.Untimed(2'000'000);
  for (int i = 0; i < 300; ++i) quick_start.Untimed(i % 5 == 4 ? 11'000'000 : 10'000'000);
  EXPECT_EQ(quick_start.Count().missed, 0);

  Recording early_stall;
  for (int i = 0; i < 3; ++i) early_stall.Untimed(10'000'000);
  early_stall.Untimed(40'000'000);  // 4 refreshes: 3 missed
  for (int i = 0; i < 100; ++i) early_stall.Untimed(10'000'000);
  EXPECT_EQ(early_stall.Count().missed, 3);
}

TEST(FrameStatistics, AHeadlessTickOf62Point5HzCalled60IsMeasuredNotBelieved) {
  Recording r;
  constexpr std::int64_t kTick = 16'000'000;
  for (int i = 0; i < 200; ++i) r.Untimed(kTick);
  r.Untimed(400'000'000);  // 25 ticks: 24 missed (24 at the nominal 60 Hz would be 23)
  for (int i = 0; i < 200; ++i) r.Untimed(kTick);
  const FrameCounts c = r.Count();
  EXPECT_EQ(c.missed, 24);
  EXPECT_NEAR(c.measured_hz, 62.5, 0.01);
  EXPECT_EQ(c.source, TimeSource::Compositor);
}

TEST(FrameStatistics, ARefreshNamedWithoutVsyncIsNotBelievedOverTheTimes) {
  // Weston's headless output: presented with flags 0 and seq 0, a refresh of
  // 60 Hz named, pictures shown every 25.3 ms at its own pace.
  Recording r;
  for (int i = 0; i < 300; ++i) r.Untimed(25'300'000, kNs60);
  const FrameCounts c = r.Count();
  EXPECT_EQ(c.missed, 0);
  EXPECT_NEAR(c.measured_hz, 1e9 / 25'300'000.0, 0.01);
  EXPECT_EQ(c.source, TimeSource::Compositor);
}

TEST(FrameStatistics, ARefreshNamedWithVsyncCountsFromTheFirstInterval) {
  // No counter, but the answer's refresh is tied to the refreshes: the
  // second frame, three refreshes late, counts two missed before any
  // median exists.
  FrameStatistics statistics;
  statistics.Add({false, 1'000'000'000, 0, kNs60, true, false, false});
  statistics.Add({false, 1'000'000'000 + 3 * kNs60, 0, kNs60, true, false, false});
  EXPECT_EQ(statistics.Counts().missed, 2);
  EXPECT_EQ(statistics.LastFrameNumber(), 3);
}

TEST(FrameStatistics, ACounterMeasuresTheRateWhereTheTimesJitterByWholeMilliseconds) {
  // An X server's own 60 Hz clock: the MSC counts every refresh, the
  // completion times fall on its millisecond timer, mostly early.
  FrameStatistics statistics;
  std::uint64_t msc = 1000;
  for (int i = 0; i < 600; ++i, ++msc) {
    const std::int64_t exact_us = static_cast<std::int64_t>(msc) * 1'000'000 / 60;
    const std::int64_t t_us = exact_us / 1000 * 1000 + (i % 5 == 0 ? 700 : 0);
    statistics.Add({false, t_us * 1000, msc, 0, true, false, false});
  }
  const FrameCounts c = statistics.Counts();
  EXPECT_EQ(c.missed, 0);
  EXPECT_NEAR(c.measured_hz, 60.0, 0.1);
  EXPECT_NEAR(c.mean_hz, 60.0, 0.1);
  EXPECT_EQ(c.source, TimeSource::Compositor);  // a copy, no hardware clock
}

TEST(FrameStatistics, TimerTimesSayTimerAndTheFirstFramesGiveNoRate) {
  FrameStatistics statistics(true);
  EXPECT_EQ(statistics.Counts().measured_hz, 0.0);
  statistics.Add({false, 100, 0, 0, false, false, false});
  EXPECT_EQ(statistics.Counts().frames, 1);
  EXPECT_EQ(statistics.Counts().measured_hz, 0.0);
  statistics.Add({false, 100 + kNs60, 0, 0, false, false, false});
  EXPECT_NEAR(statistics.Counts().measured_hz, 60.0, 0.01);
  EXPECT_EQ(statistics.Counts().source, TimeSource::Timer);
}

TEST(FrameStatistics, TimesThatRunBackwardsAndHugeCounterJumpsStayBounded) {
  FrameStatistics statistics;
  statistics.Add({false, 1'000'000'000, 10, kNs60, true, true, true});
  statistics.Add({false, 500'000'000, 11, kNs60, true, true, true});  // earlier than the last
  statistics.Add({false, 600'000'000, UINT64_MAX, kNs60, true, true, true});
  const FrameCounts c = statistics.Counts();
  EXPECT_EQ(c.frames, 3);
  EXPECT_GE(c.missed, 0);
  EXPECT_LE(c.missed, std::int64_t{1} << 30);
}

}  // namespace
}  // namespace rw
