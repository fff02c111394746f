#include "channels/group_selection.h"

#include <gtest/gtest.h>

#include "channels/config_fixture.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

TEST(GroupSelection, TheWorkGroupStaysOnAValidGroupWithChannels) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHAM, 2}, 1);
  AddChannel(cfg, {kHAM, 5}, 1);
  cfg.Options.WorkGroup(kHAM) = 5;
  RevalidateGroupSelections(cfg, kHAM);
  EXPECT_EQ(cfg.Options.WorkGroup(kHAM), 5);

  cfg.Options.GroupValid({kHAM, 5}) = 0;
  RevalidateGroupSelections(cfg, kHAM);
  EXPECT_EQ(cfg.Options.WorkGroup(kHAM), 2);  // the first workable group
}

TEST(GroupSelection, WithoutAWorkableGroupTheWorkGroupIsOne) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, MemGroup(kHF)}, 3);  // memory and VFO groups are never work groups
  cfg.Options.GroupValid({kHF, MemGroup(kHF)}) = 1;
  AddChannel(cfg, {kHF, 4}, 3);
  cfg.Options.GroupValid({kHF, 4}) = 0;
  cfg.Options.WorkGroup(kHF) = MemGroup(kHF);
  RevalidateGroupSelections(cfg, kHF);
  EXPECT_EQ(cfg.Options.WorkGroup(kHF), 1);
}

TEST(GroupSelection, WorkChannelsPointAtAChannelInUse) {
  RadioConfig cfg = DefaultConfig();
  for (int number : {30, 12, 25}) AddChannel(cfg, {kCB, 4}, number);
  cfg.Options.WorkChannel({kCB, 4}) = 25;
  cfg.Options.WorkChannel({kCB, 5}) = 17;  // group 5 has no channels
  cfg.Options.WorkChannel({kCB, 6}) = 0;
  AddChannel(cfg, {kCB, 6}, 2);
  RevalidateGroupSelections(cfg, kCB);
  EXPECT_EQ(cfg.Options.WorkChannel({kCB, 4}), 25);
  EXPECT_EQ(cfg.Options.WorkChannel({kCB, 5}), 1);
  EXPECT_EQ(cfg.Options.WorkChannel({kCB, 6}), 2);

  cfg.Options.WorkChannel({kCB, 4}) = 31;  // a row without a channel
  RevalidateGroupSelections(cfg, kCB);
  EXPECT_EQ(cfg.Options.WorkChannel({kCB, 4}), 12);  // the lowest Number, not the first record
}

}  // namespace
}  // namespace zq
