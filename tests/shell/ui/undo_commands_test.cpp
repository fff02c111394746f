// Undo and Redo of the Edit menu, through the real windows: every kind of
// change steps back and forth one user action at a time, the open editors
// show each restored state at once, and the history starts afresh with every
// document.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <fstream>

#include "channels/channel_rows.h"
#include "channels/config_fixture.h"
#include "channels/grid_cells.h"
#include "channels/group_entries.h"
#include "channels/ui/channel_editor_fixture.h"
#include "config/public_params.h"
#include "options/roger_beep_rules.h"
#include "options/ui/frm_opt_features.h"
#include "options/ui/option_window_helpers.h"
#include "shell/demo_radio.h"
#include "shell/ui/transfer_controller.h"
#include "shell/ui/undo_commands.h"
#include "support/modal.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::Child;
using testing::Choose;
using testing::EntriesOf;

class UndoTest : public testing::ChannelEditorFixture {
 protected:
  const ConfigHistory& history() { return main->undoCommands().history(); }
  // The keys, sent where the focus is as the user presses them.
  static QWidget* Focus() {
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
  }
  void CtrlZ() { QTest::keyClick(Focus(), Qt::Key_Z, Qt::ControlModifier); }
  void CtrlY() { QTest::keyClick(Focus(), Qt::Key_Y, Qt::ControlModifier); }
  void CtrlShiftZ() { QTest::keyClick(Focus(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }

  // Runs a user action and keeps the state it left; each action is one step.
  template <class Action>
  void Step(Action action) {
    action();
    states.push_back(cfg());
    ASSERT_EQ(history().UndoCount(), states.size() - 1) << "after step " << states.size() - 1;
  }

  // The channel editor shows the configuration: every frequency of the shown
  // group, and the Mode and Power of the selected row's channel.
  void ExpectChannelEditorShowsConfig() {
    const Band band = editor()->band();
    const int group = editor()->group();
    GridCells cells = GridFrequencies(cfg(), {band, group}, LimitsOfBand(band));
    for (int row = 1; row <= grid()->RowCount(); ++row)
      ASSERT_EQ(grid()->Frequency(row).toStdString(), cells.frequencies[row - 1]) << "row " << row;
    const ChannelRecord* record = RecordAtRow(cfg(), {band, group}, grid()->CurrentRow());
    if (record == nullptr || record->Enabled != 1) return;
    EXPECT_EQ(Detail(Txt::DetailMode)->currentIndex(), record->Mode);
    EXPECT_EQ(Detail(Txt::DetailPower)->currentIndex(), record->PowerLevel);
  }

  // Every step back with Ctrl+Z, then forward with Ctrl+Y and Ctrl+Shift+Z in turn.
  template <class Check>
  void UndoAllThenRedoAll(Check editorsShowConfig) {
    grid()->setFocus();
    for (std::size_t k = states.size() - 1; k > 0; --k) {
      ASSERT_TRUE(main->action(Command::Undo)->isEnabled());
      CtrlZ();
      ASSERT_TRUE(cfg() == states[k - 1]) << "undo of step " << k;
      editorsShowConfig();
    }
    EXPECT_FALSE(main->action(Command::Undo)->isEnabled());
    for (std::size_t k = 1; k < states.size(); ++k) {
      ASSERT_TRUE(main->action(Command::Redo)->isEnabled());
      k % 2 ? CtrlY() : CtrlShiftZ();
      ASSERT_TRUE(cfg() == states[k]) << "redo of step " << k;
      editorsShowConfig();
    }
    EXPECT_FALSE(main->action(Command::Redo)->isEnabled());
  }

  // A right click on the row, then the command of the list-edit menu.
  void RowCommandAt(int row, RowCommand command) {
    grid()->scrollToItem(grid()->item(row - 1, kFrequencyColumn));
    QPoint at = grid()->visualItemRect(grid()->item(row - 1, kFrequencyColumn)).center();
    QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, at);
    ASSERT_TRUE(main->listEditMenu().isVisible());
    main->listEditMenu().action(command)->trigger();
    main->listEditMenu().hide();
  }
  void Click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    b->click();
    QApplication::processEvents();  // the closed window goes
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EditorWindow* Open(std::string_view key) {
    EditorWindow* window = main->OpenEditor(key);
    QApplication::processEvents();
    return window;
  }

  std::vector<RadioConfig> states;
};

TEST_F(UndoTest, ChannelEditsStepBackAndForthAndTheGridShowsEachState) {
  AllowEveryBand();
  ShowBand(kHAM);
  ShowGroup(1);
  states.push_back(cfg());
  ASSERT_EQ(history().UndoCount(), 0u);  // looking around changed nothing

  Step([&] { TypeFrequency(3, "28.50000"); });
  Step([&] { TypeFrequency(7, "29.12000"); });
  Step([&] {
    SelectRow(3);
    Pick(Detail(Txt::DetailMode), 1);
  });
  Step([&] {
    SelectRow(7);
    Pick(Detail(Txt::DetailPower), 0);
  });
  RowCommandAt(3, RowCommand::Copy);  // the clipboard is no part of the configuration
  ASSERT_EQ(history().UndoCount(), states.size() - 1);
  Step([&] { RowCommandAt(5, RowCommand::Paste); });
  Step([&] { RowCommandAt(7, RowCommand::Delete); });
  prompter.SaveFile(QString::fromStdString((folder.root() / "ham1.csv").string()));
  editor()->findChild<QPushButton*>("exportCsvButton")->click();
  Step([&] { ShowGroup(2); });  // HAM's work group follows the group shown
  Step([&] {
    prompter.OpenFile(QString::fromStdString((folder.root() / "ham1.csv").string()));
    editor()->findChild<QPushButton*>("importCsvButton")->click();
  });
  ASSERT_EQ(cfg().Count({kHAM, 2}), 2);

  UndoAllThenRedoAll([&] {
    EXPECT_EQ(editor()->group(), cfg().Options.WorkGroup(kHAM));  // a step back to group 1 shows group 1
    ExpectChannelEditorShowsConfig();
  });
  EXPECT_EQ(editor()->group(), 2);
}

// The menu entries say what they would undo and redo, in both languages, and
// the step's place comes into view: the band, group and row, or the window.
TEST_F(UndoTest, UndoAndRedoNameTheirStepAndBringItsPlaceIntoView) {
  AllowEveryBand();
  ShowBand(kHAM);
  ShowGroup(1);
  TypeFrequency(3, "28.40000");
  TypeFrequency(9, "28.50000");
  SelectRow(3);
  Pick(Detail(Txt::DetailPower), 0);
  ShowBand(kHF);  // the row last edited became HAM's work channel: a step of the channel window
  EXPECT_EQ(main->action(Command::Undo)->text(), QStringLiteral("&Undo: Channel Information"));
  main->action(Command::Undo)->trigger();
  EXPECT_EQ(editor()->band(), kHF);
  const QString name = QString::fromStdString(GroupDisplayName(cfg(), {kHAM, 1}, kEnglish));
  EXPECT_EQ(main->action(Command::Undo)->text(), QStringLiteral("&Undo: Power of HAM %1 channel 3").arg(name));
  main->action(Command::Undo)->trigger();
  EXPECT_EQ(editor()->band(), kHAM);
  EXPECT_EQ(editor()->group(), 1);
  EXPECT_EQ(grid()->CurrentRow(), 3);
  EXPECT_EQ(main->action(Command::Undo)->text(), QStringLiteral("&Undo: frequency of HAM %1 channel 9").arg(name));
  EXPECT_EQ(main->action(Command::Redo)->text(), QStringLiteral("Re&do: Power of HAM %1 channel 3").arg(name));
  main->CloseAllEditors();  // closed, the window opens again on the place
  main->action(Command::Undo)->trigger();
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(editor()->band(), kHAM);
  EXPECT_EQ(grid()->CurrentRow(), 9);
  EXPECT_EQ(main->action(Command::Undo)->text(), QStringLiteral("&Undo: frequency of HAM %1 channel 3").arg(name));
  app().settings.language = kChinese;
  main->Change_Language();
  EXPECT_EQ(main->action(Command::Redo)->text(), QStringLiteral("重做：HAM %1 信道 9 的频率(&D)").arg(name));
  app().settings.language = kEnglish;
  main->Change_Language();

  auto* options = Open(kOptionEditorKey);
  Choose(Child<QComboBox>(options, "Tot"), "20s");
  main->CloseAllEditors();
  EXPECT_EQ(main->action(Command::Undo)->text(), QStringLiteral("&Undo: Option Features"));
  main->action(Command::Undo)->trigger();
  ASSERT_NE(main->mdiArea()->activeSubWindow(), nullptr);  // the closed window opens again
  EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget(), main->OpenEditorWindow(kOptionEditorKey));
}

TEST_F(UndoTest, AnEntryBeingTypedIsStoredAsAStepOfItsOwnBeforeTheUndo) {
  AllowEveryBand();
  ShowBand(kHF);
  ShowGroup(1);
  TypeFrequency(2, "27.00000");
  const RadioConfig typedBefore = cfg();
  SelectRow(4);
  QTest::keyClick(grid(), Qt::Key_Return);
  QTest::keyClicks(box(), "27.125");
  main->action(Command::Undo)->trigger();  // from the menu: in the box Ctrl+Z takes back typed characters
  EXPECT_TRUE(cfg() == typedBefore);
  EXPECT_EQ(grid()->Frequency(4), QString());
  EXPECT_FALSE(box()->isVisible());
  main->action(Command::Redo)->trigger();
  EXPECT_EQ(grid()->Frequency(4), QStringLiteral("27.12500"));
  EXPECT_EQ(cfg().Count({kHF, 1}), 2);
}

// The option features, DTMF and roger-beep windows, with the rewrites that
// follow their changes: the PUBLIC switch's channels and the references the
// DTMF and roger-beep clean-ups reset.
TEST_F(UndoTest, OptionChangesAndTheirRewritesStepBackAndForthInEveryOpenWindow) {
  AllowEveryBand();
  RadioConfig& c = cfg();
  c.Options.DtmfCodes(3) = u"123";
  AddChannel(c, {kHF, 1}, 1).Bot = 3;
  AddChannel(c, {kHF, 16}, 5).Roger = 4;
  c.Options.PublicParams(kCB, kPublicBot) = 3;
  c.Options.PublicParams(kHAM, kPublicRoger) = 4;
  ASSERT_TRUE(IsRogerPresetDefined(c, 4));
  main->CloseAllEditors();
  main->undoCommands().StartFresh();
  states.push_back(c);
  auto* options = static_cast<FrmOptFeatures*>(Open(kOptionEditorKey));
  auto* dtmf = Open(kDtmfEditorKey);
  auto* roger = Open(kRogerBeepEditorKey);
  Open(kChannelEditorKey);
  ShowBand(kHF);

  Step([&] { Choose(Child<QComboBox>(options, "Tot"), "20s"); });
  const int16_t publicSwitch = static_cast<int16_t>(1 - c.PublicSwitch[BandIndex(kHF)]);  // 0 "On", 1 "Off"
  Step([&] { Choose(Child<QComboBox>(options, "PublicSwitch_1"), publicSwitch ? "Off" : "On"); });
  ASSERT_EQ(cfg().Channel({kHF, 16}, 1).Public, publicSwitch);
  EXPECT_EQ(editor()->band(), kHF);  // the rewritten channel window opens again on the band it showed
  Step([&] {
    auto* codes = Child<QTableWidget>(dtmf, "dtmfCodes");
    codes->item(2, 1)->setText(QString());  // as the cell editor leaves code 3 empty
  });
  ASSERT_EQ(cfg().Channel({kHF, 1}, 1).Bot, 0);
  ASSERT_EQ(cfg().Options.PublicParams(kCB, kPublicBot), 0);
  Step([&] {
    Child<QTabBar>(roger, "rogerTabs")->setCurrentIndex(3);
    Choose(Child<QComboBox>(roger, "RecycleTimes"), "Off");
  });
  ASSERT_EQ(cfg().Channel({kHF, 16}, 1).Roger, 0);
  ASSERT_EQ(cfg().Options.PublicParams(kHAM, kPublicRoger), 0);

  auto windowsShowConfig = [&] {
    const RadioConfig& now = cfg();
    const bool codeDefined = now.Options.DtmfCodes(3).starts_with(u"123");
    auto* options = main->OpenEditorWindow(kOptionEditorKey);
    EXPECT_EQ(Child<QComboBox>(options, "Tot")->currentIndex(), now.Options.Tot());
    EXPECT_EQ(Child<QComboBox>(options, "PublicSwitch_1")->currentIndex(), now.PublicSwitch[BandIndex(kHF)]);
    const QString codeThree = QString::fromUtf8("3 \u2014 123");
    EXPECT_EQ(EntriesOf(Child<QComboBox>(options, "PublicParams_0_7")).contains(codeThree), codeDefined);
    EXPECT_EQ(Child<QComboBox>(options, "PublicParams_0_7")->currentText(),
              now.Options.PublicParams(kCB, kPublicBot) ? codeThree : QStringLiteral("OFF"));
    EXPECT_EQ(Child<QTableWidget>(dtmf, "dtmfCodes")->item(2, 1)->text(),
              codeDefined ? QStringLiteral("123") : QString());
    EXPECT_EQ(Child<QComboBox>(roger, "RecycleTimes")->currentIndex(), now.RogerBeepTable[3][kRecycleTimesIndex]);
    EXPECT_EQ(Child<QComboBox>(options, "PublicParams_2_6")->currentText(),
              now.Options.PublicParams(kHAM, kPublicRoger) ? QStringLiteral("4") : QStringLiteral("OFF"));
    ExpectChannelEditorShowsConfig();
  };
  // The code table opens its cell's text box as the cell becomes current; with
  // nothing typed in it, the keys undo and redo the configuration.
  auto* codes = Child<QTableWidget>(dtmf, "dtmfCodes");
  main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(dtmf->parentWidget()));
  codes->setFocus();
  codes->setCurrentCell(5, 1);
  ASSERT_NE(codes->indexWidget(codes->currentIndex()), nullptr);
  CtrlZ();
  EXPECT_TRUE(cfg() == states[states.size() - 2]);
  CtrlY();
  EXPECT_TRUE(cfg() == states.back());
  UndoAllThenRedoAll(windowsShowConfig);
}

TEST_F(UndoTest, SpecialWindowSavesAndInitialSettingStepBackAndTheOpenCopyShowsTheRestoredState) {
  cfg().Count({kCB, 2}) = 0;
  for (int number : {3, 7, 12}) AddChannel(cfg(), {kCB, 2}, number);
  main->undoCommands().StartFresh();
  states.push_back(cfg());

  Step([&] {
    EditorWindow* emg = Open("N3");
    Choose(emg->findChild<QComboBox*>("PL Emg Channel 1"), "7");
    Click(emg, "cmdSave");
  });
  ASSERT_EQ(cfg().EmergencySettings[1], 6);
  Step([&] {
    EditorWindow* mem = Open("N6");
    Choose(mem->findChild<QComboBox*>("HAM MEM Channel State"), "On");
    Click(mem, "cmdSave");
  });
  Step([&] {
    EditorWindow* dw = Open("N4");
    Choose(dw->findChild<QComboBox*>("Eu DW Channel  Work Mode"), "USB");
    Click(dw, "cmdSave");
  });
  Step([&] {
    prompter.Answer(Answer::No);  // the changes need not be saved first
    main->action(Command::InitialSetting)->trigger();
  });

  // A choice made in an open window but not saved is the window's own until
  // Save: Ctrl+Z takes it back first, and Redo asks before it would drop one.
  EditorWindow* emg = Open("N3");
  QComboBox* plMode = emg->findChild<QComboBox*>("PL Emg Channel 2 Work Mode");
  // A stored value the list does not offer shows as its first entry.
  auto shows = [](QComboBox* list, int value) {
    const int entry = list->findData(value);
    EXPECT_EQ(list->currentIndex(), entry < 0 ? 0 : entry) << list->objectName().toStdString();
  };
  main->action(Command::Undo)->trigger();  // Initial Setting, to have a step to redo
  Choose(plMode, "CW");
  ASSERT_EQ(plMode->currentText(), QStringLiteral("CW"));
  EXPECT_EQ(main->action(Command::Undo)->text(), QStringLiteral("&Undo: choices not saved in Emg Channel Setting"));
  prompter.shown.clear();
  plMode->setFocus();
  CtrlY();
  EXPECT_EQ(prompter.shown.size(), 1);  // answered Cancel: nothing redone, the choice kept
  EXPECT_TRUE(cfg() == states[states.size() - 2]);
  EXPECT_EQ(plMode->currentText(), QStringLiteral("CW"));
  CtrlZ();
  EXPECT_TRUE(cfg() == states[states.size() - 2]);  // the window's choice went, no stored step
  shows(plMode, cfg().EmergencySettings[19]);
  EXPECT_EQ(history().UndoCount(), states.size() - 2);
  Choose(plMode, "CW");
  prompter.Answer(Answer::Ok);
  CtrlY();
  EXPECT_TRUE(cfg() == states.back());
  shows(plMode, cfg().EmergencySettings[19]);
  auto emgShowsConfig = [&] {
    shows(plMode, cfg().EmergencySettings[19]);
    shows(emg->findChild<QComboBox*>("PL Emg Channel 1"), cfg().EmergencySettings[1]);
  };
  UndoAllThenRedoAll(emgShowsConfig);
}

TEST_F(UndoTest, NewOpenAndReadStartAfreshAndUndoingToTheSavedStateClearsTheModifiedMark) {
  auto* options = static_cast<FrmOptFeatures*>(Open(kOptionEditorKey));
  auto modified = [&] { return main->windowTitle().startsWith(QLatin1Char('*')); };
  EXPECT_FALSE(modified());
  EXPECT_FALSE(main->action(Command::Undo)->isEnabled());

  Choose(Child<QComboBox>(options, "Tot"), "20s");
  const int savedTot = app().config.Options.Tot();
  EXPECT_TRUE(modified());
  CtrlZ();
  EXPECT_FALSE(modified());
  prompter.shown.clear();
  main->action(Command::Open)->trigger();  // nothing to save: no question before the file dialog
  EXPECT_TRUE(prompter.shown.isEmpty());
  ASSERT_EQ(prompter.filters.size(), 1);

  CtrlY();
  const QString path = QString::fromStdString((folder.root() / "kept.dat").string());
  prompter.SaveFile(path);
  main->action(Command::SaveAs)->trigger();
  EXPECT_EQ(main->windowTitle(), QStringLiteral("ZQ4071[28.0000 - 29.6950 MHz][File Name:kept.dat]"));
  CtrlZ();
  EXPECT_TRUE(modified());
  CtrlY();
  EXPECT_FALSE(modified());
  EXPECT_TRUE(main->action(Command::Undo)->isEnabled());

  main->toolbarAction(Command::New)->trigger();
  EXPECT_FALSE(main->action(Command::Undo)->isEnabled());
  EXPECT_FALSE(main->action(Command::Redo)->isEnabled());

  options = static_cast<FrmOptFeatures*>(Open(kOptionEditorKey));
  Choose(Child<QComboBox>(options, "Tot"), "30s");
  prompter.Answer(Answer::No);
  prompter.OpenFile(path);
  main->action(Command::Open)->trigger();
  EXPECT_EQ(app().config.Options.Tot(), savedTot);
  EXPECT_FALSE(main->action(Command::Undo)->isEnabled());
  EXPECT_FALSE(modified());

  options = static_cast<FrmOptFeatures*>(Open(kOptionEditorKey));
  Choose(Child<QComboBox>(options, "Tot"), "30s");
  auto radio = MakeDemoRadio(folder.program(), false);
  main->transfers().AttachDemoRadio(
      std::make_unique<SimulatedRadio>(radio->memory(), RadioIdentity{kModelName, true, kDataVersion}));
  prompter.Answer(Answer::No);  // not saved first
  prompter.Answer(Answer::Ok);
  main->action(Command::ReadFromRadio)->trigger();
  ASSERT_TRUE(testing::ProcessEventsUntil([&] { return !main->transfers().busy(); }, 20000));
  ASSERT_EQ(prompter.shown.back(), QStringLiteral("Read Data Completed."));
  EXPECT_FALSE(main->action(Command::Undo)->isEnabled());
  EXPECT_TRUE(modified());  // what the radio holds is in no file yet

  app().settings.language = kChinese;
  main->Change_Language();
  EXPECT_EQ(main->action(Command::Undo)->text(), QStringLiteral("撤销(&U)"));
  EXPECT_EQ(main->action(Command::Redo)->text(), QStringLiteral("重做(&D)"));
}

}  // namespace
}  // namespace zq
