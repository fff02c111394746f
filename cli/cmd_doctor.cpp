// zq4071-cli doctor: what stands between this computer and the radio. Every
// serial device with its facts and problems, or one port and a handshake with
// the radio on it (greeting and identity only; nothing is read or written).
#include <algorithm>
#include <iostream>

#include "commands.h"
#include "console_text.h"
#include "data_commands.h"
#include "link/handshake_check.h"
#include "link/port_diagnosis.h"
#include "radio_transfer.h"

namespace zq::cli {
namespace {

void PrintLine(const ReportLine& line) { std::cout << "  " << line.label << ": " << ForTerminal(line.value) << '\n'; }

void PrintProblem(const PortProblem& problem, int language) {
  std::cout << "  " << Text(Txt::DoctorProblem, language) << ": " << ForTerminal(ProblemText(problem, language)) << '\n'
            << "    " << Text(Txt::DoctorRemedy, language) << ": " << ForTerminal(RemedyText(problem, language))
            << '\n';
}

void PrintDiagnosis(const PortDiagnosis& diagnosis, int language) {
  std::cout << ForTerminal(PortHeading(diagnosis.facts)) << '\n';
  for (const ReportLine& line : FactLines(diagnosis.facts, language)) PrintLine(line);
  for (const PortProblem& problem : diagnosis.problems) PrintProblem(problem, language);
  if (diagnosis.problems.empty()) std::cout << "  " << Text(Txt::DoctorNoProblem, language) << '\n';
}

int DoctorExitCode(HandshakeResult result) {
  switch (result) {
    case HandshakeResult::Passed: return kOk;
    case HandshakeResult::PortNotOpened: return kPortError;
    case HandshakeResult::NoReply:
    case HandshakeResult::NoIdentity:
    case HandshakeResult::Garbage: return kNoResponse;
    case HandshakeResult::WrongModel: return kWrongModel;
    case HandshakeResult::IncompatibleVersion: return kIncompatibleVersion;
  }
  return kNoResponse;
}

int CheckOnePort(const RadioOptions& options) {
  RadioLine line;
  if (int code = line.Prepare(options); code != kOk) return code;
  const int language = options.language;
  PortDiagnosis diagnosis = Diagnose(ReadPortFacts(line.device));
  PrintDiagnosis(diagnosis, language);
  // Greeting a port that cannot be opened, or that another program reads, tells nothing more.
  if (std::ranges::any_of(diagnosis.problems, &PortProblem::blocksHandshake)) {
    PrintLine(
        {std::string(Text(Txt::DoctorHandshake, language)), std::string(Text(Txt::DoctorHandshakeSkipped, language))});
    return kPortError;
  }
  HandshakeCheck check(line.port(), line.loop(), VersionsFor(options));
  if (check.Start(line.device)) line.loop().RunUntil([&] { return !check.running(); });
  for (const ReportLine& reported : HandshakeLines(check.report(), language)) PrintLine(reported);
  if (auto problem = ProblemOf(check.report())) PrintProblem(*problem, language);
  return DoctorExitCode(check.report().result);
}

}  // namespace

void AddDoctorCommand(CLI::App& app, int& exitCode) {
  auto* command = app.add_subcommand("doctor", Say(Txt::CliDoctorHelp));
  static RadioOptions options;
  options.language = CliLanguage();
  command->add_option("--port", options.port, Say(Txt::CliDoctorPortHelp));
  AddFileOption(*command, "--trace", options.trace, Say(Txt::CliTraceHelp));
  AddFileOption(*command, "--versions", options.versionList, Say(Txt::CliVersionsHelp))->check(ExistingFileValidator());
  command->add_option("--language", options.language, Say(Txt::CliLanguageHelp))->check(CLI::Range(1, 2));
  command->callback([&exitCode] {
    if (!options.port.empty()) {
      exitCode = CheckOnePort(options);
      return;
    }
    auto all = ReadAllPortFacts();
    if (all.empty()) Complain(Say(Txt::NoSerialPorts));
    for (PortFacts& facts : all) PrintDiagnosis(Diagnose(std::move(facts)), options.language);
    exitCode = kOk;
  });
}

}  // namespace zq::cli
