#pragma once
// Writes every frame sent and every reply taken, with the time since the trace
// began, as hexadecimal lines: what a bad cable or a confused radio really did.
#include <chrono>
#include <ostream>

#include "link/serial_port.h"

namespace zq {

class TracedPort : public SerialPort {
 public:
  TracedPort(SerialPort& inner, std::ostream& out);
  ~TracedPort() override { inner_.SetReceiveHandler(nullptr); }

  PortOpenResult Open(const std::string& device) override;
  void Close() override;
  bool IsOpen() const override { return inner_.IsOpen(); }
  void SetReceiveThreshold(std::size_t bytes) override { inner_.SetReceiveThreshold(bytes); }
  void DiscardBuffers() override { inner_.DiscardBuffers(); }
  bool Write(std::span<const uint8_t> bytes) override;
  Bytes ReadAll() override;

 private:
  void Line(std::string_view what, std::span<const uint8_t> bytes = {});

  SerialPort& inner_;
  std::ostream& out_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace zq
