#pragma once
// The radio's side of the programming protocol, for tests, the stand-alone
// simulator and the program's demonstration mode. It holds a memory image and
// an identity and can misbehave the way a cheap cable or a confused radio does.
#include <array>
#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

#include "image/memory_image.h"
#include "link/frames.h"
#include "link/radio_identity.h"

namespace zq {

enum class FaultKind {
  Drop,             // no reply at all
  CorruptChecksum,  // a data frame's checksum (any other reply's last byte) is off by one
  WrongAddress,     // a data frame names the next block (other replies are unaffected)
  Garbage,          // three noise bytes arrive ahead of the reply
  LoseBlock,        // a data frame is acknowledged but not stored (other frames are unaffected)
};

// Applies to the replies to frames number `firstFrame` .. firstFrame + count - 1,
// counting every frame the radio receives from 1, retransmissions included.
struct FaultRule {
  FaultKind kind;
  int firstFrame = 1;
  int count = 1;
};

struct RadioBehaviour {
  std::vector<FaultRule> faults;
  int stopAfterFrames = -1;    // answer this many frames, then stay silent; 0 is a silent radio
  int hangUpAfterFrames = -1;  // answer this many frames, then disappear at the next one
  int baud = 0;                // when set, each reply waits as long as its request and it take on the wire
};

inline constexpr std::array<uint8_t, 3> kGarbageBytes = {0x00, 0xFF, 0x13};

struct RadioReply {
  Bytes bytes;
  std::chrono::microseconds delay{0};
};

class SimulatedRadio {
 public:
  SimulatedRadio(MemoryImage memory, RadioIdentity identity, RadioBehaviour behaviour = {});

  // Takes bytes as they come from the PC, frames them as the radio does, and
  // returns the replies in order.
  std::vector<RadioReply> Receive(std::span<const uint8_t> bytes);

  const MemoryImage& memory() const { return memory_; }
  int framesReceived() const { return framesReceived_; }
  // Data frames stored; a lost block is acknowledged but not counted.
  int blocksWritten() const { return blocksWritten_; }
  // Transfers closed with the end frame so far.
  int transfersEnded() const { return transfersEnded_; }
  bool hungUp() const { return hungUp_; }

 private:
  // A reply to a well-formed frame; empty when the radio stays silent.
  Bytes Answer(const FrameRule& rule, std::span<const uint8_t> frame);
  Bytes ApplyFaults(Bytes reply) const;
  bool FaultApplies(FaultKind kind) const;
  std::chrono::microseconds WireTime(std::size_t bytes) const;

  MemoryImage memory_;
  RadioIdentity identity_;
  RadioBehaviour behaviour_;
  Bytes input_;
  int framesReceived_ = 0;
  int blocksWritten_ = 0;
  int transfersEnded_ = 0;
  bool hungUp_ = false;
};

}  // namespace zq
