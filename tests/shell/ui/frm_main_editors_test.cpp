// The main window's editors, window commands, Initial Setting and the hand-over
// to another release when a data file needs it.
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "datafile/data_file.h"
#include "platform/qt/window_placement.h"
#include "shell/ui/editor_table.h"
#include "shell/ui/transfer_controller.h"
#include "support/main_window_fixture.h"
#include "support/recording_starter.h"
#include "widgets/editor_window.h"

namespace zq {
namespace {

class MainWindowEditorsTest : public testing::MainWindowFixture {
 protected:
  QTreeWidgetItem* TreeEntry(const char* key) {
    QTreeWidgetItem* root = main->tree()->topLevelItem(0);
    for (int k = 0; k < root->childCount(); ++k)
      if (root->child(k)->data(0, Qt::UserRole).toString() == QLatin1String(key)) return root->child(k);
    return nullptr;
  }
  void ClickTree(const char* key) { emit main->tree()->itemClicked(TreeEntry(key), 0); }

  // Another release, handling version V300, installed beside this one; returns its program's name.
  std::string InstallReleaseForV300() {
    folder.Write("Version.ini",
                 "[Version]\r\nCurrentVersion=V100\r\nSoftVersionCount=1\r\nFirmVersionCount=2\r\n[Soft]\r\n"
                 "Version0=V100\r\n[Firm]\r\nFirm0=V100V100\r\nFirm1=V300V300\r\n");
    std::filesystem::create_directories(folder.root() / "V300" / "LR_902");
    std::string programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    std::ofstream(folder.root() / "V300" / "LR_902" / programName) << "program";
    StartMainWindow();
    return programName;
  }
};

using testing::RecordingStarter;

TEST_F(MainWindowEditorsTest, EveryTreeEntryOpensItsEditorOnceAndBringsItForward) {
  main->show();
  main->CloseAllEditors();
  for (const EditorDef& def : EditorTable()) {
    ClickTree(std::string(def.key).c_str());
    ASSERT_NE(main->OpenEditorWindow(def.key), nullptr) << def.key;
  }
  EXPECT_EQ(main->OpenEditorCount(), static_cast<int>(EditorTable().size()));
  EXPECT_EQ(main->mdiArea()->subWindowList().size(), main->OpenEditorCount());

  EditorWindow* channels = main->OpenEditorWindow(kChannelEditorKey);
  main->action(Command::ChannelInformation)->trigger();
  EXPECT_EQ(main->OpenEditorCount(), static_cast<int>(EditorTable().size()));  // no second window
  EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget(), channels);
  main->action(Command::OptionFeatures)->trigger();
  EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget(), main->OpenEditorWindow(kOptionEditorKey));
  main->action(Command::RogerBeep)->trigger();
  EXPECT_EQ(main->mdiArea()->activeSubWindow()->widget(), main->OpenEditorWindow(kRogerBeepEditorKey));

  main->action(Command::CloseAllWindows)->trigger();
  EXPECT_EQ(main->OpenEditorCount(), 0);
  EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowEditorsTest, CascadeLaysTheOpenWindowsOverEachOther) {
  main->show();
  main->OpenEditor(kOptionEditorKey);
  main->OpenEditor(kDtmfEditorKey);
  for (QMdiSubWindow* w : main->mdiArea()->subWindowList()) w->move(0, 0);
  main->action(Command::Cascade)->trigger();
  QList<QMdiSubWindow*> windows = main->mdiArea()->subWindowList();
  ASSERT_EQ(windows.size(), 3);
  EXPECT_NE(windows[0]->pos(), windows[1]->pos());
  EXPECT_NE(windows[1]->pos(), windows[2]->pos());
}

TEST_F(MainWindowEditorsTest, InitialSettingAsksBeforeItReplacesChangesAndIsAChangeItself) {
  const QString path = QString::fromStdString((folder.root() / "kept.dat").string());
  prompter.SaveFile(path);
  main->action(Command::SaveAs)->trigger();
  main->OpenEditor(kDtmfEditorKey);
  main->action(Command::InitialSetting)->trigger();
  EXPECT_TRUE(prompter.shown.isEmpty());        // nothing to lose: no question
  EXPECT_GT(app().config.Count({kHAM, 1}), 0);  // the Initial Setting template's 10-metre channels
  // The file named in the title does not hold the template: marked, and asked about at Exit.
  EXPECT_EQ(app().document.fileName, path.toStdString());
  EXPECT_TRUE(main->windowTitle().startsWith(QStringLiteral("*ZQ4071[")));
  main->show();
  prompter.Answer(Answer::Cancel);
  main->close();
  EXPECT_TRUE(main->isVisible());
  ASSERT_EQ(prompter.shown.size(), 1);
  EXPECT_EQ(prompter.shown[0], QStringLiteral("File has been modify,save it now?"));
  prompter.shown.clear();

  prompter.Answer(Answer::No);
  main->toolbarAction(Command::New)->trigger();
  prompter.shown.clear();
  app().config.Options.Tot() = 33;
  prompter.Answer(Answer::Cancel);
  main->action(Command::InitialSetting)->trigger();
  ASSERT_EQ(prompter.shown.size(), 1);
  EXPECT_EQ(prompter.shown[0], QStringLiteral("File has been modify,save it now?"));
  EXPECT_EQ(app().config.Options.Tot(), 33);
  EXPECT_EQ(app().config.Count({kHAM, 1}), 0);

  prompter.Answer(Answer::No);
  main->OpenEditor(kDtmfEditorKey);
  main->action(Command::InitialSetting)->trigger();
  EXPECT_GT(app().config.Count({kHAM, 1}), 0);
  EXPECT_EQ(main->OpenEditorCount(), 1);
  EXPECT_NE(main->OpenEditorWindow(kChannelEditorKey), nullptr);
}

TEST_F(MainWindowEditorsTest, TheTreeOpensAnEditorWithEnterOrReturn) {
  main->show();
  main->CloseAllEditors();
  main->tree()->setFocus();
  main->tree()->setCurrentItem(TreeEntry("N3"));
  QTest::keyClick(main->tree(), Qt::Key_Return);
  EXPECT_NE(main->OpenEditorWindow("N3"), nullptr);
  main->tree()->setCurrentItem(TreeEntry("N7"));
  QTest::keyClick(main->tree(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_NE(main->OpenEditorWindow("N7"), nullptr);
  EXPECT_EQ(main->OpenEditorCount(), 2);
}

// On a 1366 x 768 screen with a 40-pixel task bar, the default window.
TEST_F(MainWindowEditorsTest, EveryEditorShowsItsButtonsOnASmallScreenAlsoAfterCascade) {
  main->setGeometry(FitOnScreen(PlacementToPixels(Placement{}), QRect(0, 0, 1366, 728)));
  main->show();
  QWidget* area = main->mdiArea()->viewport();
  auto buttonsInSight = [&](QWidget* editor) {
    for (QPushButton* button : editor->findChildren<QPushButton*>()) {
      if (!button->isVisibleTo(editor)) continue;
      QRect shown(button->mapTo(area, QPoint(0, 0)), button->size());
      if (!area->rect().contains(shown)) return ::testing::AssertionFailure() << button->text().toStdString();
    }
    return ::testing::AssertionSuccess();
  };
  main->CloseAllEditors();
  for (const EditorDef& def : EditorTable()) {
    EditorWindow* editor = main->OpenEditor(def.key);
    QApplication::processEvents();  // the cascade that follows the first layout
    EXPECT_TRUE(buttonsInSight(editor)) << def.key;
  }
  main->action(Command::Cascade)->trigger();
  for (const EditorDef& def : EditorTable()) EXPECT_TRUE(buttonsInSight(main->OpenEditorWindow(def.key))) << def.key;
}

TEST_F(MainWindowEditorsTest, AFileOfAnotherVersionOffersItsReleaseAfterTheSaveQuestion) {
  RecordingStarter starter;
  std::string programName = InstallReleaseForV300();

  std::string path = (folder.root() / "newer.dat").string();
  ASSERT_TRUE(SaveDataFile(path, app()).ok());
  std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).write("V300", 4);

  app().config.Options.Tot() = 8;  // unsaved work
  prompter.Answer(Answer::No);     // Open asks first: go on without saving
  prompter.OpenFile(QString::fromStdString(path));
  prompter.Answer(Answer::No);  // do not start the other release
  main->action(Command::Open)->trigger();
  ASSERT_EQ(prompter.shown.size(), 2);
  EXPECT_EQ(prompter.shown[0], QStringLiteral("File has been modify,save it now?"));
  EXPECT_TRUE(prompter.shown[1].endsWith(QStringLiteral("DataFile version is V3.00\r\nprogramming software is V1.00")));
  EXPECT_TRUE(starter.started.isEmpty());
  EXPECT_EQ(app().config.Options.Tot(), 8);

  prompter.Answer(Answer::No);
  prompter.OpenFile(QString::fromStdString(path));
  prompter.Answer(Answer::Yes);
  main->action(Command::Open)->trigger();
  EXPECT_TRUE(QDir::fromNativeSeparators(starter.started)
                  .endsWith(QStringLiteral("/V300/LR_902/") + QString::fromStdString(programName)));
  EXPECT_TRUE(starter.ended);
}

TEST_F(MainWindowEditorsTest, ARadioOfAnotherVersionAsksToSaveBeforeHandingOver) {
  RecordingStarter starter;
  InstallReleaseForV300();
  app().config.Options.Tot() = 8;   // unsaved work
  prompter.Answer(Answer::Yes);     // start the release that handles the radio
  prompter.Answer(Answer::Cancel);  // ... but not without deciding about the changes
  main->transfers().AskIncompatibleVersion("V300");
  ASSERT_EQ(prompter.shown.size(), 2);
  EXPECT_TRUE(prompter.shown[0].endsWith(QStringLiteral("Firmware version is V3.00\r\nprogramming software is V1.00")));
  EXPECT_EQ(prompter.shown[1], QStringLiteral("File has been modify,save it now?"));
  EXPECT_TRUE(starter.started.isEmpty());
  EXPECT_FALSE(starter.ended);

  prompter.Answer(Answer::Yes);
  prompter.Answer(Answer::No);  // discard the changes and hand over
  main->transfers().AskIncompatibleVersion("V300");
  EXPECT_FALSE(starter.started.isEmpty());
  EXPECT_TRUE(starter.ended);
}

// On a 1366 x 768 screen below a 32-pixel panel: Option Features, maximised,
// needs no vertical scrolling; the dual-watch and memory windows open showing
// every column and row of their fields.
TEST_F(MainWindowEditorsTest, TheEditorsFitASmallScreen) {
  main->setGeometry(0, 32, 1366, 736);
  main->show();
  EditorWindow* options = main->OpenEditor(kOptionEditorKey);
  qobject_cast<QMdiSubWindow*>(options->parentWidget())->showMaximized();
  QApplication::processEvents();
  auto* scroll = options->findChild<QScrollArea*>("optionScroll");
  ASSERT_NE(scroll, nullptr);
  EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
  main->CloseAllEditors();
  for (const char* key : {"N4", "N6"}) {
    EditorWindow* editor = main->OpenEditor(key);
    QApplication::processEvents();
    main->CascadeEditors();
    auto* fields = editor->findChild<QScrollArea*>();
    ASSERT_NE(fields, nullptr) << key;
    EXPECT_GE(fields->viewport()->width(), fields->widget()->minimumSizeHint().width()) << key;
    EXPECT_GE(fields->viewport()->height(), fields->widget()->minimumSizeHint().height()) << key;
  }
}

}  // namespace
}  // namespace zq
