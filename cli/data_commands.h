#pragma once
// What the data-file commands of zq4071-cli share: where the files are, the
// language of their texts, the start-up state, file names from the command
// line, and file reading and writing that turn every failure into a message
// and an exit code.
#include <CLI/CLI.hpp>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "datafile/data_file.h"
#include "shell/startup_core.h"
#include "text/language_table.h"

namespace zq::cli {

// The folder of this executable.
std::filesystem::path ProgramFolder();
// A file named on the command line, taken as UTF-8 (main passes every argument so).
CLI::Option* AddFileOption(CLI::App& command, const std::string& name, std::filesystem::path& file,
                           const std::string& help);
// Refuses a name that is no existing regular file.
CLI::Validator ExistingFileValidator();
// Where the templates, the settings file and the backups are, decided by ProgramFolder().
const InstallLayout& Layout();
// The language the program would start in; the settings file is only read.
int CliLanguage();
std::string Say(Txt id);
// The message, and the file it concerns, on standard error.
void Complain(std::string_view message, const std::filesystem::path& file = {});

// The program's start without windows and without touching the settings file.
ProgramState& StartedState();
// Says which template of the program folder is missing or unreadable: a new
// configuration cannot be made without it.
void ComplainTemplateMissing(const std::string& rangeText);
// Whether the started state's new document came from its template, as a
// decoded image or a read needs for what the radio does not hold; says which
// template is missing when not.
bool StartedFromTemplate();

// Prints the message of a failed read or write of a data file pair, naming the
// file at fault, or the note on a pair whose interrupted save was completed;
// true when the result is ok.
bool Report(const FileResult& result, const std::filesystem::path& dataFile);
// Reads and checks a data file pair; prints the message on failure.
bool OpenForCommand(const std::filesystem::path& dataFile, EditedDocument& edited);
bool ReadStoredForCommand(const std::filesystem::path& dataFile, WorkingCopy& stored);
// Saves the configuration as a data file pair; prints the message on failure.
bool SaveForCommand(const std::filesystem::path& dataFile, EditedDocument& edited);

// A whole file of at most `limit` bytes; prints the message on failure.
std::optional<std::string> ReadFileForCommand(const std::filesystem::path& file, std::uintmax_t limit);
bool WriteFileForCommand(const std::filesystem::path& file, std::span<const uint8_t> bytes);

}  // namespace zq::cli
