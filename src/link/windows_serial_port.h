#pragma once
// The serial port on Windows: a COM port opened through the device namespace
// ("\\.\COM5"), raw at 115200 baud, 8 data bits, no parity, 1 stop bit, no
// flow control. Its owner calls ServiceInput(), which waits in ReadFile().
#include <chrono>
#include <string>

#include "link/serial_port.h"

namespace zq {

class WindowsSerialPort : public SerialPort {
 public:
  WindowsSerialPort() = default;
  ~WindowsSerialPort() override { Close(); }
  WindowsSerialPort(const WindowsSerialPort&) = delete;
  WindowsSerialPort& operator=(const WindowsSerialPort&) = delete;

  PortOpenResult Open(const std::string& device) override;
  void Close() override;
  bool IsOpen() const override { return handle_ != nullptr; }
  void SetReceiveThreshold(std::size_t bytes) override { threshold_ = bytes; }
  void DiscardBuffers() override;
  bool Write(std::span<const uint8_t> bytes) override;
  Bytes ReadAll() override;

  // Waits at most `limit` for bytes, takes in what has arrived and tells the
  // receive handler once the threshold is reached. A port that has gone (an
  // unplugged adapter) is closed.
  void ServiceInput(std::chrono::milliseconds limit);

 private:
  // Takes in what waits, first waiting up to `waitMs` for the bytes the receive
  // threshold lacks; false when the device has gone.
  bool Take(unsigned long waitMs);
  bool SetReadWait(unsigned long waitMs);

  void* handle_ = nullptr;  // the port's HANDLE; <windows.h> stays out of this header
  unsigned long readWaitMs_ = ~0ul;
  std::size_t threshold_ = 1;
  Bytes pending_;
  bool inReceiveNotification_ = false;
};

}  // namespace zq
