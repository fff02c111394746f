#include "series_console.h"

#include <csignal>
#include <iostream>
#include <memory>
#include <optional>

#include "commands.h"
#include "console_text.h"
#include "data_commands.h"
#include "link/port_messages.h"
#include "link/port_names.h"
#include "link/radio_series.h"
#include "platform/system_locale.h"
#include "platform/utf8_path.h"
#include "sheet_printer.h"
#include "shell/series_station.h"

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

// How the session of one station ends, and what the terminal is told of it.
struct Console : StationHost {
  int language = 1;
  bool severalPorts = false;
  int firstFailure = kOk;
  bool stoppedHard = false;

  // A line of the terminal, with its port when the station has several.
  std::string OnPort(const std::string& port, const std::string& text) const {
    return severalPorts ? FillIn(Text(Txt::SeriesOnPort, language), {port, text}) : text;
  }
  void NoteFailure(int code) {
    if (firstFailure == kOk) firstFailure = code;
  }
  void StationNotice(const std::string& text) override { std::cerr << ForTerminal(text) << '\n'; }
};

// One port of the station on the terminal.
class PortConsole : public StationView {
 public:
  PortConsole(Console& console, std::string name)
      : console_(console), name_(std::move(name)), progress_(console.language, Txt::WriteProgressCaption) {}

  void WaitingForRadio(int number) override {
    std::cerr << On(FillIn(Text(Txt::SeriesWaiting, console_.language), {std::to_string(number)})) << '\n';
  }
  // Several bars on one terminal line would overwrite each other: with several
  // ports only the results are shown.
  void WritingRadio(int) override {
    if (!console_.severalPorts) progress_.Restart(Txt::WriteProgressCaption);
  }
  void ShowProgress(int percent) override {
    if (!console_.severalPorts) progress_.Show(percent);
  }
  void VerifyStarted() override {
    if (!console_.severalPorts) progress_.Restart(Txt::VerifyProgressCaption);
  }
  void RadioDone(const SeriesRadio& radio, const SeriesRecord& record) override {
    progress_.End();
    for (const TextMessage& message : radio.outcome.messages)
      std::cerr << On(ForTerminal(Render(message, console_.language))) << '\n';
    std::cout << On(ForTerminal(SeriesRadioText(radio, console_.language))) << std::endl;
    if (record.unitsGivenBack)
      std::cerr << On(FillIn(Text(Txt::SeriesUnitsLineBack, console_.language), {std::to_string(record.unitsLine)}))
                << '\n';
    if (radio.outcome.failure == TransferFailure::Stopped) console_.stoppedHard = true;
    if (!radio.outcome.success) console_.NoteFailure(ExitCodeOf(radio.outcome));
  }
  void WaitingForRemoval(int number) override {
    std::cerr << On(FillIn(Text(Txt::SeriesTakeAway, console_.language), {std::to_string(number)})) << '\n';
  }
  void SeriesEnded() override { progress_.End(); }

 private:
  std::string On(const std::string& text) const { return console_.OnPort(name_, text); }

  Console& console_;
  std::string name_;
  ProgressLine progress_;
};

std::optional<UnitList> ReadUnits(const StationOptions& settings, const RadioConfig& cfg, const DocumentState& doc,
                                  int language, bool& refused) {
  refused = false;
  if (settings.unitsFile.empty()) return std::nullopt;
  refused = true;
  auto text = ReadFileForCommand(settings.unitsFile, kMaxUnitListBytes);
  if (!text) return std::nullopt;
  std::string problem;
  auto units = UnitList::Read(*text, cfg, doc, {SystemLocaleId()}, language, problem);
  if (!units) Complain(problem, settings.unitsFile);
  refused = !units;
  return units;
}

}  // namespace

int RunRadioSeries(const RadioOptions& options, const StationOptions& settings, const MemoryImage& image,
                   const RadioConfig& cfg, const DocumentState& doc) {
  Console console;
  console.language = options.language;
  console.severalPorts = options.ports.size() > 1;
  bool refused = false;
  std::optional<UnitList> units = ReadUnits(settings, cfg, doc, options.language, refused);
  if (refused) return kInputError;
  std::unique_ptr<SheetPrinter> printer;
  if (!settings.sheetFolder.empty()) {
    printer = MakeSheetPrinter();
    if (!printer) {
      Complain(Text(Txt::SheetsNotBuilt, options.language));
      return kOutputError;
    }
  }
  // Before the station: its series let go of the ports as they are destroyed.
  RadioLine line;
  StationSettings station{options.language, settings.operatorName, Utf8OfPath(PathFromUtf8(doc.fileName).filename()),
                          settings.sheetFolder};
  SeriesStation ports(image, cfg, VersionsFor(options), station, console, units ? &*units : nullptr);
  ports.SetSheetPrinter(printer.get());
  if (!settings.logFile.empty() && !ports.OpenLog(settings.logFile)) {
    Complain(FillIn(Text(Txt::SeriesLogFailed, options.language), {Utf8OfPath(settings.logFile)}));
    return kOutputError;
  }
  if (int code = line.Prepare(options); code != kOk) return code;
  PortEventLoop& loop = line.loop();
  const std::vector<std::string> names = options.ports.empty() ? std::vector{options.port} : options.ports;
  std::vector<std::unique_ptr<PortConsole>> views;
  std::vector<std::string> devices;
  for (std::size_t k = 0; k < names.size(); ++k) {
    auto device = k == 0 ? std::optional(line.device) : DeviceOfPortName(names[k]);
    if (!device) {
      console.NoteFailure(
          CannotOpen(options, console.OnPort(names[k], FillIn(Text(Txt::PortUnknown, options.language), {names[k]}))));
      continue;
    }
    PortEventLoop::Line added = k == 0 ? PortEventLoop::Line{line.port(), loop} : loop.AddLine();
    views.push_back(std::make_unique<PortConsole>(console, names[k]));
    ports.AddPort(names[k], added.port, added.timer, *views.back());
    devices.push_back(*device);
  }
  // A port that cannot be opened is told; the others go on without it.
  for (std::size_t k = 0; k < ports.portCount(); ++k) {
    PortOpenResult opened = ports.port(k).series().Start({devices[k], options.verify});
    if (!opened.ok())
      console.NoteFailure(CannotOpen(
          options, console.OnPort(ports.port(k).name(), PortFailureReason(opened, devices[k], options.language))));
  }
  if (!ports.AnyRunning()) return console.firstFailure;

  InterruptWatch watch;
  bool stopTold = false;
  loop.RunUntil([&] {
    for (std::size_t k = 0; k < ports.portCount(); ++k) {
      RadioSeries& series = ports.port(k).series();
      if (watch.interruptedAgain() && series.running()) {
        series.Abort();
      } else if (watch.interrupted() && series.running() && !series.stopping()) {
        series.Stop();
        if (series.stopping() && !stopTold) std::cerr << Text(Txt::SeriesStopping, options.language) << '\n';
        stopTold = stopTold || series.stopping();
      }
    }
    return !ports.AnyRunning();
  });
  std::cout << FillIn(Text(Txt::SeriesSummary, options.language),
                      {std::to_string(ports.written()), std::to_string(ports.failed())})
            << std::endl;
  if (ports.firstWrite()) KeepBackup(options, *ports.firstWrite(), ports.firstImage(), cfg, doc);
  return console.stoppedHard ? kStoppedHard : console.firstFailure;
}

}  // namespace zq::cli
