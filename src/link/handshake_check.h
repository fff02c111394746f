#pragma once
// The connection doctor's handshake: the greeting and the identity request of
// an ordinary transfer, run by the transfer engine, and nothing more. No block
// is read or written; the end frame closes the session. It tells what the
// radio said and how fast, or exactly what failed.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/comm_transfer.h"
#include "link/port_diagnosis.h"

namespace zq {

enum class HandshakeResult {
  Passed,
  PortNotOpened,
  NoReply,     // nothing came back at all
  NoIdentity,  // the greeting was acknowledged, the identity request was not answered
  Garbage,     // bytes came back that answered nothing (before or instead of the replies)
  WrongModel,
  IncompatibleVersion,
};

struct HandshakeReport {
  HandshakeResult result = HandshakeResult::NoReply;
  PortOpenResult opened;
  std::string device;
  std::optional<RadioIdentity> identity;
  int greetingsSent = 0;
  // From sending the frame (its last transmission) to taking its reply whole.
  std::optional<std::chrono::microseconds> greetingTime, identityTime;
  Bytes unreadable;  // the first bytes that answered nothing, at most kUnreadableKept
};

inline constexpr std::size_t kUnreadableKept = 24;

class HandshakeCheck : public TransferHost {
 public:
  using Done = std::function<void(const HandshakeReport&)>;
  HandshakeCheck(SerialPort& port, ReplyTimer& timer, const VersionList& versions, Done done = {});
  ~HandshakeCheck() override;
  HandshakeCheck(const HandshakeCheck&) = delete;
  HandshakeCheck& operator=(const HandshakeCheck&) = delete;

  // Opens the port and sends the greeting. When the port does not open, the
  // check has ended at once (done has been told) and this returns false.
  bool Start(const std::string& device);
  bool running() const { return engine_.running(); }
  const HandshakeReport& report() const { return report_; }

  // TransferHost
  void AskIncompatibleVersion(const std::string& firmwareVersion) override;
  void ShowProgress(int) override {}
  void TransferEnded(const TransferOutcome& outcome) override;

 private:
  class WatchedPort;
  void Finish();

  std::unique_ptr<WatchedPort> watched_;
  MemoryImage unused_;  // the engine's image; an identity check moves no block into it
  TransferEngine engine_;
  Done done_;
  HandshakeReport report_;
};

// The obstacle the handshake found; nothing when it passed.
std::optional<PortProblem> ProblemOf(const HandshakeReport& report);
// "Radio" and "Reply time" after a handshake that passed, the handshake's outcome otherwise.
std::vector<ReportLine> HandshakeLines(const HandshakeReport& report, int language);

}  // namespace zq
