// File > Compare with File, Program > Compare with Radio and Program > Write to
// Group of Radios, against the simulated radio.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <fstream>

#include "channels/config_fixture.h"
#include "channels/group_entries.h"
#include "datafile/data_file.h"
#include "datafile/test_support.h"
#include "image/image_codec.h"
#include "shell/demo_radio.h"
#include "shell/ui/frm_compare.h"
#include "shell/ui/frm_radio_series.h"
#include "shell/ui/transfer_controller.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"

namespace zq {
namespace {

using namespace std::chrono_literals;
using testing::MainWindowFixture;
using testing::ProcessEventsUntil;

class CompareAndSeriesTest : public MainWindowFixture {
 protected:
  void AttachDemo(RadioBehaviour behaviour = {}) {
    auto radio = MakeDemoRadio(folder.program(), false);
    main->transfers().AttachDemoRadio(std::make_unique<SimulatedRadio>(
        radio->memory(), RadioIdentity{kModelName, true, kDataVersion}, std::move(behaviour)));
  }
  FrmCompare* ComparisonWindow() { return main->findChild<FrmCompare*>(); }
  // The time-out timer as the option-features window lists it: Off, then steps of 10 s.
  static QString TotText(int stored) {
    return stored == 0 ? QStringLiteral("Off") : QStringLiteral("%1s").arg(stored * 10);
  }
  static QStringList Row(QTableWidget* table, int row) {
    return {table->item(row, 0)->text(), table->item(row, 1)->text(), table->item(row, 2)->text()};
  }
};

TEST_F(CompareAndSeriesTest, CompareWithFileListsWhatChangedSinceTheFileAndPrintsIt) {
  const std::string file = (folder.root() / "kept.dat").string();
  testing::AddChannel(app().config, {kHAM, 1}, 9).PowerLevel = 2;
  const RadioConfig saved = app().config;
  EditedDocument savedFile{saved, {}, {}};
  ASSERT_TRUE(SaveDataFile(file, savedFile).ok());
  app().config.Options.Tot() = static_cast<int16_t>(saved.Options.Tot() == 5 ? 6 : 5);
  app().config.Channel({kHAM, 1}, 1).PowerLevel = 0;
  prompter.OpenFile(QString::fromStdString(file));
  main->action(Command::CompareWithFile)->trigger();

  FrmCompare* window = ComparisonWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Comparison"));
  EXPECT_EQ(window->findChild<QLabel*>("oldSide")->text(), QStringLiteral("Old: kept.dat"));
  EXPECT_EQ(window->findChild<QLabel*>("newSide")->text(), QStringLiteral("New: this configuration (new.dat)"));
  QTableWidget* table = window->table();
  ASSERT_EQ(table->rowCount(), 2);
  // Members named and shown as the channel and option-features windows show them.
  const QString group = QString::fromStdString(GroupDisplayName(app().config, {kHAM, 1}, kEnglish));
  EXPECT_EQ(Row(table, 1), (QStringList{QStringLiteral("HAM %1 (1) CH 9 Power").arg(group), QStringLiteral("High"),
                                        QStringLiteral("Low")}));
  EXPECT_EQ(Row(table, 0),
            (QStringList{QStringLiteral("TOT"), TotText(saved.Options.Tot()), TotText(app().config.Options.Tot())}));
  EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("Old value"));
  EXPECT_EQ(window->findChild<QLabel*>("summary")->text(), QStringLiteral("2 differences."));

  const QString pdf = QString::fromStdString((folder.root() / "comparison.pdf").string());
  prompter.SaveFile(pdf);
  window->findChild<QPushButton*>("printToPdf")->click();
  EXPECT_TRUE(prompter.savePresets.back().endsWith(QStringLiteral("/kept - new.pdf")))
      << prompter.savePresets.back().toStdString();
  std::ifstream written(pdf.toStdString(), std::ios::binary);
  std::string head(5, '\0');
  written.read(head.data(), 5);
  EXPECT_EQ(head, "%PDF-");
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  // A file named as an image but of another size is no data file either.
  std::ofstream(folder.root() / "short.bin", std::ios::binary) << std::string(1000, '\0');
  prompter.OpenFile(QString::fromStdString((folder.root() / "short.bin").string()));
  main->action(Command::CompareWithFile)->trigger();
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("not a memory image: 1000 bytes, 139,776 expected"));
  EXPECT_EQ(ComparisonWindow(), nullptr);

  // In Chinese, and with nothing changed; the dialog starts in the data file's folder.
  app().document.fileName = (folder.root() / "sub" / "radio.dat").string();
  app().document.untitled = false;
  app().config.Options.Tot() = saved.Options.Tot();
  app().config.Channel({kHAM, 1}, 1).PowerLevel = 2;
  app().settings.language = kChinese;
  prompter.OpenFile(QString::fromStdString(file));
  main->action(Command::CompareWithFile)->trigger();
  ASSERT_NE(ComparisonWindow(), nullptr);
  EXPECT_EQ(ComparisonWindow()->windowTitle(), QStringLiteral("配置比较"));
  EXPECT_EQ(ComparisonWindow()->findChild<QLabel*>("summary")->text(), QStringLiteral("两个配置相同。"));
  EXPECT_EQ(ComparisonWindow()->table()->rowCount(), 0);
  const QTableWidget* empty = ComparisonWindow()->table();  // its headers share the width, not squeezed
  EXPECT_GE(empty->columnWidth(0) + empty->columnWidth(1) + empty->columnWidth(2), empty->viewport()->width() - 2);
  EXPECT_GT(empty->columnWidth(0), empty->horizontalHeader()->sectionSizeHint(0));
  EXPECT_EQ(prompter.openFolders.back(),
            QDir::fromNativeSeparators(QString::fromStdString((folder.root() / "sub").string())));
}

TEST_F(CompareAndSeriesTest, CompareWithRadioReadsTheRadioAndLeavesTheConfigurationAlone) {
  AttachDemo();
  RadioConfig radioHolds;
  DecodeImage(main->transfers().demoRadio()->memory(), radioHolds);
  app().config.Options.Tot() = static_cast<int16_t>(radioHolds.Options.Tot() == 5 ? 6 : 5);
  const RadioConfig before = app().config;
  main->action(Command::CompareWithRadio)->trigger();
  ASSERT_TRUE(ProcessEventsUntil([&] { return ComparisonWindow() != nullptr; }, 20000));

  EXPECT_TRUE(app().config == before);
  EXPECT_FALSE(prompter.shown.contains(QStringLiteral("Read Data Completed.")));
  EXPECT_EQ(ComparisonWindow()->findChild<QLabel*>("oldSide")->text(),
            QStringLiteral("Old: the radio (%1, firmware %2)").arg(kModelName, kDataVersion));
  QTableWidget* table = ComparisonWindow()->table();
  bool tot = false;
  for (int row = 0; row < table->rowCount(); ++row)
    if (table->item(row, 0)->text() == QStringLiteral("TOT"))
      tot = Row(table, row) ==
            QStringList{QStringLiteral("TOT"), TotText(radioHolds.Options.Tot()), TotText(before.Options.Tot())};
  EXPECT_TRUE(tot);
}

// The window says what it writes with and what to do, remembers its log, and
// a continued log goes on counting from its last radio.
TEST_F(CompareAndSeriesTest, WriteToGroupOfRadiosCountsNamesAndLogsEachRadio) {
  RadioBehaviour line;
  line.series = {3, 100ms, 1300ms, {{2, 40}}};  // the second radio is taken away in the middle of its write
  AttachDemo(line);
  const std::string log = (folder.root() / "series.csv").string();
  std::ofstream(log, std::ios::binary) << "Time,Radio,Identity,Firmware version,Result\r\n"
                                       << "2026-12-09 12:50:19,8,VESTRAX 000008,V100,written\r\n";
  main->action(Command::WriteToGroup)->trigger();
  auto* window = main->findChild<FrmRadioSeries*>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Write to Group of Radios"));
  EXPECT_EQ(window->findChild<QLineEdit*>("logFile")->text(), QStringLiteral("(none)"));
  window->SetLogFile(QString::fromStdString(log));
  window->findChild<QPushButton*>("close")->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  main->action(Command::WriteToGroup)->trigger();
  window = main->findChild<FrmRadioSeries*>();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->findChild<QLineEdit*>("logFile")->text(), QString::fromStdString(log));  // remembered
  EXPECT_EQ(window->findChild<QLabel*>("dataFile")->text(), QStringLiteral("Data file: new.dat"));
  // The port the main window writes with is the one chosen, with its row.
  QListWidget* ports = window->portList();
  ASSERT_GE(ports->count(), 1);
  EXPECT_EQ(ports->item(ports->count() - 1)->text(), QStringLiteral("Simulated radio (demonstration)"));
  EXPECT_EQ(ports->item(ports->count() - 1)->checkState(), Qt::Checked);
  ASSERT_EQ(window->portTable()->rowCount(), 1);
  EXPECT_EQ(window->portTable()->item(0, 0)->text(), QStringLiteral("Simulated radio (demonstration)"));
  EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("Connect the first radio, then press Start"));
  auto* verify = window->findChild<QCheckBox*>("verify");
  EXPECT_FALSE(verify->isChecked());
  verify->click();  // the menu's choice, kept in the settings
  EXPECT_TRUE(app().settings.verifyWrite);
  EXPECT_TRUE(main->action(Command::VerifyAfterWrite)->isChecked());

  window->findChild<QPushButton*>("start")->click();
  ASSERT_TRUE(window->running());
  EXPECT_FALSE(window->findChild<QPushButton*>("close")->isEnabled());
  ASSERT_TRUE(ProcessEventsUntil(
      [&] { return window->countLabel()->text() == QStringLiteral("Radios written: 2, failed: 1."); }, 30000));
  EXPECT_TRUE(window->lastLabel()->text().startsWith(QStringLiteral("Radio 11 (VESTRAX 000003): written and verified")))
      << window->lastLabel()->text().toStdString();
  ASSERT_EQ(window->failedList()->count(), 1);
  EXPECT_EQ(window->failedList()->item(0)->text(), QStringLiteral("Radio 10 (VESTRAX 000002): failed: no response"));
  window->findChild<QPushButton*>("stop")->click();
  EXPECT_FALSE(window->running());
  EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("The series has stopped."));

  const std::vector<std::string> lines = test::ReadLines(log);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(lines[2].find(",9,VESTRAX 000001,V100,written and verified") != std::string::npos) << lines[2];
  EXPECT_TRUE(lines[4].find(",11,VESTRAX 000003,V100,written and verified") != std::string::npos) << lines[4];
}

}  // namespace
}  // namespace zq
