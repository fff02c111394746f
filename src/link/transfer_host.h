#pragma once
// What the window or the command line does for a running transfer: ask the
// version question, show progress, and show how the transfer ended.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/radio_identity.h"
#include "text/text_message.h"

namespace zq {

// Identify greets the radio and asks its identity only, then closes the
// session: no block is read or written (the connection doctor's handshake).
enum class TransferKind : int16_t { None = 0, Read = 1, Write = 2, Identify = 3 };

enum class TransferFailure {
  None,
  NoResponse,
  WrongModel,
  IncompatibleVersion,
  VerifyMismatch,  // the radio acknowledged every block but holds something else
  Stopped,         // the user ended the transfer before the radio had answered it whole
};

// Where a verified write found the radio's memory other than the image sent.
struct ImageDifference {
  uint32_t firstAddress = 0;
  int blocks = 0;  // 16-byte blocks that differ
};

struct TransferOutcome {
  TransferKind kind = TransferKind::None;
  bool success = false;
  TransferFailure failure = TransferFailure::None;
  // Shown first, one by one, in this order.
  std::vector<TextMessage> messages;
  // Shown last; nothing unless a read or a write succeeded. After a successful
  // read the caller applies the image to the configuration before showing it.
  std::optional<TextMessage> completionMessage;
  // A write sent data blocks: the radio holds all or part of the image.
  bool blocksSent = false;
  // Set when the read-back after a write found the radio's memory different.
  std::optional<ImageDifference> difference;
  // What the radio reported about itself in this transfer; nothing when it never did.
  std::optional<RadioIdentity> identity;
};

class TransferHost {
 public:
  virtual ~TransferHost() = default;

  // Called at once, while the transfer waits, when the radio's firmware belongs
  // to another release. The program asks the question (IncompatibilityText) and
  // may start that release; the transfer then ends without success.
  virtual void AskIncompatibleVersion(const std::string& firmwareVersion) = 0;
  // Called only when the shown percentage grows.
  virtual void ShowProgress(int percent) = 0;
  // A write was sent whole and is now read back for checking; progress starts
  // again from 0.
  virtual void VerifyStarted() {}
  // The port is closed and the engine is idle again when this is called.
  virtual void TransferEnded(const TransferOutcome& outcome) = 0;
};

}  // namespace zq
