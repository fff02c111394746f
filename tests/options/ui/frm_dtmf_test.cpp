// The DTMF window: typing codes, the settings lists, and the BOT, EOT and
// CALL references that follow the codes.
#include "options/ui/frm_dtmf.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "channels/config_fixture.h"
#include "config/public_params.h"
#include "options/ui/frm_opt_features.h"
#include "options/ui/option_window_helpers.h"
#include "shell/ui/editor_table.h"

namespace zq {
namespace {

using testing::Child;
using testing::Choose;
using testing::EntriesOf;

class DtmfWindowTest : public testing::MainWindowFixture {
 protected:
  FrmDTMF* Open() { return static_cast<FrmDTMF*>(main->OpenEditor(kDtmfEditorKey)); }
  QTableWidget* Codes() { return Child<QTableWidget>(window, "dtmfCodes"); }
  // Enters code cell n and returns the editor placed over it.
  QLineEdit* EditCode(int n) {
    Codes()->setCurrentCell(n - 1, 1);
    Codes()->editItem(Codes()->item(n - 1, 1));
    for (QLineEdit* editor : Codes()->findChildren<QLineEdit*>("dtmfCodeEditor"))
      if (!editor->isHidden()) return editor;  // a closed editor is hidden until it is deleted
    return nullptr;
  }
  OptionFeatures& opt() { return app().config.Options; }

  FrmDTMF* window = nullptr;
};

TEST_F(DtmfWindowTest, TypedKeysBecomeACodeOfDtmfCharactersAndEnterMovesOn) {
  window = Open();
  ASSERT_NE(window, nullptr);
  QLineEdit* editor = EditCode(1);
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "12ab*#x");
  EXPECT_EQ(editor->text(), "12AB*#");
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(opt().DtmfCodes(1), u"12AB*#          ");
  EXPECT_EQ(Codes()->item(0, 1)->text(), "12AB*#");
  EXPECT_EQ(Codes()->currentRow(), 1);

  editor = EditCode(16);
  QTest::keyClicks(editor, "12345678901234567890");
  QTest::keyClick(editor, Qt::Key_Enter);
  EXPECT_EQ(opt().DtmfCodes(16), u"1234567890123456");
}

TEST_F(DtmfWindowTest, EmptyingACodeResetsItsReferencesAndTheOpenListsForgetIt) {
  app().identity.hfCapable = true;
  RadioConfig& cfg = app().config;
  opt().DtmfCodes(3) = u"123";
  opt().DtmfCodes(5) = u"5";
  for (int number = 1; number <= 5; ++number) testing::AddChannel(cfg, {kCB, 1}, number);
  cfg.Channel({kCB, 1}, 5).Bot = 3;
  opt().PublicParams(kHF, kPublicEot) = 3;
  opt().PublicParams(kHAM, kPublicCall) = 5;
  main->CloseAllEditors();
  auto* options = static_cast<FrmOptFeatures*>(main->OpenEditor(kOptionEditorKey));
  ASSERT_EQ(EntriesOf(Child<QComboBox>(options, "PublicParams_0_7")),
            (QStringList{"OFF", QString::fromUtf8("3 \u2014 123"), QString::fromUtf8("5 \u2014 5")}));
  window = Open();

  QLineEdit* editor = EditCode(3);
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClick(editor, Qt::Key_Return);

  EXPECT_EQ(cfg.Channel({kCB, 1}, 5).Bot, 0);
  EXPECT_EQ(opt().PublicParams(kHF, kPublicEot), 0);
  EXPECT_EQ(opt().PublicParams(kHAM, kPublicCall), 5);
  for (const char* list : {"PublicParams_0_7", "PublicParams_1_8", "PublicParams_2_9"})
    EXPECT_EQ(EntriesOf(Child<QComboBox>(options, list)), (QStringList{"OFF", QString::fromUtf8("5 \u2014 5")}))
        << list;
  EXPECT_EQ(Child<QComboBox>(options, "PublicParams_2_9")->currentText(), QString::fromUtf8("5 \u2014 5"));
}

TEST_F(DtmfWindowTest, SettingsShowTheirEntryAndStoreThePosition) {
  opt().DtmfSettings(0) = 60;
  opt().DtmfSettings(5) = 1;
  window = Open();
  auto* sendTime = Child<QComboBox>(window, "DtmfSettings_0");
  EXPECT_EQ(sendTime->currentText(), "10");
  EXPECT_EQ(opt().DtmfSettings(0), 60);  // shown as the first entry, kept until chosen
  Choose(sendTime, "20");
  EXPECT_EQ(opt().DtmfSettings(0), 1);
  Choose(Child<QComboBox>(window, "DtmfSettings_2"), "2500");
  EXPECT_EQ(opt().DtmfSettings(2), 24);
  Choose(Child<QComboBox>(window, "DtmfSettings_4"), "16s");
  EXPECT_EQ(opt().DtmfSettings(4), 16);
  auto* display = Child<QCheckBox>(window, "DtmfSettings_5");
  EXPECT_TRUE(display->isChecked());
  display->click();
  EXPECT_EQ(opt().DtmfSettings(5), 0);

  app().settings.language = kChinese;
  window->ApplyLanguage();
  EXPECT_EQ(window->windowTitle(), "DTMF(双音多频)");
  auto* dCode = Child<QComboBox>(window, "DtmfSettings_4");
  EXPECT_EQ(dCode->itemText(0), "D 码");
  EXPECT_EQ(dCode->currentText(), "16秒");
  EXPECT_EQ(Codes()->horizontalHeaderItem(0)->text(), "编号");
}

TEST_F(DtmfWindowTest, AWriteToTheRadioStoresTheCodeBeingTyped) {
  window = Open();
  QLineEdit* editor = EditCode(7);
  QTest::keyClicks(editor, "0d");
  main->CommitEditors();
  EXPECT_EQ(opt().DtmfCodes(7), u"0D              ");
}

}  // namespace
}  // namespace zq
