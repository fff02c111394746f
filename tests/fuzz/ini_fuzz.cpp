// An initialisation file's text, read as the version list (Version.ini) and as
// the settings file (mysetup.ini), then written as a start of the program
// writes the settings back.
//
// Invariants: the text comes back exactly as read; the settings read are always
// usable (language 1 or 2, numbers in range); writing a key changes that key
// only: the key reads back as written, every other key of the section and the
// version list stay as they were, and the text written reads back as itself.
#include <map>

#include "datafile/version_list.h"
#include "fuzz_support.h"
#include "platform/ini_file.h"
#include "shell/user_settings.h"

namespace zq {
namespace {

constexpr unsigned kUsLocale = 0x0409;
constexpr unsigned kPrcLocale = 0x0804;
constexpr const char* kWrittenKeys[] = {"IsFirstRun", "comPort", "CurrentLanguage"};

bool SameVersionList(const VersionList& a, const VersionList& b) {
  return a.currentVersion == b.currentVersion && a.softVersions == b.softVersions && a.firmPairs == b.firmPairs;
}

void CheckUsable(const UserSettings& s) {
  FUZZ_CHECK(s.language == 1 || s.language == 2);
  FUZZ_CHECK(s.portNumber >= 0 && s.portNumber <= 32767);
  FUZZ_CHECK(s.handshaking >= 0 && s.stopBit >= 0);
}

// The keys of the "language" section other than those a start writes.
std::map<std::string, std::string> OtherSettings(const IniFile& ini) {
  auto values = ini.SectionValues("language");
  for (const char* key : {"isfirstrun", "comport", "currentlanguage"}) values.erase(key);
  return values;
}

}  // namespace
}  // namespace zq

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zq;
  const std::string_view text = fuzz::TextOf({data, size});
  IniFile ini(text);
  FUZZ_CHECK(ini.text() == text);

  const VersionList versions = ReadVersionList(ini);
  for (const auto& [release, handled] : versions.firmPairs) FUZZ_CHECK(!release.empty() && !handled.empty());
  const UserSettings settings = ReadUserSettings(ini, kPrcLocale);
  CheckUsable(settings);
  CheckUsable(ReadUserSettings(ini, kUsLocale));

  IniFile written = ini;
  const std::string values[] = {"0", std::to_string(settings.portNumber), std::to_string(settings.language)};
  for (int k = 0; k < 3; ++k) written.Set("language", kWrittenKeys[k], values[k]);
  for (int k = 0; k < 3; ++k) FUZZ_CHECK(written.Get("language", kWrittenKeys[k]) == values[k]);
  FUZZ_CHECK(OtherSettings(written) == OtherSettings(ini));
  FUZZ_CHECK(SameVersionList(ReadVersionList(written), versions));
  const UserSettings reread = ReadUserSettings(written, kPrcLocale);
  FUZZ_CHECK(!reread.firstRun && reread.portNumber == settings.portNumber && reread.language == settings.language);
  FUZZ_CHECK(IniFile(written.text()).text() == written.text());
  return 0;
}
