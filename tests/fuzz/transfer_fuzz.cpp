// The radio's replies to the transfer engine, in simulated time.
//
// The first byte picks the transfer: its low five bits mod 3 a read, a write or a write
// read back for checking; 0x20 the Chinese texts; 0x40 the user cancels at the
// confirmation; 0x80 the port will not open. Each following byte says how the
// radio answers the next frame the engine sends:
//   0x00-0x3F  soundly;
//   0x40-0x7F  soundly, and so the next (byte - 0x40) frames too;
//   from 0x80, (byte - 0x80) mod 12:
// clang-format off
//     0 not at all            4 with input bytes instead (a count, then the bytes)   8 after the time-out
//     1 one byte short        5 in two pieces (one more byte: where it splits)       9 a block acknowledged, not stored
//     2 one byte too many     6 the adapter drops off the bus                       10 the same, and its name no longer opens
//     3 one byte changed      7 twice                                                11 an identity of 15 input bytes
//       (two more bytes: where, and how)
// clang-format on
// When the input ends the radio falls silent. The reply timer fires when the
// harness says so: time is simulated.
//
// Invariants: a transfer that starts ends exactly once, with the port closed
// and nothing sent after it; the port is opened once, never again under a
// transfer; the percentage shown only rises; blocks go out in
// order, inside the transfer ranges; a successful read holds the radio's
// memory, a successful write left it in the radio unless a block was lost, and
// a successful verified write always did.
#include <algorithm>
#include <array>

#include "fuzz_support.h"
#include "image/image_codec.h"
#include "link/comm_transfer.h"
#include "link/read_back.h"
#include "link/transfer_ranges.h"

namespace zq {
namespace {

class Script {
 public:
  explicit Script(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  bool empty() const { return next_ >= bytes_.size(); }
  uint8_t Next() { return empty() ? 0 : bytes_[next_++]; }

 private:
  std::span<const uint8_t> bytes_;
  std::size_t next_ = 0;
};

// The radio's memory before each transfer: bytes that differ from block to
// block, so that a block put in the wrong place shows.
const MemoryImage& Pattern() {
  static const MemoryImage pattern = [] {
    MemoryImage image;
    auto bytes = image.bytes();
    for (std::size_t a = 0; a < bytes.size(); ++a) bytes[a] = static_cast<uint8_t>(a * 7 + (a >> 8));
    return image;
  }();
  return pattern;
}

const RadioIdentity kSoundIdentity{"VESTRAX", true, "V100"};

// The radio: it takes every frame that reaches it (storing the blocks of a
// write) and answers as a sound radio does; the fuzzed behaviour is laid over it.
class Radio {
 public:
  explicit Radio(MemoryImage& memory) : memory(memory) {}

  void Take(std::span<const uint8_t> frame) {
    if (frame[0] != kDataFrameLead) return;
    written_ = true;
    lastBlock_ = FrameAddress(frame);
    std::copy_n(memory.bytes().begin() + lastBlock_, kBlockLength, kept_.begin());
    std::copy_n(frame.begin() + 6, kBlockLength, memory.bytes().begin() + lastBlock_);
  }
  // The last block taken is acknowledged but never stored.
  void LoseLastBlock() {
    std::copy(kept_.begin(), kept_.end(), memory.bytes().begin() + lastBlock_);
    lostBlock = true;
  }
  // Kept until the next answer; made without a new buffer where it can be,
  // since most frames of a transfer are answered this way.
  const Bytes& Answer(const Bytes& frame) {
    switch (frame[0]) {
      case 'P': reply_.assign(kGreetingAckBytes.begin(), kGreetingAckBytes.end()); break;
      case kIdentRequestByte: reply_ = IdentReplyFrame(kSoundIdentity); break;
      case kReadRequestLead: SetBlockReply(FrameAddress(frame)); break;
      default: reply_.assign(1, kAck); break;
    }
    return reply_;
  }

  MemoryImage& memory;
  bool lostBlock = false;

 private:
  // Until a write changes the radio's memory it is the pattern, and a read asks
  // for the same blocks of it over and over: those replies are made once.
  void SetBlockReply(uint32_t address) {
    static const std::vector<Bytes> patternReplies = [] {
      std::vector<Bytes> replies(kImageSize / kBlockLength);
      for (const AddressRange& range : kTransferRanges)
        for (uint32_t a = range.first; a < range.last; a += kBlockLength)
          replies[a / kBlockLength] = DataFrame(a, Pattern().bytes());
      return replies;
    }();
    if (written_)
      reply_ = DataFrame(address, memory.bytes());
    else
      reply_ = patternReplies[address / kBlockLength];
  }

  uint32_t lastBlock_ = 0;
  std::array<uint8_t, kBlockLength> kept_{};
  Bytes reply_;
  bool written_ = false;
};

// The port: what the engine writes reaches the radio at once. Each frame is
// checked as it goes out: one of the engine's, and within a session blocks in
// ascending order inside the transfer ranges; none after the transfer ended.
class WirePort : public SerialPort {
 public:
  explicit WirePort(Radio& radio) : radio_(radio) {}

  PortOpenResult Open(const std::string&) override {
    FUZZ_CHECK(++opens == 1);
    if (refuseOpen) return {PortFailure::Busy, "busy", ""};
    open_ = true;
    threshold_ = 1;
    return {};
  }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void SetReceiveThreshold(std::size_t bytes) override { threshold_ = bytes; }
  void DiscardBuffers() override { waiting_.clear(); }
  bool Write(std::span<const uint8_t> frame) override {
    FUZZ_CHECK(!ended);
    if (!open_) return false;
    const FrameRule* rule = frame.empty() ? nullptr : RuleOfLeadByte(frame[0]);
    FUZZ_CHECK(rule != nullptr && frame.size() == rule->length);
    if (rule->frame == FrameKind::Greeting) lastAddress_ = -1;
    if (rule->frame == FrameKind::ReadRequest || rule->frame == FrameKind::DataFrame) {
      const int64_t address = FrameAddress(frame);
      FUZZ_CHECK(address >= lastAddress_ && InTransferRanges(static_cast<uint32_t>(address)));
      lastAddress_ = address;
    }
    radio_.Take(frame);
    last.assign(frame.begin(), frame.end());
    ++written;
    return true;
  }
  // A copy, so the buffer is not made anew for every reply.
  Bytes ReadAll() override {
    Bytes all(waiting_.begin(), waiting_.end());
    waiting_.clear();
    return all;
  }

  void Arrive(const Bytes& bytes) {
    waiting_.insert(waiting_.end(), bytes.begin(), bytes.end());
    if (open_ && waiting_.size() >= threshold_) NotifyReceive();
  }
  void Unplug() { open_ = false; }

  bool refuseOpen = false;
  bool ended = false;
  int opens = 0;
  std::size_t written = 0;
  Bytes last;

 private:
  Radio& radio_;
  bool open_ = false;
  std::size_t threshold_ = 1;
  Bytes waiting_;
  int64_t lastAddress_ = -1;
};

class ManualTimer : public ReplyTimer {
 public:
  void Start(std::chrono::milliseconds) override { armed = true; }
  void Stop() override { armed = false; }
  void Fire() {
    FUZZ_CHECK(armed);
    armed = false;
    NotifyTimeout();
  }
  bool armed = false;
};

class CheckingHost : public TransferHost {
 public:
  CheckingHost(WirePort& port, const ManualTimer& timer) : port_(port), timer_(timer) {}
  void AskIncompatibleVersion(const std::string& firmwareVersion) override { FUZZ_CHECK(!firmwareVersion.empty()); }
  void ShowProgress(int percent) override {
    FUZZ_CHECK(percent > lastPercent_ && percent <= 100);
    lastPercent_ = percent;
  }
  void VerifyStarted() override {
    FUZZ_CHECK(!verifyStarted_);
    verifyStarted_ = true;
    lastPercent_ = 0;
  }
  void TransferEnded(const TransferOutcome& outcome) override {
    FUZZ_CHECK(!port_.IsOpen() && !timer_.armed && !port_.ended);
    port_.ended = true;
    this->outcome = outcome;
  }

  TransferOutcome outcome;

 private:
  WirePort& port_;
  const ManualTimer& timer_;
  int lastPercent_ = 0;
  bool verifyStarted_ = false;
};

// The radio's memory and the image are copied into the same two buffers for
// every input: fresh memory for each would cost more than most transfers.
struct Bench {
  static MemoryImage& Buffer(int which) {
    static MemoryImage buffers[2];
    return buffers[which];
  }

  Radio radio{Buffer(0)};
  WirePort port{radio};
  ManualTimer timer;
  MemoryImage& image = Buffer(1);
  VersionList versions{"V100", {"V100"}, {{"V100", "V100"}}};
  CheckingHost host{port, timer};
  TransferEngine engine{port, timer, image, versions, host};
};

// How the radio answers the frame just sent; the number of sound answers still
// owed from a run is kept in `soundRun`.
void Play(Bench& b, Script& script, int& soundRun, const Bytes& frame) {
  if (soundRun > 0) {
    --soundRun;
    return b.port.Arrive(b.radio.Answer(frame));
  }
  if (script.empty()) return b.timer.Fire();  // the radio has fallen silent
  const uint8_t event = script.Next();
  if (event < 0x40) return b.port.Arrive(b.radio.Answer(frame));
  if (event < 0x80) {
    soundRun = event - 0x40;
    return b.port.Arrive(b.radio.Answer(frame));
  }
  Bytes answer = b.radio.Answer(frame);
  switch ((event - 0x80) % 12) {
    case 0: return b.timer.Fire();
    case 1: answer.pop_back(); break;
    case 2: answer.push_back(kAck); break;
    case 3: {
      const std::size_t at = script.Next() % answer.size();
      answer[at] ^= static_cast<uint8_t>(script.Next() | 1);
      break;
    }
    case 4:
      answer.clear();
      for (int n = script.Next() % 33; n > 0; --n) answer.push_back(script.Next());
      break;
    case 5: {
      auto split = answer.begin() + script.Next() % (answer.size() + 1);
      b.port.Arrive(Bytes(answer.begin(), split));
      answer.erase(answer.begin(), split);
      break;
    }
    case 6: return b.port.Unplug();
    case 7: b.port.Arrive(answer); break;
    case 8: b.timer.Fire(); break;
    case 9:
      if (frame[0] == kDataFrameLead) b.radio.LoseLastBlock();
      break;
    case 10: b.port.refuseOpen = true; return b.port.Unplug();
    case 11: {
      answer = {kIdentReplyLead};
      for (int k = 1; k < 16; ++k) answer.push_back(script.Next());
      break;
    }
  }
  b.port.Arrive(answer);
}

// What a read of the radio gives: its memory in the transfer ranges, and
// cleared bytes between them. A read never changes the radio's memory.
const MemoryImage& ReadOfPattern() {
  static const MemoryImage read = [] {
    MemoryImage image;
    for (const AddressRange& range : kTransferRanges)
      std::copy(Pattern().bytes().begin() + range.first, Pattern().bytes().begin() + range.last + 1,
                image.bytes().begin() + range.first);
    return image;
  }();
  return read;
}

}  // namespace
}  // namespace zq

namespace zq {
namespace {

void Transfer(std::span<const uint8_t> data, Bench& b) {
  static const MemoryImage encoded = [] {
    RadioConfig cfg = fuzz::BaseConfig();
    MemoryImage image;
    EncodeImage(cfg, image);
    return image;
  }();
  Script script(data);
  const uint8_t choice = script.Next();
  const TransferKind kind = (choice & 0x1F) % 3 == 0 ? TransferKind::Read : TransferKind::Write;
  const bool verify = (choice & 0x1F) % 3 == 2;

  b.port.refuseOpen = (choice & 0x80) != 0;
  b.engine.SetVerifyAfterWrite(verify);
  if (!b.engine.OpenRadioPort(kind, "fuzz").ok()) {
    FUZZ_CHECK(!b.engine.running() && !b.port.IsOpen());
    return;
  }
  if (choice & 0x40) {
    b.engine.Cancel();
    FUZZ_CHECK(!b.engine.running() && !b.port.IsOpen() && b.port.written == 0);
    return;
  }
  b.radio.memory = Pattern();
  b.image = kind == TransferKind::Write ? encoded : Pattern();  // a read must clear it
  b.engine.Begin();

  std::size_t answered = 0;
  int soundRun = 0;
  Bytes frame;
  while (b.engine.running()) {
    if (b.port.written == answered) {
      b.timer.Fire();  // nothing new went out: the engine must be waiting for its timer
      continue;
    }
    answered = b.port.written;
    frame.assign(b.port.last.begin(), b.port.last.end());
    Play(b, script, soundRun, frame);
  }

  FUZZ_CHECK(b.port.ended && !b.timer.armed);
  const TransferOutcome& outcome = b.host.outcome;
  FUZZ_CHECK(outcome.kind == kind);
  FUZZ_CHECK(outcome.success == outcome.completionMessage.has_value());
  if (!outcome.success) return;
  if (kind == TransferKind::Read)
    FUZZ_CHECK(b.radio.memory == Pattern() && b.image == ReadOfPattern());
  else if (verify || !b.radio.lostBlock)
    FUZZ_CHECK(!CompareTransferRanges(b.image, b.radio.memory));
}

}  // namespace
}  // namespace zq

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zq::Bench bench;
  zq::Transfer({data, size}, bench);
  return 0;
}
