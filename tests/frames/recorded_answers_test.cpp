#include "platform/frames/frame_statistics.h"
#include "platform/frames/window_system_answers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

// The window systems' answers as they were recorded here, through the
// conversions the pacers use, into the counts.
namespace rw {
namespace {

// Xvfb 21.1 with its own 60 Hz clock, 121 PresentCompleteNotify (mode Copy):
// UST in microseconds and MSC, both from the first.
const std::vector<std::pair<std::uint64_t, std::uint64_t>> kXvfbCompletes = {
    {0, 0}, {16804, 1}, {33286, 2}, {49559, 3}, {67038, 4}, {83250, 5}, {99482, 6}, {116740, 7}, {132959, 8}, 
    {150216, 9}, {166474, 10}, {183768, 11}, {200155, 12}, {216395, 13}, {233667, 14}, {249967, 15}, {266235, 16}, 
    {283523, 17}, {299819, 18}, {316118, 19}, {333405, 20}, {349711, 21}, {367049, 22}, {384655, 23}, {400054, 24}, 
    {416397, 25}, {432946, 26}, {450245, 27}, {466525, 28}, {482805, 29}, {499759, 30}, {517054, 31}, {533348, 32}, 
    {549637, 33}, {566936, 34}, {583346, 35}, {599642, 36}, {619247, 37}, {633511, 38}, {649794, 39}, {667065, 40}, 
    {683319, 41}, {699604, 42}, {716860, 43}, {733096, 44}, {750341, 45}, {766609, 46}, {782854, 47}, {800113, 48}, 
    {816378, 49}, {833591, 50}, {849862, 51}, {866108, 52}, {883306, 53}, {899534, 54}, {916828, 55}, {933099, 56}, 
    {950340, 57}, {966537, 58}, {982727, 59}, {999937, 60}, {1016154, 61}, {1033361, 62}, {1049603, 63}, {1066865, 
    64}, {1083080, 65}, {1100285, 66}, {1116510, 67}, {1132846, 68}, {1150101, 69}, {1166364, 70}, {1183614, 71}, 
    {1199822, 72}, {1216111, 73}, {1233411, 74}, {1249712, 75}, {1267039, 76}, {1283365, 77}, {1299696, 78}, 
    {1317013, 79}, {1333343, 80}, {1349646, 81}, {1366962, 82}, {1383287, 83}, {1399571, 84}, {1416882, 85}, 
    {1433191, 86}, {1449548, 87}, {1466906, 88}, {1483244, 89}, {1499552, 90}, {1516860, 91}, {1533172, 92}, 
    {1549511, 93}, {1566825, 94}, {1583150, 95}, {1599442, 96}, {1616751, 97}, {1633076, 98}, {1649401, 99}, 
    {1666742, 100}, {1683075, 101}, {1699404, 102}, {1716699, 103}, {1733002, 104}, {1750318, 105}, {1766647, 106}, 
    {1782934, 107}, {1800295, 108}, {1816635, 109}, {1832925, 110}, {1850215, 111}, {1866514, 112}, {1882794, 113}, 
    {1900097, 114}, {1916388, 115}, {1933590, 116}, {1949831, 117}, {1966040, 118}, {1983276, 119}, {1999523, 120}
};

// Weston 10's headless output, weston-presentation-shm: presented with
// flags 0, seq 0 and a refresh of 60 Hz named; the intervals in
// microseconds.
const std::vector<std::int64_t> kWestonIntervalsUs = {
    25072, 25083, 25074, 25062, 25064, 25079, 25091, 25083, 25067, 25088, 25091, 25112, 25088, 25088, 25075,
    25100, 25118, 25113, 25118, 25107, 25108, 25114, 25097, 25094, 25103, 25152, 25090, 25080, 25102, 25101,
    25136, 25131, 25102, 25106, 25083, 25087, 25116, 25086, 25123, 25079, 25079, 26122, 25084, 25090, 25082,
    25101, 25098, 25118, 25105, 25089, 25066, 25058, 25076, 25067, 25071, 25068, 25107, 25097, 25151, 25109,
    25098, 25097, 25064, 25066, 25068, 25104, 27782, 25094, 25124, 25094, 25079, 25091, 25099, 25113, 25114,
    25113, 25093, 25094, 25058, 25072
};

FrameCounts CountXvfb(const std::vector<std::pair<std::uint64_t, std::uint64_t>>& completes, std::uint8_t mode = 0) {
  FrameStatistics statistics;
  for (const auto& [ust, msc] : completes) statistics.Add(PresentCompleteAnswer(mode, 2'255'359'430 + ust, 135'327 + msc));
  return statistics.Counts();
}

TEST(RecordedAnswers, XvfbsOwnClockIsSixtyHertzByItsCounterAndNoHardware) {
  const FrameCounts c = CountXvfb(kXvfbCompletes);
  EXPECT_EQ(c.frames, 121);
  EXPECT_EQ(c.missed, 0);
  EXPECT_EQ(c.discarded, 0);
  EXPECT_NEAR(c.measured_hz, 60.0, 0.6);
  EXPECT_NEAR(c.p50_ms, 16.67, 0.8);
  EXPECT_EQ(c.source, TimeSource::Compositor);
}

TEST(RecordedAnswers, XvfbFramesThatSkipAnMscCountItMissed) {
  // Every tenth completion removed: the MSC jumps by two there.
  std::vector<std::pair<std::uint64_t, std::uint64_t>> late;
  for (std::size_t k = 0; k < kXvfbCompletes.size(); ++k) {
    if (k % 10 != 5) late.push_back(kXvfbCompletes[k]);
  }
  const FrameCounts c = CountXvfb(late);
  EXPECT_EQ(c.missed, 12);
  EXPECT_NEAR(c.measured_hz, 60.0, 0.6);
}

TEST(RecordedAnswers, AFlipIsHardwareTimedAndASkipIsDiscarded) {
  EXPECT_EQ(CountXvfb(kXvfbCompletes, 1).source, TimeSource::Hardware);
  const FrameFeedback skip = PresentCompleteAnswer(2, 1000, 5);
  EXPECT_TRUE(skip.discarded);
  FrameStatistics statistics;
  statistics.Add(PresentCompleteAnswer(0, 1'000'000, 10));
  statistics.Add(skip);
  statistics.Add(PresentCompleteAnswer(0, 1'016'667, 11));
  EXPECT_EQ(statistics.Counts().discarded, 1);
  EXPECT_EQ(statistics.Counts().frames, 2);
}

TEST(RecordedAnswers, WestonsHeadlessPaceIsMeasuredNotItsNamedRefresh) {
  FrameStatistics statistics;
  std::uint64_t ns = 5'000'000'000;
  statistics.Add(PresentedAnswer(ns / 1'000'000'000, ns % 1'000'000'000, 16'666'666, 0, 0));
  std::vector<std::int64_t> sorted = kWestonIntervalsUs;
  for (std::int64_t us : kWestonIntervalsUs) {
    ns += static_cast<std::uint64_t>(us) * 1000;
    statistics.Add(PresentedAnswer(ns / 1'000'000'000, static_cast<std::uint32_t>(ns % 1'000'000'000), 16'666'666, 0, 0));
  }
  std::sort(sorted.begin(), sorted.end());
  const double reference_hz = 1e6 / static_cast<double>(sorted[sorted.size() / 2]);
  const FrameCounts c = statistics.Counts();
  EXPECT_EQ(c.missed, 0);
  EXPECT_NEAR(c.measured_hz, reference_hz, reference_hz * 0.001);
  EXPECT_EQ(c.source, TimeSource::Compositor);
}

// A compositor that times by the hardware: VSYNC, HW_CLOCK and
// HW_COMPLETION with a counter that counts every refresh.
TEST(RecordedAnswers, HardwarePresentationCountsLateFramesAndStallsByItsCounter) {
  FrameStatistics statistics;
  std::uint64_t seq = 1'000'000;
  std::uint64_t ns = 7'000'000'000;
  const auto shown = [&](std::uint64_t refreshes) {
    seq += refreshes;
    ns += refreshes * 6'944'444;  // 144 Hz
    statistics.Add(PresentedAnswer(ns / 1'000'000'000, static_cast<std::uint32_t>(ns % 1'000'000'000), 6'944'444, seq, 0x7));
  };
  for (int i = 0; i < 300; ++i) shown(1);
  shown(2);                                   // one late frame
  for (int i = 0; i < 100; ++i) shown(1);
  shown(43);                                  // a stall of 300 ms
  FrameFeedback discarded;
  discarded.discarded = true;
  statistics.Add(discarded);
  for (int i = 0; i < 100; ++i) shown(1);
  const FrameCounts c = statistics.Counts();
  EXPECT_EQ(c.frames, 502);
  EXPECT_EQ(c.missed, 1 + 42);
  EXPECT_EQ(c.discarded, 1);
  EXPECT_NEAR(c.measured_hz, 144.0, 0.01);
  EXPECT_NEAR(c.max_ms, 298.6, 0.1);
  EXPECT_EQ(c.source, TimeSource::Hardware);
  // Without HW_COMPLETION the same times are the compositor's estimate.
  FrameStatistics estimate;
  estimate.Add(PresentedAnswer(1, 0, 6'944'444, 10, 0x3));
  estimate.Add(PresentedAnswer(1, 6'944'444, 6'944'444, 11, 0x3));
  EXPECT_EQ(estimate.Counts().source, TimeSource::Compositor);
}

TEST(RecordedAnswers, TheConversionsKeepTheirFields) {
  const FrameFeedback p = PresentedAnswer(0x1'0000'0002ull, 999'999'999, 16'666'667, 0xABCDull << 32 | 7, 0x5);
  EXPECT_EQ(p.time_ns, static_cast<std::int64_t>(0x1'0000'0002ull) * 1'000'000'000 + 999'999'999);
  EXPECT_EQ(p.counter, 0xABCDull << 32 | 7);
  EXPECT_EQ(p.refresh_ns, 16'666'667);
  EXPECT_TRUE(p.vsync);
  EXPECT_FALSE(p.hw_clock);
  EXPECT_TRUE(p.hw_completion);
  EXPECT_FALSE(p.discarded);
  // Times beyond any clock are held, not wrapped into the past.
  EXPECT_GT(PresentedAnswer(~0ull, 0, 0, 0, 0).time_ns, 0);
  EXPECT_GT(PresentCompleteAnswer(0, ~0ull, 1).time_ns, 0);
  const FrameFeedback x = PresentCompleteAnswer(0, 2'255'359'430, 135'327);
  EXPECT_EQ(x.time_ns, 2'255'359'430'000);
  EXPECT_EQ(x.counter, 135'327u);
  EXPECT_TRUE(x.vsync);
  EXPECT_FALSE(x.hw_clock);
}

}  // namespace
}  // namespace rw
