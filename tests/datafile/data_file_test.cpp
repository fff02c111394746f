#include "datafile/data_file.h"

#include <gtest/gtest.h>

#include "config/defaults.h"
#include "datafile/record_bytes.h"
#include "platform/utf8_path.h"
#include "test_support.h"

namespace zq {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::DefaultDocument;
using test::Document;
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
  EXPECT_TRUE(SaveDataFile(file, d.cfg, d.doc, d.working).ok());
  return file;
}

// What the failed open of a damaged file must leave: everything as it was.
void ExpectRefusedWithoutChange(const std::filesystem::path& file, FileStatus expected) {
  Document d = DefaultDocument();
  AddChannels(d.cfg, {kCB, 2}, 3);
  const RadioConfig before = d.cfg;
  const DocumentState docBefore = d.doc;
  const RadioConfig workingBefore = d.working.content;
  FileResult r = OpenDataFile(file, test::V100Versions(), d.cfg, d.doc, d.working);
  EXPECT_EQ(r.status, expected);
  EXPECT_TRUE(d.cfg == before);
  EXPECT_EQ(d.doc.fileName, docBefore.fileName);
  EXPECT_EQ(d.doc.untitled, docBefore.untitled);
  EXPECT_TRUE(d.working.content == workingBefore);
}

TEST(DataFile, EveryEditableValueSurvivesSaveAndReopen) {
  TempFolder dir;
  for (uint64_t seed = 1; seed <= 12; ++seed) {
    Document saved = DefaultDocument();
    test::Randomiser random(seed);
    random.FillConfig(saved.cfg);
    saved.doc.rangeText = RangeTextOfIndex(saved.cfg.RangeIndex());
    auto file = dir / ("random" + std::to_string(seed) + ".dat");
    ASSERT_TRUE(SaveDataFile(file, saved.cfg, saved.doc, saved.working).ok());

    Document reopened = DefaultDocument();
    ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), reopened.cfg, reopened.doc, reopened.working).ok()) << seed;
    // The save normalised the identity and version of `saved.cfg` in place; all else is as filled.
    EXPECT_TRUE(reopened.cfg == saved.cfg) << "seed " << seed;
    EXPECT_EQ(reopened.doc.rangeText, saved.doc.rangeText);
    EXPECT_EQ(reopened.doc.fileName, file.string());
    EXPECT_FALSE(reopened.doc.untitled);
    EXPECT_TRUE(IsUnchanged(reopened.cfg, reopened.working));
  }
}

TEST(DataFile, SaveWritesTheRecordLengthsAndClearsUntitled) {
  TempFolder dir;
  Document d = DefaultDocument();
  AddChannels(d.cfg, {kHF, 16}, 99);
  AddChannels(d.cfg, {kHF, 17}, 1);
  AddChannels(d.cfg, {kHF, 15}, 40);
  auto file = SavedPair(dir, d);
  EXPECT_EQ(ReadBytes(file).size(), kDataFileSize);
  EXPECT_EQ(ReadBytes(dir / "radio.fre").size(), (140u + kSpecialSlots) * kChannelRecordSize);
  EXPECT_FALSE(d.doc.untitled);
  EXPECT_EQ(d.doc.fileName, file.string());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(ReadBytes(file).data()), 4), "V100");

  Document reopened = DefaultDocument();
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), reopened.cfg, reopened.doc, reopened.working).ok());
  EXPECT_EQ(reopened.cfg.Count({kHF, 16}), 99);
  EXPECT_EQ(reopened.cfg.Count({kHF, 17}), 1);
  EXPECT_TRUE(reopened.cfg.Channel({kHF, 16}, 99) == d.cfg.Channel({kHF, 16}, 99));
}

TEST(DataFile, ChannelFileKeepsNoStaleTailAndLongerChannelFilesStillOpen) {
  TempFolder dir;
  Document d = DefaultDocument();
  AddChannels(d.cfg, {kCB, 1}, 40);
  auto file = SavedPair(dir, d);
  d.cfg.Count({kCB, 1}) = 2;
  ASSERT_TRUE(SaveDataFile(file, d.cfg, d.doc, d.working).ok());
  EXPECT_EQ(ReadBytes(dir / "radio.fre").size(), (2u + kSpecialSlots) * kChannelRecordSize);

  // A channel file with records beyond the counts (an older, longer save) is fine.
  auto channels = ReadBytes(dir / "radio.fre");
  channels.resize(channels.size() + 5 * kChannelRecordSize, 0x55);
  WriteBytes(dir / "radio.fre", channels);
  Document reopened = DefaultDocument();
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), reopened.cfg, reopened.doc, reopened.working).ok());
  EXPECT_EQ(reopened.cfg.Count({kCB, 1}), 2);
  EXPECT_TRUE(reopened.cfg.Special(kSpecialSlots) == d.cfg.Special(kSpecialSlots));
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
  FileResult r = OpenDataFile(file, test::V100Versions(), other.cfg, other.doc, other.working);
  EXPECT_EQ(r.foundVersion, "V101");
  EXPECT_EQ(r.message(), Txt::IncompatibleQuestion);
  EXPECT_NE(FileResultText(r, kEnglish).find("DataFile version is V1.01"), std::string::npos);

  // Without any listed pair even the program's own version is not compatible.
  WriteBytes(file, good);
  EXPECT_EQ(OpenDataFile(file, VersionList{}, other.cfg, other.doc, other.working).status,
            FileStatus::IncompatibleVersion);
  EXPECT_TRUE(OpenDataFile(file, test::V100Versions(), other.cfg, other.doc, other.working).ok());
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
  EXPECT_EQ(OpenDataFile(file, test::V100Versions(), other.cfg, other.doc, other.working).message(), Txt::ReleaseMissing);
}

TEST(DataFile, DamagedCountsOrChannelFilesAreFileErrors) {
  TempFolder dir;
  Document d = DefaultDocument();
  AddChannels(d.cfg, {kCB, 3}, 80);
  AddChannels(d.cfg, {kCB, 1}, 40);
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
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), carried.cfg, carried.doc, carried.working).ok());
  EXPECT_EQ(carried.cfg.ChannelCount.at({kCB, 9}), 500);

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

  d.cfg.Options.Tot() = 7;
  d.doc.untitled = true;
  EXPECT_EQ(SaveDataFile(dir / "no-such-folder" / "x.dat", d.cfg, d.doc, d.working).status, FileStatus::FileError);
  EXPECT_TRUE(d.doc.untitled);
  EXPECT_FALSE(IsUnchanged(d.cfg, d.working)) << "the unsaved change must still count as unsaved";

  // A folder where the channel file belongs: nothing may be half replaced.
  std::filesystem::create_directory(dir / "blocked.fre");
  EXPECT_EQ(SaveDataFile(dir / "blocked.dat", d.cfg, d.doc, d.working).status, FileStatus::FileError);
  EXPECT_FALSE(std::filesystem::exists(dir / "blocked.dat"));

  std::filesystem::rename(dir / "radio.fre", dir / "moved.fre");
  std::filesystem::create_directory(dir / "radio.fre");
  EXPECT_EQ(SaveDataFile(file, d.cfg, d.doc, d.working).status, FileStatus::FileError);
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
  ASSERT_TRUE(SaveDataFile(file, d.cfg, d.doc, d.working).ok());
  d.cfg.Options.Tot() = 9;
  ASSERT_TRUE(SaveDataFile(file, d.cfg, d.doc, d.working).ok()) << "a save replaces the pair that is there";
  EXPECT_EQ(d.doc.fileName, Utf8OfPath(file));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / PathFromUtf8("频道.fre")));

  Document opened = DefaultDocument();
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), opened.cfg, opened.doc, opened.working).ok());
  EXPECT_EQ(opened.cfg.Options.Tot(), 9);
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
  EXPECT_EQ(SaveDataFile(dir / "same.fre", d.cfg, d.doc, d.working).status, FileStatus::FileError);
  EXPECT_FALSE(std::filesystem::exists(dir / "same.fre"));
}

TEST(DataFile, TemplateLoadingFallsBackQuietly) {
  TempFolder dir;
  Document source = DefaultDocument();
  AddChannels(source.cfg, {kCB, 1}, 5);
  source.cfg.Options.GroupName(1, kCB) = u"XX";
  source.cfg.RangeType = {0, 0};
  source.doc.rangeText = RangeTextOfIndex(0);
  auto file = SavedPair(dir, source);

  Document d = DefaultDocument();
  ASSERT_TRUE(LoadTemplate(file, d.cfg, d.doc, d.working));
  EXPECT_EQ(d.cfg.Count({kCB, 1}), 5);
  EXPECT_EQ(d.cfg.Options.GroupName(1, kCB), u"US");
  EXPECT_EQ(d.doc.rangeText, RangeTextOfIndex(0));
  EXPECT_TRUE(IsUnchanged(d.cfg, d.working));

  // An unnamed first HF group, a missing or a damaged template: the configuration stays.
  source.cfg.Options.GroupName(1, kHF) = std::u16string(2, u'\0');
  SavedPair(dir, source);
  Document kept = DefaultDocument();
  kept.cfg.Options.Tot() = 9;
  const RadioConfig before = kept.cfg;
  EXPECT_FALSE(LoadTemplate(file, kept.cfg, kept.doc, kept.working));
  EXPECT_FALSE(LoadTemplate(dir / "none.dat", kept.cfg, kept.doc, kept.working));
  WriteBytes(file, {'V', '1', '0', '0'});
  EXPECT_FALSE(LoadTemplate(file, kept.cfg, kept.doc, kept.working));
  EXPECT_TRUE(kept.cfg == before);
  EXPECT_TRUE(IsUnchanged(kept.cfg, kept.working)) << "the working copy follows the kept configuration";
}

TEST(DataFile, IsUnchangedSeesEveryKindOfEdit) {
  Document d = DefaultDocument();
  AddChannels(d.cfg, {kHAM, 2}, 3);
  PackForFile(d.cfg, d.doc, d.working);
  ASSERT_TRUE(IsUnchanged(d.cfg, d.working));

  auto changed = [&](auto edit) {
    Document copy = d;
    edit(copy.cfg);
    return !IsUnchanged(copy.cfg, copy.working);
  };
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Options.Tot() = 3; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Options.WxFrequency(40) = 136.5; }));
  EXPECT_TRUE(changed([](RadioConfig& c) { c.Options.GroupName(4, kHAM) = u"Q"; }));
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
  d.cfg.Options.BtDeviceName() = u"Car \u00e9\u00ff\u4e2d\u0100";
  auto file = SavedPair(dir, d);
  Document reopened = DefaultDocument();
  ASSERT_TRUE(OpenDataFile(file, test::V100Versions(), reopened.cfg, reopened.doc, reopened.working).ok());
  EXPECT_EQ(reopened.cfg.Options.BtDeviceName(), u"Car \u00e9\u00ff??        ");
}

}  // namespace
}  // namespace zq
