#include "link/simulated_port.h"

#include <utility>

namespace zq {

SimulatedPort::SimulatedPort(SimulatedRadio& radio, Scheduler scheduler)
    : radio_(radio), scheduler_(std::move(scheduler)) {}

PortOpenResult SimulatedPort::Open(const std::string&) {
  if (radio_.hungUp()) return {PortFailure::Missing, "the simulated radio has gone", ""};
  open_ = true;
  threshold_ = 1;
  return {};
}

bool SimulatedPort::Write(std::span<const uint8_t> bytes) {
  if (!open_) return false;
  for (RadioReply& reply : radio_.Receive(bytes)) {
    std::weak_ptr<SimulatedPort*> port = self_;
    scheduler_(reply.delay, [port, bytes = std::move(reply.bytes)] {
      if (auto alive = port.lock()) (*alive)->Deliver(bytes);
    });
  }
  return true;
}

void SimulatedPort::Deliver(const Bytes& bytes) {
  if (!open_) return;
  received_.insert(received_.end(), bytes.begin(), bytes.end());
  if (received_.size() >= threshold_) NotifyReceive();
}

Bytes SimulatedPort::ReadAll() { return std::exchange(received_, {}); }

}  // namespace zq
