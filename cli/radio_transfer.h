#pragma once
// What the read and write commands share: the options that name the radio's
// port, and one transfer run on this thread with progress on the terminal.
#include <CLI/CLI.hpp>

#include <string>

#include "image/memory_image.h"
#include "link/transfer_host.h"
#include "shell/language_table.h"

namespace zq::cli {

struct RadioOptions {
  std::string port;         // a device path, or "COM" + number
  std::string trace;        // file for the frame trace; empty for none
  std::string versionList;  // empty: Version.ini of the folder shared by all releases
  int language = 1;
};

void AddRadioOptions(CLI::App& command, RadioOptions& options);

// Runs one transfer; a read fills `image` and a write sends it. Prints the
// progress and every message; returns the exit code.
int RunRadioTransfer(TransferKind kind, const RadioOptions& options, MemoryImage& image);

// A language-table text with one "{name}" filled in, in the options' language.
std::string Message(const RadioOptions& options, Txt text, std::string_view name, const std::string& value);

}  // namespace zq::cli
