#include "channels/channel_rows.h"

#include <gtest/gtest.h>

#include <set>

#include "channels/config_fixture.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

TEST(ChannelRows, RowCountsPerBandAndGroup) {
  EXPECT_EQ(GridRowCount({kCB, 3}), 96);
  for (int g : {1, 2, 4, 5, 6, 7}) EXPECT_EQ(GridRowCount({kCB, g}), 56) << g;
  for (const Band band : {kHF, kHAM}) {
    for (int g = 1; g <= OrdinaryGroupCount(band); ++g) EXPECT_EQ(GridRowCount({band, g}), 40);
    EXPECT_EQ(GridRowCount({band, MemGroup(band)}), 99);
    EXPECT_EQ(GridRowCount({band, VfoGroup(band)}), 1);
  }
  EXPECT_EQ(GridRowCount({kCB, 8}), 0);
  EXPECT_EQ(GridRowCount({kHAM, 15}), 0);
}

TEST(ChannelRows, Labels) {
  EXPECT_EQ(GetCHName({kCB, 1}, 40), "40");
  EXPECT_EQ(GetCHName({kCB, 1}, 41), "M1");
  EXPECT_EQ(GetCHName({kCB, 1}, 56), "M16");
  EXPECT_EQ(GetCHName({kCB, 3}, 80), "80");
  EXPECT_EQ(GetCHName({kCB, 3}, 81), "M1");
  EXPECT_EQ(GetCHName({kHF, MemGroup(kHF)}, 1), "M1");
  EXPECT_EQ(GetCHName({kHF, MemGroup(kHF)}, 99), "M99");
  EXPECT_EQ(GetCHName({kHAM, VfoGroup(kHAM)}, 1), "1");
  EXPECT_EQ(GetCHName({kHF, 1}, 41), "");
}

TEST(ChannelRows, GetCHIDReadsBackEveryLabelAndNothingElse) {
  for (const Band band : kBands)
    for (int g = 1; g <= GroupCount(band); ++g)
      for (int row = 1; row <= GridRowCount({band, g}); ++row)
        ASSERT_EQ(GetCHID({band, g}, GetCHName({band, g}, row)), row) << BandIndex(band) << "/" << g << "/" << row;
  EXPECT_EQ(GetCHID({kCB, 1}, "41"), 0);  // row 41 is labelled M1
  EXPECT_EQ(GetCHID({kCB, 1}, "M17"), 0);
  EXPECT_EQ(GetCHID({kHF, MemGroup(kHF)}, "5"), 0);
  EXPECT_EQ(GetCHID({kHF, 1}, "M05"), 0);
  EXPECT_EQ(GetCHID({kHF, 1}, "X"), 0);
  EXPECT_EQ(GetCHID({kHF, 1}, ""), 0);
  EXPECT_EQ(GetCHID({kHF, 1}, "M"), 0);
}

TEST(ChannelRows, CbMemoryRowsReachTheSpecialSlotsOfTheGroupsSet) {
  EXPECT_EQ(TargetOfRow({kCB, 1}, 41).number, 1);
  EXPECT_EQ(TargetOfRow({kCB, 7}, 41).number, 65);  // the set of group 5
  EXPECT_EQ(TargetOfRow({kCB, 3}, 81).number, 33);
  EXPECT_EQ(TargetOfRow({kCB, 3}, 81).kind, RowKind::CbMemory);
  EXPECT_EQ(TargetOfRow({kCB, 3}, 80).kind, RowKind::Channel);
  // Groups 1-6 share out the 96 slots, 16 each, without overlap.
  std::set<int> slots;
  for (int g = 1; g <= 6; ++g)
    for (int row = GroupCapacity({kCB, g}) + 1; row <= GridRowCount({kCB, g}); ++row)
      EXPECT_TRUE(slots.insert(TargetOfRow({kCB, g}, row).number).second) << g << "/" << row;
  EXPECT_EQ(slots.size(), 96u);
  EXPECT_EQ(*slots.begin(), 1);
  EXPECT_EQ(*slots.rbegin(), 96);
}

TEST(ChannelRows, AChannelRowShowsTheRecordWithItsNumber) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, 2}, 9);
  AddChannel(cfg, {kHF, 2}, 3);
  EXPECT_EQ(RecordAtRow(cfg, {kHF, 2}, 3), &cfg.Channel({kHF, 2}, 2));
  EXPECT_EQ(RecordAtRow(cfg, {kHF, 2}, 4), nullptr);
  EXPECT_EQ(RecordAtRow(cfg, {kCB, 7}, 42), &cfg.Special(66));
  EXPECT_EQ(RecordAtRow(cfg, {kHF, 2}, 41), nullptr);
  cfg.Count({kHF, 2}) = 1;  // channel 3 is past the count: not shown
  EXPECT_EQ(RecordAtRow(cfg, {kHF, 2}, 3), nullptr);
}

}  // namespace
}  // namespace zq
