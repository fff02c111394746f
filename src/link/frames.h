#pragma once
// The frames of the radio's programming protocol. The PC sends one frame and
// waits for exactly one reply; every multi-byte number is big-endian and a
// checksum is the low 8 bits of the sum of the bytes it covers.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zq {

using Bytes = std::vector<uint8_t>;

inline constexpr int kBlockLength = 16;
inline constexpr uint8_t kAck = 0x06;
inline constexpr std::array<uint8_t, 7> kGreetingBytes = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
inline constexpr std::array<uint8_t, 3> kGreetingAckBytes = {'L', 'R', kAck};
inline constexpr uint8_t kIdentRequestByte = 0x02;
inline constexpr std::array<uint8_t, 3> kEndBytes = {'E', 'N', 'D'};
inline constexpr uint8_t kIdentReplyLead = 'I';
inline constexpr uint8_t kReadRequestLead = 'R';
inline constexpr uint8_t kDataFrameLead = 'W';

enum class FrameKind { Greeting, IdentRequest, ReadRequest, DataFrame, End };
enum class ReplyKind { Unrecognised, Ack, GreetingAck, IdentReply, DataFrame };

// What each frame the PC sends looks like and what the radio answers it with.
// The reply length is also the port's receive threshold while waiting for it.
struct FrameRule {
  FrameKind frame;
  uint8_t leadByte;
  std::size_t length;
  ReplyKind reply;
  std::size_t replyLength;
};

inline constexpr FrameRule kFrameRules[] = {
    {FrameKind::Greeting, 'P', 7, ReplyKind::GreetingAck, 3},
    {FrameKind::IdentRequest, kIdentRequestByte, 1, ReplyKind::IdentReply, 16},
    {FrameKind::ReadRequest, kReadRequestLead, 6, ReplyKind::DataFrame, 24},
    {FrameKind::DataFrame, kDataFrameLead, 24, ReplyKind::Ack, 1},
    {FrameKind::End, 'E', 3, ReplyKind::Ack, 1},
};

// Where the parts of a request or data frame lie: the lead byte, the address
// (4 bytes), the length, the block, the checksum over address to block, ACK.
inline constexpr std::size_t kAddressOffset = 1;
inline constexpr std::size_t kLengthOffset = 5;
inline constexpr std::size_t kDataOffset = 6;
inline constexpr std::size_t kChecksumOffset = 22;

const FrameRule& RuleOf(FrameKind frame);
// The rule of the frame a byte starts, as the radio tells frames apart.
const FrameRule* RuleOfLeadByte(uint8_t lead);

uint8_t Checksum(std::span<const uint8_t> bytes);

Bytes GreetingFrame();
Bytes IdentRequestFrame();
Bytes ReadRequestFrame(uint32_t address);
// A data frame carrying the block of `memory` that starts at `address`.
Bytes DataFrame(uint32_t address, std::span<const uint8_t> memory);
// The same two frames built into `frame`, keeping its buffer: a transfer sends
// thousands of them, one after another.
void BuildReadRequestFrame(uint32_t address, Bytes& frame);
void BuildDataFrame(uint32_t address, std::span<const uint8_t> memory, Bytes& frame);
Bytes EndFrame();

// Bytes 1-4 of a request or data frame.
uint32_t FrameAddress(std::span<const uint8_t> frame);
// A data frame whose length, lead, block length, checksum and trailing Ack are right.
bool IsWellFormedDataFrame(std::span<const uint8_t> frame);

// Classifies a reply taken whole from the port. A data frame counts only when it
// carries `currentAddress`, which must be a block inside the radio's space.
ReplyKind ClassifyReply(std::span<const uint8_t> reply, int32_t currentAddress);

}  // namespace zq
