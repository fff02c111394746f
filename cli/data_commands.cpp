#include "data_commands.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

#include "console_text.h"
#include "datafile/install_layout.h"
#include "platform/atomic_file.h"
#include "platform/local_date.h"
#include "platform/running_executable.h"
#include "platform/system_locale.h"
#include "platform/user_folders.h"
#include "platform/utf8_path.h"

namespace zq::cli {

std::filesystem::path ProgramFolder() {
  static const std::filesystem::path folder = [] {
    auto self = RunningExecutable();
    std::error_code ec;
    return self.empty() ? std::filesystem::current_path(ec) : self.parent_path();
  }();
  return folder;
}

CLI::Option* AddFileOption(CLI::App& command, const std::string& name, std::filesystem::path& file,
                           const std::string& help) {
  return command.add_option_function<std::string>(
      name, [&file](const std::string& text) { file = PathFromUtf8(text); }, help);
}

CLI::Validator ExistingFileValidator() {
  return CLI::Validator(
      [](std::string& text) {
        std::error_code ec;
        return std::filesystem::is_regular_file(PathFromUtf8(text), ec) ? std::string()
                                                                        : Say(Txt::CliCannotRead) + " " + text;
      },
      "FILE");
}

const InstallLayout& Layout() {
  static const InstallLayout layout = LayoutOf(ProgramFolder(), UserFoldersFromEnvironment());
  return layout;
}

int CliLanguage() {
  static const int language = ReadUserSettings(Layout().settingsFile, SystemLocaleId()).language;
  return language;
}

std::string Say(Txt id) { return std::string(Text(id, CliLanguage())); }

void Complain(std::string_view message, const std::filesystem::path& file) {
  // Messages quote what damaged files hold (a CSV value, a JSON member name).
  std::cerr << ForTerminal(message);
  if (!file.empty()) std::cerr << " " << ForTerminal(Utf8OfPath(file));
  std::cerr << "\n";
}

ProgramState& StartedState() {
  static ProgramState state;
  static bool started = false;
  if (!started) {
    StartupCore(Layout(), SystemLocaleId(), LocalToday(), SettingsAccess::ReadOnly, state);
    started = true;
  }
  return state;
}

void ComplainTemplateMissing(const std::string& rangeText) {
  Complain(Say(Txt::CliTemplateMissing), TemplateFileOf(Layout().dataFolder, rangeText, TemplateKind::New));
}

bool StartedFromTemplate() {
  const ProgramState& state = StartedState();
  if (!state.templateLoaded) ComplainTemplateMissing(state.document.rangeText);
  return state.templateLoaded;
}

bool Report(const FileResult& result, const std::filesystem::path& dataFile) {
  // A missing channel file is no fault of the data file named on the command line.
  if (!result.ok())
    Complain(FileResultText(result, CliLanguage()), result.inChannelFile ? ChannelFilePath(dataFile) : dataFile);
  if (std::string note = FileResultNote(result, dataFile, CliLanguage()); !note.empty()) Complain(note);
  return result.ok();
}

bool OpenForCommand(const std::filesystem::path& dataFile, EditedDocument& edited) {
  return Report(OpenDataFile(dataFile, StartedState().versions, edited), dataFile);
}

bool ReadStoredForCommand(const std::filesystem::path& dataFile, WorkingCopy& stored) {
  return Report(ReadDataFiles(dataFile, StartedState().versions, stored), dataFile);
}

bool SaveForCommand(const std::filesystem::path& dataFile, EditedDocument& edited) {
  return Report(SaveDataFile(dataFile, edited), dataFile);
}

std::optional<std::string> ReadFileForCommand(const std::filesystem::path& file, std::uintmax_t limit) {
  std::error_code ec;
  // Only a regular file has a size; opening a pipe would wait for a writer that may never come.
  const bool regular = std::filesystem::is_regular_file(file, ec);
  const std::uintmax_t size = regular ? std::filesystem::file_size(file, ec) : 0;
  if (!regular || ec) {
    Complain(Say(Txt::CliCannotRead), file);
    return std::nullopt;
  }
  if (size > limit) {
    Complain(Say(Txt::CliFileTooLarge), file);
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf()) || in.bad()) {
    // An empty file is a valid read that leaves the stream without characters.
    if (in && size == 0) return std::string();
    Complain(Say(Txt::CliCannotRead), file);
    return std::nullopt;
  }
  return text.str();
}

bool WriteFileForCommand(const std::filesystem::path& file, std::span<const uint8_t> bytes) {
  if (WriteFileAtomically(file, bytes)) return true;
  Complain(Say(Txt::CliCannotWrite), file);
  return false;
}

}  // namespace zq::cli
