#include "link/qt/event_loop_port.h"

#include <QTimer>

#include "link/windows_serial_port.h"

namespace zq {
namespace {

// Longest a single wait in ReadFile() holds up the event loop. A reply ends
// the wait as soon as its bytes are in, so this bounds only idle waits.
constexpr std::chrono::milliseconds kPollSlice{10};

// The Win32 port, served from the event loop: while the port is open, every
// pass of the loop waits briefly in ReadFile() for the bytes the receive
// threshold lacks, and the reply reaches the engine from there.
class PolledWindowsPort : public SerialPort {
 public:
  PolledWindowsPort() {
    port_.SetReceiveHandler([this] { NotifyReceive(); });
    poll_.setInterval(0);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
  }

  PortOpenResult Open(const std::string& device) override {
    PortOpenResult opened = port_.Open(device);
    if (opened.ok()) poll_.start();
    return opened;
  }
  void Close() override {
    poll_.stop();
    port_.Close();
  }
  bool IsOpen() const override { return port_.IsOpen(); }
  void SetReceiveThreshold(std::size_t bytes) override { port_.SetReceiveThreshold(bytes); }
  void DiscardBuffers() override { port_.DiscardBuffers(); }
  bool Write(std::span<const uint8_t> bytes) override { return port_.Write(bytes); }
  Bytes ReadAll() override { return port_.ReadAll(); }

 private:
  void Poll() {
    port_.ServiceInput(kPollSlice);
    if (!port_.IsOpen()) poll_.stop();  // closed by the engine, or the adapter has gone
  }

  WindowsSerialPort port_;
  QTimer poll_;
};

}  // namespace

std::unique_ptr<SerialPort> MakeEventLoopPort() { return std::make_unique<PolledWindowsPort>(); }

}  // namespace zq
