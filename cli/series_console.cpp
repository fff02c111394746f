#include "series_console.h"

#include <csignal>
#include <iostream>

#include "commands.h"
#include "console_text.h"
#include "data_commands.h"
#include "link/port_messages.h"
#include "link/radio_series.h"
#include "platform/utf8_path.h"
#include "shell/series_log.h"

namespace zq::cli {
namespace {

volatile std::sig_atomic_t g_interrupts = 0;

// Standard C only, so that Windows consoles behave alike. Windows resets the
// handler before each call, so it is set again for the second Ctrl+C; a third
// ends the program at once, whatever it is doing.
extern "C" void NoteInterrupt(int) {
  g_interrupts = g_interrupts + 1;
  std::signal(SIGINT, g_interrupts < 2 ? NoteInterrupt : SIG_DFL);
}

// The first Ctrl+C asks the series to stop after the radio being written; a
// second one stops it at once, once that radio's result is told and logged.
class InterruptWatch {
 public:
  InterruptWatch() {
    g_interrupts = 0;
    previous_ = std::signal(SIGINT, NoteInterrupt);
  }
  ~InterruptWatch() { std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_); }
  bool interrupted() const { return g_interrupts > 0; }
  bool interruptedAgain() const { return g_interrupts > 1; }

 private:
  void (*previous_)(int) = SIG_DFL;
};

class ConsoleSeries : public SeriesHost {
 public:
  ConsoleSeries(int language, SeriesLog& log, const std::filesystem::path& logFile)
      : language_(language), log_(log), logFile_(logFile),
        progress_(language_, Txt::WriteProgressCaption) {}

  void WaitingForRadio(int number) override {
    std::cerr << FillIn(Text(Txt::SeriesWaiting, language_), {std::to_string(log_.Continued(number))}) << '\n';
  }
  void WritingRadio(int) override { progress_.Restart(Txt::WriteProgressCaption); }
  void ShowProgress(int percent) override { progress_.Show(percent); }
  void VerifyStarted() override { progress_.Restart(Txt::VerifyProgressCaption); }

  void RadioDone(const SeriesRadio& done) override {
    progress_.End();
    SeriesRadio radio = done;
    radio.number = log_.Continued(done.number);
    for (const std::string& message : radio.outcome.messages) std::cerr << ForTerminal(message) << '\n';
    std::cout << ForTerminal(SeriesRadioText(radio, language_)) << std::endl;
    if (log_.isOpen() && !log_.Add(radio, LocalNow()) && !logFailed_) {
      logFailed_ = true;  // once is enough; the series itself goes on
      std::cerr << FillIn(Text(Txt::SeriesLogFailed, language_), {Utf8OfPath(logFile_)}) << '\n';
    }
    stoppedHard_ = radio.outcome.failure == TransferFailure::Stopped;
    if (!radio.outcome.success && firstFailure_ == kOk) firstFailure_ = ExitCodeOf(radio.outcome);
    if (!radio.outcome.success || firstWrite_) return;
    firstWrite_ = radio.outcome;
  }
  void WaitingForRemoval(int number) override {
    std::cerr << FillIn(Text(Txt::SeriesTakeAway, language_), {std::to_string(log_.Continued(number))}) << '\n';
  }
  void SeriesEnded() override { progress_.End(); }

  int firstFailure() const { return firstFailure_; }
  bool stoppedHard() const { return stoppedHard_; }
  const std::optional<TransferOutcome>& firstWrite() const { return firstWrite_; }
  void Tell(Txt text) const { std::cerr << Text(text, language_) << '\n'; }

 private:
  int language_;
  SeriesLog& log_;
  std::filesystem::path logFile_;
  ProgressLine progress_;
  bool logFailed_ = false;
  int firstFailure_ = kOk;
  bool stoppedHard_ = false;
  std::optional<TransferOutcome> firstWrite_;
};

}  // namespace

int RunRadioSeries(const RadioOptions& options, const MemoryImage& image, const std::filesystem::path& logFile,
                   const RadioConfig& cfg, const DocumentState& doc) {
  SeriesLog log;
  if (!logFile.empty() && !log.Open(logFile, options.language)) {
    Complain(FillIn(Text(Txt::SeriesLogFailed, options.language), {Utf8OfPath(logFile)}));
    return kOutputError;
  }
  RadioLine line;
  if (int code = line.Prepare(options); code != kOk) return code;
  PortEventLoop& loop = line.loop();
  ConsoleSeries host(options.language, log, logFile);
  RadioSeries series(line.port(), loop, image, VersionsFor(options), host);
  PortOpenResult opened = series.Start({line.device, options.language, options.verify});
  if (!opened.ok()) return CannotOpen(options, PortFailureReason(opened, line.device, options.language));

  InterruptWatch watch;
  loop.RunUntil([&] {
    if (watch.interruptedAgain() && series.running()) {
      series.Abort();
    } else if (watch.interrupted() && series.running() && !series.stopping()) {
      series.Stop();
      if (series.stopping()) host.Tell(Txt::SeriesStopping);
    }
    return !series.running();
  });
  std::cout << FillIn(Text(Txt::SeriesSummary, options.language),
                      {std::to_string(series.written()), std::to_string(series.failed())})
            << std::endl;
  if (host.firstWrite()) KeepBackup(options, *host.firstWrite(), image, cfg, doc);
  return host.stoppedHard() ? kStoppedHard : host.firstFailure();
}

}  // namespace zq::cli
