#include "link/frames.h"

#include <algorithm>
#include <numeric>

#include "image/memory_image.h"

namespace zq {
namespace {

void PutAddress(Bytes& frame, uint32_t address) {
  for (int k = 0; k < 4; ++k) frame[kAddressOffset + k] = static_cast<uint8_t>(address >> (24 - 8 * k));
}

template <std::size_t N>
bool Equals(std::span<const uint8_t> bytes, const std::array<uint8_t, N>& expected) {
  return std::ranges::equal(bytes, expected);
}

}  // namespace

const FrameRule& RuleOf(FrameKind frame) { return *std::ranges::find(kFrameRules, frame, &FrameRule::frame); }

const FrameRule* RuleOfLeadByte(uint8_t lead) {
  auto rule = std::ranges::find(kFrameRules, lead, &FrameRule::leadByte);
  return rule == std::end(kFrameRules) ? nullptr : &*rule;
}

uint8_t Checksum(std::span<const uint8_t> bytes) {
  return static_cast<uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

Bytes GreetingFrame() { return Bytes(kGreetingBytes.begin(), kGreetingBytes.end()); }

Bytes IdentRequestFrame() { return Bytes{kIdentRequestByte}; }

void BuildReadRequestFrame(uint32_t address, Bytes& frame) {
  frame.assign(RuleOf(FrameKind::ReadRequest).length, 0);
  frame[0] = kReadRequestLead;
  PutAddress(frame, address);
  frame[kLengthOffset] = kBlockLength;
}

Bytes ReadRequestFrame(uint32_t address) {
  Bytes frame;
  BuildReadRequestFrame(address, frame);
  return frame;
}

void BuildDataFrame(uint32_t address, std::span<const uint8_t> memory, Bytes& frame) {
  frame.assign(RuleOf(FrameKind::DataFrame).length, 0);
  frame[0] = kDataFrameLead;
  PutAddress(frame, address);
  frame[kLengthOffset] = kBlockLength;
  std::copy_n(memory.subspan(address, kBlockLength).begin(), kBlockLength, frame.begin() + kDataOffset);
  frame[kChecksumOffset] = Checksum(std::span(frame).subspan(kAddressOffset, kChecksumOffset - kAddressOffset));
  frame.back() = kAck;
}

Bytes DataFrame(uint32_t address, std::span<const uint8_t> memory) {
  Bytes frame;
  BuildDataFrame(address, memory, frame);
  return frame;
}

Bytes EndFrame() { return Bytes(kEndBytes.begin(), kEndBytes.end()); }

uint32_t FrameAddress(std::span<const uint8_t> frame) {
  uint32_t address = 0;
  for (int k = 0; k < 4; ++k) address = (address << 8) | frame[kAddressOffset + k];
  return address;
}

bool IsWellFormedDataFrame(std::span<const uint8_t> frame) {
  return frame.size() == RuleOf(FrameKind::DataFrame).length && frame[0] == kDataFrameLead &&
         frame[kLengthOffset] == kBlockLength && frame.back() == kAck &&
         frame[kChecksumOffset] == Checksum(frame.subspan(kAddressOffset, kChecksumOffset - kAddressOffset));
}

ReplyKind ClassifyReply(std::span<const uint8_t> reply, int32_t currentAddress) {
  if (reply.size() == 1 && reply[0] == kAck) return ReplyKind::Ack;
  if (Equals(reply, kGreetingAckBytes)) return ReplyKind::GreetingAck;
  if (reply.size() == RuleOf(FrameKind::IdentRequest).replyLength && reply[0] == kIdentReplyLead)
    return ReplyKind::IdentReply;
  // The address must name a whole block of the radio's space: a negative
  // address (the -16 before the first block) never matches a reply.
  bool blockInSpace = currentAddress >= 0 && static_cast<uint32_t>(currentAddress) + kBlockLength <= kImageSize;
  if (blockInSpace && IsWellFormedDataFrame(reply) && FrameAddress(reply) == static_cast<uint32_t>(currentAddress))
    return ReplyKind::DataFrame;
  return ReplyKind::Unrecognised;
}

}  // namespace zq
