#include "link/qt/qt_serial_port_posix.h"

#include "link/port_refusal.h"

namespace zq {
namespace {

// Qt reports a locked device and a forbidden one alike; the system tells them apart.
PortRefusal FailureOf(QSerialPort::SerialPortError error, const std::string& device) {
  switch (error) {
    case QSerialPort::DeviceNotFoundError: return {PortFailure::Missing, {}};
    case QSerialPort::PermissionError: return RefusalOf(device);
    default: return {PortFailure::Other, {}};
  }
}

}  // namespace

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
  connect(&port_, &QSerialPort::readyRead, this, &QtSerialPort::OnReadyRead);
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
}

PortOpenResult QtSerialPort::Open(const std::string& device) {
  port_.close();
  port_.setPortName(QString::fromStdString(device));
  port_.setBaudRate(QSerialPort::Baud115200);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  port_.setReadBufferSize(static_cast<qint64>(kMaxPendingBytes));
  if (!port_.open(QIODevice::ReadWrite)) {
    PortRefusal refusal = FailureOf(port_.error(), device);
    return {refusal.failure, port_.errorString().toStdString(), refusal.group};
  }
  threshold_ = 1;
  return {};
}

void QtSerialPort::DiscardBuffers() {
  if (port_.isOpen()) port_.clear(QSerialPort::AllDirections);
}

bool QtSerialPort::Write(std::span<const uint8_t> bytes) {
  if (!port_.isOpen()) return false;
  qint64 written = port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  port_.flush();
  return written == static_cast<qint64>(bytes.size());
}

Bytes QtSerialPort::ReadAll() {
  QByteArray data = port_.readAll();
  return Bytes(data.begin(), data.end());
}

void QtSerialPort::OnReadyRead() {
  if (static_cast<std::size_t>(port_.bytesAvailable()) >= threshold_) NotifyReceive();
}

void QtSerialPort::OnError(QSerialPort::SerialPortError error) {
  // An adapter pulled from the bus: the port closes, and the transfer ends at its
  // next transmission. Other errors (a pseudo-terminal refusing the modem lines)
  // are not fatal.
  if (error == QSerialPort::ResourceError) port_.close();
}

}  // namespace zq
