#pragma once
// The read and write transfers. The engine is driven by three events: a start
// command (OpenRadioPort, then Begin once the user has confirmed), bytes
// received on the port, and the reply timer expiring. It only moves bytes of
// the memory image; the caller encodes before a write and decodes after a read.
#include <cstdint>
#include <optional>
#include <string>

#include "datafile/version_list.h"
#include "image/memory_image.h"
#include "link/frames.h"
#include "link/pending_messages.h"
#include "link/radio_identity.h"
#include "link/reply_timer.h"
#include "link/serial_port.h"
#include "link/transfer_host.h"

namespace zq {

// Read and write states share their numbers except for the block phase.
enum TransferState : int16_t {
  kIdle = 0,
  kGreetingSent = 1,
  kIdentityRequested = 3,
  kWritingBlocks = 4,
  kReadingBlocks = 5,
  kEndSentAfterBlocks = 69,
  kEndSentAfterRejection = 70,
};

struct CommTransfer {
  TransferKind kind = TransferKind::None;
  int16_t readState = kIdle;
  int16_t writeState = kIdle;
  int32_t totalSize = static_cast<int32_t>(kImageSize);
  int16_t blockLength = kBlockLength;
  int32_t address = -kBlockLength;  // the first step lands on 0
  int16_t progressPercent = 0;
  int16_t tryCount = 0;  // transmissions of lastFrame so far
  Bytes lastFrame;
  int16_t expectedLength = 0;
  // The only reply that answers lastFrame; anything else waits for the time-out.
  ReplyKind expectedReply = ReplyKind::Unrecognised;
  // A write has been sent whole and is read back (kind Read) for checking.
  bool verifying = false;
};

class TransferEngine {
 public:
  static constexpr int kMaxTransmissions = 5;

  TransferEngine(SerialPort& port, ReplyTimer& timer, MemoryImage& image, const VersionList& versions,
                 TransferHost& host);
  ~TransferEngine();
  TransferEngine(const TransferEngine&) = delete;
  TransferEngine& operator=(const TransferEngine&) = delete;

  // Prepares the transfer record and opens the port. On failure no transfer
  // remains (kind None) and the result says why.
  PortOpenResult OpenRadioPort(TransferKind kind, const std::string& device);
  // The user declined at the confirmation: the port closes, no transfer remains.
  void Cancel();
  // Closes the port if it is open, as before another release is started. A
  // transfer still running never opens it again: it ends instead.
  void ClosePort();
  // The user stopped hard: the transfer ends now, without the end frame, as
  // stopped (a write may have left the radio partly written).
  void Abort();
  // With this on, a write the radio has acknowledged whole is followed by an
  // ordinary read session, and the write succeeds only when every block of the
  // transfer ranges comes back as it was sent.
  void SetVerifyAfterWrite(bool on) { verifyAfterWrite_ = on; }
  // The progress window opened: sends the greeting. A read clears the image
  // first; a write sends the image as the caller has encoded it.
  void Begin();

  void OnPortReceive();
  void OnReplyTimer();

  const CommTransfer& state() const { return t_; }
  // The identity of the last radio that answered; the editors read HfCapable from it.
  const RadioIdentity& identity() const { return identity_; }
  bool running() const { return t_.kind != TransferKind::None; }

 private:
  int16_t& State();
  void OnValidReply();
  void CheckIdentityThenContinue();
  void SendNextBlock();
  void SendEndFrame(TransferState endState);
  void StartReadBack();
  void CheckReadBack(TransferOutcome& outcome);
  // Where a received block goes: the image, or the read-back copy while verifying.
  MemoryImage& BlockTarget() { return t_.verifying ? *readBack_ : image_; }
  bool BlocksSent() const;
  void Transmit(FrameKind frame, Bytes bytes);
  // Sends t_.lastFrame, already built, as a frame of that kind.
  void TransmitLastFrame(FrameKind frame);
  // Sends t_.lastFrame (again) on the port this transfer opened.
  void SendLastFrame();
  // The radio stopped answering or its port went away.
  void EndUnanswered();
  void UpdateProgress();
  void EndTransfer(bool success);
  TransferFailure FailureReason() const;

  SerialPort& port_;
  ReplyTimer& timer_;
  MemoryImage& image_;
  const VersionList& versions_;
  TransferHost& host_;

  CommTransfer t_;
  RadioIdentity identity_;
  PendingMessages pending_;
  IdentityVerdict verdict_ = IdentityVerdict::NotChecked;
  bool noResponse_ = false;
  bool stopped_ = false;
  int retransmissions_ = 0;  // frames sent again after an unanswered wait, for the diagnostic log
  bool identityReceived_ = false;
  bool verifyAfterWrite_ = false;
  // What a verified write reads back; it exists only while that is checked.
  std::optional<MemoryImage> readBack_;
};

}  // namespace zq
