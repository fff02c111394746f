#include "link/traced_port.h"

#include <cstdio>

namespace zq {

TracedPort::TracedPort(SerialPort& inner, std::ostream& out) : inner_(inner), out_(out) {
  inner_.SetReceiveHandler([this] { NotifyReceive(); });
}

PortOpenResult TracedPort::Open(const std::string& device) {
  PortOpenResult result = inner_.Open(device);
  Line("open " + device + (result.ok() ? "" : " failed: " + result.detail));
  return result;
}

void TracedPort::Close() {
  if (inner_.IsOpen()) Line("close");
  inner_.Close();
}

bool TracedPort::Write(std::span<const uint8_t> bytes) {
  bool written = inner_.Write(bytes);
  Line(written ? "TX" : "TX failed", bytes);
  return written;
}

Bytes TracedPort::ReadAll() {
  Bytes bytes = inner_.ReadAll();
  Line("RX", bytes);
  return bytes;
}

void TracedPort::Line(std::string_view what, std::span<const uint8_t> bytes) {
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%10.6f ", seconds);
  out_ << stamp << what;
  for (uint8_t b : bytes) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02X", b);
    out_ << hex;
  }
  out_ << '\n';
  out_.flush();
}

}  // namespace zq
