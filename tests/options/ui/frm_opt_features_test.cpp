// The option-features window: what it shows, what each control stores, the
// enable rules, the text boxes and the PUBLIC switches.
#include "options/ui/frm_opt_features.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "channels/ui/frm_comm_ch_info.h"
#include "config/channel_slots.h"
#include "options/public_switch.h"
#include "options/ui/option_window_helpers.h"
#include "shell/ui/editor_table.h"

namespace zq {
namespace {

using testing::Child;
using testing::Choose;
using testing::EntriesOf;

class OptionFeaturesTest : public testing::MainWindowFixture {
 protected:
  FrmOptFeatures* Open() {
    main->CloseAllEditors();  // the current band stays CB unless a test shows another in the channel editor
    return static_cast<FrmOptFeatures*>(main->OpenEditor(kOptionEditorKey));
  }
  QComboBox* List(const QString& name) { return Child<QComboBox>(window, name); }
  QLineEdit* Box(const QString& name) { return Child<QLineEdit>(window, name); }
  QCheckBox* Check(const QString& name) { return Child<QCheckBox>(window, name); }
  RadioConfig& cfg() { return app().config; }
  OptionFeatures& opt() { return app().config.Options; }

  // Types into a number box and presses Enter, as a user confirming the value.
  void Enter(const QString& name, const QString& typed) {
    QLineEdit* box = Box(name);
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
  }

  FrmOptFeatures* window = nullptr;
};

TEST_F(OptionFeaturesTest, OpeningShowsStoredValuesAndRewritesNothing) {
  opt().Tot() = 61;
  opt().AsqEnabled() = 5;
  opt().Clarifier() = 3;
  opt().CwFreq() = 30;
  opt().TxRepeaterOffset() = 123456;  // 12.3456 MHz: beyond 5.0000, and longer than the six characters typed
  opt().SwrProtectMax() = 2000;       // 200.0
  opt().SwrProtect() = 7;
  opt().PfKey() = 2;                        // VFO, which a radio without HF does not offer
  opt().PublicParams(kCB, kPublicBot) = 5;  // code 5 is empty
  opt().BtDeviceName() = u"Mic 7";
  const RadioConfig before = cfg();
  window = Open();
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(List("Tot")->currentText(), "Off");
  EXPECT_EQ(List("AsqEnabled")->currentText(), "Off");
  EXPECT_EQ(EntriesOf(List("Clarifier")), (QStringList{"Off", "R"}));
  EXPECT_EQ(List("Clarifier")->currentText(), "Off");
  EXPECT_EQ(List("CwFreq")->currentText(), "300");
  EXPECT_EQ(Box("TxRepeaterOffset")->text(), "12.3456");  // shown whole
  EXPECT_EQ(Box("SwrProtectMax")->text(), "200.0");
  EXPECT_TRUE(Check("SwrProtect")->isChecked());
  EXPECT_EQ(List("PfKey")->count(), 18);
  EXPECT_EQ(List("PfKey")->currentText(), "Off");
  EXPECT_EQ(List("PublicParams_0_7")->currentText(), "OFF");
  EXPECT_EQ(Box("BtDeviceName")->text(), "Mic 7");
  EXPECT_EQ(window->windowTitle(), "Optional Features");

  main->CloseAllEditors();  // commits what is being edited: nothing
  EXPECT_EQ(cfg(), before);
}

TEST_F(OptionFeaturesTest, ChoosingAnEntryStoresItsValue) {
  opt().Tot() = 61;
  window = Open();
  Choose(List("Tot"), "20s");
  EXPECT_EQ(opt().Tot(), 2);
  Choose(List("CwFreq"), "2550");
  EXPECT_EQ(opt().CwFreq(), 255);
  EXPECT_EQ(List("CwFreq")->itemText(List("CwFreq")->count() - 1), "2550");
  Choose(List("PfKey"), "NB.ANL");
  EXPECT_EQ(opt().PfKey(), 3);
  Choose(List("PfKey"), "MODE SET");
  EXPECT_EQ(opt().PfKey(), 18);
  Choose(List("HoldDelay"), "1.5S");
  EXPECT_EQ(opt().HoldDelay(), 2);
  Choose(List("RfGain"), "-48db");
  EXPECT_EQ(opt().RfGain(), 17);
  Choose(List("ChVolKind"), "VOL");
  EXPECT_EQ(cfg().ChVolKind, 1);
  Choose(List("PublicParams_0_10"), "PA");
  EXPECT_EQ(opt().PublicParams(kCB, kPublicMode), 4);
  Choose(List("Tot"), "Off");  // the first entry of a list stores too
  EXPECT_EQ(opt().Tot(), 0);
}

// Every list, picked at its last entry and stored by its ItemId, lands in its field.
TEST_F(OptionFeaturesTest, SaveOptFeatStoresEachListByItsItemId) {
  app().identity.hfCapable = true;
  for (int n = 1; n <= 16; ++n) opt().DtmfCodes(n) = u"1";
  window = Open();
  auto pickLastAndSave = [&](const ValueRef& value, int itemId) {
    QComboBox* combo = List(QString::fromStdString(ValueName(value)));
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(combo->count() - 1);
    window->SaveOptFeat(itemId);
    EXPECT_EQ(ReadValue(cfg(), value), combo->currentData().toInt()) << ValueName(value) << " " << itemId;
  };
  for (const OptionControl& c : OptionControls())
    if (c.kind == OptionControlKind::List && c.value.kind != ValueRef::PublicSwitch) pickLastAndSave(c.value, c.itemId);
  for (const PublicBlock& block : PublicBlocks())
    for (const PublicRow& row : PublicRows())
      if (BlockShowsRow(block, row))
        pickLastAndSave(Field(Opt::PublicParams, block.band, row.param), block.firstItemId + row.row);
  EXPECT_EQ(opt().PublicParams(kHF, kPublicBot), 16);
  EXPECT_EQ(opt().PublicParams(kHAM, kPublicPower), 2);
}

// "T" and "RT" are offered only away from CB: the band is the one the channel
// editor shows, and after it closed the one it showed last.
TEST_F(OptionFeaturesTest, ClarifierFollowsTheBandLastShownInTheChannelEditor) {
  opt().Clarifier() = 3;
  app().identity.hfCapable = true;
  auto openOptions = [&] { window = static_cast<FrmOptFeatures*>(main->OpenEditor(kOptionEditorKey)); };
  auto showChannels = [&](Band band) {
    main->CloseAllEditors();
    auto* channels = static_cast<frmCommChInfo*>(main->OpenEditor(kChannelEditorKey));
    channels->bandSelector()->setCurrentIndex(BandIndex(band));
    emit channels->bandSelector()->activated(BandIndex(band));  // as a user's pick
    ASSERT_EQ(channels->band(), band);
  };
  showChannels(kCB);
  openOptions();
  EXPECT_EQ(EntriesOf(List("Clarifier")), (QStringList{"Off", "R"}));
  main->CloseAllEditors();  // closed on CB: still CB
  openOptions();
  EXPECT_EQ(EntriesOf(List("Clarifier")), (QStringList{"Off", "R"}));
  EXPECT_EQ(List("Clarifier")->currentText(), "Off");

  showChannels(kHF);
  openOptions();
  EXPECT_EQ(EntriesOf(List("Clarifier")), (QStringList{"Off", "R", "T", "RT"}));
  main->CloseAllEditors();  // closed on HF: still HF
  openOptions();
  EXPECT_EQ(EntriesOf(List("Clarifier")), (QStringList{"Off", "R", "T", "RT"}));
  EXPECT_EQ(List("Clarifier")->currentText(), "RT");
  EXPECT_EQ(List("PfKey")->count(), 19);
}

TEST_F(OptionFeaturesTest, NumberBoxesAreHeldWithinTheirLimitsWhenConfirmed) {
  opt().TxRepeaterOffset() = 123456;  // shown whole until a value within the limits replaces it
  window = Open();
  Enter("SwrProtectMax", "0.5");
  EXPECT_EQ(Box("SwrProtectMax")->text(), "1.2");
  EXPECT_EQ(opt().SwrProtectMax(), 12);
  Enter("SwrProtectMax", "..");
  EXPECT_EQ(Box("SwrProtectMax")->text(), "20.0");
  EXPECT_EQ(opt().SwrProtectMax(), 200);
  Enter("TxRepeaterOffset", "7");
  EXPECT_EQ(Box("TxRepeaterOffset")->text(), "5.0000");
  EXPECT_EQ(opt().TxRepeaterOffset(), 50000);
  Enter("TxRepeaterOffset", "0.00004");  // six characters at most
  EXPECT_EQ(Box("TxRepeaterOffset")->text(), "0.0001");
  EXPECT_EQ(opt().TxRepeaterOffset(), 1);
}

TEST_F(OptionFeaturesTest, NumberBoxesTakeOnlyDigitsAndAPoint) {
  window = Open();
  QLineEdit* box = Box("SwrProtectMax");
  box->clear();
  QTest::keyClicks(box, "1a,.5x");
  EXPECT_EQ(box->text(), "1.5");
  QApplication::clipboard()->setText("9");
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "1.5");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "1.");
}

TEST_F(OptionFeaturesTest, BatteryLimitsAreCheckedTogetherWhenTheRangeIsLeft) {
  main->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  window = Open();
  QLineEdit* minimum = Box("BatteryProtectMin");
  QLineEdit* maximum = Box("BatteryProtectMax");
  minimum->setFocus();
  minimum->selectAll();
  QTest::keyClicks(minimum, "25");
  maximum->setFocus();
  EXPECT_EQ(opt().BatteryProtectMin(), 105);  // still inside the range: nothing checked yet
  maximum->selectAll();
  QTest::keyClicks(maximum, "12");
  List("Tot")->setFocus();
  EXPECT_EQ(minimum->text(), "12.0");
  EXPECT_EQ(maximum->text(), "25.0");
  EXPECT_EQ(opt().BatteryProtectMin(), 120);
  EXPECT_EQ(opt().BatteryProtectMax(), 250);
}

TEST_F(OptionFeaturesTest, AWriteToTheRadioStoresTheBoxBeingEdited) {
  window = Open();
  QLineEdit* box = Box("TxRepeaterOffset");
  box->selectAll();
  QTest::keyClicks(box, "2");
  QLineEdit* name = Box("BtDeviceName");
  name->selectAll();
  QTest::keyClicks(name, "  Hand Mic 2   ");
  main->CommitEditors();
  EXPECT_EQ(opt().TxRepeaterOffset(), 20000);
  EXPECT_EQ(opt().BtDeviceName(), u"  Hand Mic 2    ");  // trailing blanks removed, then padded to 16
}

TEST_F(OptionFeaturesTest, EnableRulesFollowVoxProtectionHandTypeAndHfCapability) {
  opt().VoxLevel() = 0;
  opt().HandType() = 2;
  window = Open();
  EXPECT_FALSE(List("VoxDelay")->isEnabled());
  Choose(List("VoxLevel"), "3");
  EXPECT_TRUE(List("VoxDelay")->isEnabled());

  Check("SwrProtect")->click();
  EXPECT_EQ(opt().SwrProtect(), 0);
  EXPECT_FALSE(Box("SwrProtectMax")->isEnabled());
  Check("BatteryProtect")->click();
  EXPECT_FALSE(Box("BatteryProtectMin")->isEnabled());
  EXPECT_FALSE(Box("BatteryProtectMax")->isEnabled());

  EXPECT_FALSE(List("PfKey")->isEnabled());
  EXPECT_TRUE(List("P1Key")->isEnabled());
  Choose(List("HandType"), "Type 1");  // takes effect when the window opens again
  EXPECT_TRUE(List("P1Key")->isEnabled());

  EXPECT_TRUE(Child<QGroupBox>(window, "PublicFrame_0")->isEnabled());
  EXPECT_FALSE(Child<QGroupBox>(window, "PublicFrame_1")->isEnabled());
  EXPECT_FALSE(List("PublicSwitch_2")->isEnabled());
  EXPECT_TRUE(List("PublicSwitch_0")->isEnabled());

  app().identity.hfCapable = true;
  window = Open();
  EXPECT_TRUE(List("PfKey")->isEnabled());
  EXPECT_FALSE(List("P4Key")->isEnabled());
  EXPECT_TRUE(Child<QGroupBox>(window, "PublicFrame_2")->isEnabled());
  EXPECT_TRUE(List("PublicSwitch_1")->isEnabled());
}

TEST_F(OptionFeaturesTest, TheLastTickedModeBoxStaysTicked) {
  cfg().ModeEnable = {1, 0, 0, 0, 1, 0};  // FM and CW
  window = Open();
  Check("ModeEnable_4")->click();  // CW
  EXPECT_EQ(cfg().ModeEnable[kModeCW], 0);
  QCheckBox* fm = Check("ModeEnable_0");
  fm->click();
  EXPECT_TRUE(fm->isChecked());
  EXPECT_EQ(cfg().ModeEnable[kModeFM], 1);
  Check("ModeEnable_5")->click();  // PA
  EXPECT_EQ(cfg().ModeEnable[kModePA], 1);
  fm->click();
  EXPECT_FALSE(fm->isChecked());
  EXPECT_EQ(cfg().ModeEnable, (std::array<int16_t, 6>{0, 0, 0, 0, 0, 1}));
}

TEST_F(OptionFeaturesTest, SwitchingHfPublicOffRewritesEveryHfChannel) {
  app().identity.hfCapable = true;
  cfg().PublicSwitch.fill(kPublicOn);
  window = Open();
  Choose(List("PublicSwitch_1"), "Off");
  EXPECT_EQ(cfg().PublicSwitch[BandIndex(kHF)], kPublicOff);
  EXPECT_EQ(cfg().Channel({kHF, MemGroup(kHF)}, 99).Public, 1);
  EXPECT_EQ(cfg().Channel({kHF, VfoGroup(kHF)}, 1).Public, 1);
  EXPECT_EQ(cfg().Channel({kHF, 1}, 1).Public, 1);
  EXPECT_EQ(cfg().Channel({kCB, 1}, 1).Public, 0);
  EXPECT_EQ(cfg().Channel({kHAM, 1}, 1).Public, 0);

  cfg().Channel({kHF, 2}, 2).Public = 0;
  Choose(List("PublicSwitch_1"), "Off");  // no change of the switch: the channels stay as they are
  EXPECT_EQ(cfg().Channel({kHF, 2}, 2).Public, 0);
}

TEST_F(OptionFeaturesTest, ReopeningAnEditorKeepsTheActiveWindowInFront) {
  EditorWindow* dtmf = main->OpenEditor(kDtmfEditorKey);
  window = Open();
  dtmf = main->OpenEditor(kDtmfEditorKey);
  window = static_cast<FrmOptFeatures*>(main->OpenEditor(kOptionEditorKey));
  QPointer<EditorWindow> old = dtmf;
  main->ReopenEditor(kDtmfEditorKey);
  EXPECT_TRUE(old.isNull());
  EditorWindow* reopened = main->OpenEditorWindow(kDtmfEditorKey);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget(), window);
  main->ReopenEditor(kChannelEditorKey);  // not open: nothing happens
  EXPECT_EQ(main->OpenEditorCount(), 2);
}

TEST_F(OptionFeaturesTest, AReplacedConfigurationAndTheLanguageShowAgain) {
  window = Open();
  opt().Tot() = 5;
  opt().VoxLevel() = 0;
  window->Reload();
  EXPECT_EQ(List("Tot")->currentText(), "50s");
  EXPECT_FALSE(List("VoxDelay")->isEnabled());

  QLineEdit* box = Box("SwrProtectMax");
  box->selectAll();
  QTest::keyClicks(box, "4.5");
  app().settings.language = kChinese;
  window->ApplyLanguage();
  EXPECT_EQ(box->text(), "4.5");  // still being typed: stored when left
  main->CommitEditors();
  EXPECT_EQ(opt().SwrProtectMax(), 45);
  EXPECT_EQ(window->windowTitle(), "可选功能");
  EXPECT_EQ(List("SquelchLevel")->itemText(0), "关");
  EXPECT_EQ(List("ScanType")->itemText(0), "静噪扫描");
  EXPECT_EQ(Child<QGroupBox>(window, "PublicFrame_0")->title(), "CB 公共信道设置");
  EXPECT_EQ(Child<QLabel>(window, "label_VoxLevel")->text(), "声控等级");
  EXPECT_EQ(List("Tot")->currentText(), "50s");
}

}  // namespace
}  // namespace zq
