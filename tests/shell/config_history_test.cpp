// The undo history of the configuration: steps that take back exactly what an
// action changed and bring it again, kept as differences, at most so many.
#include "shell/config_history.h"

#include <gtest/gtest.h>

#include "support/random_config.h"

namespace zq {
namespace {

// Another configuration in every part: channel records of every band, the
// special slots and every member of the settings block.
RadioConfig EverywhereElse() {
  RadioConfig cfg = testing::RandomConfig(2).Make();
  cfg.DataVersion = "V999";
  cfg.RangeType = {0, 7};
  cfg.Flags = {5, 6};
  cfg.SelectionFlags.at({kHF, 3}) = 9;
  cfg.ChannelCount.at({kCB, 17}) = 4;
  cfg.Identity.ModelName = "OTHER";
  cfg.Identity.Marker = 1;
  cfg.PublicSwitch = {1, 1, 0};
  cfg.KeyLock = 3;
  cfg.EmgMode = 4;
  cfg.RadioInfo.SerialNumber = "2099";
  return cfg;
}

TEST(ConfigHistory, UndoAndRedoRestoreEveryPartOfTheConfigurationExactly) {
  const RadioConfig before = testing::RandomConfig(1).Make();
  const RadioConfig after = EverywhereElse();
  ConfigHistory history;
  history.Reset(before);
  RadioConfig cfg = before;
  EXPECT_FALSE(history.Record(cfg));
  EXPECT_FALSE(history.Undo(cfg));

  cfg = after;
  ASSERT_TRUE(history.Record(cfg));
  ASSERT_TRUE(history.Undo(cfg));
  EXPECT_TRUE(cfg == before);
  EXPECT_FALSE(history.CanUndo());
  ASSERT_TRUE(history.Redo(cfg));
  EXPECT_TRUE(cfg == after);
  EXPECT_FALSE(history.Redo(cfg));
  EXPECT_TRUE(cfg == after);
}

TEST(ConfigHistory, StepsFollowTheActionsAndCostOnlyWhatTheyChanged) {
  RadioConfig cfg = testing::RandomConfig(3).Make();
  const RadioConfig start = cfg;
  ConfigHistory history;
  history.Reset(cfg);

  cfg.Options.Tot() = cfg.Options.Tot() + 1;
  ASSERT_TRUE(history.Record(cfg));
  EXPECT_LT(history.StepBytes(), 1000u);  // a field, not a copy of the configuration
  const RadioConfig one = cfg;
  cfg.Channel({kHF, 16}, 42).RxFrequency = "28000000";
  cfg.Special(96).Busy = 1 - cfg.Special(96).Busy;
  ASSERT_TRUE(history.Record(cfg));
  const RadioConfig two = cfg;

  // A change not recorded yet becomes a step of its own before the undo.
  cfg.Channel({kCB, 1}, 1).Echo = 1 - cfg.Channel({kCB, 1}, 1).Echo;
  const RadioConfig three = cfg;
  ASSERT_TRUE(history.Undo(cfg));
  EXPECT_TRUE(cfg == two);
  ASSERT_TRUE(history.Undo(cfg));
  EXPECT_TRUE(cfg == one);
  EXPECT_EQ(history.RedoCount(), 2u);
  ASSERT_TRUE(history.Redo(cfg));
  EXPECT_TRUE(cfg == two);

  // A new action drops what could have been redone.
  cfg.KeyLock = static_cast<uint8_t>(cfg.KeyLock + 1);
  ASSERT_TRUE(history.Record(cfg));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.UndoCount(), 3u);

  // An absorbed change stays when the steps before it are taken back.
  cfg.Identity.ModelName = "ABSORB";
  cfg.Identity.ModelCode = 1;
  history.Absorb(cfg);
  EXPECT_EQ(history.UndoCount(), 3u);
  while (history.Undo(cfg)) {
  }
  EXPECT_FALSE(cfg == start);
  cfg.Identity = start.Identity;
  EXPECT_TRUE(cfg == start);
}

TEST(ConfigHistory, KeepsAHundredStepsAndLetsTheOldestGo) {
  RadioConfig cfg;
  ConfigHistory history;
  history.Reset(cfg);
  for (int k = 1; k <= 105; ++k) {
    cfg.Channel({kHAM, 13}, k % 99 + 1).Mode = static_cast<int16_t>(k);
    ASSERT_TRUE(history.Record(cfg));
  }
  EXPECT_EQ(history.UndoCount(), kUndoSteps);
  EXPECT_GE(kUndoSteps, 100u);
  while (history.Undo(cfg)) {
  }
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(cfg.Channel({kHAM, 13}, k % 99 + 1).Mode, k);  // older than the history
  EXPECT_EQ(cfg.Channel({kHAM, 13}, 7).Mode, 0);
}

}  // namespace
}  // namespace zq
