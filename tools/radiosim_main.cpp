// zq4071-radiosim: a simulated radio on a pseudo-terminal. Prints the device
// path the PC side opens, then answers until killed.
#include <signal.h>
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "config/radio_config.h"
#include "image/image_file.h"
#include "link/pty_radio_server.h"
#include "text/language_table.h"
#include "text/plain_text.h"

namespace {

zq::PtyRadioServer* g_server = nullptr;

// The simulator is a developer's tool and speaks English.
std::string Say(zq::Txt text) { return std::string(zq::Text(text, zq::kEnglish)); }

void StopOnSignal(int) {
  if (g_server) g_server->Stop();
}

// "N" or "N:K": replies to frames N .. N+K-1; "@R" after either counts the frames of radio R of a series.
zq::FaultRule ParseFault(zq::FaultKind kind, const std::string& text) {
  std::size_t at = text.find('@');
  std::string frames = text.substr(0, at);
  std::size_t colon = frames.find(':');
  auto first = zq::ParseInteger(frames.substr(0, colon));
  auto count = colon == std::string::npos ? std::optional<long long>(1) : zq::ParseInteger(frames.substr(colon + 1));
  auto radio = at == std::string::npos ? std::optional<long long>(0) : zq::ParseInteger(text.substr(at + 1));
  auto inRange = [](const std::optional<long long>& n, long long least) { return n && *n >= least && *n <= 1'000'000; };
  if (!inRange(first, 1) || !inRange(count, 1) || !inRange(radio, at == std::string::npos ? 0 : 1))
    throw CLI::ValidationError(zq::FillIn(Say(zq::Txt::SimFaultInvalid), {text}));
  return zq::FaultRule{kind, static_cast<int>(*first), static_cast<int>(*count), static_cast<int>(*radio)};
}

// "R:F": radio R of the series is taken away after F frames of its own.
zq::RadioDropOut ParseDropOut(const std::string& text) {
  std::size_t colon = text.find(':');
  auto radio = zq::ParseInteger(text.substr(0, colon));
  auto frames = colon == std::string::npos ? std::nullopt : zq::ParseInteger(text.substr(colon + 1));
  if (!radio || !frames || *radio < 1 || *frames < 0 || *radio > 1'000'000 || *frames > 1'000'000)
    throw CLI::ValidationError(zq::FillIn(Say(zq::Txt::SimDropOutInvalid), {text}));
  return zq::RadioDropOut{static_cast<int>(*radio), static_cast<int>(*frames)};
}

// "%n" in the file name stands for the number of the radio in a series, so
// that each radio of the series keeps its own memory.
std::string SavePath(std::string pattern, int radio) {
  if (auto at = pattern.find("%n"); at != std::string::npos) pattern.replace(at, 2, std::to_string(radio));
  return pattern;
}

struct Options {
  std::string imageFile, saveWritten;
  zq::RadioIdentity identity{zq::kModelName, true, zq::kDataVersion};
  bool noHf = false, silent = false;
  zq::RadioBehaviour behaviour;
  std::vector<std::pair<zq::FaultKind, std::vector<std::string>>> faults = {{zq::FaultKind::Drop, {}},
                                                                            {zq::FaultKind::CorruptChecksum, {}},
                                                                            {zq::FaultKind::WrongAddress, {}},
                                                                            {zq::FaultKind::Garbage, {}},
                                                                            {zq::FaultKind::LoseBlock, {}}};
  bool exitAfterTransfer = false;
  int stayMs = 300, absentMs = 3000;
  std::vector<std::string> dropOuts;
};

void AddOptions(CLI::App& app, Options& o) {
  app.add_option("--image", o.imageFile, Say(zq::Txt::SimImageHelp))->check(CLI::ExistingFile);
  app.add_option("--save-written", o.saveWritten, Say(zq::Txt::SimSaveWrittenHelp));
  app.add_option("--model", o.identity.model, Say(zq::Txt::SimModelHelp))->default_str(zq::kModelName);
  app.add_flag("--no-hf", o.noHf, Say(zq::Txt::SimNoHfHelp));
  app.add_option("--firmware", o.identity.firmwareVersion, Say(zq::Txt::SimFirmwareHelp))
      ->default_str(zq::kDataVersion);
  app.add_flag("--silent", o.silent, Say(zq::Txt::SimSilentHelp));
  const char* names[] = {"--drop", "--corrupt-checksum", "--wrong-address", "--garbage", "--lose-block"};
  const zq::Txt help[] = {zq::Txt::SimDropHelp, zq::Txt::SimCorruptHelp, zq::Txt::SimWrongAddressHelp,
                          zq::Txt::SimGarbageHelp, zq::Txt::SimLoseBlockHelp};
  for (std::size_t k = 0; k < o.faults.size(); ++k) app.add_option(names[k], o.faults[k].second, Say(help[k]));
  app.add_option("--stop-after", o.behaviour.stopAfterFrames, Say(zq::Txt::SimStopAfterHelp));
  app.add_option("--hang-up-after", o.behaviour.hangUpAfterFrames, Say(zq::Txt::SimHangUpHelp));
  app.add_option("--baud", o.behaviour.baud, Say(zq::Txt::SimBaudHelp));
  app.add_flag("--exit-after-transfer", o.exitAfterTransfer, Say(zq::Txt::SimExitHelp));
  app.add_option("--series", o.behaviour.series.radios, Say(zq::Txt::SimSeriesHelp))->check(CLI::Range(1, 1'000'000));
  app.add_option("--stay", o.stayMs, Say(zq::Txt::SimStayHelp))->check(CLI::Range(0, 3'600'000));
  app.add_option("--absent", o.absentMs, Say(zq::Txt::SimAbsentHelp))->check(CLI::Range(0, 3'600'000));
  app.add_option("--drop-out", o.dropOuts, Say(zq::Txt::SimDropOutHelp));
}

int Serve(Options& o) {
  zq::MemoryImage memory;
  if (!o.imageFile.empty()) {
    auto loaded = zq::LoadImageFile(o.imageFile);
    if (!loaded) {
      std::cerr << Say(zq::Txt::CliImageWrongSize) << ' ' << o.imageFile << '\n';
      return 3;
    }
    memory = std::move(*loaded);
  }
  o.identity.hfCapable = !o.noHf;
  if (o.silent) o.behaviour.stopAfterFrames = 0;
  for (const auto& [kind, texts] : o.faults)
    for (const std::string& text : texts) o.behaviour.faults.push_back(ParseFault(kind, text));
  o.behaviour.series.stayAfterEnd = std::chrono::milliseconds(o.stayMs);
  o.behaviour.series.absence = std::chrono::milliseconds(o.absentMs);
  for (const std::string& text : o.dropOuts) o.behaviour.series.dropOuts.push_back(ParseDropOut(text));

  std::string error;
  auto server = zq::PtyRadioServer::Create(error);
  if (!server) {
    std::cerr << zq::FillIn(Say(zq::Txt::PseudoTerminalFailed), {error}) << '\n';
    return 1;
  }
  zq::SimulatedRadio radio(std::move(memory), o.identity, o.behaviour);
  zq::ServeOptions serve;
  serve.exitAfterTransfer = o.exitAfterTransfer;
  if (!o.saveWritten.empty()) {
    serve.onTransferEnded = [&](const zq::SimulatedRadio& r) {
      const std::string file = SavePath(o.saveWritten, r.radioNumber());
      if (r.blocksWritten() > 0 && !zq::SaveImageFile(file, r.memory()))
        std::cerr << Say(zq::Txt::CliCannotWrite) << ' ' << file << '\n';
    };
  }
  g_server = server.get();
  struct sigaction stop {};
  stop.sa_handler = StopOnSignal;
  sigaction(SIGINT, &stop, nullptr);
  sigaction(SIGTERM, &stop, nullptr);
  signal(SIGPIPE, SIG_IGN);
  std::cout << server->devicePath() << std::endl;
  server->Serve(radio, serve);
  g_server = nullptr;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{Say(zq::Txt::SimHelp)};
  Options options;
  AddOptions(app, options);
  CLI11_PARSE(app, argc, argv);
  try {
    return Serve(options);
  } catch (const std::exception& e) {  // a fault option that is no number
    std::cerr << e.what() << '\n';
    return 2;
  }
}
