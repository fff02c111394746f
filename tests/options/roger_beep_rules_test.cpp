#include "options/roger_beep_rules.h"

#include <gtest/gtest.h>

#include "channels/config_fixture.h"
#include "config/public_params.h"
#include "options/roger_preview.h"
#include "support/roger_presets.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

using testing::Preset;

// Only preset `n` defined.
RadioConfig OnlyPresetDefined(int n) {
  RadioConfig cfg = DefaultConfig();
  for (auto& preset : cfg.RogerBeepTable) preset = RogerBeepPreset{};
  cfg.RogerBeepTable[n - 1] = Preset({{100, 20}}, 1, 0);
  return cfg;
}

TEST(RogerPresets, APresetIsDefinedWhenItPlaysAtLeastOnceAndHasAStepWithLength) {
  RadioConfig cfg = DefaultConfig();
  cfg.RogerBeepTable[4] = Preset({{0, 0}, {0, 0}, {0, 1}}, 1, 0);  // a silent step counts
  cfg.RogerBeepTable[5] = Preset({{100, 20}}, 0, 0);
  cfg.RogerBeepTable[6] = Preset({{100, 0}, {120, -5}}, 3, 0);
  cfg.RogerBeepTable[7][27] = 4;  // the 14th step's duration
  cfg.RogerBeepTable[7][kRecycleTimesIndex] = 2;
  EXPECT_EQ(DefinedRogerPresetNumbers(cfg), (std::vector<int>{1, 2, 3, 4, 5, 8}));
  EXPECT_EQ(DefinedRogerPresetCount(cfg), 6);
  EXPECT_FALSE(IsRogerPresetDefined(cfg, 0));
  EXPECT_FALSE(IsRogerPresetDefined(cfg, 9));
}

TEST(RogerPresets, TheLastDefinedPresetCannotBeSwitchedOffOrEmptied) {
  RadioConfig cfg = OnlyPresetDefined(2);
  RadioConfig before = cfg;
  EXPECT_FALSE(SetRogerRecycleTimes(cfg, 2, 0));
  EXPECT_FALSE(SetRogerStepDuration(cfg, 2, 1, 0));
  EXPECT_EQ(cfg, before);

  EXPECT_TRUE(SetRogerStepDuration(cfg, 2, 5, 3));  // still a step with length
  EXPECT_TRUE(SetRogerStepDuration(cfg, 2, 1, 0));
  EXPECT_TRUE(SetRogerRecycleTimes(cfg, 5, 0));  // another preset: nothing is lost
  EXPECT_TRUE(SetRogerStepDuration(cfg, 5, 1, 0));
  EXPECT_EQ(DefinedRogerPresetNumbers(cfg), std::vector<int>{2});
}

TEST(RogerPresets, WithTwoDefinedEitherMayGoAndWithNoneNothingIsRefused) {
  RadioConfig cfg = OnlyPresetDefined(2);
  cfg.RogerBeepTable[6] = Preset({{80, 5}}, 2, 0);
  EXPECT_TRUE(SetRogerRecycleTimes(cfg, 2, 0));
  EXPECT_FALSE(SetRogerRecycleTimes(cfg, 7, 0));

  RadioConfig empty = OnlyPresetDefined(1);
  empty.RogerBeepTable[0] = RogerBeepPreset{};
  EXPECT_TRUE(SetRogerRecycleTimes(empty, 1, 1));  // the way back to a defined preset
  EXPECT_TRUE(SetRogerStepDuration(empty, 1, 1, 10));
  EXPECT_TRUE(IsRogerPresetDefined(empty, 1));
}

TEST(RogerPresets, ValuesOutsideTheEditorsListsAreRefused) {
  RadioConfig cfg = DefaultConfig();
  RadioConfig before = cfg;
  EXPECT_FALSE(SetRogerRecycleTimes(cfg, 1, 11));
  EXPECT_FALSE(SetRogerStepDuration(cfg, 1, 15, 10));
  EXPECT_FALSE(SetRogerStepDuration(cfg, 1, 1, 256));
  EXPECT_FALSE(SetRogerInterTime(cfg, 1, -1));
  EXPECT_FALSE(SetRogerStepFrequency(cfg, 1, 1, 39));
  EXPECT_FALSE(SetRogerStepFrequency(cfg, 9, 1, 100));
  EXPECT_EQ(cfg, before);
  EXPECT_TRUE(SetRogerStepFrequency(cfg, 1, 14, 40));
  EXPECT_TRUE(SetRogerStepFrequency(cfg, 1, 14, 0));
  EXPECT_TRUE(SetRogerInterTime(cfg, 1, 255));
  EXPECT_EQ(cfg.RogerBeepTable[0][kInterTimeIndex], 255);
}

TEST(RogerPresets, EmptyingAPresetResetsEveryReferenceToIt) {
  RadioConfig cfg = DefaultConfig();
  ASSERT_TRUE(IsRogerPresetDefined(cfg, 4));
  AddChannel(cfg, {kCB, 2}, 1).Roger = 4;
  AddChannel(cfg, {kHAM, VfoGroup(kHAM)}, 1).Roger = 2;
  cfg.Special(12).Roger = 4;
  for (const Band band : kBands) cfg.Options.PublicParams(band, kPublicRoger) = 4;
  cfg.Channel({kCB, 2}, 2).Roger = 4;  // past the channel count

  ASSERT_TRUE(SetRogerStepDuration(cfg, 4, 1, 0));

  EXPECT_FALSE(IsRogerPresetDefined(cfg, 4));
  EXPECT_EQ(cfg.Channel({kCB, 2}, 1).Roger, 0);
  EXPECT_EQ(cfg.Channel({kHAM, VfoGroup(kHAM)}, 1).Roger, 2);
  EXPECT_EQ(cfg.Special(12).Roger, 0);
  for (const Band band : kBands) EXPECT_EQ(cfg.Options.PublicParams(band, kPublicRoger), 0);
  EXPECT_EQ(cfg.Channel({kCB, 2}, 2).Roger, 4);
  EXPECT_EQ(DefinedRogerPresetNumbers(cfg), (std::vector<int>{1, 2, 3}));
}

TEST(RogerPresets, FrequencyAndInterTimeChangesLeaveReferencesAlone) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, 1}, 1).Roger = 7;  // stale, but only duration and recycle changes clean
  ASSERT_TRUE(SetRogerStepFrequency(cfg, 1, 1, 50));
  ASSERT_TRUE(SetRogerInterTime(cfg, 1, 5));
  EXPECT_EQ(cfg.Channel({kHF, 1}, 1).Roger, 7);
  ASSERT_TRUE(SetRogerRecycleTimes(cfg, 1, 2));
  EXPECT_EQ(cfg.Channel({kHF, 1}, 1).Roger, 0);
}

using E = BeepEvent;
constexpr auto kTone = BeepEventKind::Tone;
constexpr auto kSilence = BeepEventKind::Silence;
constexpr auto kPause = BeepEventKind::Pause;

TEST(RogerPreview, RepeatsTheStepsWithThePauseAfterEachRound) {
  EXPECT_EQ(RogerPreview(Preset({{100, 20}}, 3, 50)), (std::vector<E>{{kTone, 1000, 200},
                                                                      {kPause, 0, 500},
                                                                      {kTone, 1000, 200},
                                                                      {kPause, 0, 500},
                                                                      {kTone, 1000, 200},
                                                                      {kPause, 0, 500}}));
}

TEST(RogerPreview, LowOrMissingFrequenciesAreSilenceAndEmptyStepsAreSkipped) {
  EXPECT_EQ(
      RogerPreview(Preset({{80, 10}, {0, 30}, {0, 0}, {4, 7}, {5, 8}, {255, 1}}, 1, 0)),
      (std::vector<E>{{kTone, 800, 100}, {kSilence, 0, 300}, {kSilence, 0, 70}, {kTone, 50, 80}, {kTone, 2550, 10}}));
}

TEST(RogerPreview, PlaysOnlyWhatLastsLongerThanFourMilliseconds) {
  EXPECT_EQ(RogerPreview(Preset({{100, 1}}, 1, 0)), (std::vector<E>{{kTone, 1000, 10}}));
  EXPECT_TRUE(RogerPreview(Preset({{100, 0}, {120, 0}}, 2, 10)).empty());
  EXPECT_TRUE(RogerPreview(Preset({{100, 20}}, 0, 10)).empty());
}

}  // namespace
}  // namespace zq
