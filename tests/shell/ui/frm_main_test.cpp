// The main window: start-up, captions, the file commands and their questions.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTreeWidget>
#include <fstream>

#include "datafile/data_file.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"

namespace zq {
namespace {

using testing::MainWindowFixture;
using testing::WhenModalShown;

class MainWindowTest : public MainWindowFixture {};

TEST_F(MainWindowTest, StartsWithTheNewDocumentCaptionTreeAndStatusBar) {
  EXPECT_EQ(main->windowTitle(), QStringLiteral("ZQ4071[28.0000 - 29.6950 MHz][File Name:new.dat]"));
  QTreeWidgetItem* root = main->tree()->topLevelItem(0);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->text(0), QStringLiteral("ZQ4071"));
  ASSERT_EQ(root->childCount(), 8);
  EXPECT_EQ(root->child(0)->text(0), QStringLiteral("Channel Information"));
  EXPECT_EQ(root->child(2)->text(0), QStringLiteral("Roger Beep"));
  EXPECT_EQ(root->child(7)->text(0), QStringLiteral("Weather Channel"));
  EXPECT_EQ(main->statusPanel(2)->text(), QStringLiteral("ZQ4071[28.0000 - 29.6950 MHz]"));
  EXPECT_EQ(main->statusPanel(3)->text(), QStringLiteral("COM1"));
  EXPECT_TRUE(app().document.untitled);
}

// New (menu and toolbar) and Read replace the document, and a fresh history
// follows: unsaved edits are offered for saving first, as Open and Exit do.
TEST_F(MainWindowTest, NewAndReadOfferToSaveUnsavedEditsFirstAndTheMenuNewAlsoWarns) {
  const QString saveIt = QStringLiteral("File has been modify,save it now?");
  const QString cleared = QStringLiteral("All data will be cleared.");
  app().config.Options.Tot() = 42;
  prompter.Answer(Answer::Cancel);
  main->toolbarAction(Command::New)->trigger();
  EXPECT_EQ(prompter.shown, QStringList{saveIt});
  EXPECT_EQ(app().config.Options.Tot(), 42);
  prompter.Answer(Answer::No);
  main->toolbarAction(Command::New)->trigger();
  EXPECT_NE(app().config.Options.Tot(), 42);

  app().config.Options.Tot() = 42;
  prompter.shown.clear();
  prompter.Answer(Answer::No);
  prompter.Answer(Answer::Cancel);
  main->action(Command::New)->trigger();
  EXPECT_EQ(prompter.shown, (QStringList{saveIt, cleared}));
  EXPECT_EQ(app().config.Options.Tot(), 42);
  prompter.Answer(Answer::Cancel);
  main->action(Command::New)->trigger();  // cancelled at the first question
  EXPECT_EQ(prompter.shown.size(), 3);
  EXPECT_EQ(app().config.Options.Tot(), 42);

  prompter.shown.clear();
  prompter.Answer(Answer::Cancel);
  main->action(Command::ReadFromRadio)->trigger();
  EXPECT_EQ(prompter.shown, QStringList{saveIt});  // before the port is opened or the read confirmed
  // Yes saves the untitled document through Save As before the read goes on.
  const QString path = QString::fromStdString((folder.root() / "before-read.dat").string());
  prompter.Answer(Answer::Yes);
  prompter.SaveFile(path);
  app().settings.portNumber = 0;  // no port: the read stops after the save
  main->action(Command::ReadFromRadio)->trigger();
  EXPECT_TRUE(std::filesystem::exists(folder.root() / "before-read.dat"));
  EXPECT_EQ(app().document.fileName, path.toStdString());
  EXPECT_FALSE(main->windowTitle().startsWith(QLatin1Char('*')));

  prompter.shown.clear();
  prompter.Answer(Answer::Ok);
  main->action(Command::New)->trigger();  // nothing unsaved: only the menu's own question
  EXPECT_EQ(prompter.shown, QStringList{cleared});
  EXPECT_NE(app().config.Options.Tot(), 42);
}

TEST_F(MainWindowTest, SaveOfAnUntitledDocumentAsksForANameThenSaveAsksToOverwrite) {
  QString path = QString::fromStdString((folder.root() / "radio.dat").string());
  prompter.SaveFile(path);
  main->action(Command::Save)->trigger();
  ASSERT_EQ(prompter.savePresets.size(), 1);
  EXPECT_EQ(prompter.filters[0], QStringLiteral("Data File (*.dat)"));
  EXPECT_TRUE(std::filesystem::exists(folder.root() / "radio.dat"));
  EXPECT_TRUE(std::filesystem::exists(folder.root() / "radio.fre"));
  EXPECT_FALSE(app().document.untitled);
  EXPECT_EQ(main->windowTitle(), QStringLiteral("ZQ4071[28.0000 - 29.6950 MHz][File Name:radio.dat]"));

  app().config.Options.Tot() = 7;
  prompter.Answer(Answer::Cancel);
  main->action(Command::Save)->trigger();
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("\"radio.dat\"file will be Overwrite,Continue?"));
  EXPECT_FALSE(IsUnchanged(app().config, app().working));
  prompter.Answer(Answer::Ok);
  main->action(Command::Save)->trigger();
  EXPECT_TRUE(IsUnchanged(app().config, app().working));
}

TEST_F(MainWindowTest, OpenAsksToSaveChangesAndAFailedOpenKeepsTheDocument) {
  app().config.Options.Tot() = 9;
  prompter.Answer(Answer::Cancel);
  main->action(Command::Open)->trigger();
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("File has been modify,save it now?"));
  EXPECT_TRUE(prompter.filters.isEmpty());  // cancelled before the file dialog

  std::ofstream(folder.root() / "short.dat", std::ios::binary) << "V100" << std::string(100, '\0');
  prompter.Answer(Answer::No);
  prompter.OpenFile(QString::fromStdString((folder.root() / "short.dat").string()));
  main->action(Command::Open)->trigger();
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("Fail to start the software. This version does not exist."));
  EXPECT_EQ(app().config.Options.Tot(), 9);
  EXPECT_EQ(app().document.fileName, "new.dat");
}

TEST_F(MainWindowTest, OpenReadsAFileSavedBefore) {
  app().config.Options.Tot() = 11;
  std::string path = (folder.root() / "kept.dat").string();
  ASSERT_TRUE(SaveDataFile(path, app()).ok());
  app().config.Options.Tot() = 3;
  prompter.Answer(Answer::No);
  prompter.OpenFile(QString::fromStdString(path));
  main->action(Command::Open)->trigger();
  EXPECT_EQ(app().config.Options.Tot(), 11);
  EXPECT_EQ(main->windowTitle(), QStringLiteral("ZQ4071[28.0000 - 29.6950 MHz][File Name:kept.dat]"));
}

TEST_F(MainWindowTest, WarningsAreTitledWarningInTheCurrentLanguageOtherBoxesZq4071) {
  MessageBoxPrompter boxes(app().settings.language);
  SetPrompter(&boxes);
  auto titleOfNextBox = [&](Command command) {
    QString title;
    WhenModalShown([&](QWidget* box) {
      title = box->windowTitle();
      static_cast<QMessageBox*>(box)->reject();
    });
    main->action(command)->trigger();
    return title;
  };
  EXPECT_EQ(titleOfNextBox(Command::New), QStringLiteral("Warning"));  // "All data will be cleared."
  app().settings.portNumber = 0;
  EXPECT_EQ(titleOfNextBox(Command::ReadFromRadio), QStringLiteral("ZQ4071"));  // an error, not a warning
  app().settings.language = kChinese;
  EXPECT_EQ(titleOfNextBox(Command::New), QStringLiteral("警告"));
  SetPrompter(&prompter);
}

TEST_F(MainWindowTest, ToolbarPicturesAreOurOwnDistinctAndSharpAtDoubleScale) {
  QList<QImage> pictures;
  for (Command c : ToolbarCommands()) {
    QIcon icon = main->toolbarAction(c)->icon();
    ASSERT_FALSE(icon.isNull()) << static_cast<int>(c);
    QImage image = icon.pixmap(QSize(24, 24), 2.0).toImage();
    EXPECT_EQ(image.size(), QSize(48, 48)) << static_cast<int>(c);  // drawn for the screen, not scaled up
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 128;
    EXPECT_GT(opaque, 48 * 48 / 10) << static_cast<int>(c);
    EXPECT_FALSE(pictures.contains(image)) << static_cast<int>(c);
    pictures.push_back(image);
  }
}

}  // namespace
}  // namespace zq
