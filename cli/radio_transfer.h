#pragma once
// What the read and write commands share: the options that name the radio's
// port, and one transfer run on this thread with progress on the terminal.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "config/radio_config.h"
#include "datafile/version_list.h"
#include "image/memory_image.h"
#include "link/native_link.h"
#include "link/traced_port.h"
#include "link/transfer_host.h"
#include "text/language_table.h"

namespace zq::cli {

struct RadioOptions {
  std::string port;                   // a device path, or "COM" + number
  std::vector<std::string> ports;     // every --port of a command that takes several; its callback sets `port` to the
                                      // first
  std::filesystem::path trace;        // file for the frame trace; empty for none
  std::filesystem::path versionList;  // empty: the program's own version list
  int language = 1;
  bool noBackup = false;  // keep no backup of the transfer
  bool verify = false;    // read a write back and compare it
};

// --port is required unless the command can do without a radio; a series of
// writes takes it several times.
enum class PortCount { One, Several };
void AddRadioOptions(CLI::App& command, RadioOptions& options, bool portRequired = true,
                     PortCount count = PortCount::One);

// The port a radio command talks through: the serial device, with every frame
// written to the trace file when the options ask for one.
struct RadioLine {
  std::string device;
  NativeLink link = MakeNativeLink();
  std::ofstream traceFile;
  std::unique_ptr<TracedPort> traced;

  // Finds the device and opens the trace; the exit code, with the message shown, on failure.
  int Prepare(const RadioOptions& options);
  SerialPort& port();
  // Delivers the port's bytes and the reply timer on this thread.
  PortEventLoop& loop() { return *link.loop; }
};

// Shows "Cannot Open Communication Port." and the reason; returns the exit code.
int CannotOpen(const RadioOptions& options, const std::string& reason);
const VersionList& VersionsFor(const RadioOptions& options);
int ExitCodeOf(const TransferOutcome& outcome);

// A transfer's progress on standard error: a bar on a terminal, a line every
// ten percent in a log.
class ProgressLine {
 public:
  ProgressLine(int language, Txt caption);
  void Show(int percent);
  // Progress starts again from 0 under another caption.
  void Restart(Txt caption);
  // Ends the bar's line before other text is written.
  void End();

 private:
  int language_;
  std::string caption_;
  bool onTerminal_;
  bool barShown_ = false;
  int lastTenth_ = 0;
};

// Runs one transfer; a read fills `image` and a write sends it. Prints the
// progress and every message, and returns the exit code.
int RunRadioTransfer(TransferKind kind, const RadioOptions& options, MemoryImage& image, TransferOutcome& outcome);

// Keeps the backup the outcome calls for in the backups folder, unless the
// options say not to, and names its files; a failure is only a warning.
void KeepBackup(const RadioOptions& options, const TransferOutcome& outcome, const MemoryImage& image,
                const RadioConfig& cfg, const DocumentState& doc);

}  // namespace zq::cli
