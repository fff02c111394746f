#include "series_console.h"

#include <csignal>
#include <iostream>
#include <memory>
#include <optional>

#include "commands.h"
#include "console_text.h"
#include "data_commands.h"
#include "image/sha256.h"
#include "link/port_messages.h"
#include "link/port_names.h"
#include "link/radio_series.h"
#include "platform/system_locale.h"
#include "platform/utf8_path.h"
#include "shell/series_log.h"
#include "shell/unit_list.h"

namespace zq::cli {
namespace {

// Longest units list read: far more rows than a day of radios.
constexpr std::uintmax_t kMaxUnitsBytes = 4u << 20;

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

// What the ports of one station share: the log, the units list, the operator
// and how the whole session ends.
struct Station {
  int language = 1;
  bool severalPorts = false;
  SeriesLog log;
  std::filesystem::path logFile;
  bool logFailed = false;
  std::optional<UnitList> units;
  bool unitsUsedUp = false;  // told once, then every series stops
  std::string operatorName;
  std::string imageHash;  // of the image every radio gets without a units list
  int firstFailure = kOk;
  bool stoppedHard = false;
  std::optional<TransferOutcome> firstWrite;
  MemoryImage firstImage;

  // A line of the terminal, with its port when the station has several.
  std::string OnPort(const std::string& port, const std::string& text) const {
    return severalPorts ? FillIn(Text(Txt::SeriesOnPort, language), {port, text}) : text;
  }
  void NoteFailure(int code) {
    if (firstFailure == kOk) firstFailure = code;
  }
};

// One port of the station: its series, and how its radios are told and logged.
class PortSeries : public SeriesHost {
 public:
  PortSeries(Station& station, std::string name, SerialPort& port, ReplyTimer& timer, const MemoryImage& image,
             const VersionList& versions)
      : station_(station), name_(std::move(name)), progress_(station.language, Txt::WriteProgressCaption),
        series_(port, timer, image, versions, *this) {}

  RadioSeries& series() { return series_; }
  const std::string& name() const { return name_; }

  void WaitingForRadio(int number) override {
    std::cerr << On(FillIn(Text(Txt::SeriesWaiting, station_.language), {std::to_string(station_.log.Continued(number))})) << '\n';
  }
  bool PrepareRadio(int, MemoryImage& image) override {
    if (!station_.units) {
      hash_ = station_.imageHash;
      return true;
    }
    row_ = station_.units->Take();
    if (!row_) return false;  // every row is being written elsewhere; one may come back
    image = station_.units->ImageOf(*row_);
    hash_ = Sha256Hex(image.bytes());
    image_ = image;
    return true;
  }
  // Several bars on one terminal line would overwrite each other: with several
  // ports only the results are shown.
  void WritingRadio(int) override {
    if (!station_.severalPorts) progress_.Restart(Txt::WriteProgressCaption);
  }
  void ShowProgress(int percent) override {
    if (!station_.severalPorts) progress_.Show(percent);
  }
  void VerifyStarted() override {
    if (!station_.severalPorts) progress_.Restart(Txt::VerifyProgressCaption);
  }

  void RadioDone(const SeriesRadio& done) override {
    progress_.End();
    SeriesRadio radio = done;
    radio.number = station_.log.Continued(done.number);
    for (const std::string& message : radio.outcome.messages) std::cerr << On(ForTerminal(message)) << '\n';
    std::cout << On(ForTerminal(SeriesRadioText(radio, station_.language))) << std::endl;
    SeriesRecord record{name_, hash_, row_ ? station_.units->LineOf(*row_) : 0, false, station_.operatorName};
    if (row_ && radio.outcome.success) station_.units->Used(*row_);
    if (row_ && !radio.outcome.success) {
      station_.units->GiveBack(*row_);
      record.unitsGivenBack = true;
      std::cerr << On(FillIn(Text(Txt::SeriesUnitsLineBack, station_.language), {std::to_string(record.unitsLine)}))
                << '\n';
    }
    row_.reset();
    if (station_.log.isOpen() && !station_.log.Add(radio, LocalNow(), record) && !station_.logFailed) {
      station_.logFailed = true;  // once is enough; the series itself goes on
      std::cerr << FillIn(Text(Txt::SeriesLogFailed, station_.language), {Utf8OfPath(station_.logFile)}) << '\n';
    }
    if (radio.outcome.failure == TransferFailure::Stopped) station_.stoppedHard = true;
    if (!radio.outcome.success) station_.NoteFailure(ExitCodeOf(radio.outcome));
    if (radio.outcome.success && !station_.firstWrite) {
      station_.firstWrite = radio.outcome;
      if (station_.units) station_.firstImage = image_;
    }
  }
  void WaitingForRemoval(int number) override {
    std::cerr << On(FillIn(Text(Txt::SeriesTakeAway, station_.language), {std::to_string(station_.log.Continued(number))})) << '\n';
  }
  void SeriesEnded() override { progress_.End(); }

 private:
  std::string On(const std::string& text) const { return station_.OnPort(name_, text); }

  Station& station_;
  std::string name_;
  ProgressLine progress_;
  RadioSeries series_;
  std::optional<int> row_;  // of the radio being written
  std::string hash_;
  MemoryImage image_;
};

bool ReadUnits(const StationOptions& settings, const RadioConfig& cfg, const DocumentState& doc, Station& station) {
  if (settings.unitsFile.empty()) return true;
  auto text = ReadFileForCommand(settings.unitsFile, kMaxUnitsBytes);
  if (!text) return false;
  std::string problem;
  station.units = UnitList::Read(*text, cfg, doc, {SystemLocaleId()}, station.language, problem);
  if (!station.units) Complain(problem, settings.unitsFile);
  return station.units.has_value();
}

// Stops every series once no row of the list is left to write.
void StopWhenUsedUp(Station& station, std::vector<std::unique_ptr<PortSeries>>& ports) {
  if (!station.units || station.unitsUsedUp || !station.units->UsedUp()) return;
  station.unitsUsedUp = true;
  std::cerr << Text(Txt::SeriesUnitsUsedUp, station.language) << '\n';
  for (auto& port : ports) port->series().Stop();
}

bool AnyRunning(const std::vector<std::unique_ptr<PortSeries>>& ports) {
  for (const auto& port : ports)
    if (port->series().running()) return true;
  return false;
}

}  // namespace

int RunRadioSeries(const RadioOptions& options, const StationOptions& settings, const MemoryImage& image,
                   const RadioConfig& cfg, const DocumentState& doc) {
  Station station;
  station.language = options.language;
  station.severalPorts = options.ports.size() > 1;
  station.logFile = settings.logFile;
  station.operatorName = settings.operatorName;
  station.imageHash = Sha256Hex(image.bytes());
  station.firstImage = image;
  if (!ReadUnits(settings, cfg, doc, station)) return kInputError;
  if (!settings.logFile.empty() && !station.log.Open(settings.logFile, options.language)) {
    Complain(FillIn(Text(Txt::SeriesLogFailed, options.language), {Utf8OfPath(settings.logFile)}));
    return kOutputError;
  }
  RadioLine line;
  if (int code = line.Prepare(options); code != kOk) return code;
  PortEventLoop& loop = line.loop();
  const VersionList& versions = VersionsFor(options);
  const std::vector<std::string> names = options.ports.empty() ? std::vector{options.port} : options.ports;
  std::vector<std::unique_ptr<PortSeries>> ports;
  std::vector<std::string> devices;
  for (std::size_t k = 0; k < names.size(); ++k) {
    auto device = k == 0 ? std::optional(line.device) : DeviceOfPortName(names[k]);
    if (!device) {
      station.NoteFailure(CannotOpen(options, station.OnPort(names[k], FillIn(Text(Txt::PortUnknown, options.language), {names[k]}))));
      continue;
    }
    PortEventLoop::Line added = k == 0 ? PortEventLoop::Line{line.port(), loop} : loop.AddLine();
    ports.push_back(std::make_unique<PortSeries>(station, names[k], added.port, added.timer, image, versions));
    devices.push_back(*device);
  }
  // A port that cannot be opened is told; the others go on without it.
  for (std::size_t k = 0; k < ports.size(); ++k) {
    PortOpenResult opened = ports[k]->series().Start({devices[k], options.language, options.verify});
    if (!opened.ok())
      station.NoteFailure(
          CannotOpen(options, station.OnPort(ports[k]->name(), PortFailureReason(opened, devices[k], options.language))));
  }
  if (!AnyRunning(ports)) return station.firstFailure;

  InterruptWatch watch;
  bool stopTold = false;
  loop.RunUntil([&] {
    StopWhenUsedUp(station, ports);
    for (auto& port : ports) {
      RadioSeries& series = port->series();
      if (watch.interruptedAgain() && series.running()) {
        series.Abort();
      } else if (watch.interrupted() && series.running() && !series.stopping()) {
        series.Stop();
        if (series.stopping() && !stopTold) std::cerr << Text(Txt::SeriesStopping, options.language) << '\n';
        stopTold = stopTold || series.stopping();
      }
    }
    return !AnyRunning(ports);
  });
  int written = 0, failed = 0;
  for (const auto& port : ports) {
    written += port->series().written();
    failed += port->series().failed();
  }
  std::cout << FillIn(Text(Txt::SeriesSummary, options.language), {std::to_string(written), std::to_string(failed)})
            << std::endl;
  if (station.firstWrite) KeepBackup(options, *station.firstWrite, station.firstImage, cfg, doc);
  return station.stoppedHard ? kStoppedHard : station.firstFailure;
}

}  // namespace zq::cli
