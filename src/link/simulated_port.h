#pragma once
// A serial port with the simulated radio on the other end, inside the program:
// the demonstration mode and the engine's tests use it. Replies reach the port
// later through the caller's scheduler, never from inside Write, just as bytes
// from a real radio arrive as a separate event.
#include <chrono>
#include <functional>
#include <memory>

#include "link/serial_port.h"
#include "link/simulated_radio.h"

namespace zq {

class SimulatedPort : public SerialPort {
 public:
  using Scheduler = std::function<void(std::chrono::microseconds delay, std::function<void()> deliver)>;

  SimulatedPort(SimulatedRadio& radio, Scheduler scheduler);

  // Any device name opens the simulated radio, unless it has hung up.
  PortOpenResult Open(const std::string& device) override;
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void SetReceiveThreshold(std::size_t bytes) override { threshold_ = bytes; }
  void DiscardBuffers() override { received_.clear(); }
  bool Write(std::span<const uint8_t> bytes) override;
  Bytes ReadAll() override;

 private:
  void Deliver(const Bytes& bytes);

  SimulatedRadio& radio_;
  Scheduler scheduler_;
  bool open_ = false;
  std::size_t threshold_ = 1;
  Bytes received_;
  // Deliveries still scheduled when the port goes away find this expired.
  std::shared_ptr<SimulatedPort*> self_ = std::make_shared<SimulatedPort*>(this);
};

}  // namespace zq
