#pragma once
// The settings shared by all installed releases, kept in language/mysetup.ini
// (section "language") of the shared folder.
#include <filesystem>
#include <string>

namespace zq {

struct UserSettings {
  int language = 1;            // 1 English, 2 Chinese: always one of the two
  int portNumber = 1;          // "comPort"; 0 means no port chosen
  int handshaking = 0;         // "Handshaking"
  int stopBit = 1;             // "StopBit"
  bool firstRun = true;        // "IsFirstRun" as read; true also when it is missing or unreadable
  bool verifyWrite = false;    // "VerifyWrite": read a write back and compare it
  std::string seriesLog;       // "SeriesLog": the log file of the last series of radios (UTF-8), empty for none
  std::string seriesOperator;  // "SeriesOperator": who wrote the last series, for the log and the sheets
  std::string sheetFolder;     // "SheetFolder": where the hand-over sheets went last (UTF-8), empty for none
};

class IniFile;

// The settings a settings file's text holds, read as below.
UserSettings ReadUserSettings(const IniFile& ini, unsigned systemLocaleId);
// Reads the settings without writing anything. Missing, empty or unreadable
// values keep their defaults (port 1, the system language); a "CurrentLanguage"
// other than 1 or 2 gives the system language.
UserSettings ReadUserSettings(const std::filesystem::path& settingsFile, unsigned systemLocaleId);

// Start-up reading: ReadUserSettings, then writes "IsFirstRun" = "0" after a
// first run, and "comPort" and "CurrentLanguage" with the values in force.
UserSettings LoadUserSettings(const std::filesystem::path& settingsFile, unsigned systemLocaleId);

// Remembers the "Verify after Write" choice; false when the file cannot be written.
bool StoreVerifyWrite(const std::filesystem::path& settingsFile, bool on);
// Remembers the log file chosen for a series of radios (UTF-8, empty for none).
bool StoreSeriesLog(const std::filesystem::path& settingsFile, const std::string& file);
// Remembers the operator's name and the folder of the hand-over sheets, as the log file.
bool StoreSeriesOperator(const std::filesystem::path& settingsFile, const std::string& name);
bool StoreSheetFolder(const std::filesystem::path& settingsFile, const std::string& folder);

}  // namespace zq
