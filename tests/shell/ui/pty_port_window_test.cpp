// The port window takes a device by its path: a pseudo-terminal stands in for
// an adapter the port list does not show.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "link/port_names.h"
#include "link/port_settings.h"
#include "platform/ini_file.h"
#include "shell/demo_radio.h"
#include "shell/ui/transfer_controller.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"

namespace zq {
namespace {

using testing::WhenModalShown;

// A pseudo-terminal for the port window to take by its path.
struct PseudoTerminal {
  PseudoTerminal() : fd(::posix_openpt(O_RDWR | O_NOCTTY)) {
    if (fd >= 0 && ::grantpt(fd) == 0 && ::unlockpt(fd) == 0) path = ::ptsname(fd);
  }
  ~PseudoTerminal() {
    if (fd >= 0) ::close(fd);
  }
  int fd;
  std::string path;
};

class PortWindowOnAPseudoTerminal : public testing::MainWindowFixture {
 protected:
  void AttachDemo() {
    auto radio = MakeDemoRadio(folder.program(), false);
    main->transfers().AttachDemoRadio(
        std::make_unique<SimulatedRadio>(radio->memory(), RadioIdentity{kModelName, true, kDataVersion}));
  }
};

TEST_F(PortWindowOnAPseudoTerminal, ThePortWindowOffersTheDemoRadioAndTakesATypedDevice) {
  AttachDemo();
  main->SetStatusNote(Txt::DemoStatus);  // as the program starts with --demo
  PseudoTerminal pty;
  WhenModalShown([&](QWidget* dialog) {
    auto* list = dialog->findChild<QComboBox*>("portList");
    EXPECT_EQ(list->itemText(list->count() - 1), QStringLiteral("Simulated radio (demonstration)"));
    EXPECT_EQ(list->currentIndex(), list->count() - 1);  // the demo radio is the port in use
    list->setEditText(QString::fromStdString(pty.path));
    dialog->findChild<QPushButton*>("ok")->click();
  });
  main->action(Command::CommunicationPort)->trigger();
  EXPECT_FALSE(main->transfers().demoChosen());
  EXPECT_EQ(app().settings.portNumber, kNamedDevicePort);
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "comPort"), "1000");
  EXPECT_EQ(ReadProfileString(folder.settingsFile(), "language", "comDevice"), pty.path);
  EXPECT_EQ(main->statusPanel(3)->text(), QString::fromStdString("COM " + pty.path));
  EXPECT_EQ(main->statusPanel(1)->text(), QString());  // no longer a demonstration
}

}  // namespace
}  // namespace zq
