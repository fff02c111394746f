#include "datafile/version_list.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

#include "platform/ini_file.h"
#include "test_support.h"

namespace zq {
namespace {

using std::chrono::steady_clock;

void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

// A list damaged by hand or by a disk still gives the pairs it holds, read as the profile functions read them.
TEST(VersionList, DamagedListsGiveThePairsTheyHold) {
  test::TempFolder folder;
  const auto file = folder / "Version.ini";
  using namespace std::string_literals;
  WriteText(file,
            "\xff\xfe junk\x01\r\n[version]\r\n  FIRMversioncount = 99999 \r\n"
            "SoftVersionCount=-5\r\nno equals sign\r\n=V999\r\n[Firm\r\n[FIRM]\r\n"
            "firm1=V100\r\nFirm0=\"V100V100\"\0tail\r\nfirm0=V200V100\r\nFirm2=V100V101"s +
                std::string(3000, 'x'));
  VersionList list = LoadVersionList(file);
  EXPECT_TRUE(list.softVersions.empty());
  ASSERT_EQ(list.firmPairs.size(), 3u);
  EXPECT_EQ(list.firmPairs[0], std::make_pair(std::string("V100"), std::string("V100")));
  EXPECT_EQ(list.firmPairs[1], std::make_pair(std::string("V100"), std::string("V100")));
  EXPECT_EQ(list.firmPairs[2].first, "V100");
  EXPECT_EQ(list.firmPairs[2].second, "xxxx");
  EXPECT_TRUE(IsCompatible(list, "V100", "V100"));
}

// The question names the other version first, then the program's own, each on
// a line of its own and in the display form, in either language.
TEST(VersionList, TheIncompatibilityQuestionShowsBothVersionsOnLinesOfTheirOwn) {
  EXPECT_EQ(IncompatibilityText("V100", "V102", VersionKind::RadioFirmware, kEnglish),
            "incompatible version. It may cause unknown error.To start the corresponding software version, or not?"
            "\r\nFirmware version is V1.02\r\nprogramming software is V1.00");
  EXPECT_EQ(IncompatibilityText("V100", "V101", VersionKind::DataFile, kEnglish),
            "incompatible version. It may cause unknown error.To start the corresponding software version, or not?"
            "\r\nDataFile version is V1.01\r\nprogramming software is V1.00");
  EXPECT_EQ(IncompatibilityText("V100", "V102", VersionKind::RadioFirmware, kChinese),
            "版本不兼容，有可能引起未知错误，是否启动对应版本软件？\r\n固件版本为 V1.02\r\n写频软件版本为 V1.00");
  EXPECT_EQ(IncompatibilityText("V100", "V101", VersionKind::DataFile, kChinese),
            "版本不兼容，有可能引起未知错误，是否启动对应版本软件？\r\n数据文件版本为 V1.01\r\n写频软件版本为 V1.00");
}

// Long damaged sections used to be walked once per entry and per line: a
// megabyte of lines took minutes, and each program start reads these files.
TEST(VersionList, LongSectionsAreReadInOneWalk) {
  test::TempFolder folder;
  const auto file = folder / "Version.ini";
  std::string text = "[Version]\nSoftVersionCount=1000\nFirmVersionCount=1000\n[Soft]\n";
  while (text.size() < IniFile::kMaxFileSize - 100) text += "x=y\n";
  WriteText(file, text + "[Firm]\nFirm999=V100V100");

  auto start = steady_clock::now();
  VersionList list = LoadVersionList(file);
  EXPECT_EQ(list.softVersions.size(), 1000u);
  EXPECT_EQ(list.firmPairs.size(), 1u);
  auto ini = IniFile::Load(file);
  ASSERT_TRUE(ini);
  EXPECT_FALSE(ini->Get("Soft", "missing"));
  EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(3));
}

// A system install has no folder of releases; a release must then never be
// looked up from wherever the program happened to be started.
TEST(VersionList, AReleaseIsFoundOnlyInTheFolderOfReleases) {
  test::TempFolder folder;
  std::filesystem::create_directories(folder / "V200" / "LR_902");
  WriteText(folder / "V200" / "LR_902" / "zq4071", "program");
  VersionList list;
  list.firmPairs = {{"V200", "V200"}};
  auto before = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  MatchingRelease fromWorkingFolder = FindMatchingRelease(list, "V200", {}, "zq4071");
  std::filesystem::current_path(before);
  EXPECT_FALSE(fromWorkingFolder.found);
  MatchingRelease installed = FindMatchingRelease(list, "V200", folder.path(), "zq4071");
  EXPECT_TRUE(installed.found);
  EXPECT_EQ(installed.executable, folder / "V200" / "LR_902" / "zq4071");
}

}  // namespace
}  // namespace zq
