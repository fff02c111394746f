#pragma once
// Deterministic stand-ins for the port, the clock and the window, so transfers
// run in tests without sleeping.
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "link/comm_transfer.h"
#include "link/reply_timer.h"
#include "link/serial_port.h"

namespace zq::test {

using Micros = std::chrono::microseconds;

// Time that moves only when a test says so; scheduled actions run in time order.
class FakeClock {
 public:
  Micros now() const { return now_; }
  int Schedule(Micros delay, std::function<void()> action) {
    int id = nextId_++;
    events_.emplace(std::make_pair(now_ + delay, id), std::move(action));
    return id;
  }
  void Cancel(int id) {
    std::erase_if(events_, [id](const auto& e) { return e.first.second == id; });
  }
  // Runs every action due within `span`, then sets the time to its end.
  void Advance(Micros span) {
    Micros end = now_ + span;
    while (!events_.empty() && events_.begin()->first.first <= end) RunNext();
    now_ = end;
  }
  // Runs actions until none is left or `limit` has passed.
  void RunUntilIdle(Micros limit = std::chrono::hours(1)) {
    Micros end = now_ + limit;
    while (!events_.empty() && events_.begin()->first.first <= end) RunNext();
  }

 private:
  void RunNext() {
    auto event = events_.begin();
    now_ = event->first.first;
    auto action = std::move(event->second);
    events_.erase(event);
    action();
  }
  Micros now_{0};
  int nextId_ = 1;
  std::map<std::pair<Micros, int>, std::function<void()>> events_;
};

class FakeTimer : public ReplyTimer {
 public:
  explicit FakeTimer(FakeClock& clock) : clock_(clock) {}
  void Start(std::chrono::milliseconds interval) override {
    Stop();
    id_ = clock_.Schedule(interval, [this] {
      id_.reset();
      NotifyTimeout();
    });
  }
  void Stop() override {
    if (id_) clock_.Cancel(*id_);
    id_.reset();
  }
  bool running() const { return id_.has_value(); }

 private:
  FakeClock& clock_;
  std::optional<int> id_;
};

// Records what the engine writes; the test plays the radio with Arrive().
class FakePort : public SerialPort {
 public:
  struct Sent {
    Bytes bytes;
    Micros at;
  };
  explicit FakePort(const FakeClock* clock = nullptr) : clock_(clock) {}

  PortOpenResult Open(const std::string& device) override {
    ++opens;
    openedDevice = device;
    if (openFailure != PortFailure::None) return {openFailure, "refused", ""};
    open_ = true;
    threshold = 1;
    return {};
  }
  void Close() override {
    if (open_) ++closes;
    open_ = false;
  }
  bool IsOpen() const override { return open_; }
  void SetReceiveThreshold(std::size_t bytes) override { threshold = bytes; }
  void DiscardBuffers() override {
    ++discards;
    waiting_.clear();
  }
  bool Write(std::span<const uint8_t> bytes) override {
    if (!open_) return false;
    sent.push_back({Bytes(bytes.begin(), bytes.end()), clock_ ? clock_->now() : Micros{0}});
    return true;
  }
  Bytes ReadAll() override { return std::exchange(waiting_, {}); }

  // Bytes from the radio; the engine hears of them once the threshold is reached.
  void Arrive(const Bytes& bytes) {
    waiting_.insert(waiting_.end(), bytes.begin(), bytes.end());
    if (open_ && waiting_.size() >= threshold) NotifyReceive();
  }
  // The adapter drops off the bus.
  void Unplug() { open_ = false; }
  const Bytes& last() const { return sent.back().bytes; }

  std::vector<Sent> sent;
  std::size_t threshold = 1;
  int opens = 0, closes = 0, discards = 0;
  std::string openedDevice;
  PortFailure openFailure = PortFailure::None;

 private:
  const FakeClock* clock_;
  bool open_ = false;
  Bytes waiting_;
};

// The texts a transfer's messages show in `language`.
inline std::vector<std::string> Rendered(const std::vector<TextMessage>& messages, int language = kEnglish) {
  std::vector<std::string> texts;
  for (const TextMessage& message : messages) texts.push_back(Render(message, language));
  return texts;
}
// The completion message as shown; empty when there is none.
inline std::string Rendered(const std::optional<TextMessage>& message, int language = kEnglish) {
  return message ? Render(*message, language) : std::string();
}

class RecordingHost : public TransferHost {
 public:
  void AskIncompatibleVersion(const std::string& firmwareVersion) override { askedVersions.push_back(firmwareVersion); }
  void ShowProgress(int percent) override { progress.push_back(percent); }
  void TransferEnded(const TransferOutcome& outcome) override { outcomes.push_back(outcome); }

  const TransferOutcome& outcome() const { return outcomes.at(0); }

  std::vector<std::string> askedVersions;  // the firmware of each radio the engine asked about
  std::vector<int> progress;
  std::vector<TransferOutcome> outcomes;
};

// A version list in which this release handles firmware "V100" only.
inline VersionList VersionsHandlingV100() {
  VersionList list;
  list.firmPairs.emplace_back("V100", "V100");
  return list;
}

}  // namespace zq::test
