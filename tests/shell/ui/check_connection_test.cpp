// Help > Check Connection on the offscreen platform, greeting the in-process
// simulated radio through the window's own Qt plumbing.
#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "config/radio_config.h"
#include "shell/demo_radio.h"
#include "shell/ui/frm_check_connection.h"
#include "shell/ui/transfer_controller.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"

namespace zq {
namespace {

using testing::MainWindowFixture;
using testing::ProcessEventsUntil;

class CheckConnectionTest : public MainWindowFixture {
 protected:
  // The radio on the demonstration port; it counts what it was sent.
  SimulatedRadio& AttachRadio(const std::string& model) {
    auto radio = std::make_unique<SimulatedRadio>(MakeDemoRadio(folder.program(), false)->memory(),
                                                  RadioIdentity{model, true, kDataVersion});
    SimulatedRadio& attached = *radio;
    main->transfers().AttachDemoRadio(std::move(radio));
    return attached;
  }
  FrmCheckConnection* Open() {
    main->action(Command::CheckConnection)->trigger();
    return main->findChild<FrmCheckConnection*>();
  }
  static QString Greet(FrmCheckConnection& window) {
    window.checkButton()->click();
    EXPECT_TRUE(ProcessEventsUntil([&] { return window.checkButton()->isEnabled() && !window.checking(); }));
    return window.result()->toPlainText();
  }
};

TEST_F(CheckConnectionTest, GreetsTheChosenRadioAndTellsAWrongModelInTheLanguageInForce) {
  SimulatedRadio& radio = AttachRadio(kModelName);
  FrmCheckConnection* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Check Connection"));
  // The chosen port is selected: here the simulated radio, the last entry.
  QTreeWidget* devices = window->devices();
  ASSERT_GT(devices->topLevelItemCount(), 0);
  EXPECT_EQ(devices->currentItem()->text(0), QStringLiteral("Simulated radio (demonstration)"));
  EXPECT_EQ(devices->accessibleName(), QStringLiteral("Serial devices"));

  QString result = Greet(*window);
  EXPECT_TRUE(result.contains(QStringLiteral("Radio: VESTRAX, firmware V100, HF and HAM bands")))
      << result.toStdString();
  EXPECT_TRUE(result.contains(QStringLiteral("Reply time: greeting "))) << result.toStdString();
  EXPECT_TRUE(result.contains(QStringLiteral("The port works"))) << result.toStdString();
  // Greeting, identity request and the end frame; not a block moved.
  EXPECT_EQ(radio.framesReceived(), 3);
  EXPECT_EQ(radio.blocksWritten(), 0);
  window->close();
  QApplication::processEvents();

  AttachRadio("OTHER");
  app().settings.language = kChinese;
  main->Change_Language();
  window = Open();
  ASSERT_NE(window, nullptr);
  result = Greet(*window);
  EXPECT_TRUE(result.contains(QStringLiteral("对讲机应答的机型为 OTHER，而不是 VESTRAX。"))) << result.toStdString();
  EXPECT_TRUE(result.contains(QStringLiteral("解决办法"))) << result.toStdString();
}

}  // namespace
}  // namespace zq
