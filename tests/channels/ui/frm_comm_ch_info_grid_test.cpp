// The channel window's grid: bands, groups, rows, labels and what each row edits.
#include <QHeaderView>

#include "config/channel_slots.h"
#include "config/defaults.h"

#include "channels/ui/channel_editor_fixture.h"

namespace zq {
namespace {

using testing::ChannelEditorFixture;

class ChannelGridTest : public ChannelEditorFixture {};

TEST_F(ChannelGridTest, OpensOnCbWithTheBandSelectorLockedUntilAnHfRadioAnswered) {
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(editor()->windowTitle(), QStringLiteral("Channel Information"));
  EXPECT_EQ(editor()->band(), kCB);
  EXPECT_FALSE(editor()->bandSelector()->isEnabled());
  EXPECT_EQ(editor()->bandSelector()->currentText(), QStringLiteral("CB -- 26.96500 - 27.405 MHz"));

  AllowEveryBand();
  ASSERT_TRUE(editor()->bandSelector()->isEnabled());
  ShowBand(kHAM);
  EXPECT_EQ(editor()->band(), kHAM);
  EXPECT_EQ(editor()->bandSelector()->currentText(), QStringLiteral("HAM -- 28.0000 - 29.7000 MHz"));
}

TEST_F(ChannelGridTest, RowsLabelsAndColumnWidthsFollowBandAndGroup) {
  AllowEveryBand();
  struct Case {
    Band band;
    int group, rows;
    const char *firstLabel, *lastLabel;
    int frequencyWidth;
  };
  const Case cases[] = {
      {kCB, 1, 56, "1", "M16", 84},  {kCB, 3, 96, "1", "M16", 101},    {kCB, 7, 56, "1", "M16", 84},
      {kHF, 1, 40, "1", "40", 84},   {kHF, 16, 99, "M1", "M99", 101},  {kHF, 17, 1, "1", "1", 101},
      {kHAM, 12, 40, "1", "40", 84}, {kHAM, 13, 99, "M1", "M99", 101}, {kHAM, 14, 1, "1", "1", 101},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "band " << BandIndex(c.band) << " group " << c.group);
    ShowBand(c.band);
    ShowGroup(c.group);
    ASSERT_EQ(editor()->group(), c.group);
    ASSERT_EQ(grid()->RowCount(), c.rows);
    EXPECT_EQ(grid()->Label(1), QString::fromLatin1(c.firstLabel));
    EXPECT_EQ(grid()->Label(c.rows), QString::fromLatin1(c.lastLabel));
    EXPECT_EQ(grid()->columnWidth(kFrequencyColumn), c.frequencyWidth);
  }
  ShowBand(kCB);
  ShowGroup(1);
  EXPECT_EQ(grid()->Label(40), QStringLiteral("40"));
  EXPECT_EQ(grid()->Label(41), QStringLiteral("M1"));
  EXPECT_EQ(grid()->horizontalHeader()->height(), 34);
  EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("CH No."));
  EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), QStringLiteral("Frequency"));
}

TEST_F(ChannelGridTest, GroupListsOfferEveryPlanInCbAndMemAndVfoInHfAndHam) {
  AllowEveryBand();
  GroupPanel* panel = editor()->groupPanel();
  EXPECT_EQ(Items(panel->groupSelector()), (QStringList{"US", "PL", "DE", "EC", "U", "IN", "UK"}));
  EXPECT_EQ(Items(panel->settingsGroupList()), Items(panel->groupSelector()));
  ShowBand(kHF);
  QStringList hf = Items(panel->groupSelector());
  ASSERT_EQ(hf.size(), 17);
  EXPECT_EQ(hf.front(), QStringLiteral("A"));
  EXPECT_EQ(hf.mid(15), (QStringList{"MEM", "VFO"}));
  EXPECT_EQ(Items(panel->workGroupList()), hf.mid(0, 15));  // MEM and VFO are never the work group
  ShowBand(kHAM);
  EXPECT_EQ(Items(panel->groupSelector()).mid(12), (QStringList{"MEM", "VFO"}));
}

TEST_F(ChannelGridTest, CbMemoryRowsEditTheSpecialSlotsOfTheirPlan) {
  struct Case {
    int group, row, slot;
  };
  for (const Case& c : {Case{1, 41, 1}, Case{7, 41, 65}, Case{5, 56, 80}, Case{3, 81, 33}, Case{3, 96, 48}}) {
    SCOPED_TRACE(::testing::Message() << "group " << c.group << " row " << c.row);
    ShowGroup(c.group);
    SelectRow(c.row);
    EXPECT_EQ(editor()->detailPanel()->title(), QStringLiteral("More Information -- CH ") + grid()->Label(c.row));
    RadioConfig before = cfg();
    Pick(Detail(Txt::DetailBusy), 1);
    EXPECT_EQ(cfg().Special(c.slot).Busy, 1);
    cfg().Special(c.slot).Busy = before.Special(c.slot).Busy;
    EXPECT_TRUE(cfg() == before);  // nothing else changed
  }
}

// A memory row shows its own slot's frequency; "CB Mem Chan ID" stores the link
// and nothing else, whether the slot is in use or not.
TEST_F(ChannelGridTest, ACbMemoryRowShowsItsOwnFrequencyAndItsLinkStoresOnlyTheLink) {
  ChannelRecord& read = cfg().Special(19);  // M3 of PL, as a read from the radio leaves it
  read.Enabled = 1;
  read.RxFrequency = "27015000";
  read.CbMemChannel = 9;
  cfg().Special(20).RxFrequency = "27025000";  // M4: a frequency, but not in use
  ShowGroup(2);
  const RadioConfig before = cfg();

  SelectRow(43);
  QComboBox* link = Detail(Txt::DetailCbMemChannel);
  ASSERT_TRUE(link->isVisible());
  EXPECT_FALSE(Detail(Txt::DetailCbMemBand)->isVisible());  // groups 5 and 7 only
  ASSERT_EQ(link->count(), 41);
  EXPECT_EQ(link->currentText(), QStringLiteral("9"));
  EXPECT_EQ(grid()->Frequency(43), QStringLiteral("27.01500"));  // its own slot's, not channel 9's
  EXPECT_NE(grid()->Frequency(9), grid()->Frequency(43));
  EXPECT_EQ(grid()->Frequency(44), QString());

  Pick(link, 0);
  EXPECT_EQ(cfg().Special(19).CbMemChannel, kNoCbMemChannel);
  EXPECT_EQ(cfg().Special(19).Enabled, 1);  // still written to the radio
  EXPECT_EQ(grid()->Frequency(43), QStringLiteral("27.01500"));

  SelectRow(44);
  Pick(Detail(Txt::DetailCbMemChannel), 5);
  EXPECT_EQ(cfg().Special(20).CbMemChannel, 5);
  EXPECT_EQ(cfg().Special(20).Enabled, 0);  // a link makes no memory
  EXPECT_EQ(grid()->Frequency(44), QString());

  RadioConfig expected = before;
  expected.Special(19).CbMemChannel = kNoCbMemChannel;
  expected.Special(20).CbMemChannel = 5;
  EXPECT_TRUE(cfg() == expected);
}

TEST_F(ChannelGridTest, TheSharedMemoryRowsOfPlansFiveAndSevenNameTheirPlan) {
  ShowGroup(7);
  SelectRow(42);
  QComboBox* plan = Detail(Txt::DetailCbMemBand);
  ASSERT_TRUE(plan->isVisible());
  EXPECT_EQ(Items(plan), (QStringList{"U", "UK"}));
  Pick(plan, 1);
  EXPECT_EQ(cfg().Special(66).CbMemBand, 1);
  ShowGroup(5);
  SelectRow(42);
  EXPECT_EQ(Detail(Txt::DetailCbMemBand)->currentText(), QStringLiteral("UK"));  // the same slot
}

TEST_F(ChannelGridTest, StoredFrequenciesShowWithFiveDecimalsAndNoFrequencyAsAnEmptyCell) {
  AllowEveryBand();
  ChannelRecord a = NewChannelRecord(3), b = NewChannelRecord(7), c = NewChannelRecord(9);
  a.RxFrequency = "28145000";
  b.RxFrequency = "FFFFFFFF";
  c.RxFrequency = "2812345 ";
  for (auto* r : {&a, &b, &c}) AppendSlot(cfg(), {kHAM, 2}, *r);
  ShowBand(kHAM);
  ShowGroup(2);
  EXPECT_EQ(grid()->Frequency(3), QStringLiteral("28.14500"));
  EXPECT_EQ(grid()->Frequency(7), QString());
  EXPECT_EQ(grid()->Frequency(9), QStringLiteral("28.12345"));
  EXPECT_EQ(grid()->Frequency(4), QString());
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ChannelGridTest, AStoredTextThatIsNoFrequencyShowsTheLowerLimitWithOneMessage) {
  AllowEveryBand();
  for (int n : {1, 2}) {
    ChannelRecord r = NewChannelRecord(n);
    r.RxFrequency = "28.1abc";
    AppendSlot(cfg(), {kHF, 4}, r);
  }
  ShowBand(kHF);
  prompter.shown.clear();
  ShowGroup(4);
  EXPECT_EQ(grid()->Frequency(1), QStringLiteral("24.715"));
  EXPECT_EQ(prompter.shown, QStringList{"Not IsNumeric"});
}

TEST_F(ChannelGridTest, TheGridOpensOnTheWorkChannelAndAGroupPickMakesItTheWorkGroup) {
  AllowEveryBand();
  for (int n : {5, 12}) AppendSlot(cfg(), {kHF, 3}, NewChannelRecord(n));
  cfg().Options.WorkChannel({kHF, 3}) = 12;
  ShowBand(kHF);
  ShowGroup(3);
  EXPECT_EQ(cfg().Options.WorkGroup(kHF), 3);
  EXPECT_EQ(grid()->CurrentRow(), 12);
  EXPECT_EQ(editor()->groupPanel()->title(), QStringLiteral("Group -- C"));
  EXPECT_EQ(Items(editor()->groupPanel()->workChannelList()), (QStringList{"5", "12"}));
  EXPECT_EQ(editor()->groupPanel()->workChannelList()->currentText(), QStringLiteral("12"));

  ShowGroup(16);  // MEM is never the work group
  EXPECT_EQ(cfg().Options.WorkGroup(kHF), 3);
  ShowBand(kCB);
  ShowGroup(4);  // looking at another CB plan does not switch the radio to it
  EXPECT_EQ(cfg().Options.WorkGroup(kCB), 1);
  PickNumber(editor()->groupPanel()->workGroupList(), 4);
  EXPECT_EQ(cfg().Options.WorkGroup(kCB), 4);
}

}  // namespace
}  // namespace zq
