#pragma once
// One configuration written into a series of radios, one after another, on one
// port. Between two writes the line is greeted about once a second: first
// until the radio just written stops answering (it has been taken away), then
// until the next radio answers; so the line must stay silent for more than a
// second between two radios. A radio that fails is reported and the series
// goes on (one that stopped answering counts as taken away); a stop takes
// effect once the radio being written is done.
#include <chrono>
#include <optional>
#include <string>

#include "link/comm_transfer.h"

namespace zq {

struct SeriesRadio {
  int number = 0;  // 1 for the first radio of the series
  TransferOutcome outcome;
  bool verified = false;  // written, read back and found as sent
};

// What the window or the command line shows of a running series.
class SeriesHost {
 public:
  virtual ~SeriesHost() = default;
  virtual void WaitingForRadio(int number) = 0;
  // A radio has answered and is about to be written with `image`, which the
  // host may change (per-unit values). False leaves it unwritten for now: the
  // series greets it again a greeting interval later.
  virtual bool PrepareRadio(int /*number*/, MemoryImage& /*image*/) { return true; }
  virtual void WritingRadio(int number) = 0;
  virtual void ShowProgress(int percent) = 0;
  virtual void VerifyStarted() {}
  virtual void RadioDone(const SeriesRadio& radio) = 0;
  // The radio still answers and has to be taken away before the next one.
  virtual void WaitingForRemoval(int number) = 0;
  // The port is closed and the series idle when this is called.
  virtual void SeriesEnded() = 0;
};

struct SeriesOptions {
  std::string device;
  bool verify = false;
  std::chrono::milliseconds greetingInterval{1000};
};

class RadioSeries : private TransferHost {
 public:
  // `image` is sent as it is: the caller has encoded it.
  RadioSeries(SerialPort& port, ReplyTimer& timer, const MemoryImage& image, const VersionList& versions,
              SeriesHost& host);

  // Opens the port and waits for the first radio; on failure nothing runs.
  PortOpenResult Start(const SeriesOptions& options);
  // At once while waiting for a radio; after the radio being written otherwise.
  void Stop();
  // At once in any case: a radio being written is reported as stopped first.
  void Abort();

  bool running() const { return phase_ != Phase::Idle; }
  bool stopping() const { return stopRequested_; }
  int written() const { return written_; }
  int failed() const { return failed_; }

 private:
  enum class Phase { Idle, AwaitingRadio, Writing, AwaitingRemoval };

  void OnPortReceive();
  void OnTimer();
  void Greet();
  void StartWrite();
  void Finish();

  // TransferHost: the engine reports the write of one radio.
  void AskIncompatibleVersion(const std::string& firmwareVersion) override;
  void ShowProgress(int percent) override;
  void VerifyStarted() override;
  void TransferEnded(const TransferOutcome& outcome) override;

  SerialPort& port_;
  ReplyTimer& timer_;
  MemoryImage image_;
  SeriesHost& host_;
  TransferEngine engine_;
  SeriesOptions options_;
  Phase phase_ = Phase::Idle;
  bool greeted_ = false;   // a greeting went out in this phase
  bool answered_ = false;  // and the radio acknowledged it
  bool stopRequested_ = false;
  int written_ = 0, failed_ = 0;
};

}  // namespace zq
