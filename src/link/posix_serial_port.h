#pragma once
// The serial port on a POSIX system: a tty device opened raw, non-blocking and
// locked against a second user. Its owner polls fd() and calls ServiceInput().
#include <string>

#include "link/serial_port.h"

namespace zq {

// Raw 115200 baud, 8 data bits, no parity, 1 stop bit, no flow control; a read
// returns whatever is waiting. False when the device refuses the settings.
bool SetRawLine(int fd);

class PosixSerialPort : public SerialPort {
 public:
  PosixSerialPort() = default;
  ~PosixSerialPort() override { Close(); }
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  PortOpenResult Open(const std::string& device) override;
  void Close() override;
  bool IsOpen() const override { return fd_ >= 0; }
  void SetReceiveThreshold(std::size_t bytes) override { threshold_ = bytes; }
  void DiscardBuffers() override;
  bool Write(std::span<const uint8_t> bytes) override;
  Bytes ReadAll() override;

  int fd() const { return fd_; }
  // Takes in what has arrived and tells the receive handler once the threshold
  // is reached. A device that has hung up (an unplugged adapter, a closed
  // pseudo-terminal) closes the port.
  void ServiceInput(bool hungUp);

 private:
  // False when the device has gone.
  bool Drain();

  int fd_ = -1;
  std::size_t threshold_ = 1;
  Bytes pending_;
  bool inReceiveNotification_ = false;
};

}  // namespace zq
