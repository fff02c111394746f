#include "link/handshake_check.h"

#include <algorithm>
#include <cstdio>

#include "config/radio_config.h"

namespace zq {

// Watches what goes to the radio and what comes back, with the time of each.
class HandshakeCheck::WatchedPort : public SerialPort {
 public:
  using Clock = std::chrono::steady_clock;
  explicit WatchedPort(SerialPort& inner) : inner_(inner) {
    inner_.SetReceiveHandler([this] { NotifyReceive(); });
  }
  ~WatchedPort() override { inner_.SetReceiveHandler(nullptr); }

  PortOpenResult Open(const std::string& device) override { return inner_.Open(device); }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void SetReceiveThreshold(std::size_t bytes) override { inner_.SetReceiveThreshold(bytes); }
  void DiscardBuffers() override { inner_.DiscardBuffers(); }

  bool Write(std::span<const uint8_t> bytes) override {
    sentAt_ = Clock::now();
    sentLead_ = bytes.empty() ? 0 : bytes[0];
    if (sentLead_ == RuleOf(FrameKind::Greeting).leadByte) ++greetings_;
    return inner_.Write(bytes);
  }

  Bytes ReadAll() override {
    Bytes reply = inner_.ReadAll();
    if (reply.empty()) return reply;
    const auto took = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - sentAt_);
    ReplyKind kind = ClassifyReply(reply, -kBlockLength);
    if (kind == ReplyKind::GreetingAck && sentLead_ == RuleOf(FrameKind::Greeting).leadByte) {
      greetingTime_ = took;
    } else if (kind == ReplyKind::IdentReply && sentLead_ == kIdentRequestByte) {
      identityTime_ = took;
    } else if (kind == ReplyKind::Unrecognised) {
      std::size_t room = kUnreadableKept - std::min(unreadable_.size(), kUnreadableKept);
      unreadable_.insert(unreadable_.end(), reply.begin(), reply.begin() + std::min(room, reply.size()));
    }
    return reply;
  }

  int greetings() const { return greetings_; }
  const std::optional<std::chrono::microseconds>& greetingTime() const { return greetingTime_; }
  const std::optional<std::chrono::microseconds>& identityTime() const { return identityTime_; }
  const Bytes& unreadable() const { return unreadable_; }

 private:
  SerialPort& inner_;
  Clock::time_point sentAt_ = Clock::now();
  uint8_t sentLead_ = 0;
  int greetings_ = 0;
  std::optional<std::chrono::microseconds> greetingTime_, identityTime_;
  Bytes unreadable_;
};

HandshakeCheck::HandshakeCheck(SerialPort& port, ReplyTimer& timer, const VersionList& versions, Done done)
    : watched_(std::make_unique<WatchedPort>(port)),
      engine_(*watched_, timer, unused_, versions, *this),
      done_(std::move(done)) {}

HandshakeCheck::~HandshakeCheck() = default;

bool HandshakeCheck::Start(const std::string& device) {
  report_ = HandshakeReport{};
  report_.device = device;
  report_.opened = engine_.OpenRadioPort(TransferKind::Identify, device);
  if (!report_.opened.ok()) {
    report_.result = HandshakeResult::PortNotOpened;
    if (done_) done_(report_);
    return false;
  }
  engine_.Begin();
  return true;
}

// The version question is the program's to ask before a transfer; the doctor only reports the firmware.
void HandshakeCheck::AskIncompatibleVersion(const std::string&) {}

void HandshakeCheck::TransferEnded(const TransferOutcome& outcome) {
  report_.identity = outcome.identity;
  report_.greetingsSent = watched_->greetings();
  report_.greetingTime = watched_->greetingTime();
  report_.identityTime = watched_->identityTime();
  report_.unreadable = watched_->unreadable();
  switch (outcome.failure) {
    case TransferFailure::None: report_.result = HandshakeResult::Passed; break;
    case TransferFailure::WrongModel: report_.result = HandshakeResult::WrongModel; break;
    case TransferFailure::IncompatibleVersion: report_.result = HandshakeResult::IncompatibleVersion; break;
    default:
      // What came back tells a silent line from a garbled one.
      if (!report_.unreadable.empty())
        report_.result = HandshakeResult::Garbage;
      else
        report_.result = report_.greetingTime ? HandshakeResult::NoIdentity : HandshakeResult::NoReply;
      break;
  }
  if (done_) done_(report_);
}

namespace {

std::string HexBytes(const Bytes& bytes) {
  std::string text;
  for (uint8_t b : bytes) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", b);
    text += (text.empty() ? "" : " ") + std::string(hex);
  }
  return text;
}

std::string Milliseconds(const std::optional<std::chrono::microseconds>& time) {
  if (!time) return "?";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(time->count()) / 1000.0);
  return text;
}

// The remedy for a port that did not open, by what the system said.
PortProblem OpenProblem(const HandshakeReport& report) {
  const std::string& device = report.device;
  switch (report.opened.failure) {
    case PortFailure::Missing: return {Txt::PortMissing, {device}, Txt::DoctorMissingRemedy, {}, true};
    case PortFailure::Busy: return {Txt::PortBusy, {device}, Txt::DoctorCloseOther, {}, true};
    case PortFailure::NotPermitted:
      if (report.opened.deviceGroup.empty()) return {Txt::PortNotPermitted, {device}, Txt::DoctorAskForRule, {}, true};
      return {Txt::PortNotPermitted, {device}, Txt::PortJoinGroup, {report.opened.deviceGroup}, true};
    case PortFailure::NotSerial: return {Txt::PortNotSerial, {device}, Txt::DoctorNotSerialRemedy, {}, true};
    case PortFailure::None:
    case PortFailure::Other: break;
  }
  return {Txt::PortOtherError, {device, report.opened.detail}, Txt::DoctorOtherRemedy, {}, true};
}

}  // namespace

std::optional<PortProblem> ProblemOf(const HandshakeReport& report) {
  switch (report.result) {
    case HandshakeResult::Passed: return std::nullopt;
    case HandshakeResult::PortNotOpened: return OpenProblem(report);
    case HandshakeResult::NoReply:
      return PortProblem{Txt::DoctorNoReply, {std::to_string(report.greetingsSent)}, Txt::DoctorCheckRadio, {}, true};
    case HandshakeResult::NoIdentity: return PortProblem{Txt::DoctorNoIdentity, {}, Txt::DoctorRestartRadio, {}, true};
    case HandshakeResult::Garbage:
      return PortProblem{Txt::DoctorGarbage, {HexBytes(report.unreadable)}, Txt::DoctorCheckCable, {}, true};
    case HandshakeResult::WrongModel:
      return PortProblem{Txt::DoctorWrongModel,
                         {report.identity ? report.identity->model : std::string(), kModelName},
                         Txt::DoctorUseModel,
                         {"ZQ4071"},
                         true};
    case HandshakeResult::IncompatibleVersion: {
      std::string firmware = report.identity ? report.identity->firmwareVersion : std::string();
      return PortProblem{Txt::DoctorIncompatible, {firmware}, Txt::DoctorUseRelease, {firmware}, true};
    }
  }
  return std::nullopt;
}

std::vector<ReportLine> HandshakeLines(const HandshakeReport& report, int language) {
  std::vector<ReportLine> lines;
  auto label = [&](Txt text) { return std::string(Text(text, language)); };
  if (report.identity) {
    const RadioIdentity& radio = *report.identity;
    lines.push_back(
        {label(Txt::DoctorRadio), FillIn(Text(radio.hfCapable ? Txt::DoctorRadioHf : Txt::DoctorRadioValue, language),
                                         {radio.model, radio.firmwareVersion})});
  }
  if (report.greetingTime)
    lines.push_back(
        {label(Txt::DoctorReplyTime), FillIn(Text(Txt::DoctorReplyTimeValue, language),
                                             {Milliseconds(report.greetingTime), Milliseconds(report.identityTime)})});
  if (report.result == HandshakeResult::Passed)
    lines.push_back({label(Txt::DoctorHandshake), label(Txt::DoctorPortWorks)});
  return lines;
}

}  // namespace zq
