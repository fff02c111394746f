#pragma once
// What the data-file commands of zq4071-cli share: where the files are, the
// language of their texts, the start-up state, and file reading and writing
// that turn every failure into a message and an exit code.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "datafile/data_file.h"
#include "text/language_table.h"
#include "shell/startup_core.h"

namespace zq::cli {

// The folder of this executable.
std::filesystem::path ProgramFolder();
// Where the templates, the settings file and the backups are, decided by ProgramFolder().
const InstallLayout& Layout();
// The language the program would start in; the settings file is only read.
int CliLanguage();
std::string Say(Txt id);
// The message, and the file it concerns, on standard error.
void Complain(std::string_view message, const std::filesystem::path& file = {});

// The program's start without windows and without touching the settings file.
ProgramState& StartedState();

// Prints the message of a failed read or write of a data file pair, naming the
// file at fault; true when the result is ok.
bool Report(const FileResult& result, const std::filesystem::path& dataFile);
// Reads and checks a data file pair; prints the message on failure.
bool OpenForCommand(const std::filesystem::path& dataFile, RadioConfig& cfg, DocumentState& doc,
                    WorkingCopy& working);
bool ReadStoredForCommand(const std::filesystem::path& dataFile, WorkingCopy& stored);
// Saves the configuration as a data file pair; prints the message on failure.
bool SaveForCommand(const std::filesystem::path& dataFile, RadioConfig& cfg, DocumentState& doc,
                    WorkingCopy& working);

// A whole file of at most `limit` bytes; prints the message on failure.
std::optional<std::string> ReadFileForCommand(const std::filesystem::path& file, std::uintmax_t limit);
bool WriteFileForCommand(const std::filesystem::path& file, std::span<const uint8_t> bytes);

}  // namespace zq::cli
