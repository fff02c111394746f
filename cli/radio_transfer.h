#pragma once
// What the read and write commands share: the options that name the radio's
// port, and one transfer run on this thread with progress on the terminal.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <string>

#include "config/radio_config.h"
#include "image/memory_image.h"
#include "link/transfer_host.h"

namespace zq::cli {

struct RadioOptions {
  std::string port;         // a device path, or "COM" + number
  std::filesystem::path trace;        // file for the frame trace; empty for none
  std::filesystem::path versionList;  // empty: the program's own version list
  int language = 1;
  bool noBackup = false;  // keep no backup of the transfer
  bool verify = false;    // read a write back and compare it
};

void AddRadioOptions(CLI::App& command, RadioOptions& options);

// Runs one transfer; a read fills `image` and a write sends it. Prints the
// progress and every message, and returns the exit code.
int RunRadioTransfer(TransferKind kind, const RadioOptions& options, MemoryImage& image, TransferOutcome& outcome);

// Keeps the backup the outcome calls for in the backups folder, unless the
// options say not to, and names its files; a failure is only a warning.
void KeepBackup(const RadioOptions& options, const TransferOutcome& outcome, const MemoryImage& image,
                const RadioConfig& cfg, const DocumentState& doc);

}  // namespace zq::cli
