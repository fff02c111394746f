// The roger-beep diagram's bars and the samples of a previewed tone.
#include "options/roger_bars.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/tone_samples.h"

namespace zq {
namespace {

RogerBeepPreset Steps(std::initializer_list<std::pair<int, int>> steps) {
  RogerBeepPreset preset{};
  int i = 0;
  for (auto [frequency, duration] : steps) {
    preset[i++] = static_cast<int16_t>(frequency);
    preset[i++] = static_cast<int16_t>(duration);
  }
  preset[kRecycleTimesIndex] = 1;
  return preset;
}

TEST(RogerBars, EachLastingStepGetsItsShareOfTheWidthAndAlternatesColour) {
  std::vector<RogerBar> bars = RogerBars(Steps({{128, 10}, {200, 0}, {0, 30}, {255, 20}}), 300, 256);
  EXPECT_EQ(bars, (std::vector<RogerBar>{{0, 50, 128, true}, {50, 150, 0, false}, {200, 100, 255, true}}));
}

TEST(RogerBars, EdgesFollowTheRunningTotalSoTheBarsFillThePicture) {
  std::vector<RogerBar> bars = RogerBars(Steps({{100, 1}, {100, 1}, {100, 1}}), 100, 50);
  ASSERT_EQ(bars.size(), 3u);
  EXPECT_EQ(bars[0].x, 0);
  EXPECT_EQ(bars[1].x, bars[0].x + bars[0].width);
  EXPECT_EQ(bars[2].x + bars[2].width, 100);
  EXPECT_EQ(bars[0].height, 100 * 50 / 256);
}

TEST(RogerBars, NothingToDrawWithoutDurationsOrRoom) {
  EXPECT_TRUE(RogerBars(Steps({{100, 0}}), 300, 80).empty());
  EXPECT_TRUE(RogerBars(Steps({{100, 5}}), 0, 80).empty());
  EXPECT_EQ(RogerBars(Steps({{900, 5}}), 10, 80).front().height, 80);  // a damaged value stays inside
}

TEST(ToneSamples, ASineOfTheRightLengthAndPitchThatStartsAndEndsQuietly) {
  std::vector<int16_t> samples = SineSamples(1000, 200, 48000);
  ASSERT_EQ(samples.size(), 9600u);
  int crossings = 0;
  for (std::size_t k = 1; k < samples.size(); ++k)
    if ((samples[k - 1] < 0) != (samples[k] < 0)) ++crossings;
  EXPECT_NEAR(crossings, 2 * 1000 * 0.2, 4);
  int16_t loudest = *std::max_element(samples.begin(), samples.end());
  EXPECT_NEAR(loudest, 16383, 50);
  EXPECT_LT(std::abs(samples.front()), 100);
  EXPECT_LT(std::abs(samples.back()), 500);
  EXPECT_TRUE(SineSamples(0, 200, 48000).empty());
  EXPECT_TRUE(SineSamples(1000, 0, 48000).empty());
}

}  // namespace
}  // namespace zq
