// Transfers on Qt's event loop: the serial port against a real pseudo-terminal,
// and the in-process simulated radio of the demonstration mode.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "link/comm_transfer.h"
#include "link/link_fakes.h"
#include "link/qt/qt_reply_timer.h"
#include "link/qt/qt_serial_port_posix.h"
#include "link/served_radio.h"
#include "link/test_images.h"

namespace zq {
namespace {

using test::PatternImage;
using test::SameInRanges;

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  new QApplication(argc, argv);
}

class QtLink : public ::testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }

  // Runs a transfer on `port` until it has ended, on the event loop.
  const TransferOutcome& Transfer(SerialPort& port, TransferKind kind, const std::string& device) {
    TransferEngine engine(port, timer, image, versions, host);
    EXPECT_TRUE(engine.OpenRadioPort(kind, device).ok());
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    host.onEnded = [&] { loop.quit(); };
    guard.start(15000);
    elapsed.start();
    engine.Begin();
    loop.exec();
    EXPECT_FALSE(engine.running());
    return host.outcomes.at(0);
  }

  QtReplyTimer timer;
  MemoryImage image;
  VersionList versions = test::VersionsHandlingV100();
  struct Host : test::RecordingHost {
    std::function<void()> onEnded;
    void TransferEnded(const TransferOutcome& outcome) override {
      RecordingHost::TransferEnded(outcome);
      onEnded();
    }
  } host;
  QElapsedTimer elapsed;
};

TEST_F(QtLink, ReadsTheRadioThroughQSerialPort) {
  test::ServedRadio served(PatternImage());
  QtSerialPort port;
  EXPECT_TRUE(Transfer(port, TransferKind::Read, served.path()).success);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_TRUE(SameInRanges(image, PatternImage()));
}

TEST_F(QtLink, TheReplyTimerRetransmitsADroppedReplyASecondLater) {
  RadioBehaviour behaviour;
  behaviour.faults = {{FaultKind::Drop, 100, 1}};
  test::ServedRadio served(MemoryImage{}, behaviour);
  QtSerialPort port;
  image = PatternImage();
  EXPECT_TRUE(Transfer(port, TransferKind::Write, served.path()).success);
  EXPECT_GE(elapsed.elapsed(), 1000);
  port.Close();
  // Every frame once, and the dropped one a second time: greeting, identity, 1,872 blocks, end.
  EXPECT_EQ(served.radio().framesReceived(), 1875 + 1);
}

TEST_F(QtLink, MissingAndBusyPortsAreRefused) {
  QtSerialPort port;
  EXPECT_EQ(port.Open("/dev/zq-no-such-port").failure, PortFailure::Missing);
  test::ServedRadio served(MemoryImage{});
  QtSerialPort first, second;
  ASSERT_TRUE(first.Open(served.path()).ok());
  PortOpenResult busy = second.Open(served.path());
  EXPECT_FALSE(busy.ok());
  EXPECT_FALSE(busy.detail.empty());
}

TEST_F(QtLink, DemonstrationRadioAnswersThroughTheEventLoop) {
  QObject context;
  SimulatedRadio radio(PatternImage(), {"VESTRAX", true, "V100"});
  SimulatedPort port(radio, QtScheduler(&context));
  EXPECT_TRUE(Transfer(port, TransferKind::Read, "demo").success);
  EXPECT_TRUE(SameInRanges(image, PatternImage()));
  EXPECT_EQ(radio.framesReceived(), 1875);
}

}  // namespace
}  // namespace zq
