#pragma once
// The serial port on Qt's event loop through QSerialPort: the side of POSIX
// systems (link/qt/event_loop_port.h chooses). The receive threshold is met by
// waiting until at least that many bytes are available; the reply is then taken whole.
#include <QObject>
#include <QSerialPort>

#include "link/serial_port.h"

namespace zq {

class QtSerialPort : public QObject, public SerialPort {
  Q_OBJECT
 public:
  explicit QtSerialPort(QObject* parent = nullptr);

  PortOpenResult Open(const std::string& device) override;
  void Close() override { port_.close(); }
  bool IsOpen() const override { return port_.isOpen(); }
  void SetReceiveThreshold(std::size_t bytes) override { threshold_ = bytes; }
  void DiscardBuffers() override;
  bool Write(std::span<const uint8_t> bytes) override;
  Bytes ReadAll() override;

 private:
  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);

  QSerialPort port_;
  std::size_t threshold_ = 1;
};

}  // namespace zq
