#include "link/comm_transfer.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "config/radio_config.h"
#include "image/image_codec.h"
#include "link/read_back.h"
#include "link/transfer_ranges.h"
#include "platform/diagnostic_log.h"
#include "text/plain_text.h"
#include "text/text_message.h"

namespace zq {
namespace {

std::string_view FailureWords(TransferFailure failure) {
  switch (failure) {
    case TransferFailure::None: return "done";
    case TransferFailure::NoResponse: return "no response";
    case TransferFailure::WrongModel: return "wrong model";
    case TransferFailure::IncompatibleVersion: return "incompatible version";
    case TransferFailure::VerifyMismatch: return "verification found differences";
    case TransferFailure::Stopped: return "stopped";
  }
  return "";
}

// "write ended: no response, blocks sent, 3 retransmissions, radio VESTRAX V2.00"
std::string TransferLogLine(const TransferOutcome& outcome, int retransmissions) {
  std::string line = outcome.kind == TransferKind::Read       ? "read ended: "
                     : outcome.kind == TransferKind::Identify ? "identity check ended: "
                                                              : "write ended: ";
  line += FailureWords(outcome.failure);
  if (!outcome.success && outcome.blocksSent) line += ", blocks sent";
  line += ", " + std::to_string(retransmissions) + " retransmissions";
  if (outcome.identity) line += ", radio " + IdentityText(*outcome.identity) + " " + outcome.identity->firmwareVersion;
  return line;
}

}  // namespace

TransferEngine::TransferEngine(SerialPort& port, ReplyTimer& timer, MemoryImage& image, const VersionList& versions,
                               TransferHost& host)
    : port_(port), timer_(timer), image_(image), versions_(versions), host_(host) {
  port_.SetReceiveHandler([this] { OnPortReceive(); });
  timer_.SetTimeoutHandler([this] { OnReplyTimer(); });
}

TransferEngine::~TransferEngine() {
  port_.SetReceiveHandler(nullptr);
  timer_.SetTimeoutHandler(nullptr);
}

PortOpenResult TransferEngine::OpenRadioPort(TransferKind kind, const std::string& device) {
  t_ = CommTransfer{};
  t_.kind = kind;
  verdict_ = IdentityVerdict::NotChecked;
  noResponse_ = false;
  stopped_ = false;
  retransmissions_ = 0;
  identityReceived_ = false;
  if (port_.IsOpen()) port_.Close();
  PortOpenResult result = port_.Open(device);
  if (!result.ok()) {
    t_.kind = TransferKind::None;
    return result;
  }
  port_.SetReceiveThreshold(1);
  return result;
}

void TransferEngine::Cancel() {
  ClosePort();
  t_.kind = TransferKind::None;
}

void TransferEngine::ClosePort() {
  if (port_.IsOpen()) port_.Close();
}

void TransferEngine::Abort() {
  if (!running()) return;
  stopped_ = true;
  EndTransfer(false);
}

void TransferEngine::Begin() {
  if (!running()) return;
  if (t_.kind == TransferKind::Read) ClearImage(image_);
  State() = kGreetingSent;
  LogDiagnostic(std::string(t_.kind == TransferKind::Read       ? "read"
                            : t_.kind == TransferKind::Identify ? "identity check"
                                                                : "write") +
                " started");
  Transmit(FrameKind::Greeting, GreetingFrame());
}

int16_t& TransferEngine::State() { return t_.kind == TransferKind::Write ? t_.writeState : t_.readState; }

void TransferEngine::OnPortReceive() {
  if (!running()) return;
  Bytes reply = port_.ReadAll();
  ReplyKind kind = ClassifyReply(reply, t_.address);
  // A reply that does not answer the frame sent is ignored like noise, so a
  // confused radio can never acknowledge a block it was not sent.
  if (kind == ReplyKind::Unrecognised || kind != t_.expectedReply) return;
  if (kind == ReplyKind::IdentReply) {
    identity_ = ParseIdentReply(reply);
    identityReceived_ = true;
  }
  if (kind == ReplyKind::DataFrame) {
    std::copy_n(reply.begin() + kDataOffset, kBlockLength, BlockTarget().bytes().begin() + t_.address);
    UpdateProgress();
  }
  OnValidReply();
}

void TransferEngine::OnValidReply() {
  timer_.Stop();
  switch (State()) {
    case kGreetingSent:
      State() = kIdentityRequested;
      Transmit(FrameKind::IdentRequest, IdentRequestFrame());
      break;
    case kIdentityRequested: CheckIdentityThenContinue(); break;
    case kReadingBlocks:
    case kWritingBlocks: SendNextBlock(); break;
    case kEndSentAfterBlocks:
      if (t_.kind == TransferKind::Write && verifyAfterWrite_)
        StartReadBack();
      else
        EndTransfer(true);
      break;
    default:  // the end frame after a rejected identity
      EndTransfer(false);
      break;
  }
}

void TransferEngine::CheckIdentityThenContinue() {
  verdict_ = CheckRadioIdentity(identity_, versions_);
  if (verdict_ == IdentityVerdict::WrongModel) pending_.Queue({Txt::ModelWrong});
  if (verdict_ == IdentityVerdict::IncompatibleVersion) {
    host_.AskIncompatibleVersion(identity_.firmwareVersion);
  }
  if (verdict_ != IdentityVerdict::Passed) {
    // A port closed during the question went to another release with the radio;
    // the end frame is no longer ours to send.
    if (!port_.IsOpen()) return EndTransfer(false);
    SendEndFrame(kEndSentAfterRejection);
    return;
  }
  // The identity was all an identity check asked for; the end frame takes the radio out of programming.
  if (t_.kind == TransferKind::Identify) return SendEndFrame(kEndSentAfterBlocks);
  State() = t_.kind == TransferKind::Read ? kReadingBlocks : kWritingBlocks;
  SendNextBlock();
}

void TransferEngine::SendNextBlock() {
  t_.address = NextBlockAddress(t_.address + t_.blockLength);
  if (t_.address >= t_.totalSize) {
    SendEndFrame(kEndSentAfterBlocks);
    return;
  }
  if (t_.kind == TransferKind::Read) {
    BuildReadRequestFrame(t_.address, t_.lastFrame);
    TransmitLastFrame(FrameKind::ReadRequest);
    return;
  }
  BuildDataFrame(t_.address, image_.bytes(), t_.lastFrame);
  UpdateProgress();
  TransmitLastFrame(FrameKind::DataFrame);
}

void TransferEngine::SendEndFrame(TransferState endState) {
  State() = endState;
  Transmit(FrameKind::End, EndFrame());
}

// The radio has closed the write session; a read session of its own is the
// exchange every radio answers, and shows what the radio has really stored.
void TransferEngine::StartReadBack() {
  t_.kind = TransferKind::Read;
  t_.verifying = true;
  t_.readState = kGreetingSent;
  t_.address = -t_.blockLength;
  t_.progressPercent = 0;
  readBack_.emplace();
  host_.VerifyStarted();
  Transmit(FrameKind::Greeting, GreetingFrame());
}

void TransferEngine::CheckReadBack(TransferOutcome& outcome) {
  outcome.difference = CompareTransferRanges(image_, *readBack_);
  if (!outcome.difference) return;
  outcome.success = false;
  outcome.failure = TransferFailure::VerifyMismatch;
  char address[16];
  std::snprintf(address, sizeof address, "0x%05X", static_cast<unsigned>(outcome.difference->firstAddress));
  pending_.Queue({Txt::VerifyMismatch,
                  {address, std::to_string(outcome.difference->blocks), std::to_string(TransferBlockCount())}});
}

bool TransferEngine::BlocksSent() const {
  if (t_.verifying) return true;
  return t_.kind == TransferKind::Write && (t_.writeState == kWritingBlocks || t_.writeState == kEndSentAfterBlocks);
}

void TransferEngine::Transmit(FrameKind frame, Bytes bytes) {
  t_.lastFrame = std::move(bytes);
  TransmitLastFrame(frame);
}

void TransferEngine::TransmitLastFrame(FrameKind frame) {
  const FrameRule& rule = RuleOf(frame);
  t_.tryCount = 1;
  t_.expectedLength = static_cast<int16_t>(rule.replyLength);
  t_.expectedReply = rule.reply;
  SendLastFrame();
}

void TransferEngine::OnReplyTimer() {
  timer_.Stop();
  if (!running()) return;
  if (t_.tryCount >= kMaxTransmissions) return EndUnanswered();
  ++t_.tryCount;
  ++retransmissions_;
  SendLastFrame();
}

void TransferEngine::SendLastFrame() {
  // The port is never opened again under a transfer: once the device has gone
  // (an adapter off the bus, a closed line), its name may already belong to
  // another device, which has neither been greeted nor shown its identity. Only
  // a new transfer, with its own greeting, talks to whatever has the name now.
  if (!port_.IsOpen()) return EndUnanswered();
  timer_.Start(kReplyTimeout);
  port_.SetReceiveThreshold(static_cast<std::size_t>(t_.expectedLength));
  port_.DiscardBuffers();
  if (!port_.Write(t_.lastFrame)) EndUnanswered();
}

void TransferEngine::EndUnanswered() {
  noResponse_ = true;
  EndTransfer(false);
}

void TransferEngine::UpdateProgress() {
  auto percent = static_cast<int16_t>(RoundHalfEven(static_cast<double>(t_.address) * 100.0 / t_.totalSize));
  if (percent - t_.progressPercent < 1) return;
  t_.progressPercent = percent;
  host_.ShowProgress(percent);
}

TransferFailure TransferEngine::FailureReason() const {
  if (stopped_) return TransferFailure::Stopped;
  if (verdict_ == IdentityVerdict::WrongModel) return TransferFailure::WrongModel;
  if (verdict_ == IdentityVerdict::IncompatibleVersion) return TransferFailure::IncompatibleVersion;
  return TransferFailure::NoResponse;
}

void TransferEngine::EndTransfer(bool success) {
  timer_.Stop();
  ClosePort();
  TransferOutcome outcome;
  outcome.kind = t_.verifying ? TransferKind::Write : t_.kind;
  outcome.success = success;
  outcome.failure = success ? TransferFailure::None : FailureReason();
  outcome.blocksSent = BlocksSent();
  if (identityReceived_) outcome.identity = identity_;
  if (noResponse_) pending_.Queue({Txt::NoResponse});
  if (noResponse_ || stopped_) {
    if (t_.verifying)
      pending_.Queue({Txt::VerifyIncomplete});
    else if (outcome.blocksSent)
      pending_.Queue({Txt::RadioPartlyWritten});
  }
  if (success && t_.verifying) CheckReadBack(outcome);
  outcome.messages = pending_.Take();
  if (outcome.success && outcome.kind != TransferKind::Identify)
    outcome.completionMessage = TextMessage{outcome.kind == TransferKind::Read ? Txt::ReadCompleted
                                                                               : Txt::WriteCompleted};
  t_.kind = TransferKind::None;
  t_.readState = kIdle;
  t_.writeState = kIdle;
  t_.verifying = false;
  readBack_.reset();
  LogDiagnostic(TransferLogLine(outcome, retransmissions_));
  host_.TransferEnded(outcome);
}

}  // namespace zq
