// The main window: languages, placement, exit, the view and window commands.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QToolBar>
#include <QTreeWidget>

#include "datafile/data_file.h"
#include "platform/ini_file.h"
#include "platform/qt/window_placement.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"

namespace zq {
namespace {

using testing::MainWindowFixture;
using testing::WhenModalShown;

class MainWindowSettingsTest : public MainWindowFixture {};

void ChooseLanguageInDialog(QWidget* dialog, int language) {
  auto* list = dialog->findChild<QComboBox*>("languageList");
  list->setCurrentIndex(list->findData(language));
  static_cast<QDialog*>(dialog)->accept();
}

QString StandardCancelText() {
  QDialogButtonBox buttons(QDialogButtonBox::Cancel);
  return buttons.button(QDialogButtonBox::Cancel)->text();
}

TEST_F(MainWindowSettingsTest, AnEnglishSystemOffersOnlyEnglish) {
  int offered = -1;
  WhenModalShown([&](QWidget* dialog) {
    offered = dialog->findChild<QComboBox*>("languageList")->count();
    static_cast<QDialog*>(dialog)->accept();
  });
  main->action(Command::LanguageSetup)->trigger();
  EXPECT_EQ(offered, 1);
  // Choosing the language already in force still writes it.
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "CurrentLanguage"), "1");
}

TEST_F(MainWindowSettingsTest, SwitchingToChineseReappliesEveryText) {
  StartMainWindow(0x0804);  // a Chinese system that has chosen English before
  ASSERT_EQ(app().language(), kEnglish);
  WhenModalShown([](QWidget* dialog) { ChooseLanguageInDialog(dialog, kChinese); });
  main->action(Command::LanguageSetup)->trigger();
  EXPECT_EQ(app().language(), kChinese);
  EXPECT_EQ(main->lastAppliedLanguage(), kChinese);
  EXPECT_EQ(main->action(Command::Open)->text(), QStringLiteral("打开(&O)"));
  EXPECT_EQ(main->menuBar()->actions().first()->text(), QStringLiteral("文件&F"));
  EXPECT_EQ(main->toolbarAction(Command::ReadFromRadio)->toolTip(), QStringLiteral("从对讲机读取数据"));
  EXPECT_EQ(main->tree()->topLevelItem(0)->child(2)->text(0), QStringLiteral("RB音"));
  EXPECT_EQ(main->windowTitle(), QStringLiteral("ZQ4071[28.0000 - 29.6950 MHz][文件名:new.dat]"));
  EXPECT_EQ(main->statusPanel(3)->text(), QStringLiteral("通信口1"));
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "CurrentLanguage"), "2");
  // The toolkit's own dialogs and buttons follow, there and back.
  EXPECT_EQ(StandardCancelText(), QStringLiteral("取消"));
  WhenModalShown([](QWidget* dialog) { ChooseLanguageInDialog(dialog, kEnglish); });
  main->action(Command::LanguageSetup)->trigger();
  EXPECT_EQ(StandardCancelText(), QStringLiteral("Cancel"));
}

TEST_F(MainWindowSettingsTest, FirstRunTakesTheSystemLanguageAndRecordsIt) {
  folder.Write("language/mysetup.ini",
               "[language]\r\nIsFirstRun=1\r\nCurrentLanguage=1\r\ncomPort=3\r\nHandshaking=0\r\nStopBit=1\r\n");
  StartMainWindow(0x0804);
  EXPECT_EQ(app().language(), kChinese);
  EXPECT_EQ(main->action(Command::Save)->text(), QStringLiteral("保存(&S)"));
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "IsFirstRun"), "0");
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "CurrentLanguage"), "2");
  EXPECT_EQ(main->statusPanel(3)->text(), QStringLiteral("通信口3"));

  StartMainWindow(0x0804);  // the second start keeps the stored language
  EXPECT_EQ(app().language(), kChinese);
}

TEST_F(MainWindowSettingsTest, PlacementOfTheFrameIsStoredInTwipsAndKeptOnTheScreen) {
  main->show();
  // Nothing stored yet (the fixture cleared the store): the window fills the work area.
  const QRect available = main->screen()->availableGeometry();
  EXPECT_TRUE(available.contains(main->frameGeometry()));
  const QSize filled = FitOnScreen(available, available).size();  // all of the area but the frame allowance
  EXPECT_GE(main->width(), filled.width());
  EXPECT_GE(main->height(), filled.height());
  main->setGeometry(40, 50, 600, 400);
  const QPoint frame = main->frameGeometry().topLeft();
  main->close();
  Placement stored = LoadPlacement();
  EXPECT_EQ(stored.left, frame.x() * 15);  // the outer frame, title bar included
  EXPECT_EQ(stored.top, frame.y() * 15);
  EXPECT_EQ(stored.width, 600 * 15);
  EXPECT_EQ(stored.height, 400 * 15);
  StartMainWindow();
  main->show();
  EXPECT_EQ(main->geometry(), QRect(40, 50, 600, 400));

  // A placement from a larger screen, or above its top, comes back onto this one whole.
  StorePlacement({-3000, -900, 40000, 30000});
  StartMainWindow();
  main->show();
  const QRect screen = main->screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(main->frameGeometry())) << main->frameGeometry().y();
  // On a 1366 x 768 screen below a 32-pixel panel the default placement keeps its title bar in sight.
  const QRect panelled(0, 32, 1366, 736);
  const QRect fitted = FitOnScreen(PlacementToPixels(Placement{}), panelled);
  EXPECT_TRUE(panelled.contains(QRect(fitted.topLeft(), fitted.size().grownBy(kFrameAllowance))));
  EXPECT_EQ(fitted.width(), 14500 / 15);
}

TEST_F(MainWindowSettingsTest, ExitWhileMinimisedKeepsTheStoredPlacement) {
  StorePlacement({150, 150, 12000, 9000});
  StartMainWindow();
  main->show();
  main->showMinimized();
  main->setGeometry(0, 0, 300, 200);
  main->close();
  if (!main->isMinimized()) GTEST_SKIP() << "the offscreen platform did not minimise the window";
  EXPECT_EQ(LoadPlacement().width, 12000);
}

TEST_F(MainWindowSettingsTest, ExitWithChangesAsksAndCancelKeepsTheProgram) {
  main->show();
  app().config.Options.Tot() = 5;
  prompter.Answer(Answer::Cancel);
  main->close();
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("File has been modify,save it now?"));
  prompter.Answer(Answer::No);
  main->close();
  EXPECT_FALSE(main->isVisible());
}

TEST_F(MainWindowSettingsTest, ExitWithChangesAndYesSavesAnUntitledDocumentThroughSaveAs) {
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.root());
  main->show();
  app().config.Options.Tot() = 5;
  prompter.Answer(Answer::Yes);  // the dialog is then cancelled
  main->close();
  ASSERT_EQ(prompter.savePresets.size(), 1);
  QFileInfo preset(prompter.savePresets[0]);
  EXPECT_TRUE(preset.isAbsolute());
  EXPECT_EQ(preset.fileName(), QStringLiteral("new.dat"));
  EXPECT_NE(preset.absolutePath().toStdString(), folder.root().string());  // not wherever it was started
  EXPECT_TRUE(main->isVisible());
  EXPECT_FALSE(std::filesystem::exists(folder.root() / "new.dat"));

  std::filesystem::path chosen = folder.root() / "kept.dat";
  prompter.Answer(Answer::Yes);
  prompter.SaveFile(QString::fromStdString(chosen.string()));
  main->close();
  EXPECT_TRUE(std::filesystem::exists(chosen));
  EXPECT_FALSE(main->isVisible());

  // A document with a name of its own is saved under it.
  StartMainWindow();
  main->show();
  app().document.fileName = chosen.string();
  app().document.untitled = false;
  app().config.Options.Tot() = 6;
  prompter.Answer(Answer::Yes);
  main->close();
  EXPECT_EQ(prompter.savePresets.size(), 2);  // no further dialog
  EXPECT_FALSE(main->isVisible());
  EditedDocument reopened;
  EXPECT_TRUE(OpenDataFile(chosen.string(), app().versions, reopened).ok());
  EXPECT_EQ(reopened.config.Options.Tot(), 6);
  std::filesystem::current_path(previous);
}

TEST_F(MainWindowSettingsTest, ViewCommandsToggleTheirPartsAndCheckMarks) {
  main->show();
  QWidget* pane = main->findChild<QWidget*>("treePane");
  main->action(Command::TreeView)->trigger();
  EXPECT_FALSE(pane->isVisible());
  EXPECT_FALSE(main->action(Command::TreeView)->isChecked());
  main->action(Command::TreeView)->trigger();
  EXPECT_TRUE(pane->isVisible());
  main->findChild<QWidget*>("treePaneClose")
      ->metaObject()
      ->invokeMethod(main->findChild<QWidget*>("treePaneClose"), "click");
  EXPECT_FALSE(pane->isVisible());
  EXPECT_FALSE(main->action(Command::TreeView)->isChecked());
  main->action(Command::Toolbar)->trigger();
  EXPECT_FALSE(main->findChild<QToolBar*>("toolbar")->isVisible());
  main->action(Command::StatusBar)->trigger();
  EXPECT_FALSE(main->statusPanel(2)->isVisible());
}

TEST_F(MainWindowSettingsTest, AboutShowsTheBuildVersion) {
  main->action(Command::About)->trigger();
  ASSERT_FALSE(prompter.shown.isEmpty());
  EXPECT_TRUE(prompter.shown.back().contains(QStringLiteral("Version 1.0.0"))) << prompter.shown.back().toStdString();
}

}  // namespace
}  // namespace zq
