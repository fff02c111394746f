#include "channels/row_commands.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "channels/channel_rows.h"
#include "channels/config_fixture.h"
#include "channels/frequency_entry.h"
#include "channels/group_selection.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;
using testing::NumbersInOrder;

// A channel to paste, on a frequency every band but CB takes.
ChannelRecord Clip(int number) {
  ChannelRecord record = NewChannelRecord(number);
  record.RxFrequency = record.TxFrequency = "2850000 ";
  return record;
}

TEST(RowCommands, CopyAndPasteOnAnEmptyRowAddsAChannel) {
  RadioConfig cfg = DefaultConfig();
  ChannelRecord& source = AddChannel(cfg, {kHAM, 1}, 4, "2850000 ");
  source.Mode = 3;
  RowClipboard clipboard;
  ASSERT_TRUE(CopyRow(cfg, clipboard, {kHAM, 1}, 4));

  ASSERT_TRUE(PasteRow(cfg, clipboard, {kHAM, 2}, 17));

  EXPECT_EQ(cfg.Count({kHAM, 2}), 1);
  const ChannelRecord& pasted = cfg.Channel({kHAM, 2}, 1);
  EXPECT_EQ(pasted.Number, 17);
  EXPECT_EQ(pasted.Mode, 3);
  EXPECT_EQ(pasted.RxFrequency.str(), "2850000 ");
}

TEST(RowCommands, PasteOnARowInUseReplacesThatChannelInItsPlace) {
  RadioConfig cfg = DefaultConfig();
  for (int number : {2, 5, 8}) AddChannel(cfg, {kHF, 1}, number);
  RowClipboard clipboard;
  clipboard.record = Clip(30);
  clipboard.record->Echo = 1;
  clipboard.record->Enabled = 0;

  ASSERT_TRUE(PasteRow(cfg, clipboard, {kHF, 1}, 5));

  EXPECT_EQ(NumbersInOrder(cfg, {kHF, 1}), (std::vector<int>{2, 5, 8}));
  EXPECT_EQ(cfg.Channel({kHF, 1}, 2).Echo, 1);
  EXPECT_EQ(cfg.Channel({kHF, 1}, 2).Enabled, 1);  // a pasted channel is in use
}

TEST(RowCommands, CutCopiesAndRemoves) {
  RadioConfig cfg = DefaultConfig();
  for (int number : {2, 5, 8}) AddChannel(cfg, {kHF, 1}, number);
  ChannelRecord five = cfg.Channel({kHF, 1}, 2);
  RowClipboard clipboard;

  ASSERT_TRUE(CutRow(cfg, clipboard, {kHF, 1}, 5));

  EXPECT_EQ(clipboard.record, five);
  EXPECT_EQ(NumbersInOrder(cfg, {kHF, 1}), (std::vector<int>{2, 8}));
  EXPECT_FALSE(CutRow(cfg, clipboard, {kHF, 1}, 5));  // nothing left on the row
  EXPECT_EQ(clipboard.record, five);
  EXPECT_TRUE(DeleteRow(cfg, {kHF, 1}, 8));
  EXPECT_EQ(NumbersInOrder(cfg, {kHF, 1}), std::vector<int>{2});
}

TEST(RowCommands, TheVfoGroupOnlyCopiesAndPastesOnItsOneRow) {
  RadioConfig cfg = DefaultConfig();
  int vfo = VfoGroup(kHF);
  AddChannel(cfg, {kHF, vfo}, 1);
  RowClipboard clipboard;
  clipboard.record = Clip(1);
  RadioConfig before = cfg;

  EXPECT_FALSE(CutRow(cfg, clipboard, {kHF, vfo}, 1));
  EXPECT_FALSE(DeleteRow(cfg, {kHF, vfo}, 1));
  EXPECT_FALSE(InsertPasteRow(cfg, clipboard, {kHF, vfo}, 1));
  EXPECT_FALSE(PasteRow(cfg, clipboard, {kHF, vfo}, 2));
  EXPECT_EQ(cfg, before);
  EXPECT_TRUE(PasteRow(cfg, clipboard, {kHF, vfo}, 1));
  EXPECT_EQ(cfg.Count({kHF, vfo}), 1);
  EXPECT_TRUE(CopyRow(cfg, clipboard, {kHF, vfo}, 1));
}

TEST(RowCommands, InsertPasteMovesLaterChannelsDownAndDropsTheLastRow) {
  RadioConfig cfg = DefaultConfig();
  for (int number : {40, 3, 39, 1}) AddChannel(cfg, {kHAM, 4}, number);
  RowClipboard clipboard;
  clipboard.record = Clip(0);
  clipboard.record->Busy = 1;

  ASSERT_TRUE(InsertPasteRow(cfg, clipboard, {kHAM, 4}, 3));

  // 40 fell off the end; 3 and 39 moved down; creation order kept, the new one last.
  EXPECT_EQ(NumbersInOrder(cfg, {kHAM, 4}), (std::vector<int>{4, 40, 1, 3}));
  EXPECT_EQ(cfg.Channel({kHAM, 4}, 4).Busy, 1);
}

TEST(RowCommands, InsertPasteIntoAFullGroupKeepsItFull) {
  RadioConfig cfg = DefaultConfig();
  int mem = MemGroup(kHF);
  auto frequencyOf = [](int number) { return std::to_string(2800000 + number) + " "; };
  for (int number = 1; number <= 99; ++number) AddChannel(cfg, {kHF, mem}, number, frequencyOf(number));
  RowClipboard clipboard;
  ASSERT_TRUE(CopyRow(cfg, clipboard, {kHF, mem}, 50));

  ASSERT_TRUE(InsertPasteRow(cfg, clipboard, {kHF, mem}, 1));

  EXPECT_EQ(cfg.Count({kHF, mem}), 99);
  std::set<int> numbers;
  for (int number : NumbersInOrder(cfg, {kHF, mem})) numbers.insert(number);
  EXPECT_EQ(numbers.size(), 99u);
  EXPECT_EQ(RecordAtRow(cfg, {kHF, mem}, 1)->RxFrequency.str(), frequencyOf(50));  // the pasted copy
  EXPECT_EQ(RecordAtRow(cfg, {kHF, mem}, 2)->RxFrequency.str(), frequencyOf(1));
  EXPECT_EQ(RecordAtRow(cfg, {kHF, mem}, 99)->RxFrequency.str(), frequencyOf(98));
}

TEST(RowCommands, CbMemoryRowsCanBeCopiedButTakeNoChannelCommands) {
  RadioConfig cfg = DefaultConfig();
  cfg.Special(65).Mode = 2;
  cfg.Special(65).RxFrequency = "2712500 ";
  RowClipboard clipboard;
  ASSERT_TRUE(CopyRow(cfg, clipboard, {kCB, 7}, 41));
  EXPECT_EQ(clipboard.record->Mode, 2);
  RadioConfig before = cfg;
  EXPECT_TRUE(CutRow(cfg, clipboard, {kCB, 7}, 41));  // copies only
  EXPECT_FALSE(DeleteRow(cfg, {kCB, 7}, 41));
  EXPECT_FALSE(PasteRow(cfg, clipboard, {kCB, 7}, 41));
  EXPECT_FALSE(InsertPasteRow(cfg, clipboard, {kCB, 7}, 41));
  EXPECT_EQ(cfg, before);
  // Rows 41-80 of CB group 3 are channels of its 80-channel plan.
  EXPECT_TRUE(PasteRow(cfg, clipboard, {kCB, 3}, 70));
  EXPECT_EQ(RecordAtRow(cfg, {kCB, 3}, 70)->Mode, 2);
}

// A record is pasted only into a band whose range holds its frequency; one
// that holds no frequency is pasted nowhere.
TEST(RowCommands, PasteTakesOnlyARecordWhoseFrequencyTheBandHolds) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kCB, 1}, 1, "2696500 ");
  AddChannel(cfg, {kHAM, 2}, 5, "2900000 ");
  RowClipboard cb, memory;
  ASSERT_TRUE(CopyRow(cfg, cb, {kCB, 1}, 1));
  ASSERT_TRUE(CopyRow(cfg, memory, {kCB, 1}, 41));  // M1: a special slot not in use, no frequency
  const RadioConfig before = cfg;

  struct Case {
    const RowClipboard* clipboard;
    Band band;
    int group, row;
  };
  for (const Case& c : {Case{&cb, kHAM, 2, 3}, Case{&cb, kHAM, 2, 5}, Case{&memory, kHF, MemGroup(kHF), 7},
                        Case{&memory, kCB, 3, 60}, Case{&memory, kHAM, VfoGroup(kHAM), 1}}) {
    SCOPED_TRACE(::testing::Message() << "band " << BandIndex(c.band) << " group " << c.group << " row " << c.row);
    for (auto paste : {PasteRow, InsertPasteRow}) {
      RowResult result = paste(cfg, *c.clipboard, {c.band, c.group}, c.row);
      EXPECT_FALSE(result.changed);
      EXPECT_EQ(result.outOfRange, paste == PasteRow || !IsVfoGroup({c.band, c.group}));
      EXPECT_EQ(cfg, before);
    }
  }
  // Inside the range it goes in: the CB channel is a channel of HF (24.715-30.105 MHz).
  RowResult taken = PasteRow(cfg, cb, {kHF, 1}, 3);
  EXPECT_TRUE(taken.changed);
  EXPECT_FALSE(taken.outOfRange);
  EXPECT_EQ(RecordAtRow(cfg, {kHF, 1}, 3)->RxFrequency.str(), "2696500 ");
  EXPECT_TRUE(PasteRow(cfg, cb, {kCB, 2}, 40).changed);
}

TEST(RowCommands, NothingToPasteDoesNothing) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, 1}, 5);
  RadioConfig before = cfg;
  RowClipboard empty;
  EXPECT_FALSE(PasteRow(cfg, empty, {kHF, 1}, 2));
  EXPECT_FALSE(InsertPasteRow(cfg, empty, {kHF, 1}, 2));
  EXPECT_FALSE(CopyRow(cfg, empty, {kHF, 1}, 2));
  EXPECT_EQ(cfg, before);
}

// Whatever order the commands come in, every group keeps the bookkeeping the
// encoder and the grid rely on.
void ExpectGroupConsistent(const RadioConfig& cfg, BandGroup group) {
  int count = cfg.Count(group);
  int capacity = GroupCapacity(group);
  ASSERT_GE(count, 0);
  ASSERT_LE(count, capacity);
  std::set<int> numbers;
  for (int k = 1; k <= count; ++k) {
    const ChannelRecord& r = cfg.Channel(group, k);
    ASSERT_GE(r.Number, 1);
    ASSERT_LE(r.Number, capacity);
    ASSERT_EQ(r.Enabled, 1);
    ASSERT_TRUE(numbers.insert(r.Number).second) << "Number " << r.Number << " twice";
  }
  int shownRows = 0;
  for (int row = 1; row <= capacity; ++row) shownRows += RecordAtRow(cfg, group, row) != nullptr;
  ASSERT_EQ(shownRows, count);
}

void ExpectSelectionsConsistent(const RadioConfig& cfg, Band band) {
  bool anyWorkable = false;
  for (int g = 1; g <= OrdinaryGroupCount(band); ++g) anyWorkable |= IsWorkableGroup(cfg, {band, g});
  int workGroup = cfg.Options.WorkGroup(band);
  ASSERT_TRUE(anyWorkable ? IsWorkableGroup(cfg, {band, workGroup}) : workGroup == 1);
  for (int g = 1; g <= GroupCount(band); ++g) {
    int workChannel = cfg.Options.WorkChannel({band, g});
    ASSERT_TRUE(cfg.Count({band, g}) == 0 ? workChannel == 1 : RecordAtRow(cfg, {band, g}, workChannel) != nullptr);
  }
}

TEST(RowCommands, RandomCommandSequencesKeepEveryGroupConsistent) {
  struct Place {
    Band band;
    int group;
  };
  const Place places[] = {{kCB, 1},  {kCB, 3},  {kCB, 7},  {kHF, 1},   {kHF, 2},
                          {kHF, 16}, {kHF, 17}, {kHAM, 1}, {kHAM, 13}, {kHAM, 14}};
  const char* entries[] = {"", "28.5", "27.1", "31", "x"};
  std::mt19937 random(20240506);
  int acted = 0;
  int insertsIntoFullGroups = 0;
  for (int sequence = 0; sequence < 400; ++sequence) {
    RadioConfig cfg = DefaultConfig();
    // Half of the groups start with channels on a random share of their rows, some full. Pastes
    // take only frequencies of their band: CB groups get CB channels, HAM groups 10-metre ones, and
    // HF (which holds both) some of each.
    for (const Place& at : places) {
      if (random() % 2 == 0) continue;
      int share = random() % 3 == 0 ? 100 : int(random() % 100);
      for (int row = 1; row <= GroupCapacity({at.band, at.group}); ++row) {
        bool cbChannel = at.band == kCB || (at.band == kHF && row % 2 == 1);
        if (int(random() % 100) < share) AddChannel(cfg, {at.band, at.group}, row, cbChannel ? "2696500 " : "2814500 ");
      }
    }
    for (int n = 1; n <= kSpecialSlots; ++n) cfg.Special(n).RxFrequency = "2700000 ";  // CB memories
    for (const Band band : kBands) RevalidateGroupSelections(cfg, band);
    RowClipboard clipboard;
    for (int step = 0; step < 150; ++step) {
      const Place& at = places[random() % std::size(places)];
      // Rows beyond the grid and, for small groups, mostly the last rows.
      int rows = GridRowCount({at.band, at.group});
      int row = random() % 4 == 0 ? rows - int(random() % 3) + 1 : 1 + int(random() % (rows + 2));
      int command = random() % 6;
      SCOPED_TRACE(::testing::Message() << "sequence " << sequence << " step " << step << " command " << command
                                        << " band " << BandIndex(at.band) << " group " << at.group << " row " << row);
      bool changed = false;
      switch (command) {
        case 0: changed = CopyRow(cfg, clipboard, {at.band, at.group}, row); break;
        case 1: changed = CutRow(cfg, clipboard, {at.band, at.group}, row); break;
        case 2: changed = PasteRow(cfg, clipboard, {at.band, at.group}, row).changed; break;
        case 3: {
          bool full = cfg.Count({at.band, at.group}) == GroupCapacity({at.band, at.group});
          changed = InsertPasteRow(cfg, clipboard, {at.band, at.group}, row).changed;
          insertsIntoFullGroups += full && changed;
          break;
        }
        case 4: changed = DeleteRow(cfg, {at.band, at.group}, row); break;
        default:
          changed = StoreFrequencyEntry(cfg, {at.band, at.group}, row, entries[random() % std::size(entries)],
                                        LimitsOfBand(at.band))
                        .outcome != EntryOutcome::Unchanged;
      }
      acted += changed;
      ExpectGroupConsistent(cfg, {at.band, at.group});
      ExpectSelectionsConsistent(cfg, at.band);
      if (::testing::Test::HasFatalFailure()) return;
    }
    for (const Place& at : places) ExpectGroupConsistent(cfg, {at.band, at.group});
  }
  // The sequences really edit the tables, full groups included.
  EXPECT_GT(acted, 15000);
  EXPECT_GT(insertsIntoFullGroups, 100);
}

}  // namespace
}  // namespace zq
