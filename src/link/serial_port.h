#pragma once
// The serial port as the transfer engine needs it. The port tells its owner
// through the receive handler when at least the threshold of bytes is waiting;
// the engine then takes everything waiting as one reply.
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <utility>

#include "link/frames.h"

namespace zq {

enum class PortFailure { None, Missing, Busy, NotPermitted, NotSerial, Other };

struct PortOpenResult {
  PortFailure failure = PortFailure::None;
  std::string detail;       // the system's own words, for the command line
  std::string deviceGroup;  // the group that may open the device, when permission was refused
  bool ok() const { return failure == PortFailure::None; }
};

class SerialPort {
 public:
  using ReceiveHandler = std::function<void()>;
  virtual ~SerialPort() = default;

  // Opens the device raw at 115200 baud, 8 data bits, no parity, 1 stop bit,
  // no flow control, with a receive threshold of 1.
  virtual PortOpenResult Open(const std::string& device) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual void SetReceiveThreshold(std::size_t bytes) = 0;
  // Drops whatever waits in both directions.
  virtual void DiscardBuffers() = 0;
  virtual bool Write(std::span<const uint8_t> bytes) = 0;
  virtual Bytes ReadAll() = 0;

  // Most bytes a port takes in at once; a reply is at most 24 bytes long, so a
  // device flooding the line leaves the rest in the system's queue (flushed
  // before the next retransmission) instead of filling the memory.
  static constexpr std::size_t kMaxPendingBytes = 4096;

  void SetReceiveHandler(ReceiveHandler handler) { receiveHandler_ = std::move(handler); }

 protected:
  void NotifyReceive() {
    if (receiveHandler_) receiveHandler_();
  }

 private:
  ReceiveHandler receiveHandler_;
};

}  // namespace zq
