#include "radio_transfer.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "commands.h"
#include "datafile/version_list.h"
#include "link/comm_transfer.h"
#include "link/port_messages.h"
#include "link/port_names.h"
#include "link/posix_event_loop.h"
#include "link/traced_port.h"

namespace zq::cli {
namespace {

constexpr int kBarWidth = 40;

// The messages use CR LF between lines, as message boxes want; a terminal wants LF.
std::string ForConsole(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

std::filesystem::path SharedFolder() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().parent_path();
}

class ConsoleHost : public TransferHost {
 public:
  ConsoleHost(TransferKind kind, int language)
      : language_(language),
        caption_(Text(kind == TransferKind::Read ? Txt::ReadProgressCaption : Txt::WriteProgressCaption, language)),
        onTerminal_(::isatty(STDERR_FILENO) == 1) {}

  // The command line never starts another release: it shows the question and ends.
  void AskIncompatibleVersion(const std::string& question, const std::string&) override {
    EndProgressLine();
    std::cerr << ForConsole(question) << '\n';
  }

  void ShowProgress(int percent) override {
    std::string label = std::string(Text(Txt::CompletionLabel, language_)) + std::to_string(percent) + "%";
    if (onTerminal_) {
      int filled = percent * kBarWidth / 100;
      std::cerr << '\r' << caption_ << " [" << std::string(filled, '#') << std::string(kBarWidth - filled, '.')
                << "] " << label << std::flush;
      barShown_ = true;
    } else if (percent / 10 > lastTenth_) {  // a log gets a line every ten percent
      lastTenth_ = percent / 10;
      std::cerr << caption_ << ": " << label << '\n';
    }
  }

  void TransferEnded(const TransferOutcome& outcome) override {
    EndProgressLine();
    for (const std::string& message : outcome.messages) std::cerr << ForConsole(message) << '\n';
    if (outcome.success) std::cout << ForConsole(outcome.completionMessage) << '\n';
    failure_ = outcome.failure;
  }

  int ExitCode() const {
    switch (failure_) {
      case TransferFailure::None:
        return kOk;
      case TransferFailure::NoResponse:
        return kNoResponse;
      case TransferFailure::WrongModel:
        return kWrongModel;
      case TransferFailure::IncompatibleVersion:
        return kIncompatibleVersion;
    }
    return kNoResponse;
  }

 private:
  void EndProgressLine() {
    if (barShown_) std::cerr << '\n';
    barShown_ = false;
  }

  int language_;
  std::string caption_;
  bool onTerminal_;
  bool barShown_ = false;
  int lastTenth_ = 0;
  TransferFailure failure_ = TransferFailure::NoResponse;
};

}  // namespace

void AddRadioOptions(CLI::App& command, RadioOptions& options) {
  command.add_option("--port", options.port, "Serial device of the radio (a path such as /dev/ttyUSB0, or COM<n>)")
      ->required();
  command.add_option("--trace", options.trace, "Write every frame sent and received, with its time, to this file");
  command.add_option("--versions", options.versionList,
                     "Version list to check the radio's firmware against (default: Version.ini of the shared folder)");
  command.add_option("--language", options.language, "1 English, 2 Chinese")->check(CLI::Range(1, 2));
}

std::string Message(const RadioOptions& options, Txt text, std::string_view name, const std::string& value) {
  return FillIn(Text(text, options.language), name, value);
}

int RunRadioTransfer(TransferKind kind, const RadioOptions& options, MemoryImage& image) {
  auto cannotOpen = [&](const std::string& reason) {
    std::cerr << Text(Txt::CannotOpenPort, options.language) << '\n' << reason << '\n';
    return kPortError;
  };
  auto device = DeviceOfPortName(options.port);
  if (!device) return cannotOpen(Message(options, Txt::PortUnknown, "device", options.port));

  VersionList versions =
      LoadVersionList(options.versionList.empty() ? SharedFolder() / "Version.ini" : std::filesystem::path(options.versionList));
  PosixSerialPort posixPort;
  std::ofstream traceFile;
  std::unique_ptr<TracedPort> traced;
  if (!options.trace.empty()) {
    traceFile.open(options.trace);
    if (!traceFile) {
      std::cerr << Message(options, Txt::CannotWriteFile, "file", options.trace) << '\n';
      return kOutputError;
    }
    traced = std::make_unique<TracedPort>(posixPort, traceFile);
  }
  SerialPort& port = traced ? static_cast<SerialPort&>(*traced) : posixPort;
  PosixEventLoop loop(posixPort);
  ConsoleHost host(kind, options.language);
  TransferEngine engine(port, loop, image, versions, host);

  PortOpenResult opened = engine.OpenRadioPort(kind, *device, options.language);
  if (!opened.ok()) return cannotOpen(PortFailureReason(opened, *device, options.language));
  engine.Begin();
  loop.RunUntil([&] { return !engine.running(); });
  return host.ExitCode();
}

}  // namespace zq::cli
