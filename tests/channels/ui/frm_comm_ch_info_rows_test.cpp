// The row menu of the channel grid and the list-edit commands it drives.
#include <random>
#include <set>

#include "channels/channel_rows.h"
#include "channels/config_fixture.h"
#include "channels/grid_cells.h"
#include "channels/ui/channel_editor_fixture.h"
#include "config/channel_slots.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::ChannelEditorFixture;

class RowMenuTest : public ChannelEditorFixture {
 protected:
  void SetUp() override {
    ChannelEditorFixture::SetUp();
    AllowEveryBand();
  }
  ListEditMenu& menu() { return main->listEditMenu(); }
  // A right click on the row's frequency cell; true when the menu opened.
  bool RightClick(int row) {
    menu().hide();
    grid()->scrollToItem(grid()->item(row - 1, kFrequencyColumn));
    QPoint at = grid()->visualItemRect(grid()->item(row - 1, kFrequencyColumn)).center();
    QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, at);
    return menu().isVisible();
  }
  void Choose(RowCommand command) {
    menu().action(command)->trigger();
    menu().hide();
  }
  // The grid shows exactly what the configuration holds, and the group's count is sound.
  void ExpectGridMatchesConfig(BandGroup group) {
    GridCells cells = GridFrequencies(cfg(), group, LimitsOfBand(group.band));
    for (int row = 1; row <= grid()->RowCount(); ++row)
      ASSERT_EQ(grid()->Frequency(row).toStdString(), cells.frequencies[row - 1]) << "row " << row;
    int count = cfg().Count(group);
    ASSERT_GE(count, 0);
    ASSERT_LE(count, GroupCapacity(group));
    std::set<int> numbers;
    for (int k = 1; k <= count; ++k) {
      int number = cfg().Channel(group, k).Number;
      ASSERT_TRUE(number >= 1 && number <= GroupCapacity(group)) << number;
      ASSERT_TRUE(numbers.insert(number).second) << "two channels numbered " << number;
    }
  }
};

TEST_F(RowMenuTest, TheMenuOpensInCbAndHamEverywhereAndInHfOnlyInTheMemGroup) {
  QStringList captions;
  for (QAction* a : menu().actions()) captions << a->text();
  EXPECT_EQ(captions, (QStringList{"Copy", "Cut", "Paste", "Insert&&Paste", "Delete"}));

  ShowGroup(3);
  EXPECT_TRUE(RightClick(90));
  EXPECT_EQ(grid()->CurrentRow(), 90);
  EXPECT_EQ(editor()->detailPanel()->title(), QStringLiteral("More Information -- CH M10"));
  ShowBand(kHF);
  EXPECT_FALSE(RightClick(2));
  EXPECT_EQ(grid()->CurrentRow(), 2);  // the cell is still selected
  ShowGroup(16);
  EXPECT_TRUE(RightClick(50));
  ShowGroup(17);
  EXPECT_FALSE(RightClick(1));
  ShowBand(kHAM);
  EXPECT_TRUE(RightClick(7));
  ShowGroup(14);
  EXPECT_TRUE(RightClick(1));
}

TEST_F(RowMenuTest, CopyPasteCutInsertAndDeleteThroughTheMenu) {
  AddChannel(cfg(), {kHAM, 1}, 2, "2850000 ").Mode = 2;
  AddChannel(cfg(), {kHAM, 1}, 3, "2860000 ");
  ShowBand(kHAM);
  ASSERT_TRUE(RightClick(2));
  Choose(RowCommand::Copy);
  ASSERT_TRUE(RightClick(9));
  Choose(RowCommand::Paste);
  EXPECT_EQ(grid()->Frequency(9), QStringLiteral("28.50000"));
  EXPECT_EQ(Detail(Txt::DetailMode)->currentText(), QStringLiteral("USB"));
  EXPECT_EQ(cfg().Count({kHAM, 1}), 3);

  ASSERT_TRUE(RightClick(2));
  Choose(RowCommand::InsertPaste);  // 2, 3 move to 3, 4; the copy goes into 2
  EXPECT_EQ(grid()->Frequency(2), QStringLiteral("28.50000"));
  EXPECT_EQ(grid()->Frequency(3), QStringLiteral("28.50000"));
  EXPECT_EQ(grid()->Frequency(4), QStringLiteral("28.60000"));
  EXPECT_EQ(grid()->Frequency(10), QStringLiteral("28.50000"));
  EXPECT_EQ(cfg().Count({kHAM, 1}), 4);

  ASSERT_TRUE(RightClick(4));
  Choose(RowCommand::Cut);
  EXPECT_EQ(grid()->Frequency(4), QString());
  ASSERT_TRUE(RightClick(40));
  Choose(RowCommand::Paste);
  EXPECT_EQ(grid()->Frequency(40), QStringLiteral("28.60000"));
  ASSERT_TRUE(RightClick(3));
  Choose(RowCommand::Delete);
  EXPECT_EQ(grid()->Frequency(3), QString());
  EXPECT_EQ(cfg().Count({kHAM, 1}), 3);
  EXPECT_FALSE(Detail(Txt::DetailMode)->isEnabled());
  ExpectGridMatchesConfig({kHAM, 1});
}

TEST_F(RowMenuTest, TheVfoGroupTakesOnlyAPaste) {
  AddChannel(cfg(), {kHAM, 14}, 1, "2900000 ");
  AddChannel(cfg(), {kHAM, 1}, 6, "2910000 ");
  ShowBand(kHAM);
  ShowGroup(14);
  RadioConfig before = cfg();
  for (RowCommand command : {RowCommand::Cut, RowCommand::Delete, RowCommand::InsertPaste}) {
    ASSERT_TRUE(RightClick(1));
    Choose(command);
  }
  EXPECT_TRUE(cfg() == before);
  EXPECT_EQ(grid()->Frequency(1), QStringLiteral("29.00000"));

  ShowGroup(1);
  ASSERT_TRUE(RightClick(6));
  Choose(RowCommand::Copy);
  ShowGroup(14);
  ASSERT_TRUE(RightClick(1));
  Choose(RowCommand::Paste);
  EXPECT_EQ(grid()->Frequency(1), QStringLiteral("29.10000"));
  EXPECT_EQ(cfg().Count({kHAM, 14}), 1);
}

TEST_F(RowMenuTest, CbMemoryRowsCanBeCopiedButNotCutOrDeleted) {
  cfg().Special(5).Busy = 1;
  cfg().Special(5).Enabled = 1;
  cfg().Special(5).RxFrequency = "2712500 ";
  ShowGroup(1);
  RadioConfig before = cfg();
  for (RowCommand command : {RowCommand::Cut, RowCommand::Delete, RowCommand::Paste}) {
    ASSERT_TRUE(RightClick(45));
    Choose(command);
  }
  EXPECT_TRUE(cfg() == before);
  Choose(RowCommand::Copy);  // the menu remembers the row it was opened on
  ASSERT_TRUE(RightClick(40));
  Choose(RowCommand::Paste);
  EXPECT_EQ(cfg().Channel({kCB, 1}, FindSlotOfNumber(cfg(), {kCB, 1}, 40)).Busy, 1);
}

// A record pasted into a band must lie in its range: it is refused with the
// out-of-range message, as a typed frequency is, and nothing is stored.
TEST_F(RowMenuTest, APasteOutsideTheBandsRangeSaysSoAndStoresNothing) {
  ShowGroup(1);
  ASSERT_EQ(grid()->Frequency(1), QStringLiteral("26.96500"));
  ASSERT_TRUE(RightClick(1));
  Choose(RowCommand::Copy);
  ShowBand(kHAM);
  const RadioConfig before = cfg();
  for (RowCommand command : {RowCommand::Paste, RowCommand::InsertPaste}) {
    const qsizetype shown = prompter.shown.size();
    ASSERT_TRUE(RightClick(5));
    Choose(command);
    ASSERT_EQ(prompter.shown.size(), shown + 1);
    EXPECT_EQ(prompter.shown.back(), QStringLiteral("Frequency is out of range."));
  }
  EXPECT_TRUE(cfg() == before);
  EXPECT_EQ(grid()->Frequency(5), QString());

  // A memory slot not in use holds no frequency: it becomes no channel, not even in HF's MEM group.
  ShowBand(kCB);
  ShowGroup(2);
  ASSERT_TRUE(RightClick(45));
  Choose(RowCommand::Copy);
  ShowBand(kHF);
  ShowGroup(16);
  ASSERT_TRUE(RightClick(9));
  Choose(RowCommand::Paste);
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("Frequency is out of range."));
  EXPECT_TRUE(cfg() == before);
  ExpectGridMatchesConfig({kHF, 16});
}

TEST_F(RowMenuTest, TheClipboardOutlivesTheWindow) {
  AddChannel(cfg(), {kHAM, 1}, 2, "2850000 ");
  ShowBand(kHAM);
  ASSERT_TRUE(RightClick(2));
  Choose(RowCommand::Copy);
  Reopen();
  ShowBand(kHAM);
  ShowGroup(13);
  ASSERT_TRUE(RightClick(77));
  Choose(RowCommand::Paste);
  EXPECT_EQ(grid()->Frequency(77), QStringLiteral("28.50000"));
}

// Whatever order of commands and entries the user tries, the count stays the
// number of channels in use and the grid shows exactly them.
TEST_F(RowMenuTest, RandomCommandSequencesKeepTheGroupSound) {
  std::mt19937 random(4071);
  const RowCommand commands[] = {RowCommand::Copy, RowCommand::Cut, RowCommand::Paste, RowCommand::InsertPaste,
                                 RowCommand::Delete};
  for (auto [band, group] : {std::pair{kHAM, 2}, std::pair{kHF, 16}, std::pair{kCB, 3}, std::pair{kHAM, 14}}) {
    SCOPED_TRACE(::testing::Message() << "band " << BandIndex(band) << " group " << group);
    ShowBand(band);
    ShowGroup(group);
    int rows = grid()->RowCount();
    for (int step = 0; step < 150; ++step) {
      int row = std::uniform_int_distribution<int>(1, rows)(random);
      SelectRow(row);
      if (band != kCB && random() % 4 == 0)
        TypeFrequency(row, random() % 3 == 0 ? "" : "28.4");
      else
        editor()->RunListEdit(commands[random() % 5]);
      ExpectGridMatchesConfig({band, group});
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace zq
