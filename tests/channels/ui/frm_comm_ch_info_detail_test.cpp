// The detail panel: what it shows for a channel, what a pick stores, and the
// lists that depend on other settings.
#include "channels/config_fixture.h"
#include "channels/ui/channel_editor_fixture.h"
#include "config/channel_slots.h"
#include "config/defaults.h"
#include "options/dtmf_rules.h"

namespace zq {
namespace {

using testing::ChannelEditorFixture;

class DetailPanelTest : public ChannelEditorFixture {
 protected:
  void SetUp() override {
    ChannelEditorFixture::SetUp();
    AllowEveryBand();
  }
  // A HAM group 2 channel at row 5, shown in the panel.
  ChannelRecord& ShowChannel(const ChannelRecord& record) {
    ChannelRecord r = record;
    r.Number = 5;
    AppendSlot(cfg(), {kHAM, 2}, r);
    ShowBand(kHAM);
    ShowGroup(2);
    SelectRow(5);
    return cfg().Channel({kHAM, 2}, FindSlotOfNumber(cfg(), {kHAM, 2}, 5));
  }
  QList<QWidget*> Greyable() const {
    QList<QWidget*> lists;
    for (Txt label : {Txt::DetailHiCut, Txt::NbAnlText, Txt::DetailEcho, Txt::DetailAdd10K, Txt::DetailBot,
                      Txt::DetailEot, Txt::DetailCall, Txt::DetailRoger, Txt::DetailMode, Txt::DetailPower})
      lists << Detail(label);
    return lists;
  }
};

TEST_F(DetailPanelTest, PublicOnGreysTheChannelsOwnSettingsButNotBusy) {
  ChannelRecord& shown = ShowChannel(NewChannelRecord(5));
  for (QWidget* list : Greyable()) EXPECT_TRUE(list->isEnabled()) << list->objectName().toStdString();
  Pick(Detail(Txt::DetailPublic), 1);
  EXPECT_EQ(shown.Public, 1);
  for (QWidget* list : Greyable()) EXPECT_FALSE(list->isEnabled()) << list->objectName().toStdString();
  EXPECT_TRUE(Detail(Txt::DetailBusy)->isEnabled());
  EXPECT_TRUE(Detail(Txt::DetailScan)->isEnabled());
  Pick(Detail(Txt::DetailPublic), 0);
  for (QWidget* list : Greyable()) EXPECT_TRUE(list->isEnabled()) << list->objectName().toStdString();
  // The band's PUBLIC switch "Off" writes "On" here: the tip says so.
  EXPECT_EQ(Detail(Txt::DetailPublic)->toolTip(),
            QStringLiteral("Follows the band's PUBLIC switch in Option Features (switch \"Off\" shows \"On\" here)."));
}

TEST_F(DetailPanelTest, TheCodeListFollowsTheToneTypeAndKeepsTheOtherPosition) {
  ChannelRecord r = NewChannelRecord(5);
  r.TxToneType = 1;
  r.TxCtcss = 37;
  r.TxDcs = 3;
  ChannelRecord& shown = ShowChannel(r);
  QComboBox* encode = Detail(Txt::DetailToneCode, 1);
  ASSERT_TRUE(encode->isVisible());
  EXPECT_EQ(encode->count(), 38);
  EXPECT_EQ(encode->currentText(), QStringLiteral("C_038(250.3Hz)"));
  EXPECT_FALSE(Detail(Txt::DetailToneCode, 0)->isVisible());  // decode is Off

  Pick(Detail(Txt::DetailTxCtc), 2);
  EXPECT_EQ(shown.TxToneType, 2);
  EXPECT_EQ(encode->count(), 104);
  EXPECT_EQ(encode->currentText(), QStringLiteral("D_004(031N)"));
  Pick(encode, 103);
  EXPECT_EQ(shown.TxDcs, 103);
  EXPECT_EQ(shown.TxCtcss, 37);

  Pick(Detail(Txt::DetailTxCtc), 0);
  EXPECT_FALSE(encode->isVisible());
}

TEST_F(DetailPanelTest, StoredValuesOutsideTheirListsShowTheFirstEntryAndStayUntilPicked) {
  ChannelRecord r = NewChannelRecord(5);
  r.RxToneType = 2;
  r.RxDcs = 104;
  r.Mode = 9;
  r.NbAnl = -1;
  r.Bot = 7;  // no DTMF code 7 is defined
  ChannelRecord& shown = ShowChannel(r);
  RadioConfig before = cfg();
  EXPECT_EQ(Detail(Txt::DetailToneCode, 0)->currentText(), QStringLiteral("D_001(023N)"));
  EXPECT_EQ(Detail(Txt::DetailMode)->currentText(), QStringLiteral("FM"));
  EXPECT_EQ(Detail(Txt::NbAnlText)->currentText(), QStringLiteral("Off"));
  EXPECT_EQ(Detail(Txt::DetailBot)->currentText(), QStringLiteral("Off"));
  SelectRow(6);
  SelectRow(5);
  EXPECT_TRUE(cfg() == before);  // showing wrote nothing

  Pick(Detail(Txt::DetailMode), 4);
  EXPECT_EQ(shown.Mode, 4);
  EXPECT_EQ(Detail(Txt::DetailMode)->currentText(), QStringLiteral("PA"));
  EXPECT_EQ(shown.RxDcs, 104);
}

TEST_F(DetailPanelTest, DtmfAndRogerListsOfferDefinedEntriesAndStoreTheirNumbers) {
  ASSERT_TRUE(SetDtmfCode(cfg(), 3, "123"));
  ASSERT_TRUE(SetDtmfCode(cfg(), 9, "*#"));
  ChannelRecord& shown = ShowChannel(NewChannelRecord(5));
  EXPECT_EQ(Items(Detail(Txt::DetailBot)), (QStringList{"Off", "3 — 123", "9 — *#"}));  // number and digits
  EXPECT_EQ(Items(Detail(Txt::DetailCall)), Items(Detail(Txt::DetailBot)));
  EXPECT_EQ(Items(Detail(Txt::DetailRoger)), (QStringList{"Off", "1", "2", "3", "4"}));
  Pick(Detail(Txt::DetailEot), 2);
  EXPECT_EQ(shown.Eot, 9);
  Pick(Detail(Txt::DetailRoger), 3);
  EXPECT_EQ(shown.Roger, 3);
  Pick(Detail(Txt::DetailEot), 0);
  EXPECT_EQ(shown.Eot, 0);

  ASSERT_TRUE(SetDtmfCode(cfg(), 4, "7"));
  main->BroadcastReferencesChanged();
  EXPECT_EQ(Items(Detail(Txt::DetailBot)), (QStringList{"Off", "3 — 123", "4 — 7", "9 — *#"}));
}

TEST_F(DetailPanelTest, RepeaterAndPlus10kAreOfferedOutsideCbOnly) {
  ShowChannel(NewChannelRecord(5));
  EXPECT_TRUE(Detail(Txt::DetailRep)->isVisible());
  EXPECT_TRUE(Detail(Txt::DetailAdd10K)->isVisible());
  EXPECT_EQ(Items(Detail(Txt::DetailRep)), (QStringList{"Off", "Add", "SUBB"}));
  EXPECT_FALSE(Detail(Txt::DetailCbMemChannel)->isVisible());
  ShowBand(kCB);
  EXPECT_FALSE(Detail(Txt::DetailRep)->isVisible());
  EXPECT_FALSE(Detail(Txt::DetailAdd10K)->isVisible());
}

TEST_F(DetailPanelTest, AnEmptyRowOffersNothingToEdit) {
  ShowChannel(NewChannelRecord(5));
  SelectRow(6);
  EXPECT_EQ(editor()->detailPanel()->title(), QStringLiteral("More Information -- CH 6"));
  EXPECT_FALSE(Detail(Txt::DetailBusy)->isEnabled());
  EXPECT_EQ(Detail(Txt::DetailBusy)->currentIndex(), -1);
}

TEST_F(DetailPanelTest, GroupSettingsEditTheGroupPickedInTheSecondList) {
  ShowBand(kHF);
  GroupPanel* panel = editor()->groupPanel();
  PickNumber(panel->settingsGroupList(), 4);
  Pick(panel->groupValidList(), 0);
  EXPECT_EQ(cfg().Options.GroupValid({kHF, 4}), 0);
  EXPECT_EQ(cfg().Options.GroupValid({kHF, 1}), 1);

  panel->groupNameBox()->setFocus();
  panel->groupNameBox()->selectAll();
  QTest::keyClicks(panel->groupNameBox(), "x?");
  QTest::sendKeyEvent(QTest::Click, panel->groupNameBox(), Qt::Key_unknown, QStringLiteral("é"), Qt::NoModifier);
  QTest::keyClicks(panel->groupNameBox(), "9Z");
  EXPECT_EQ(cfg().Options.GroupName({kHF, 4}).str(), u"X9");
  EXPECT_EQ(panel->groupSelector()->itemText(3), QStringLiteral("X9"));
  EXPECT_EQ(panel->workGroupList()->itemText(3), QStringLiteral("X9"));

  PickNumber(panel->settingsGroupList(), 16);  // MEM: no valid flag, no name in the radio
  EXPECT_FALSE(panel->groupValidList()->isEnabled());
  EXPECT_FALSE(panel->groupNameBox()->isEnabled());
}

TEST_F(DetailPanelTest, GroupsWithTheSameOrABlankNameStayApart) {
  cfg().Options.GroupName({kHF, 2}) = u"A";
  cfg().Options.GroupName({kHF, 3}) = u"  ";
  testing::AddChannel(cfg(), {kHF, 2}, 1);
  ShowBand(kHF);
  GroupPanel* panel = editor()->groupPanel();
  EXPECT_EQ(Items(panel->groupSelector()).mid(0, 3), (QStringList{"A", "A", "3"}));
  Pick(panel->groupSelector(), 1);
  EXPECT_EQ(editor()->group(), 2);
  EXPECT_EQ(grid()->Frequency(1), QStringLiteral("28.14500"));
}

TEST_F(DetailPanelTest, ChineseTextsReplaceEveryCaptionAndList) {
  ShowChannel(NewChannelRecord(5));
  app().settings.language = kChinese;
  main->Change_Language();
  EXPECT_EQ(editor()->windowTitle(), QStringLiteral("信道信息"));
  EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("信道"));
  EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), QStringLiteral("频率"));
  EXPECT_EQ(Items(Detail(Txt::DetailBusy)), (QStringList{"关", "开"}));
  EXPECT_EQ(Items(Detail(Txt::DetailRxCtc)), (QStringList{"关", "CTCSS", "DCS"}));
  EXPECT_EQ(editor()->detailPanel()->label(6)->text(), QStringLiteral("扫描"));
  EXPECT_EQ(editor()->groupPanel()->findChild<QLabel*>("workGroupLabel")->text(), QStringLiteral("工作组"));
  EXPECT_EQ(main->listEditMenu().action(RowCommand::InsertPaste)->text(), QStringLiteral("插入并粘贴"));
  EXPECT_EQ(editor()->band(), kHAM);
  EXPECT_EQ(grid()->CurrentRow(), 5);
}

}  // namespace
}  // namespace zq
