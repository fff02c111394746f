#include "channels/frequency_entry.h"

#include <gtest/gtest.h>

#include "channels/config_fixture.h"
#include "config/channel_slots.h"
#include "image/image_codec.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;
using testing::NumbersInOrder;

const FrequencyLimits kHfLimits = LimitsOfBand(kHF);

TEST(FrequencyEntry, CreatesANewChannelAfterTheExistingOnesWithFreshFields) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, 2}, 7);
  ChannelRecord& stale = cfg.Channel({kHF, 2}, 2);  // left over from an earlier channel
  stale.RxToneType = 2;
  stale.RxDcs = 50;
  stale.CbMemChannel = 4;
  stale.Roger = 3;

  EntryResult result = StoreFrequencyEntry(cfg, {kHF, 2}, 3, "28.14500", kHfLimits);

  EXPECT_EQ(result.outcome, EntryOutcome::Created);
  EXPECT_FALSE(result.outOfRange);
  EXPECT_EQ(cfg.Count({kHF, 2}), 2);
  EXPECT_EQ(NumbersInOrder(cfg, {kHF, 2}), (std::vector<int>{7, 3}));
  ChannelRecord expected = NewChannelRecord(3);
  expected.RxFrequency = "2814500";
  expected.TxFrequency = "2814500";
  EXPECT_EQ(cfg.Channel({kHF, 2}, 2), expected);
  EXPECT_EQ(cfg.Channel({kHF, 2}, 2).RxFrequency.str(), "2814500 ");
}

TEST(FrequencyEntry, ChangingAChannelRewritesOnlyItsReceiveFrequency) {
  RadioConfig cfg = DefaultConfig();
  ChannelRecord& channel = AddChannel(cfg, {kHF, 1}, 4, "2800000 ");
  channel.TxCtcss = 12;
  ChannelRecord before = channel;

  EntryResult result = StoreFrequencyEntry(cfg, {kHF, 1}, 4, "28.123456", kHfLimits);

  EXPECT_EQ(result.outcome, EntryOutcome::Changed);
  ChannelRecord expected = before;
  expected.RxFrequency = "2812345";  // snapped to the 10 Hz raster
  EXPECT_EQ(cfg.Channel({kHF, 1}, 1), expected);
  EXPECT_EQ(cfg.Count({kHF, 1}), 1);
}

TEST(FrequencyEntry, EmptyingAChannelMovesTheLaterOnesForward) {
  RadioConfig cfg = DefaultConfig();
  for (int number : {5, 2, 9}) AddChannel(cfg, {kHF, 1}, number);
  ChannelRecord nine = cfg.Channel({kHF, 1}, 3);

  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, 1}, 2, "", kHfLimits).outcome, EntryOutcome::Removed);

  EXPECT_EQ(NumbersInOrder(cfg, {kHF, 1}), (std::vector<int>{5, 9}));
  EXPECT_EQ(cfg.Channel({kHF, 1}, 2), nine);
}

TEST(FrequencyEntry, AnEntryOutOfRangeWarnsAndCountsAsEmpty) {
  RadioConfig cfg = DefaultConfig();
  for (int number : {1, 2}) AddChannel(cfg, {kHF, 1}, number);

  EntryResult overChannel = StoreFrequencyEntry(cfg, {kHF, 1}, 2, "24.71499", kHfLimits);
  EXPECT_TRUE(overChannel.outOfRange);
  EXPECT_EQ(overChannel.outcome, EntryOutcome::Removed);

  EntryResult onEmptyRow = StoreFrequencyEntry(cfg, {kHF, 1}, 3, "hello", kHfLimits);
  EXPECT_TRUE(onEmptyRow.outOfRange);
  EXPECT_EQ(onEmptyRow.outcome, EntryOutcome::Unchanged);
  EXPECT_EQ(NumbersInOrder(cfg, {kHF, 1}), std::vector<int>{1});
}

TEST(FrequencyEntry, TheOnlyChannelOfTheBandStays) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, 3}, 1);
  RadioConfig before = cfg;

  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, 3}, 1, "", kHfLimits).outcome, EntryOutcome::KeptLastChannel);
  EXPECT_EQ(cfg, before);
}

TEST(FrequencyEntry, TheLastChannelOfAGroupGoesWhenAnotherValidGroupHasChannels) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, 3}, 1);
  AddChannel(cfg, {kHF, 5}, 39);

  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, 3}, 1, "", kHfLimits).outcome, EntryOutcome::RemovedGroupInvalid);
  EXPECT_EQ(cfg.Count({kHF, 3}), 0);
  EXPECT_EQ(cfg.Options.GroupValid({kHF, 3}), 0);
  EXPECT_EQ(cfg.Options.GroupValid({kHF, 5}), 1);
}

TEST(FrequencyEntry, OnlyChannelsBelow40InValidGroupsOneToNineLetTheLastChannelGo) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, 3}, 1);
  AddChannel(cfg, {kHF, 5}, 40);  // channel 40 is not counted
  AddChannel(cfg, {kHF, 6}, 10);  // nor channels of groups that are not valid
  cfg.Options.GroupValid({kHF, 6}) = 0;
  AddChannel(cfg, {kHF, 10}, 10);  // nor groups above 9
  AddChannel(cfg, {kHF, MemGroup(kHF)}, 10);
  RadioConfig before = cfg;

  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, 3}, 1, "", kHfLimits).outcome, EntryOutcome::KeptLastChannel);
  EXPECT_EQ(cfg, before);
}

TEST(FrequencyEntry, AGroupWithOneChannelUpTo40CountsAsOnItsLastChannelWhateverItsMemoryRows) {
  RadioConfig cfg = DefaultConfig();
  int mem = MemGroup(kHAM);
  AddChannel(cfg, {kHAM, mem}, 60);
  AddChannel(cfg, {kHAM, mem}, 3);
  AddChannel(cfg, {kHAM, mem}, 70);
  // Channel 3 is the group's only one numbered up to 40, and no valid group
  // among the first nine has a channel, so it stays.
  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHAM, mem}, 3, "", LimitsOfBand(kHAM)).outcome, EntryOutcome::KeptLastChannel);
  // Channel 60 counts as the group's last channel too (one record up to 40), so
  // it goes only once another valid group has a channel below 40.
  AddChannel(cfg, {kHAM, 2}, 5);
  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHAM, mem}, 60, "", LimitsOfBand(kHAM)).outcome,
            EntryOutcome::RemovedGroupInvalid);
  EXPECT_EQ(NumbersInOrder(cfg, {kHAM, mem}), (std::vector<int>{3, 70}));
}

TEST(FrequencyEntry, RowsOutsideTheGroupAndFullGroupsStoreNothing) {
  RadioConfig cfg = DefaultConfig();
  RadioConfig before = cfg;
  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, 1}, 41, "28.1", kHfLimits).outcome, EntryOutcome::RowOutsideGroup);
  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, VfoGroup(kHF)}, 2, "28.1", kHfLimits).outcome,
            EntryOutcome::RowOutsideGroup);
  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, 18}, 1, "28.1", kHfLimits).outcome, EntryOutcome::RowOutsideGroup);
  EXPECT_EQ(cfg, before);

  // A damaged file: the VFO group's one slot holds a channel numbered 5.
  AddChannel(cfg, {kHF, VfoGroup(kHF)}, 5);
  before = cfg;
  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, VfoGroup(kHF)}, 1, "28.1", kHfLimits).outcome, EntryOutcome::GroupFull);
  EXPECT_EQ(cfg, before);
}

TEST(FrequencyEntry, AStoredCountOutsideTheGroupIsHeldToTheGroup) {
  RadioConfig cfg = DefaultConfig();
  cfg.Count({kHF, 1}) = -3;
  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, 1}, 1, "28.1", kHfLimits).outcome, EntryOutcome::Created);
  EXPECT_EQ(cfg.Count({kHF, 1}), 1);
  cfg.Count({kHF, 2}) = 500;
  cfg.Channel({kHF, 2}, 40).Number = 7;
  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, 2}, 7, "28.1", kHfLimits).outcome, EntryOutcome::Changed);
  EXPECT_EQ(cfg.Channel({kHF, 2}, 41).Number, 0);  // slot 41 was never looked at
  EXPECT_EQ(StoreFrequencyEntry(cfg, {kHF, 2}, 8, "28.1", kHfLimits).outcome, EntryOutcome::GroupFull);
}

TEST(FrequencyEntry, WorkGroupAndWorkChannelFollowTheChannels) {
  RadioConfig cfg = DefaultConfig();
  cfg.Options.WorkGroup(kHF) = 0;  // none yet
  StoreFrequencyEntry(cfg, {kHF, 2}, 8, "28.1", kHfLimits);
  EXPECT_EQ(cfg.Options.WorkGroup(kHF), 2);  // group 1 has no channels; group 2 now has
  EXPECT_EQ(cfg.Options.WorkChannel({kHF, 2}), 8);

  StoreFrequencyEntry(cfg, {kHF, 2}, 4, "28.2", kHfLimits);
  StoreFrequencyEntry(cfg, {kHF, 2}, 6, "28.3", kHfLimits);
  EXPECT_EQ(cfg.Options.WorkChannel({kHF, 2}), 8);  // still a channel: kept
  StoreFrequencyEntry(cfg, {kHF, 2}, 8, "", kHfLimits);
  EXPECT_EQ(cfg.Options.WorkChannel({kHF, 2}), 4);  // the lowest channel left
  EXPECT_EQ(cfg.Options.WorkGroup(kHAM), 1);        // other bands untouched
}

TEST(FrequencyEntry, TypedChannelsComeBackFromTheRadioImageAsTheGridShowedThem) {
  RadioConfig cfg = DefaultConfig();
  const FrequencyLimits ham = LimitsOfBand(kHAM);
  StoreFrequencyEntry(cfg, {kHAM, 2}, 5, "28.123456", ham);
  StoreFrequencyEntry(cfg, {kHAM, 2}, 1, "29.7", ham);
  StoreFrequencyEntry(cfg, {kHAM, MemGroup(kHAM)}, 77, "28", ham);
  MemoryImage image;
  ClearImage(image);
  EncodeImage(cfg, image);
  RadioConfig back = DefaultConfig();
  DecodeImage(image, back);

  auto shownAt = [&](int group, int row) {
    int position = FindSlotOfNumber(back, {kHAM, group}, row);
    return position == 0 ? std::string("missing")
                         : FormatStoredFrequency(back.Channel({kHAM, group}, position).RxFrequency.view(), ham).text;
  };
  EXPECT_EQ(shownAt(2, 5), "28.12345");
  EXPECT_EQ(shownAt(2, 1), "29.70000");
  EXPECT_EQ(shownAt(MemGroup(kHAM), 77), "28.00000");
  EXPECT_EQ(back.Count({kHAM, 2}), 2);
}

}  // namespace
}  // namespace zq
