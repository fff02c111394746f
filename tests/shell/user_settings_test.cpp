#include "shell/user_settings.h"

#include <gtest/gtest.h>

#include <optional>

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

TEST(StartupCore, PreparesVersionsSettingsAndTheNewDocument) {
  test::TempFolder shared;
  auto program = shared / "LR_902";
  std::filesystem::create_directories(program / "Init");
  for (const char* name : {"1_LR4417_New.dat", "1_LR4417_New.fre"})
    std::filesystem::copy_file(std::filesystem::path(ZQ_PROGRAM_DIR) / "Init" / name, program / "Init" / name);
  test::WriteText(shared / "Version.ini", "[Version]\nFirmVersionCount=1\n[Firm]\nFirm0=V100V100\n");

  ProgramState readOnly;
  StartupCore(program, kPrc, {2025, 6, 1}, SettingsAccess::ReadOnly, readOnly);
  EXPECT_FALSE(std::filesystem::exists(SettingsFileOf(program)));
  EXPECT_EQ(readOnly.settings.language, 2);

  ProgramState state;
  StartupCore(program, kUs, {2025, 6, 1}, SettingsAccess::ReadWrite, state);
  EXPECT_TRUE(IsCompatible(state.versions, "V100", "V100"));
  EXPECT_EQ(state.settings.language, 1);
  EXPECT_EQ(Key(SettingsFileOf(program), "IsFirstRun"), "0");
  EXPECT_EQ(state.config.Count(kCB, 3), 80) << "the New template of range 1 was laid over the defaults";
  EXPECT_EQ(state.document.rangeText, RangeTextOfIndex(1));
  EXPECT_TRUE(state.document.untitled);
  EXPECT_TRUE(IsUnchanged(state.config, state.working));
}

}  // namespace
}  // namespace zq
