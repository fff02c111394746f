#pragma once
// Each subcommand of zq4071-cli lives in its own file and adds itself here.
#include <CLI/CLI.hpp>

namespace zq::cli {

// Exit codes shared by all subcommands.
enum ExitCode : int {
  kOk = 0,
  kDifferent = 1,    // diff: the two configurations differ
  kUsage = 2,        // bad command line
  kInputError = 3,   // a file could not be read or is not valid
  kOutputError = 4,  // a file could not be written
  // Radio transfers
  kPortError = 10,            // the serial port could not be opened
  kNoResponse = 11,           // the radio stopped answering
  kWrongModel = 12,           // the radio is another model
  kIncompatibleVersion = 13,  // the radio's firmware belongs to another release
  kVerifyFailed = 14,         // the radio read back after a write holds something else
  kStoppedHard = 130,         // a second Ctrl+C ended a series during a write (as a shell counts Ctrl+C)
  // Channel CSV files
  kCsvRefused = 20,       // the CSV file was refused as a whole; nothing imported
  kCsvCbBand = 21,        // CB channels cannot be imported; nothing imported
  kCsvLinesSkipped = 22,  // some lines were skipped; the others were imported
};

// Registration functions, one per command file; main.cpp calls them in this order.
#define ZQ_CLI_COMMANDS(X) \
  X(AddNewCommand)         \
  X(AddInfoCommand)        \
  X(AddEncodeCommand)      \
  X(AddDecodeCommand)      \
  X(AddDumpCommand)        \
  X(AddLoadJsonCommand)    \
  X(AddPortsCommand)       \
  X(AddDoctorCommand)      \
  X(AddReadCommand)        \
  X(AddWriteCommand)       \
  X(AddBackupsCommand)     \
  X(AddExportCsvCommand)   \
  X(AddImportCsvCommand)   \
  X(AddDiffCommand)

}  // namespace zq::cli
