#pragma once
// The radio's side of the programming protocol, for tests, the stand-alone
// simulator and the program's demonstration mode. It holds a memory image and
// an identity and can misbehave the way a cheap cable or a confused radio does.
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
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
// counting every frame the radio receives from 1, retransmissions included. A
// rule for one radio of a series counts only that radio's own frames.
struct FaultRule {
  FaultKind kind;
  int firstFrame = 1;
  int count = 1;
  int radio = 0;  // its number in the series; 0 for every frame on the line
};

// Radios that follow one another on the line, as when a dealer writes one
// after another: a radio that has closed a session with END stays a moment and
// is then taken away (an identity request, the start of a checking read-back,
// keeps it); the line then stays silent, and the next radio answers with its
// number in the identity's extra bytes and the first radio's memory. A radio
// of a series answers nothing but the greeting until it has been greeted, and
// leaves programming again with END, so a frame meant for the radio before it
// goes unanswered.
struct RadioDropOut {
  int radio = 0;   // its number in the series, from 1
  int frames = 0;  // frames it answers before it is taken away
};

struct RadioSeriesPlay {
  int radios = 0;  // 0: one radio that stays for good
  std::chrono::milliseconds stayAfterEnd{300};
  std::chrono::milliseconds absence{3000};
  std::vector<RadioDropOut> dropOuts;  // radios taken away in the middle of a transfer
};

struct RadioBehaviour {
  std::vector<FaultRule> faults;
  int stopAfterFrames = -1;    // answer this many frames, then stay silent; 0 is a silent radio
  int hangUpAfterFrames = -1;  // answer this many frames, then disappear at the next one
  int baud = 0;                // when set, each reply waits as long as its request and it take on the wire
  RadioSeriesPlay series;
};

inline constexpr std::array<uint8_t, 3> kGarbageBytes = {0x00, 0xFF, 0x13};

struct RadioReply {
  Bytes bytes;
  std::chrono::microseconds delay{0};
};

// Puts a radio's number in a series into its identity's extra bytes, most significant first.
void SetRadioNumber(RadioIdentity& identity, int number);

class SimulatedRadio {
 public:
  // The time a series of radios goes by; the steady clock unless a test sets its own.
  using Clock = std::function<std::chrono::microseconds()>;

  SimulatedRadio(MemoryImage memory, RadioIdentity identity, RadioBehaviour behaviour = {});
  void SetClock(Clock clock) { clock_ = std::move(clock); }

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
  // The number of the radio on the line in a series, from 1.
  int radioNumber() const { return radioNumber_; }

 private:
  // A reply to a well-formed frame; empty when the radio stays silent.
  Bytes Answer(const FrameRule& rule, std::span<const uint8_t> frame);
  Bytes ApplyFaults(Bytes reply) const;
  bool FaultApplies(FaultKind kind) const;
  bool RuleHits(const FaultRule& rule) const;
  std::chrono::microseconds WireTime(std::size_t bytes) const;
  // Takes a radio away, or brings the next one, as the time calls for; false while the line is silent.
  bool RadioPresent(std::chrono::microseconds now);
  void TakeAway(std::chrono::microseconds at);
  bool DropsOutNow() const;

  MemoryImage memory_;
  MemoryImage firstMemory_;  // what each radio of a series holds when it arrives
  RadioIdentity identity_;
  RadioBehaviour behaviour_;
  Clock clock_;
  int radioNumber_ = 1;
  int framesOfRadio_ = 0;
  // When the last session ended with END, while no other has begun.
  std::optional<std::chrono::microseconds> endedAt_;
  bool programming_ = false;  // greeted, and no END since
  std::optional<std::chrono::microseconds> absentSince_;
  Bytes input_;
  int framesReceived_ = 0;
  int blocksWritten_ = 0;
  int transfersEnded_ = 0;
  bool hungUp_ = false;
};

}  // namespace zq
