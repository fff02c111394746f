#include "channels/group_entries.h"

#include <gtest/gtest.h>

#include "channels/config_fixture.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

// Damaged data (a file or radio image) must not offer a channel the group cannot
// hold, nor the same channel twice, nor one marked not in use.
TEST(GroupEntries, ChannelsInUseAreTheSoundNumbersOfTheGroupAscending) {
  RadioConfig cfg = DefaultConfig();
  for (int number : {12, 3, 41, 0, 3, 7}) AddChannel(cfg, {kHF, 2}, number);
  cfg.Channel({kHF, 2}, 6).Enabled = 0;  // number 7
  AddChannel(cfg, {kHF, 2}, 9);
  cfg.Count({kHF, 2}) = 6;  // number 9 lies beyond the count
  EXPECT_EQ(ChannelNumbersInUse(cfg, {kHF, 2}), (std::vector<int>{3, 12}));

  AddChannel(cfg, {kHF, 16}, 99);
  EXPECT_EQ(ChannelNumbersInUse(cfg, {kHF, 16}), (std::vector<int>{99}));
  cfg.Count({kHF, 16}) = 500;  // held within the group's 99 slots
  EXPECT_LE(ChannelNumbersInUse(cfg, {kHF, 16}).size(), 99u);
}

TEST(GroupEntries, GroupsKeepTheirNumbersWhateverTheirNames) {
  RadioConfig cfg = DefaultConfig();
  cfg.Options.GroupName({kHAM, 2}) = u"A";
  cfg.Options.GroupName({kHAM, 5}) = u"";
  std::vector<GroupEntry> entries = GroupSelectorEntries(cfg, kHAM, kEnglish);
  ASSERT_EQ(entries.size(), 14u);
  EXPECT_EQ(entries[1].group, 2);
  EXPECT_EQ(entries[1].name, "A");
  EXPECT_EQ(entries[4].name, "5");
  EXPECT_EQ(entries[12].group, 13);
  EXPECT_EQ(entries[12].name, "MEM");
  EXPECT_EQ(entries[13].name, "VFO");

  cfg.Options.WorkGroup(kHAM) = 13;
  EXPECT_EQ(InitialGroup(cfg, kHAM), 1);
  cfg.Options.WorkGroup(kHAM) = 12;
  EXPECT_EQ(InitialGroup(cfg, kHAM), 12);
}

}  // namespace
}  // namespace zq
