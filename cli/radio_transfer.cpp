#include "radio_transfer.h"

#include <fstream>
#include <iostream>
#include <memory>

#include "commands.h"
#include "console_text.h"
#include "data_commands.h"
#include "datafile/version_list.h"
#include "link/comm_transfer.h"
#include "link/native_link.h"
#include "link/port_messages.h"
#include "link/port_names.h"
#include "link/traced_port.h"
#include "platform/console.h"
#include "platform/local_date.h"
#include "platform/utf8_path.h"
#include "shell/transfer_backup.h"

namespace zq::cli {
namespace {

constexpr int kBarWidth = 40;

class ConsoleHost : public TransferHost {
 public:
  ConsoleHost(TransferKind kind, int language)
      : language_(language),
        progress_(language, kind == TransferKind::Read ? Txt::ReadProgressCaption : Txt::WriteProgressCaption) {}

  // The command line never starts another release: it shows the question and ends.
  void AskIncompatibleVersion(const std::string& firmwareVersion) override {
    progress_.End();
    std::cerr << ForTerminal(IncompatibilityText(kDataVersion, firmwareVersion, VersionKind::RadioFirmware, language_))
              << '\n';
  }

  void ShowProgress(int percent) override { progress_.Show(percent); }

  void VerifyStarted() override { progress_.Restart(Txt::VerifyProgressCaption); }

  void TransferEnded(const TransferOutcome& outcome) override {
    progress_.End();
    for (const TextMessage& message : outcome.messages) std::cerr << ForTerminal(Render(message, language_)) << '\n';
    outcome_ = outcome;
  }

  const TransferOutcome& outcome() const { return outcome_; }

 private:
  int language_;
  ProgressLine progress_;
  TransferOutcome outcome_{TransferKind::None, false, TransferFailure::NoResponse};
};

}  // namespace

ProgressLine::ProgressLine(int language, Txt caption)
    : language_(language), caption_(Text(caption, language)), onTerminal_(StandardErrorIsTerminal()) {}

void ProgressLine::Show(int percent) {
  std::string label = std::string(Text(Txt::CompletionLabel, language_)) + std::to_string(percent) + "%";
  if (onTerminal_) {
    int filled = percent * kBarWidth / 100;
    std::cerr << '\r' << caption_ << " [" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << "] "
              << label << std::flush;
    barShown_ = true;
  } else if (percent / 10 > lastTenth_) {  // a log gets a line every ten percent
    lastTenth_ = percent / 10;
    std::cerr << caption_ << ": " << label << '\n';
  }
}

void ProgressLine::Restart(Txt caption) {
  End();
  caption_ = Text(caption, language_);
  lastTenth_ = 0;
}

void ProgressLine::End() {
  if (barShown_) std::cerr << '\n';
  barShown_ = false;
}

int ExitCodeOf(const TransferOutcome& outcome) {
  switch (outcome.failure) {
    case TransferFailure::None: return kOk;
    case TransferFailure::NoResponse: return kNoResponse;
    case TransferFailure::WrongModel: return kWrongModel;
    case TransferFailure::IncompatibleVersion: return kIncompatibleVersion;
    case TransferFailure::VerifyMismatch: return kVerifyFailed;
    case TransferFailure::Stopped: return kStoppedHard;
  }
  return kNoResponse;
}

SerialPort& RadioLine::port() { return traced ? static_cast<SerialPort&>(*traced) : *link.port; }

int RadioLine::Prepare(const RadioOptions& options) {
  auto named = DeviceOfPortName(options.port);
  if (!named) return CannotOpen(options, FillIn(Text(Txt::PortUnknown, options.language), {options.port}));
  device = *named;
  if (options.trace.empty()) return kOk;
  traceFile.open(options.trace);
  if (!traceFile) {
    Complain(Say(Txt::CliCannotWrite), options.trace);
    return kOutputError;
  }
  traced = std::make_unique<TracedPort>(*link.port, traceFile);
  return kOk;
}

int CannotOpen(const RadioOptions& options, const std::string& reason) {
  std::cerr << Text(Txt::CannotOpenPort, options.language) << '\n' << reason << '\n';
  return kPortError;
}

const VersionList& VersionsFor(const RadioOptions& options) {
  static std::optional<VersionList> loaded;
  if (options.versionList.empty()) return StartedState().versions;
  if (!loaded) loaded = LoadVersionList(options.versionList);
  return *loaded;
}

void AddRadioOptions(CLI::App& command, RadioOptions& options, bool portRequired, PortCount count) {
  options.language = CliLanguage();
  if (count == PortCount::Several) {
    // One device after each --port, so that the data file after the last is not taken for another port.
    command.add_option("--port", options.ports, Say(Txt::CliSeriesPortHelp))
        ->required(portRequired)
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  } else {
    command.add_option("--port", options.port, Say(portRequired ? Txt::CliPortHelp : Txt::CliDiffPortHelp))
        ->required(portRequired);
  }
  AddFileOption(command, "--trace", options.trace, Say(Txt::CliTraceHelp));
  AddFileOption(command, "--versions", options.versionList, Say(Txt::CliVersionsHelp))->check(ExistingFileValidator());
  command.add_option("--language", options.language, Say(Txt::CliLanguageHelp))->check(CLI::Range(1, 2));
  command.add_flag("--no-backup", options.noBackup, Say(Txt::CliNoBackupHelp));
}

int RunRadioTransfer(TransferKind kind, const RadioOptions& options, MemoryImage& image, TransferOutcome& outcome) {
  RadioLine line;
  if (int code = line.Prepare(options); code != kOk) return code;
  ConsoleHost host(kind, options.language);
  TransferEngine engine(line.port(), line.loop(), image, VersionsFor(options), host);

  engine.SetVerifyAfterWrite(options.verify);
  PortOpenResult opened = engine.OpenRadioPort(kind, line.device);
  if (!opened.ok()) return CannotOpen(options, PortFailureReason(opened, line.device, options.language));
  engine.Begin();
  line.loop().RunUntil([&] { return !engine.running(); });
  outcome = host.outcome();
  return ExitCodeOf(outcome);
}

void KeepBackup(const RadioOptions& options, const TransferOutcome& outcome, const MemoryImage& image,
                const RadioConfig& cfg, const DocumentState& doc) {
  if (options.noBackup) return;
  const auto& folder = Layout().backupFolder;
  auto backup = BackUpTransfer(outcome, folder, LocalNow(), image, cfg, doc);
  if (!backup) return;
  if (!backup->ok) {
    std::cerr << BackupFailedText(folder, options.language) << '\n';
    return;
  }
  for (const auto& file : backup->files)
    std::cerr << FillIn(Text(Txt::BackupSaved, options.language), {Utf8OfPath(file)}) << '\n';
}

}  // namespace zq::cli
