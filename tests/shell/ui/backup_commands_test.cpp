// Backups of the program's transfers, "Open Backup..." and "Verify after Write",
// through the real main window and the simulated radio.
#include <QAction>
#include <QApplication>
#include <QEvent>

#include <fstream>

#include "datafile/backups.h"
#include "image/image_codec.h"
#include "platform/ini_file.h"
#include "shell/demo_radio.h"
#include "shell/ui/frm_progress.h"
#include "shell/ui/transfer_controller.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using testing::MainWindowFixture;
using testing::ProcessEventsUntil;

// Every caption a progress window takes while it exists, however short its life.
class ProgressCaptions : public QObject {
 public:
  ProgressCaptions() { QApplication::instance()->installEventFilter(this); }
  ~ProgressCaptions() override { QApplication::instance()->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* progress = qobject_cast<FrmProgress*>(watched);
    if (progress && event->type() == QEvent::WindowTitleChange) seen.push_back(progress->windowTitle());
    return false;
  }
  QStringList seen;
};

class BackupCommandsTest : public MainWindowFixture {
 protected:
  void AttachDemo() { main->transfers().AttachDemoRadio(MakeDemoRadio(folder.program(), false)); }
  bool RunTransfer(Command command) {
    prompter.Answer(Answer::Ok);
    main->action(command)->trigger();
    return ProcessEventsUntil([&] { return !main->transfers().busy(); }, 20000);
  }
  fs::path Backups() const { return folder.layout().backupFolder; }
  QString BackupsText() const { return QString::fromStdString(Backups().string()); }
};

TEST_F(BackupCommandsTest, AReadAndAWriteAreKeptAndAReadBackupOpensAsANewDocument) {
  AttachDemo();
  ASSERT_TRUE(RunTransfer(Command::ReadFromRadio));
  ASSERT_EQ(prompter.shown.back(), QStringLiteral("Read Data Completed."));
  auto entries = ListBackups(Backups());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].kind, BackupKind::Read);
  EXPECT_TRUE(fs::exists(fs::path(entries[0].file).replace_extension(".bin")));
  const RadioConfig read = app().config;

  app().config.Options.Tot() = static_cast<int16_t>(read.Options.Tot() + 1);
  prompter.Answer(Answer::No);  // do not save the changes
  prompter.OpenFile(QString::fromStdString(entries[0].file.string()));
  main->action(Command::OpenBackup)->trigger();
  ASSERT_EQ(prompter.openFolders, QStringList{BackupsText()});
  EXPECT_EQ(prompter.filters.back(), QStringLiteral("Backup (*.dat *.bin)"));
  EXPECT_EQ(app().config.Options.Tot(), read.Options.Tot());
  EXPECT_TRUE(app().document.untitled);
  EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral("[File Name:") +
                                           QString::fromStdString(entries[0].file.filename().string()) + "]"));

  ASSERT_TRUE(RunTransfer(Command::WriteToRadio));
  ASSERT_EQ(prompter.shown.back(), QStringLiteral("Write Data Completed."));
  entries = ListBackups(Backups());
  ASSERT_EQ(entries.size(), 2u);
  auto write = std::find_if(entries.begin(), entries.end(), [](const auto& e) { return e.kind == BackupKind::Write; });
  ASSERT_NE(write, entries.end());
  EXPECT_EQ(write->file.extension(), ".bin");
}

TEST_F(BackupCommandsTest, OpenBackupWithoutBackupsSaysSoAndOpensNoDialog) {
  main->action(Command::OpenBackup)->trigger();
  EXPECT_EQ(prompter.shown, QStringList{QStringLiteral("There are no backups yet in ") + BackupsText() + "."});
  EXPECT_TRUE(prompter.openFolders.isEmpty());
}

TEST_F(BackupCommandsTest, AFailedBackupIsAWarningAfterTheCompletedTransfer) {
  AttachDemo();
  fs::create_directories(Backups().parent_path());
  std::ofstream(Backups()) << "a file where the folder should be";
  ASSERT_TRUE(RunTransfer(Command::WriteToRadio));
  ASSERT_GE(prompter.shown.size(), 2);
  EXPECT_EQ(prompter.shown[prompter.shown.size() - 2], QStringLiteral("Write Data Completed."));
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("The backup could not be saved in ") + BackupsText() + ".");
}

TEST_F(BackupCommandsTest, VerifyAfterWriteIsRememberedAndCatchesALostBlock) {
  QAction* verify = main->action(Command::VerifyAfterWrite);
  EXPECT_TRUE(verify->isCheckable());
  EXPECT_FALSE(verify->isChecked());
  verify->trigger();
  EXPECT_TRUE(verify->isChecked());
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "VerifyWrite"), "1");
  StartMainWindow();
  ASSERT_TRUE(main->action(Command::VerifyAfterWrite)->isChecked());

  // The radio holds the opposite of every byte the write sends, so a block it
  // loses differs from its first byte on.
  RadioConfig copy = app().config;
  MemoryImage unlike;
  EncodeImage(copy, unlike);
  for (uint8_t& b : unlike.bytes()) b = static_cast<uint8_t>(~b);
  RadioBehaviour losing;
  losing.faults = {{FaultKind::LoseBlock, 40, 1}};  // the block at 0x00250
  main->transfers().AttachDemoRadio(
      std::make_unique<SimulatedRadio>(unlike, RadioIdentity{kModelName, true, kDataVersion}, losing));
  ProgressCaptions captions;
  ASSERT_TRUE(RunTransfer(Command::WriteToRadio));
  EXPECT_EQ(captions.seen,
            (QStringList{QStringLiteral("Write data to radio"), QStringLiteral("Verify data written to radio")}));
  EXPECT_FALSE(prompter.shown.contains(QStringLiteral("Write Data Completed.")));
  EXPECT_TRUE(prompter.shown.contains(
      QStringLiteral("Verify failed: the radio does not hold what was written, first at address 0x00250 "
                     "(1 of 1872 blocks differ). Write it again before use.")))
      << prompter.shown.join(QLatin1Char('|')).toStdString();
  // What was sent is kept even though the radio did not take all of it.
  ASSERT_EQ(ListBackups(Backups()).size(), 1u);
}

}  // namespace
}  // namespace zq
