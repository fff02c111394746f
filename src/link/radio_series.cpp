#include "link/radio_series.h"

namespace zq {

RadioSeries::RadioSeries(SerialPort& port, ReplyTimer& timer, const MemoryImage& image, const VersionList& versions,
                         SeriesHost& host)
    : port_(port), timer_(timer), image_(image), host_(host), engine_(port, timer, image_, versions, *this) {
  // The engine hears the port and the timer only while it writes a radio.
  port_.SetReceiveHandler([this] { OnPortReceive(); });
  timer_.SetTimeoutHandler([this] { OnTimer(); });
}

PortOpenResult RadioSeries::Start(const SeriesOptions& options) {
  options_ = options;
  stopRequested_ = false;
  written_ = failed_ = 0;
  PortOpenResult opened = port_.Open(options_.device);
  if (!opened.ok()) return opened;
  phase_ = Phase::AwaitingRadio;
  greeted_ = answered_ = false;
  host_.WaitingForRadio(1);
  Greet();
  return opened;
}

void RadioSeries::Stop() {
  if (phase_ == Phase::Writing)
    stopRequested_ = true;
  else if (running())
    Finish();
}

void RadioSeries::Abort() {
  if (phase_ != Phase::Writing) return Stop();
  stopRequested_ = true;
  engine_.Abort();  // reports the radio, then finishes the series
}

void RadioSeries::OnPortReceive() {
  if (phase_ == Phase::Writing) return engine_.OnPortReceive();
  Bytes reply = port_.ReadAll();
  if (!greeted_ || ClassifyReply(reply, -kBlockLength) != ReplyKind::GreetingAck) return;
  answered_ = true;
  // The write starts from the event loop, not from inside the port's notification.
  if (phase_ == Phase::AwaitingRadio) timer_.Start(std::chrono::milliseconds(0));
}

void RadioSeries::OnTimer() {
  switch (phase_) {
    case Phase::Writing: return engine_.OnReplyTimer();
    case Phase::AwaitingRadio:
      if (answered_) return StartWrite();
      break;
    case Phase::AwaitingRemoval:
      if (greeted_ && !answered_) {
        phase_ = Phase::AwaitingRadio;
        host_.WaitingForRadio(written_ + failed_ + 1);
      }
      break;
    case Phase::Idle: return;
  }
  Greet();
}

void RadioSeries::Greet() {
  timer_.Start(options_.greetingInterval);
  // A USB adapter that dropped off may be back by the next greeting.
  if (!port_.IsOpen() && !port_.Open(options_.device).ok()) return;
  greeted_ = true;
  answered_ = false;
  port_.SetReceiveThreshold(RuleOf(FrameKind::Greeting).replyLength);
  port_.DiscardBuffers();
  port_.Write(GreetingFrame());
}

void RadioSeries::StartWrite() {
  const bool opened = engine_.OpenRadioPort(TransferKind::Write, options_.device).ok();
  if (!opened || !host_.PrepareRadio(written_ + failed_ + 1, image_)) {
    if (opened) engine_.Cancel();
    greeted_ = answered_ = false;
    timer_.Start(options_.greetingInterval);
    return;
  }
  phase_ = Phase::Writing;
  host_.WritingRadio(written_ + failed_ + 1);
  engine_.SetVerifyAfterWrite(options_.verify);
  engine_.Begin();
}

void RadioSeries::TransferEnded(const TransferOutcome& outcome) {
  (outcome.success ? written_ : failed_) += 1;
  host_.RadioDone({written_ + failed_, outcome, outcome.success && options_.verify});
  if (stopRequested_) return Finish();
  greeted_ = answered_ = false;
  // A radio that stopped answering has gone already (or is back to be written again).
  if (outcome.failure == TransferFailure::NoResponse) {
    phase_ = Phase::AwaitingRadio;
    host_.WaitingForRadio(written_ + failed_ + 1);
  } else {
    phase_ = Phase::AwaitingRemoval;
    host_.WaitingForRemoval(written_ + failed_);
  }
  timer_.Start(std::chrono::milliseconds(0));
}

void RadioSeries::Finish() {
  timer_.Stop();
  if (port_.IsOpen()) port_.Close();
  phase_ = Phase::Idle;
  stopRequested_ = false;
  host_.SeriesEnded();
}

// A radio of another release fails like any other; the series asks nothing.
void RadioSeries::AskIncompatibleVersion(const std::string&) {}

void RadioSeries::ShowProgress(int percent) { host_.ShowProgress(percent); }

void RadioSeries::VerifyStarted() { host_.VerifyStarted(); }

}  // namespace zq
