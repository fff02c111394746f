#include "shell/user_settings.h"

#include <cctype>
#include <limits>
#include <optional>
#include <string>

#include "platform/ini_file.h"
#include "text/language_table.h"
#include "text/plain_text.h"

namespace zq {
namespace {

constexpr const char* kSection = "language";

std::optional<int> IntegerValue(const IniFile& ini, const char* key, int low, int high) {
  auto n = ParseInteger(ini.GetOr(kSection, key));
  if (!n || *n < low || *n > high) return std::nullopt;
  return static_cast<int>(*n);
}

// "1"/"0", any other whole number (non-zero is true), or "True"/"False" in any case.
std::optional<bool> BooleanValue(const IniFile& ini, const char* key) {
  std::string text = ini.GetOr(kSection, key);
  if (auto n = ParseInteger(text)) return *n != 0;
  for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (text == "true") return true;
  if (text == "false") return false;
  return std::nullopt;
}

}  // namespace

UserSettings ReadUserSettings(const IniFile& ini, unsigned systemLocaleId) {
  UserSettings s;
  s.language = SystemLanguageOf(systemLocaleId);
  s.firstRun = BooleanValue(ini, "IsFirstRun").value_or(true);
  s.portNumber = IntegerValue(ini, "comPort", 0, std::numeric_limits<int16_t>::max()).value_or(s.portNumber);
  s.handshaking = IntegerValue(ini, "Handshaking", 0, std::numeric_limits<int16_t>::max()).value_or(s.handshaking);
  s.stopBit = IntegerValue(ini, "StopBit", 0, std::numeric_limits<int16_t>::max()).value_or(s.stopBit);
  s.verifyWrite = BooleanValue(ini, "VerifyWrite").value_or(false);
  s.seriesLog = ini.GetOr(kSection, "SeriesLog");
  s.seriesOperator = ini.GetOr(kSection, "SeriesOperator");
  s.sheetFolder = ini.GetOr(kSection, "SheetFolder");
  if (!s.firstRun) s.language = IntegerValue(ini, "CurrentLanguage", kEnglish, kChinese).value_or(s.language);
  return s;
}

UserSettings ReadUserSettings(const std::filesystem::path& settingsFile, unsigned systemLocaleId) {
  return ReadUserSettings(IniFile::Load(settingsFile).value_or(IniFile()), systemLocaleId);
}

UserSettings LoadUserSettings(const std::filesystem::path& settingsFile, unsigned systemLocaleId) {
  UserSettings s = ReadUserSettings(settingsFile, systemLocaleId);
  if (s.firstRun) WriteProfileString(settingsFile, kSection, "IsFirstRun", "0");
  WriteProfileString(settingsFile, kSection, "comPort", std::to_string(s.portNumber));
  WriteProfileString(settingsFile, kSection, "CurrentLanguage", std::to_string(s.language));
  return s;
}

bool StoreVerifyWrite(const std::filesystem::path& settingsFile, bool on) {
  return WriteProfileString(settingsFile, kSection, "VerifyWrite", on ? "1" : "0");
}

bool StoreSeriesLog(const std::filesystem::path& settingsFile, const std::string& file) {
  return WriteProfileString(settingsFile, kSection, "SeriesLog", file);
}

bool StoreSeriesOperator(const std::filesystem::path& settingsFile, const std::string& name) {
  return WriteProfileString(settingsFile, kSection, "SeriesOperator", name);
}

bool StoreSheetFolder(const std::filesystem::path& settingsFile, const std::string& folder) {
  return WriteProfileString(settingsFile, kSection, "SheetFolder", folder);
}

}  // namespace zq
