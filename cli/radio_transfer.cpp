#include "radio_transfer.h"

#include <fstream>
#include <iostream>
#include <memory>

#include "commands.h"
#include "console_text.h"
#include "data_commands.h"
#include "datafile/version_list.h"
#include "link/comm_transfer.h"
#include "link/port_messages.h"
#include "link/port_names.h"
#include "link/native_link.h"
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
        caption_(Text(kind == TransferKind::Read ? Txt::ReadProgressCaption : Txt::WriteProgressCaption, language)),
        onTerminal_(StandardErrorIsTerminal()) {}

  // The command line never starts another release: it shows the question and ends.
  void AskIncompatibleVersion(const std::string& question, const std::string&) override {
    EndProgressLine();
    std::cerr << ForTerminal(question) << '\n';
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

  void VerifyStarted() override {
    EndProgressLine();
    caption_ = Text(Txt::VerifyProgressCaption, language_);
    lastTenth_ = 0;
  }

  void TransferEnded(const TransferOutcome& outcome) override {
    EndProgressLine();
    for (const std::string& message : outcome.messages) std::cerr << ForTerminal(message) << '\n';
    outcome_ = outcome;
  }

  const TransferOutcome& outcome() const { return outcome_; }

  int ExitCode() const {
    switch (outcome_.failure) {
      case TransferFailure::None:
        return kOk;
      case TransferFailure::NoResponse:
        return kNoResponse;
      case TransferFailure::WrongModel:
        return kWrongModel;
      case TransferFailure::IncompatibleVersion:
        return kIncompatibleVersion;
      case TransferFailure::VerifyMismatch:
        return kVerifyFailed;
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
  TransferOutcome outcome_{TransferKind::None, false, TransferFailure::NoResponse};
};

}  // namespace

void AddRadioOptions(CLI::App& command, RadioOptions& options) {
  options.language = CliLanguage();
  command.add_option("--port", options.port, Say(Txt::CliPortHelp))->required();
  AddFileOption(command, "--trace", options.trace, Say(Txt::CliTraceHelp));
  AddFileOption(command, "--versions", options.versionList, Say(Txt::CliVersionsHelp))->check(ExistingFileValidator());
  command.add_option("--language", options.language, Say(Txt::CliLanguageHelp))->check(CLI::Range(1, 2));
  command.add_flag("--no-backup", options.noBackup, Say(Txt::CliNoBackupHelp));
}

int RunRadioTransfer(TransferKind kind, const RadioOptions& options, MemoryImage& image, TransferOutcome& outcome) {
  auto cannotOpen = [&](const std::string& reason) {
    std::cerr << Text(Txt::CannotOpenPort, options.language) << '\n' << reason << '\n';
    return kPortError;
  };
  auto device = DeviceOfPortName(options.port);
  if (!device) return cannotOpen(FillIn(Text(Txt::PortUnknown, options.language), {options.port}));

  VersionList versions =
      options.versionList.empty() ? StartedState().versions : LoadVersionList(options.versionList);
  NativeLink link = MakeNativeLink();
  std::ofstream traceFile;
  std::unique_ptr<TracedPort> traced;
  if (!options.trace.empty()) {
    traceFile.open(options.trace);
    if (!traceFile) {
      Complain(Say(Txt::CliCannotWrite), options.trace);
      return kOutputError;
    }
    traced = std::make_unique<TracedPort>(*link.port, traceFile);
  }
  SerialPort& port = traced ? static_cast<SerialPort&>(*traced) : *link.port;
  ConsoleHost host(kind, options.language);
  TransferEngine engine(port, *link.loop, image, versions, host);

  engine.SetVerifyAfterWrite(options.verify);
  PortOpenResult opened = engine.OpenRadioPort(kind, *device, options.language);
  if (!opened.ok()) return cannotOpen(PortFailureReason(opened, *device, options.language));
  engine.Begin();
  link.loop->RunUntil([&] { return !engine.running(); });
  outcome = host.outcome();
  return host.ExitCode();
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
