// Read from Radio, Write to Radio and the port window, against the simulated radio.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include <fstream>

#include "image/image_codec.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "link/transfer_ranges.h"
#include "platform/ini_file.h"
#include "platform/qt/process_starter.h"
#include "shell/demo_radio.h"
#include "shell/ui/frm_com_set.h"
#include "shell/ui/transfer_controller.h"
#include "support/image_diff.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"
#include "support/recording_starter.h"

namespace zq {
namespace {

using testing::MainWindowFixture;
using testing::ProcessEventsUntil;
using testing::WhenModalShown;

class TransferCommandsTest : public MainWindowFixture {
 protected:
  void AttachDemo(RadioIdentity identity = {kModelName, true, kDataVersion}) {
    auto radio = MakeDemoRadio(folder.program(), false);
    main->transfers().AttachDemoRadio(std::make_unique<SimulatedRadio>(radio->memory(), identity));
  }
  bool RunTransfer(Command command) {
    main->action(command)->trigger();
    return ProcessEventsUntil([&] { return !main->transfers().busy(); }, 20000);
  }
};

TEST_F(TransferCommandsTest, AReadReplacesTheConfigurationAndShowsTheChannelEditorCaption) {
  AttachDemo();
  app().config.Options.Tot() = 77;
  app().document.fileName = "/somewhere/kept.dat";
  app().document.untitled = false;
  ASSERT_EQ(app().config.Count({kHAM, 1}), 0);
  prompter.Answer(Answer::No);  // the changes need not be saved first
  prompter.Answer(Answer::Ok);
  ASSERT_TRUE(RunTransfer(Command::ReadFromRadio));
  ASSERT_GE(prompter.shown.size(), 3);
  EXPECT_EQ(prompter.shown[1], QStringLiteral("Read data from radio.\r\nDo you wish continue?"));
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("Read Data Completed."));
  EXPECT_GT(app().config.Count({kHAM, 1}), 0);  // the radio holds 10-metre channels
  EXPECT_NE(app().config.Options.Tot(), 77);
  EXPECT_TRUE(app().document.untitled);
  EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral("[File Name:new.dat]")));
  EXPECT_TRUE(app().identity.hfCapable);
}

TEST_F(TransferCommandsTest, CancelAtTheConfirmationChangesNothing) {
  AttachDemo();
  app().config.Options.Tot() = 77;
  prompter.Answer(Answer::No);
  prompter.Answer(Answer::Cancel);
  ASSERT_TRUE(RunTransfer(Command::ReadFromRadio));
  EXPECT_EQ(prompter.shown.size(), 2);
  EXPECT_EQ(app().config.Options.Tot(), 77);
  EXPECT_EQ(main->transfers().transferState()->kind, TransferKind::None);
  EXPECT_EQ(main->transfers().demoRadio()->framesReceived(), 0);
}

TEST_F(TransferCommandsTest, AWriteLeavesTheEncodersImageInTheRadio) {
  AttachDemo();
  app().config.Options.Tot() = 33;
  app().config.Options.GroupName({kHF, 2}) = u"XY";
  prompter.Answer(Answer::Ok);
  ASSERT_TRUE(RunTransfer(Command::WriteToRadio));
  ASSERT_FALSE(prompter.shown.isEmpty());
  EXPECT_EQ(prompter.shown.back(), QStringLiteral("Write Data Completed."));
  RadioConfig copy = app().config;
  MemoryImage expected;
  EncodeImage(copy, expected);
  const MemoryImage& written = main->transfers().demoRadio()->memory();
  for (const auto& range : kTransferRanges)
    for (uint32_t a = range.first; a <= range.last; ++a) ASSERT_EQ(written.Get(a), expected.Get(a)) << std::hex << a;
  EXPECT_EQ(written.Get(0x2210A), 33);
}

TEST_F(TransferCommandsTest, AWrongModelIsReportedAfterTheTransfer) {
  AttachDemo({"OTHER", true, kDataVersion});
  app().config.Options.Tot() = 77;
  prompter.Answer(Answer::No);
  prompter.Answer(Answer::Ok);
  ASSERT_TRUE(RunTransfer(Command::ReadFromRadio));
  EXPECT_TRUE(prompter.shown.contains(QStringLiteral("Model type is wrong.")));
  EXPECT_FALSE(prompter.shown.contains(QStringLiteral("Read Data Completed.")));
  EXPECT_EQ(app().config.Options.Tot(), 77);
}

TEST_F(TransferCommandsTest, AnIncompatibleRadioOffersTheOtherRelease) {
  testing::RecordingStarter starter;
  folder.Write("Version.ini",
               "[Version]\r\nCurrentVersion=V100\r\nSoftVersionCount=2\r\nFirmVersionCount=2\r\n[Soft]\r\n"
               "Version0=V100\r\nVersion1=V200\r\n[Firm]\r\nFirm0=V100V100\r\nFirm1=V200V201\r\n");
  std::filesystem::create_directories(folder.root() / "V200" / "LR_902");
  std::string programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
  std::ofstream(folder.root() / "V200" / "LR_902" / programName) << "program";
  StartMainWindow();
  AttachDemo({kModelName, true, "V201"});
  prompter.Answer(Answer::Ok);   // read
  prompter.Answer(Answer::Yes);  // start the other release
  ASSERT_TRUE(RunTransfer(Command::ReadFromRadio));
  EXPECT_TRUE(prompter.shown[1].startsWith(QStringLiteral("incompatible version.")));
  EXPECT_TRUE(
      prompter.shown[1].endsWith(QStringLiteral("\r\nFirmware version is V2.01\r\nprogramming software is V1.00")));
  EXPECT_TRUE(QDir::fromNativeSeparators(starter.started)
                  .endsWith(QStringLiteral("/V200/LR_902/") + QString::fromStdString(programName)));
  EXPECT_TRUE(starter.ended);
}

TEST_F(TransferCommandsTest, APortThatCannotOpenSaysWhyOnASecondLineInBothLanguages) {
  app().settings.portNumber = 0;  // no port chosen
  main->action(Command::ReadFromRadio)->trigger();
  ASSERT_EQ(prompter.shown.size(), 1);
  EXPECT_EQ(prompter.shown[0], QStringLiteral("Cannot Open Communication Port.\r\nNo serial port is chosen: choose "
                                              "one under Setup > Communication Port."));
  app().settings.portNumber = kNamedDevicePort;
  std::string missing = (folder.root() / "no-such-device").string();
  app().namedDevice = missing;
  main->action(Command::ReadFromRadio)->trigger();
  ASSERT_EQ(prompter.shown.size(), 2);
  EXPECT_EQ(prompter.shown[1],
            QString::fromStdString("Cannot Open Communication Port.\r\nThe device " + missing + " does not exist."));
  app().settings.language = kChinese;
  main->action(Command::ReadFromRadio)->trigger();
  ASSERT_EQ(prompter.shown.size(), 3);
  EXPECT_EQ(prompter.shown[2], QString::fromStdString("无法打开通信端口。\r\n设备 " + missing + " 不存在。"));
  EXPECT_FALSE(main->transfers().running());
}

TEST_F(TransferCommandsTest, TheProgressWindowFollowsTheTransfer) {
  AttachDemo();
  prompter.Answer(Answer::Ok);
  main->action(Command::ReadFromRadio)->trigger();
  QPointer<FrmProgress> progress = main->transfers().progressWindow();
  ASSERT_FALSE(progress.isNull());
  EXPECT_EQ(progress->windowTitle(), QStringLiteral("Read data from radio"));
  QSignalSpy shown(progress->findChild<QProgressBar*>("progressBar"), &QProgressBar::valueChanged);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !main->transfers().busy(); }));
  ASSERT_GT(shown.count(), 20);  // the skipped gaps between ranges jump several percent
  int previous = 0;
  for (const auto& call : shown) {
    EXPECT_GT(call.at(0).toInt(), previous);  // only when the percentage grows
    previous = call.at(0).toInt();
  }
  EXPECT_EQ(previous, 100);
  // Closing deletes the window later; the backup written at the end of the read
  // may have used up the time slice in which that deletion would have run.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(progress.isNull());  // closed at the end
}

// The port window with `typed` in its list's text box, confirmed with OK.
// A name the window refuses keeps it open: it is then cancelled.
void TypeIntoPortWindow(frmMain& main, const QString& typed) {
  WhenModalShown([typed](QWidget* dialog) {
    dialog->findChild<QComboBox*>("portList")->setEditText(typed);
    dialog->findChild<QPushButton*>("ok")->click();
    if (dialog->isVisible()) dialog->findChild<QPushButton*>("cancel")->click();
  });
  main.action(Command::CommunicationPort)->trigger();
}

TEST_F(TransferCommandsTest, ThePortWindowTakesOnlyComNumbersAndDevicesThatExist) {
  const std::pair<const char*, const char*> refused[] = {
      {"abc", "abc does not exist."},  // a name that is not COM + a number is taken as a path
      {"com", "com names no serial port."},
      {"COM12x", "COM12x names no serial port."},
      {"/dev/zq-no-such-port", "/dev/zq-no-such-port does not exist."},
      {"/tmp", "/tmp is not a serial device."}};
  for (const auto& [typed, message] : refused) {
    TypeIntoPortWindow(*main, QString::fromLatin1(typed));
    EXPECT_EQ(prompter.shown.back(), QString::fromLatin1(message));
    EXPECT_EQ(app().settings.portNumber, 1) << typed;  // nothing changed
    EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "comPort"), "1") << typed;
    EXPECT_EQ(main->statusPanel(3)->text(), QStringLiteral("COM1")) << typed;
  }
  // COM950 names a device on Windows (\\.\COM950), none in Linux's device table.
  TypeIntoPortWindow(*main, QStringLiteral("COM950"));
  EXPECT_EQ(app().settings.portNumber, DeviceOfPortNumber(950) ? 950 : 1);
  TypeIntoPortWindow(*main, QStringLiteral("com3"));
  EXPECT_EQ(app().settings.portNumber, 3);
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "comPort"), "3");
  EXPECT_EQ(main->statusPanel(3)->text(), QStringLiteral("COM3"));
  TypeIntoPortWindow(*main, QStringLiteral("Com101"));
  EXPECT_EQ(app().settings.portNumber, 101);
}

TEST_F(TransferCommandsTest, ThePortListRefreshesWithoutDisturbingTheOpenDropDown) {
  AttachDemo();
  WhenModalShown([&](QWidget* dialog) {
    auto* window = static_cast<FrmComSet*>(dialog);
    QComboBox* list = window->portList();
    list->showPopup();
    ASSERT_TRUE(list->view()->isVisible());
    int last = list->count() - 1;
    list->view()->setCurrentIndex(list->model()->index(last, 0));  // the row under the pointer
    QString highlighted = list->itemText(last);
    const QString selected = list->currentText();
    window->RefreshPorts();
    window->RefreshPorts();
    EXPECT_TRUE(list->view()->isVisible());
    EXPECT_EQ(list->view()->currentIndex().data().toString(), highlighted);
    EXPECT_EQ(list->currentText(), selected);
    // A device that comes while the list is open joins it; the highlighted row stays.
    app().settings.portNumber = kNamedDevicePort;
    app().namedDevice = "/dev/pts/77";
    window->RefreshPorts();
    EXPECT_EQ(list->itemText(list->count() - 2), QStringLiteral("/dev/pts/77"));  // the simulated radio stays last
    EXPECT_TRUE(list->view()->isVisible());
    EXPECT_EQ(list->view()->currentIndex().data().toString(), highlighted);
    EXPECT_EQ(list->currentText(), selected);
    list->hidePopup();
    dialog->findChild<QPushButton*>("cancel")->click();
  });
  main->action(Command::CommunicationPort)->trigger();
  EXPECT_TRUE(main->transfers().demoChosen());
}

// Without --demo: the first start says where a port is chosen, the simulated
// radio is the list's last entry in both languages, and choosing it is never stored.
TEST_F(TransferCommandsTest, TheSimulatedRadioCanBeChosenWithoutDemoAndIsNeverStored) {
  std::filesystem::remove(folder.settingsFile());
  StartMainWindow();
  EXPECT_EQ(main->statusPanel(1)->text(),
            QStringLiteral("No port chosen yet: choose the radio's port, or the simulated radio to try the program, "
                           "in Setup > Communication Port."));
  ASSERT_EQ(main->transfers().demoRadio(), nullptr);
  const QString zhEntry = QStringLiteral("模拟对讲机（演示）");
  for (int language : {kChinese, kEnglish}) {
    app().settings.language = language;
    WhenModalShown([&](QWidget* dialog) {
      auto* list = dialog->findChild<QComboBox*>("portList");
      if (language == kChinese) {
        EXPECT_LT(list->currentIndex(), list->count() - 1);  // not chosen by itself
      }
      list->setCurrentIndex(list->count() - 1);
      EXPECT_EQ(list->currentText(),
                language == kChinese ? zhEntry : QStringLiteral("Simulated radio (demonstration)"));
      dialog->findChild<QPushButton*>("ok")->click();
    });
    main->action(Command::CommunicationPort)->trigger();
  }
  EXPECT_TRUE(main->transfers().demoChosen());
  EXPECT_EQ(main->statusPanel(1)->text(), QStringLiteral("Demonstration: the radio is simulated"));
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "comPort"), "1");
  EXPECT_NE(main->transfers().demoRadio(), nullptr);
  EXPECT_EQ(main->transfers().ChosenDevice(), "demo");
}

TEST_F(TransferCommandsTest, ThePortWindowWithoutAChoiceSetsNoPortAndSavesNothing) {
  WhenModalShown([&](QWidget* dialog) {
    auto* list = dialog->findChild<QComboBox*>("portList");
    list->setCurrentIndex(-1);
    list->setEditText(QString());
    dialog->findChild<QPushButton*>("ok")->click();
  });
  main->action(Command::CommunicationPort)->trigger();
  EXPECT_EQ(app().settings.portNumber, 0);
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "comPort"), "1");
}

}  // namespace
}  // namespace zq
