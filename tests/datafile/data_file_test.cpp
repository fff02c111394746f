#include "datafile/data_file.h"

#include <gtest/gtest.h>

#include "config/defaults.h"
#include "datafile/record_bytes.h"
#include "platform/utf8_path.h"
#include "test_support.h"

namespace zq {
namespace {

using test::DefaultDocument;
using test::Document;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

void AddChannels(RadioConfig& cfg, BandGroup group, int count, const char* frequency = "27005000") {
  for (int k = 1; k <= count; ++k) {
    cfg.Channel(group, k) = NewChannelRecord(k);
    cfg.Channel(group, k).RxFrequency = frequency;
  }
  cfg.Count(group) = static_cast<int16_t>(count);
}

// A valid pair on disk to damage.
std::filesystem::path SavedPair(const TempFolder& dir, Document& d) {
  auto file = dir / "radio.dat";
  EXPECT_TRUE(SaveDataFile(file, d).ok());
  return file;
}

// What the failed open of a damaged file must leave: everything as it was.
void ExpectRefusedWithoutChange(const std::filesystem::path& file, FileStatus expected) {
  Document d = DefaultDocument();
  AddChannels(d.config, {kCB, 2}, 3);
  const RadioConfig before = d.config;
  const DocumentState docBefore = d.document;
  const RadioConfig workingBefore = d.working.content;
  FileResult r = OpenDataFile(file, test::V100Versions(), d);
  EXPECT_EQ(r.status, expected);
  EXPECT_TRUE(d.config == before);
  EXPECT_EQ(d.document.fileName, docBefore.fileName);
  EXPECT_EQ(d.document.untitled, docBefore.untitled);
  EXPECT_TRUE(d.working.content == workingBefore);
}

TEST(DataFile, EveryEditableValueSurvivesSaveAndReopen) {
  TempFolder dir;
  for (uint64_t seed = 1; seed <= 12; ++seed) {
    Document saved = DefaultDocument();
    test::Randomiser random(seed);
    random.FillConfig(saved.config);
    saved.document.rangeText = RangeTextOfIndex(saved.config.RangeIndex());
    auto file = dir / ("random" + std::to_string(seed) + ".dat");
    ASSERT_TRUE(SaveDataFile(file, saved).ok());

    Document reopened = DefaultDocument();
    ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), reopened).ok()) << seed;
    // The save normalised the identity and version of `saved.config` in place; all else is as filled.
    EXPECT_TRUE(reopened.config == saved.config) << "seed " << seed;
    EXPECT_EQ(reopened.document.rangeText, saved.document.rangeText);
    EXPECT_EQ(reopened.document.fileName, file.string());
    EXPECT_FALSE(reopened.document.untitled);
    EXPECT_TRUE(IsUnchanged(reopened.config, reopened.working));
  }
}

TEST(DataFile, SaveWritesTheRecordLengthsAndClearsUntitled) {
  TempFolder dir;
  Document d = DefaultDocument();
  AddChannels(d.config, {kHF, 16}, 99);
  AddChannels(d.config, {kHF, 17}, 1);
  AddChannels(d.config, {kHF, 15}, 40);
  auto file = SavedPair(dir, d);
  EXPECT_EQ(ReadBytes(file).size(), kDataFileSize);
  EXPECT_EQ(ReadBytes(dir / "radio.fre").size(), (140u + kSpecialSlots) * kChannelRecordSize);
  EXPECT_FALSE(d.document.untitled);
  EXPECT_EQ(d.document.fileName, file.string());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(ReadBytes(file).data()), 4), "V100");

  Document reopened = DefaultDocument();
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), reopened).ok());
  EXPECT_EQ(reopened.config.Count({kHF, 16}), 99);
  EXPECT_EQ(reopened.config.Count({kHF, 17}), 1);
  EXPECT_TRUE(reopened.config.Channel({kHF, 16}, 99) == d.config.Channel({kHF, 16}, 99));
}

TEST(DataFile, ChannelFileKeepsNoStaleTailAndLongerChannelFilesStillOpen) {
  TempFolder dir;
  Document d = DefaultDocument();
  AddChannels(d.config, {kCB, 1}, 40);
  auto file = SavedPair(dir, d);
  d.config.Count({kCB, 1}) = 2;
  ASSERT_TRUE(SaveDataFile(file, d).ok());
  EXPECT_EQ(ReadBytes(dir / "radio.fre").size(), (2u + kSpecialSlots) * kChannelRecordSize);

  // A channel file with records beyond the counts (an older, longer save) is fine.
  auto channels = ReadBytes(dir / "radio.fre");
  channels.resize(channels.size() + 5 * kChannelRecordSize, 0x55);
  WriteBytes(dir / "radio.fre", channels);
  Document reopened = DefaultDocument();
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), reopened).ok());
  EXPECT_EQ(reopened.config.Count({kCB, 1}), 2);
  EXPECT_TRUE(reopened.config.Special(kSpecialSlots) == d.config.Special(kSpecialSlots));
}

TEST(DataFile, VersionFormAndCompatibilityAreCheckedBeforeAnythingIsRead) {
  TempFolder dir;
  Document d = DefaultDocument();
  auto file = SavedPair(dir, d);
  auto good = ReadBytes(file);
  for (std::string head : std::vector<std::string>{"X100", "V1a0", "V10 ", std::string("V10\0", 4), "v100", "    "}) {
    auto bytes = good;
    std::copy(head.begin(), head.end(), bytes.begin());
    WriteBytes(file, bytes);
    ExpectRefusedWithoutChange(file, FileStatus::UnknownVersion);
  }
  WriteBytes(file, {'V', '1'});
  ExpectRefusedWithoutChange(file, FileStatus::UnknownVersion);
  WriteBytes(file, {});
  ExpectRefusedWithoutChange(file, FileStatus::UnknownVersion);

  auto v101 = good;
  v101[3] = '1';
  WriteBytes(file, v101);
  ExpectRefusedWithoutChange(file, FileStatus::IncompatibleVersion);
  Document other = DefaultDocument();
  FileResult r = OpenDataFile(file, test::V100Versions(), other);
  EXPECT_EQ(r.foundVersion, "V101");
  EXPECT_EQ(r.message(), Txt::IncompatibleQuestion);
  EXPECT_NE(FileResultText(r, kEnglish).find("DataFile version is V1.01"), std::string::npos);

  // Without any listed pair even the program's own version is not compatible.
  WriteBytes(file, good);
  EXPECT_EQ(OpenDataFile(file, VersionList{}, other).status, FileStatus::IncompatibleVersion);
  EXPECT_TRUE(OpenDataFile(file, test::V100Versions(), other).ok());
}

TEST(DataFile, WrongLengthIsRefusedEvenWithAGoodVersion) {
  TempFolder dir;
  Document d = DefaultDocument();
  auto file = SavedPair(dir, d);
  auto good = ReadBytes(file);
  for (std::size_t size : {kDataFileSize - 1, kDataFileSize + 1, std::size_t(4), std::size_t(100000)}) {
    auto bytes = good;
    bytes.resize(size, 0);
    WriteBytes(file, bytes);
    ExpectRefusedWithoutChange(file, FileStatus::WrongLength);
  }
  Document other = DefaultDocument();
  EXPECT_EQ(OpenDataFile(file, test::V100Versions(), other).message(), Txt::ReleaseMissing);
}

TEST(DataFile, DamagedCountsOrChannelFilesAreFileErrors) {
  TempFolder dir;
  Document d = DefaultDocument();
  AddChannels(d.config, {kCB, 3}, 80);
  AddChannels(d.config, {kCB, 1}, 40);
  auto file = SavedPair(dir, d);
  const auto good = ReadBytes(file);
  const auto channels = ReadBytes(dir / "radio.fre");

  // ChannelCount [group][band] is at 114 + 2 * (3 * (group - 1) + band).
  auto withCount = [&](int group, Band band, int16_t count) {
    auto bytes = good;
    std::size_t at = 114 + 2 * (3 * (group - 1) + BandIndex(band));
    bytes[at] = static_cast<uint8_t>(count);
    bytes[at + 1] = static_cast<uint8_t>(static_cast<uint16_t>(count) >> 8);
    return bytes;
  };
  struct Case {
    int group;
    Band band;
    int16_t count;
  };
  for (Case c : {Case{1, kCB, 41}, Case{3, kCB, 81}, Case{1, kCB, -1}, Case{16, kHF, 100}, Case{17, kHF, 2},
                 Case{14, kHAM, 2}, Case{5, kHF, 32767}}) {
    WriteBytes(file, withCount(c.group, c.band, c.count));
    ExpectRefusedWithoutChange(file, FileStatus::FileError);
  }
  // A count in a group the band does not have is carried, never used.
  WriteBytes(file, withCount(9, kCB, 500));
  Document carried = DefaultDocument();
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), carried).ok());
  EXPECT_EQ(carried.config.ChannelCount.at({kCB, 9}), 500);

  WriteBytes(file, good);
  auto shortChannels = channels;
  shortChannels.pop_back();
  WriteBytes(dir / "radio.fre", shortChannels);
  ExpectRefusedWithoutChange(file, FileStatus::FileError);
  std::filesystem::remove(dir / "radio.fre");
  ExpectRefusedWithoutChange(file, FileStatus::FileError);
  std::filesystem::create_directory(dir / "radio.fre");
  ExpectRefusedWithoutChange(file, FileStatus::FileError);

  ExpectRefusedWithoutChange(dir / "missing.dat", FileStatus::FileError);
  ExpectRefusedWithoutChange(dir.path(), FileStatus::FileError);
}

TEST(DataFile, FailedSaveLeavesFilesDocumentAndWorkingCopyAlone) {
  TempFolder dir;
  Document d = DefaultDocument();
  auto file = SavedPair(dir, d);
  const auto oldSettings = ReadBytes(file);
  const auto oldChannels = ReadBytes(dir / "radio.fre");

  d.config.Options.Tot() = 7;
  d.document.untitled = true;
  EXPECT_EQ(SaveDataFile(dir / "no-such-folder" / "x.dat", d).status, FileStatus::FileError);
  EXPECT_TRUE(d.document.untitled);
  EXPECT_FALSE(IsUnchanged(d.config, d.working)) << "the unsaved change must still count as unsaved";

  // A folder where the channel file belongs: nothing may be half replaced.
  std::filesystem::create_directory(dir / "blocked.fre");
  EXPECT_EQ(SaveDataFile(dir / "blocked.dat", d).status, FileStatus::FileError);
  EXPECT_FALSE(std::filesystem::exists(dir / "blocked.dat"));

  std::filesystem::rename(dir / "radio.fre", dir / "moved.fre");
  std::filesystem::create_directory(dir / "radio.fre");
  EXPECT_EQ(SaveDataFile(file, d).status, FileStatus::FileError);
  EXPECT_EQ(ReadBytes(file), oldSettings);

  // No temporary file is left behind by any of the failures.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 4);  // radio.dat, radio.fre (folder), moved.fre, blocked.fre
  EXPECT_EQ(ReadBytes(dir / "moved.fre"), oldChannels);
}

TEST(DataFile, APairInAFolderNamedInChineseIsSavedOverAndOpenedAgain) {
  TempFolder dir;
  const auto folder = dir.path() / PathFromUtf8("电台 配置");
  std::filesystem::create_directory(folder);
  const auto file = folder / PathFromUtf8("频道.dat");
  Document d = DefaultDocument();
  ASSERT_TRUE(SaveDataFile(file, d).ok());
  d.config.Options.Tot() = 9;
  ASSERT_TRUE(SaveDataFile(file, d).ok()) << "a save replaces the pair that is there";
  EXPECT_EQ(d.document.fileName, Utf8OfPath(file));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / PathFromUtf8("频道.fre")));

  Document opened = DefaultDocument();
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), opened).ok());
  EXPECT_EQ(opened.config.Options.Tot(), 9);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 2) << "no temporary file may be left behind";
}

TEST(DataFile, ChannelFileNameReplacesTheLastThreeCharacters) {
  EXPECT_EQ(ChannelFilePath("/a/b/radio.dat"), std::filesystem::path("/a/b/radio.fre"));
  EXPECT_EQ(ChannelFilePath("radio.DAT"), std::filesystem::path("radio.fre"));
  EXPECT_EQ(ChannelFilePath("/a/data"), std::filesystem::path("/a/dfre"));
  // Names that would put the channel file over the data file, or outside its name.
  EXPECT_TRUE(ChannelFilePath("/a/radio.fre").empty());
  EXPECT_TRUE(ChannelFilePath("/a/ab").empty());

  TempFolder dir;
  Document d = DefaultDocument();
  EXPECT_EQ(SaveDataFile(dir / "same.fre", d).status, FileStatus::FileError);
  EXPECT_FALSE(std::filesystem::exists(dir / "same.fre"));
}

TEST(DataFile, TemplateLoadingFallsBackQuietly) {
  TempFolder dir;
  Document source = DefaultDocument();
  AddChannels(source.config, {kCB, 1}, 5);
  source.config.Options.GroupName({kCB, 1}) = u"XX";
  source.config.RangeType = {0, 0};
  source.document.rangeText = RangeTextOfIndex(0);
  auto file = SavedPair(dir, source);

  Document d = DefaultDocument();
  ASSERT_TRUE(LoadTemplate(file, d));
  EXPECT_EQ(d.config.Count({kCB, 1}), 5);
  EXPECT_EQ(d.config.Options.GroupName({kCB, 1}), u"US");
  EXPECT_EQ(d.document.rangeText, RangeTextOfIndex(0));
  EXPECT_TRUE(IsUnchanged(d.config, d.working));

  // An unnamed first HF group, a missing or a damaged template: the configuration stays.
  source.config.Options.GroupName({kHF, 1}) = std::u16string(2, u'\0');
  SavedPair(dir, source);
  Document kept = DefaultDocument();
  kept.config.Options.Tot() = 9;
  const RadioConfig before = kept.config;
  EXPECT_FALSE(LoadTemplate(file, kept));
  EXPECT_FALSE(LoadTemplate(dir / "none.dat", kept));
  WriteBytes(file, {'V', '1', '0', '0'});
  EXPECT_FALSE(LoadTemplate(file, kept));
  EXPECT_TRUE(kept.config == before);
  EXPECT_TRUE(IsUnchanged(kept.config, kept.working)) << "the working copy follows the kept configuration";
}

TEST(DataFile, IsUnchangedSeesEveryKindOfEdit) {
  Document d = DefaultDocument();
  AddChannels(d.config, {kHAM, 2}, 3);
  PackForFile(d.config, d.document, d.working);
  ASSERT_TRUE(IsUnchanged(d.config, d.working));

  auto changed = [&](auto edit) {
    Document copy = d;
    edit(copy.config);
    return !IsUnchanged(copy.config, copy.working);
  };
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Options.Tot() = 3; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Options.WxFrequency(40) = 136.5; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Options.GroupName({kHAM, 4}) = u"Q"; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.RogerBeepTable[7][29] = 4; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.RadioInfo.FactoryCode = "9999"; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.RangeType[0] = 0; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Channel({kHAM, 2}, 3).Busy = 1; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Channel({kHAM, 2}, 1).TxFrequency = "29000000"; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Count({kHAM, 2}) = 2; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Channel({kHAM, 2}, 2).Number = 9; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Special(50).Enabled = 1; }));

  // Records beyond the count are not part of the document; reordered records are
  // found by their numbers; option bytes outside every field are not kept.
  EXPECT_FALSE(changed([](RadioConfig& c) { c.Channel({kHAM, 2}, 4).Enabled = 1; }));
  EXPECT_FALSE(changed([](RadioConfig& c) { std::swap(c.Channel({kHAM, 2}, 1), c.Channel({kHAM, 2}, 3)); }));
  EXPECT_FALSE(changed([](RadioConfig& c) { c.Options.bytes()[1572] = 0x7F; }));
}

TEST(DataFile, OptionTextsKeepOneBytePerCharacter) {
  TempFolder dir;
  Document d = DefaultDocument();
  d.config.Options.BtDeviceName() = u"Car \u00e9\u00ff\u4e2d\u0100";
  auto file = SavedPair(dir, d);
  Document reopened = DefaultDocument();
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), reopened).ok());
  EXPECT_EQ(reopened.config.Options.BtDeviceName(), u"Car \u00e9\u00ff??        ");
}

}  // namespace
}  // namespace zq
