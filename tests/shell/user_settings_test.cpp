#include "shell/user_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "datafile/install_layout.h"
#include "datafile/test_support.h"
#include "platform/ini_file.h"
#include "shell/startup_core.h"

namespace zq {
namespace {

constexpr unsigned kPrc = 0x0804;
constexpr unsigned kTaiwan = 0x0404;
constexpr unsigned kUs = 0x0409;

std::string Key(const std::filesystem::path& file, const char* key) {
  return ReadProfileString(file, "language", key, "<missing>");
}

TEST(UserSettings, FirstRunTakesTheSystemLanguageAndTheNextRunTheStoredOne) {
  test::TempFolder dir;
  auto file = dir / "mysetup.ini";
  test::WriteText(file,
                  "[language]\r\nIsFirstRun=1\r\nCurrentLanguage=1\r\ncomPort=3\r\nHandshaking=0\r\nStopBit=1\r\n");
  UserSettings first = LoadUserSettings(file, kPrc);
  EXPECT_TRUE(first.firstRun);
  EXPECT_EQ(first.language, 2);
  EXPECT_EQ(first.portNumber, 3);
  EXPECT_EQ(Key(file, "IsFirstRun"), "0");
  EXPECT_EQ(Key(file, "CurrentLanguage"), "2");
  EXPECT_EQ(Key(file, "comPort"), "3");

  // Now the stored language wins over the system's.
  UserSettings second = LoadUserSettings(file, kUs);
  EXPECT_FALSE(second.firstRun);
  EXPECT_EQ(second.language, 2);
  EXPECT_EQ(test::ReadText(file),
            "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\ncomPort=3\r\nHandshaking=0\r\nStopBit=1\r\n");

  test::WriteText(file, "[language]\nIsFirstRun=1\nCurrentLanguage=2\n");
  EXPECT_EQ(LoadUserSettings(file, kTaiwan).language, 1) << "only 0x0804 starts in Chinese";
  EXPECT_EQ(Key(file, "CurrentLanguage"), "1");
}

TEST(UserSettings, MissingOrUnreadableValuesKeepTheDefaults) {
  test::TempFolder dir;
  auto file = dir / "language" / "mysetup.ini";
  UserSettings fresh = LoadUserSettings(file, kPrc);
  EXPECT_TRUE(fresh.firstRun);
  EXPECT_EQ(fresh.language, 2);
  EXPECT_EQ(fresh.portNumber, 1);
  EXPECT_EQ(fresh.handshaking, 0);
  EXPECT_EQ(fresh.stopBit, 1);
  EXPECT_EQ(Key(file, "IsFirstRun"), "0") << "a missing file is created by the first start";
  EXPECT_EQ(Key(file, "comPort"), "1");

  struct Case {
    const char* text;
    int language, port, stopBit;
  };
  for (Case c : {Case{"IsFirstRun=0\nCurrentLanguage=\ncomPort=\n", 1, 1, 1},
                 Case{"IsFirstRun=0\nCurrentLanguage=3\ncomPort=COM4\nStopBit=x\n", 1, 1, 1},
                 Case{"IsFirstRun=false\nCurrentLanguage= 2 \ncomPort= 7 \nStopBit=2\n", 2, 7, 2},
                 Case{"IsFirstRun=0\nCurrentLanguage=1.5\ncomPort=-2\n", 1, 1, 1},
                 Case{"IsFirstRun=0\nCurrentLanguage=2\ncomPort=99999\n", 2, 1, 1},
                 Case{"IsFirstRun=maybe\nCurrentLanguage=2\ncomPort=0\n", 1, 0, 1}}) {
    test::WriteText(file, std::string("[language]\n") + c.text);
    UserSettings s = ReadUserSettings(file, kUs);
    EXPECT_EQ(s.language, c.language) << c.text;
    EXPECT_EQ(s.portNumber, c.port) << c.text;
    EXPECT_EQ(s.stopBit, c.stopBit) << c.text;
  }
}

TEST(UserSettings, AnOversizedFileIsNeitherReadNorOverwritten) {
  test::TempFolder dir;
  auto file = dir / "mysetup.ini";
  const std::string huge = "[language]\nIsFirstRun=0\nCurrentLanguage=2\n" + std::string(IniFile::kMaxFileSize, ';');
  test::WriteText(file, huge);
  UserSettings s = LoadUserSettings(file, kUs);
  EXPECT_EQ(s.language, 1);
  EXPECT_EQ(s.portNumber, 1);
  EXPECT_EQ(test::ReadText(file), huge);
}

TEST(UserSettings, WritingBackKeepsEveryOtherLine) {
  test::TempFolder dir;
  auto file = dir / "mysetup.ini";
  const std::string before = "; shared by all releases\n[other]\nkey=value\n[language]\nIsFirstRun=0\nStopBit=1\n";
  test::WriteText(file, before);
  EXPECT_EQ(ReadUserSettings(file, kPrc).language, 2);
  EXPECT_EQ(test::ReadText(file), before) << "reading alone writes nothing";
  LoadUserSettings(file, kPrc);
  EXPECT_EQ(test::ReadText(file),
            "; shared by all releases\n[other]\nkey=value\n[language]\nIsFirstRun=0\nStopBit=1\ncomPort=1\n"
            "CurrentLanguage=2\n");
}

std::vector<std::filesystem::path> FilesBelow(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Both layouts, laid out as an install makes them: the release folder inside
// its shared folder, and a system install whose users keep their own files.
TEST(StartupCore, PreparesVersionsSettingsAndTheNewDocumentInEitherLayout) {
  struct Install {
    const char* programFolder;
    const char* dataFolder;
    const char* versionFolder;
  };
  for (Install install : {Install{"LR_902", "LR_902", "."}, Install{"bin", "share/zq4071", "share/zq4071"}}) {
    SCOPED_TRACE(install.programFolder);
    test::TempFolder prefix, home;
    std::filesystem::create_directories(prefix / install.programFolder);
    std::filesystem::create_directories(prefix / install.dataFolder / "Init");
    for (const char* name : {"1_LR4417_New.dat", "1_LR4417_New.fre"})
      std::filesystem::copy_file(std::filesystem::path(ZQ_PROGRAM_DIR) / "Init" / name,
                                 prefix / install.dataFolder / "Init" / name);
    test::WriteText(prefix.path() / install.versionFolder / "Version.ini",
                    "[Version]\nFirmVersionCount=1\n[Firm]\nFirm0=V100V100\n");
    auto installed = FilesBelow(prefix.path());
    // The folder's name decides, with or without a final separator.
    InstallLayout layout = LayoutOf(prefix.path() / install.programFolder / "", {home / "config", home / "data"});

    ProgramState readOnly;
    StartupCore(layout, kPrc, {2025, 6, 1}, SettingsAccess::ReadOnly, readOnly);
    EXPECT_FALSE(std::filesystem::exists(layout.settingsFile));
    EXPECT_EQ(readOnly.settings.language, 2);

    ProgramState state;
    StartupCore(layout, kUs, {2025, 6, 1}, SettingsAccess::ReadWrite, state);
    EXPECT_TRUE(IsCompatible(state.versions, "V100", "V100"));
    EXPECT_EQ(state.settings.language, 1);
    EXPECT_EQ(Key(layout.settingsFile, "IsFirstRun"), "0");
    EXPECT_EQ(state.config.Count({kCB, 3}), 80) << "the New template of range 1 was laid over the defaults";
    EXPECT_TRUE(state.templateLoaded);
    EXPECT_EQ(state.document.rangeText, RangeTextOfIndex(1));
    EXPECT_TRUE(state.document.untitled);
    EXPECT_TRUE(IsUnchanged(state.config, state.working));
    if (std::string(install.programFolder) == "bin") {
      EXPECT_EQ(layout.settingsFile, home / "config" / "ZQ4071" / "mysetup.ini");
      EXPECT_EQ(layout.backupFolder, home / "data" / "ZQ4071" / "backups");
      EXPECT_TRUE(layout.releasesFolder.empty()) << "one release: no other is looked for beside it";
      EXPECT_EQ(FilesBelow(prefix.path()), installed) << "a system install is never written to";
    } else {
      EXPECT_EQ(layout.settingsFile, prefix / "language" / "mysetup.ini");
      EXPECT_EQ(layout.backupFolder, prefix / "language" / "backups");
      EXPECT_EQ(layout.releasesFolder, prefix.path());
      EXPECT_FALSE(std::filesystem::exists(home.path() / "config"));
    }
  }
}

}  // namespace
}  // namespace zq
