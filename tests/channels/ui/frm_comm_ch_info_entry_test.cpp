// Typing frequencies into the channel grid: the key filter, every way the
// entry is committed, and what storing it does to the group.
#include "channels/ui/channel_editor_fixture.h"
#include "config/channel_slots.h"

namespace zq {
namespace {

using testing::ChannelEditorFixture;

class FrequencyEntryTest : public ChannelEditorFixture {
 protected:
  void SetUp() override {
    ChannelEditorFixture::SetUp();
    AllowEveryBand();
    ShowBand(kHF);
    ShowGroup(2);
  }
  std::string StoredAt(int row, int group = 2) {
    int position = FindSlotOfNumber(cfg(), {kHF, group}, row);
    return position ? cfg().Channel({kHF, group}, position).RxFrequency.str() : "none";
  }
  const QString outOfRange = QStringLiteral("Frequency is out of range.");
};

TEST_F(FrequencyEntryTest, CbFrequenciesCannotBeEdited) {
  ShowBand(kCB);
  SelectRow(5);
  QTest::keyClick(grid(), Qt::Key_Return);
  EXPECT_FALSE(grid()->IsEditing());
  QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualItemRect(grid()->item(4, 1)).center());
  EXPECT_FALSE(grid()->IsEditing());
}

TEST_F(FrequencyEntryTest, EnterOrADoubleClickOpensTheBoxFilledAndSelected) {
  TypeFrequency(4, "28.5");
  SelectRow(4);
  QTest::keyClick(grid(), Qt::Key_Return);
  ASSERT_TRUE(grid()->IsEditing());
  EXPECT_EQ(box()->text(), QStringLiteral("28.50000"));
  EXPECT_EQ(box()->selectedText(), box()->text());
  EXPECT_EQ(grid()->EditRow(), 4);
  editor()->CommitPendingEdit();

  grid()->setCurrentCell(6, kNumberColumn);
  QTest::keyClick(grid(), Qt::Key_Return);  // the number column is not edited
  EXPECT_FALSE(grid()->IsEditing());
  QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualItemRect(grid()->item(8, 1)).center());
  EXPECT_TRUE(grid()->IsEditing());
  EXPECT_EQ(grid()->EditRow(), 9);
}

TEST_F(FrequencyEntryTest, TheBoxTakesDigitsAndThePointOnly) {
  SelectRow(1);
  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClicks(box(), "2a8,.x1-5 ");
  EXPECT_EQ(box()->text(), QStringLiteral("28.15"));
  QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(box(), Qt::Key_Insert, Qt::ShiftModifier);
  for (const QString& wide : {QStringLiteral("５"), QStringLiteral("é")})
    QTest::sendKeyEvent(QTest::Click, box(), Qt::Key_unknown, wide, Qt::NoModifier);
  EXPECT_EQ(box()->text(), QStringLiteral("28.15"));
  QTest::keyClick(box(), Qt::Key_Backspace);
  EXPECT_EQ(box()->text(), QStringLiteral("28.1"));
}

TEST_F(FrequencyEntryTest, TheLimitsOfTheBandAreAcceptedAndAnythingOutsideWarnsAndStaysEmpty) {
  TypeFrequency(1, "24.7150");
  TypeFrequency(2, "30.1050");
  EXPECT_EQ(StoredAt(1), "2471500 ");
  EXPECT_EQ(StoredAt(2), "3010500 ");
  EXPECT_TRUE(prompter.shown.isEmpty());

  TypeFrequency(3, "24.71499");
  EXPECT_EQ(prompter.shown, QStringList{outOfRange});
  EXPECT_EQ(StoredAt(3), "none");
  EXPECT_EQ(grid()->Frequency(3), QString());
  TypeFrequency(4, "30.10501");
  EXPECT_EQ(prompter.shown.size(), 2);
  EXPECT_EQ(StoredAt(4), "none");
  TypeFrequency(5, "128.5");
  EXPECT_EQ(prompter.shown.size(), 3);
  EXPECT_EQ(cfg().Count({kHF, 2}), 2);
}

TEST_F(FrequencyEntryTest, AnEntryIsSnappedAndTheCellShowsWhatWasStored) {
  ShowBand(kHAM);
  ShowGroup(1);
  TypeFrequency(7, "28.123456");
  int position = FindSlotOfNumber(cfg(), {kHAM, 1}, 7);
  ASSERT_NE(position, 0);
  const ChannelRecord& created = cfg().Channel({kHAM, 1}, position);
  EXPECT_EQ(created.RxFrequency.str(), "2812345 ");
  EXPECT_EQ(created.TxFrequency.str(), "2812345 ");
  EXPECT_EQ(created.Enabled, 1);
  EXPECT_EQ(created.NbAnl, 1);
  EXPECT_EQ(grid()->Frequency(7), QStringLiteral("28.12345"));
  EXPECT_EQ(editor()->detailPanel()->title(), QStringLiteral("More Information -- CH 7"));
  EXPECT_EQ(cfg().Options.WorkGroup(kHAM), 1);
}

TEST_F(FrequencyEntryTest, EmptyingAChannelRemovesItAndLaterChannelsMoveForward) {
  for (int row : {10, 3, 20}) TypeFrequency(row, "28.1");
  ASSERT_EQ(cfg().Count({kHF, 2}), 3);
  TypeFrequency(10, "");
  EXPECT_EQ(cfg().Count({kHF, 2}), 2);
  EXPECT_EQ(cfg().Channel({kHF, 2}, 1).Number, 3);
  EXPECT_EQ(cfg().Channel({kHF, 2}, 2).Number, 20);
  EXPECT_EQ(grid()->Frequency(10), QString());
  EXPECT_EQ(grid()->Frequency(20), QStringLiteral("28.10000"));
}

TEST_F(FrequencyEntryTest, TheOnlyChannelOfTheBandStaysAndAGroupsLastChannelMarksItNotValid) {
  TypeFrequency(6, "27.5");
  TypeFrequency(6, "");
  EXPECT_EQ(StoredAt(6), "2750000 ");
  EXPECT_EQ(grid()->Frequency(6), QStringLiteral("27.50000"));

  ShowGroup(1);
  TypeFrequency(2, "27.6");
  ShowGroup(2);
  TypeFrequency(6, "");
  EXPECT_EQ(StoredAt(6), "none");
  EXPECT_EQ(cfg().Options.GroupValid({kHF, 2}), 0);
  EXPECT_EQ(editor()->groupPanel()->groupValidList()->currentText(), QStringLiteral("Off"));
}

TEST_F(FrequencyEntryTest, LeavingTheBoxWithoutTypingStoresNothing) {
  AppendSlot(cfg(), {kHF, 2}, NewChannelRecord(8));
  cfg().Channel({kHF, 2}, 1).RxFrequency = "28145005";
  ShowGroup(2);
  RadioConfig before = cfg();
  SelectRow(8);
  QTest::keyClick(grid(), Qt::Key_Return);
  ASSERT_EQ(box()->text(), QStringLiteral("28.14501"));
  editor()->CommitPendingEdit();
  EXPECT_FALSE(grid()->IsEditing());
  EXPECT_TRUE(cfg() == before);
}

TEST_F(FrequencyEntryTest, EscapeDropsTheEntry) {
  SelectRow(3);
  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClicks(box(), "28.3");
  QTest::keyClick(box(), Qt::Key_Escape);
  EXPECT_FALSE(grid()->IsEditing());
  editor()->CommitPendingEdit();
  EXPECT_EQ(cfg().Count({kHF, 2}), 0);
}

TEST_F(FrequencyEntryTest, EnterOnAnEmptyBoxMovesDownAndWrapsFromTheLastRow) {
  SelectRow(39);
  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClicks(box(), "28.2");
  QTest::keyClick(box(), Qt::Key_Return);  // text in the box: stays
  EXPECT_TRUE(grid()->IsEditing());
  QTest::keyClick(box(), Qt::Key_Backspace, Qt::NoModifier, -1);
  box()->clear();
  QTest::keyClick(box(), Qt::Key_Return);
  EXPECT_FALSE(grid()->IsEditing());
  EXPECT_EQ(grid()->CurrentRow(), 40);
  EXPECT_EQ(cfg().Count({kHF, 2}), 0);

  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClick(box(), Qt::Key_Return);
  EXPECT_EQ(grid()->CurrentRow(), 1);
  EXPECT_TRUE(grid()->hasFocus());
}

TEST_F(FrequencyEntryTest, TabStoresAndMovesToTheNextRowsFrequency) {
  SelectRow(40);
  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClicks(box(), "29.6");
  QTest::keyClick(box(), Qt::Key_Tab);
  EXPECT_EQ(StoredAt(40), "2960000 ");
  EXPECT_EQ(grid()->CurrentRow(), 1);
  EXPECT_EQ(grid()->CurrentColumn(), kFrequencyColumn);

  grid()->setCurrentCell(4, kNumberColumn);
  editor()->GridNextCol();
  EXPECT_EQ(grid()->CurrentRow(), 5);
  EXPECT_EQ(grid()->CurrentColumn(), kFrequencyColumn);
}

TEST_F(FrequencyEntryTest, MovingTheFocusElsewhereCommits) {
  SelectRow(12);
  QTest::keyClick(grid(), Qt::Key_Return);
  ASSERT_TRUE(box()->hasFocus());
  QTest::keyClicks(box(), "28.25");
  editor()->bandSelector()->setFocus(Qt::MouseFocusReason);
  EXPECT_FALSE(grid()->IsEditing());
  EXPECT_EQ(StoredAt(12), "2825000 ");

  SelectRow(13);
  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClicks(box(), "28.35");
  editor()->groupPanel()->groupNameBox()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(StoredAt(13), "2835000 ");

  SelectRow(14);
  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClicks(box(), "28.45");
  main->setFocus(Qt::ActiveWindowFocusReason);  // another window of the program
  EXPECT_EQ(StoredAt(14), "2845000 ");
}

TEST_F(FrequencyEntryTest, ClosingTheWindowCommits) {
  SelectRow(15);
  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClicks(box(), "28.45");
  main->CloseAllEditors();
  EXPECT_EQ(StoredAt(15), "2845000 ");
}

TEST_F(FrequencyEntryTest, TheRowLastEditedBecomesTheWorkChannelWhenTheBandChanges) {
  TypeFrequency(1, "28.1");
  TypeFrequency(17, "28.2");
  ShowBand(kHAM);
  EXPECT_EQ(cfg().Options.WorkChannel({kHF, 2}), 17);
  ShowBand(kHF);
  EXPECT_EQ(editor()->group(), 2);
  EXPECT_EQ(grid()->CurrentRow(), 17);
}

}  // namespace
}  // namespace zq
