#include "link/simulated_radio.h"

#include <algorithm>
#include <utility>

namespace zq {
namespace {

constexpr int kBitsPerByte = 10;  // start bit, 8 data bits, stop bit

bool InRule(const FaultRule& rule, int frame) {
  return frame >= rule.firstFrame && frame < rule.firstFrame + rule.count;
}

bool IsDataReply(const Bytes& reply) { return reply.size() == RuleOf(FrameKind::DataFrame).length; }

void SetAddress(Bytes& frame, uint32_t address) {
  for (int k = 0; k < 4; ++k) frame[1 + k] = static_cast<uint8_t>(address >> (24 - 8 * k));
  frame[kChecksumOffset] = Checksum(std::span(frame).subspan(kAddressOffset, kChecksumOffset - kAddressOffset));
}

// The frames whose every byte is fixed must match whole; a lone lead byte is noise.
bool MatchesFixedContent(const FrameRule& rule, std::span<const uint8_t> frame) {
  if (rule.frame == FrameKind::Greeting) return std::ranges::equal(frame, kGreetingBytes);
  if (rule.frame == FrameKind::End) return std::ranges::equal(frame, kEndBytes);
  return true;
}

}  // namespace

SimulatedRadio::SimulatedRadio(MemoryImage memory, RadioIdentity identity, RadioBehaviour behaviour)
    : memory_(std::move(memory)),
      firstMemory_(memory_),
      identity_(std::move(identity)),
      behaviour_(std::move(behaviour)),
      clock_([] {
        return std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
      }) {
  if (behaviour_.series.radios > 0) SetRadioNumber(identity_, radioNumber_);
}

std::vector<RadioReply> SimulatedRadio::Receive(std::span<const uint8_t> bytes) {
  std::vector<RadioReply> replies;
  if (hungUp_) return replies;
  const std::chrono::microseconds now = clock_();
  if (!RadioPresent(now)) return replies;  // nobody on the line hears it
  input_.insert(input_.end(), bytes.begin(), bytes.end());
  std::size_t pos = 0;
  while (pos < input_.size()) {
    const FrameRule* rule = RuleOfLeadByte(input_[pos]);
    auto rest = std::span(input_).subspan(pos);
    if (rule == nullptr || (rest.size() >= rule->length && !MatchesFixedContent(*rule, rest.first(rule->length)))) {
      ++pos;  // noise between frames
      continue;
    }
    if (rest.size() < rule->length) break;  // the rest of the frame is still on its way
    auto frame = rest.first(rule->length);
    pos += rule->length;
    ++framesReceived_;
    ++framesOfRadio_;
    if (behaviour_.hangUpAfterFrames >= 0 && framesReceived_ > behaviour_.hangUpAfterFrames) {
      hungUp_ = true;
      break;
    }
    if (DropsOutNow()) {
      TakeAway(now);
      return replies;
    }
    if (rule->frame == FrameKind::IdentRequest) endedAt_.reset();
    if (rule->frame == FrameKind::End) endedAt_ = now;
    if (rule->frame == FrameKind::Greeting) programming_ = true;
    const bool heard = programming_ || behaviour_.series.radios <= 0;
    if (rule->frame == FrameKind::End) programming_ = false;
    if (!heard) continue;
    if (behaviour_.stopAfterFrames >= 0 && framesReceived_ > behaviour_.stopAfterFrames) continue;
    Bytes reply = ApplyFaults(Answer(*rule, frame));
    if (!reply.empty()) replies.push_back({reply, WireTime(frame.size() + reply.size())});
  }
  input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(std::min(pos, input_.size())));
  return replies;
}

Bytes SimulatedRadio::Answer(const FrameRule& rule, std::span<const uint8_t> frame) {
  switch (rule.frame) {
    case FrameKind::Greeting: return Bytes(kGreetingAckBytes.begin(), kGreetingAckBytes.end());
    case FrameKind::IdentRequest: return IdentReplyFrame(identity_);
    case FrameKind::ReadRequest: {
      uint32_t address = FrameAddress(frame);
      bool valid = frame[kLengthOffset] == kBlockLength && address % kBlockLength == 0 &&
                   address + kBlockLength <= kImageSize;
      return valid ? DataFrame(address, memory_.bytes()) : Bytes{};
    }
    case FrameKind::DataFrame: {
      uint32_t address = FrameAddress(frame);
      if (!IsWellFormedDataFrame(frame) || address % kBlockLength != 0 || address + kBlockLength > kImageSize)
        return {};
      if (!FaultApplies(FaultKind::LoseBlock)) {
        std::ranges::copy(frame.subspan(6, kBlockLength), memory_.bytes().begin() + address);
        ++blocksWritten_;
      }
      return Bytes{kAck};
    }
    case FrameKind::End: ++transfersEnded_; return Bytes{kAck};
  }
  return {};
}

Bytes SimulatedRadio::ApplyFaults(Bytes reply) const {
  for (const FaultRule& rule : behaviour_.faults) {
    if (reply.empty() || !RuleHits(rule)) continue;
    switch (rule.kind) {
      case FaultKind::Drop: reply.clear(); break;
      case FaultKind::CorruptChecksum: ++reply[IsDataReply(reply) ? kChecksumOffset : reply.size() - 1]; break;
      case FaultKind::WrongAddress:
        if (IsDataReply(reply)) SetAddress(reply, FrameAddress(reply) + kBlockLength);
        break;
      case FaultKind::Garbage: reply.insert(reply.begin(), kGarbageBytes.begin(), kGarbageBytes.end()); break;
      case FaultKind::LoseBlock:  // the reply is a proper Ack; the loss happened in Answer
        break;
    }
  }
  return reply;
}

bool SimulatedRadio::FaultApplies(FaultKind kind) const {
  return std::ranges::any_of(behaviour_.faults,
                             [&](const FaultRule& rule) { return rule.kind == kind && RuleHits(rule); });
}

bool SimulatedRadio::RuleHits(const FaultRule& rule) const {
  if (rule.radio > 0) return rule.radio == radioNumber_ && InRule(rule, framesOfRadio_);
  return InRule(rule, framesReceived_);
}

bool SimulatedRadio::RadioPresent(std::chrono::microseconds now) {
  const RadioSeriesPlay& series = behaviour_.series;
  if (series.radios <= 0) return true;
  if (!absentSince_ && endedAt_ && now - *endedAt_ >= series.stayAfterEnd)
    TakeAway(*endedAt_ + std::chrono::duration_cast<std::chrono::microseconds>(series.stayAfterEnd));
  if (absentSince_ && radioNumber_ < series.radios && now - *absentSince_ >= series.absence) {
    absentSince_.reset();
    ++radioNumber_;
    framesOfRadio_ = 0;
    memory_ = firstMemory_;
    SetRadioNumber(identity_, radioNumber_);
  }
  return !absentSince_;
}

void SimulatedRadio::TakeAway(std::chrono::microseconds at) {
  absentSince_ = at;
  endedAt_.reset();
  programming_ = false;
  input_.clear();
}

bool SimulatedRadio::DropsOutNow() const {
  return std::ranges::any_of(behaviour_.series.dropOuts, [&](const RadioDropOut& d) {
    return d.radio == radioNumber_ && framesOfRadio_ > d.frames;
  });
}

void SetRadioNumber(RadioIdentity& identity, int number) {
  for (std::size_t k = 0; k < identity.extraBytes.size(); ++k)
    identity.extraBytes[k] = static_cast<uint8_t>(number >> (8 * (identity.extraBytes.size() - 1 - k)));
}

std::chrono::microseconds SimulatedRadio::WireTime(std::size_t bytes) const {
  if (behaviour_.baud <= 0) return std::chrono::microseconds{0};
  return std::chrono::microseconds{static_cast<long long>(bytes) * kBitsPerByte * 1'000'000 / behaviour_.baud};
}

}  // namespace zq
