#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "channels/channel_rows.h"
#include "channels/config_fixture.h"
#include "channels/csv_channels.h"
#include "channels/tone_codes.h"
#include "config/channel_slots.h"
#include "text/plain_text.h"

namespace zq {
namespace {

using testing::DefaultConfig;

class RandomChannels {
 public:
  explicit RandomChannels(unsigned seed) : rng_(seed) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  // A group of HF or HAM (the MEM and VFO groups included) with channels on
  // random rows, created in random order, with every field the file carries
  // drawn at random and the ones it does not carry disturbed too.
  void Fill(RadioConfig& cfg, BandGroup group) {
    std::vector<int> rows;
    for (int row = 1; row <= GroupCapacity(group); ++row)
      if (Int(0, 2) == 0) rows.push_back(row);
    std::shuffle(rows.begin(), rows.end(), rng_);
    for (int row : rows) ASSERT_TRUE(AppendSlot(cfg, group, Channel(group.band, row)));
  }

 private:
  ChannelRecord Channel(Band band, int row) {
    ChannelRecord r = NewChannelRecord(row);
    FrequencyLimits limits = LimitsOfBand(band);
    long long steps = std::llround((limits.max - limits.min) * 1e5);
    double mhz = (std::llround(limits.min * 1e5) + Int(0, static_cast<int>(steps))) / 1e5;
    r.RxFrequency = r.TxFrequency = *StoredFromEntry(FormatFixed(mhz, 5), limits);
    r.TxToneType = static_cast<int16_t>(Int(0, 2));
    r.RxToneType = static_cast<int16_t>(Int(0, 2));
    r.TxCtcss = static_cast<int16_t>(Int(0, kCtcssCount - 1));
    r.RxCtcss = Int(0, 3) == 0 ? r.TxCtcss : static_cast<int16_t>(Int(0, kCtcssCount - 1));
    r.TxDcs = static_cast<int16_t>(Int(0, kDcsCount - 1));
    r.RxDcs = Int(0, 3) == 0 ? r.TxDcs : static_cast<int16_t>(Int(0, kDcsCount - 1));
    r.Mode = static_cast<int16_t>(Int(0, 5));
    r.PowerLevel = static_cast<int16_t>(Int(0, 2));
    r.ScanAdd = static_cast<int16_t>(Int(0, 1));
    r.Rep = static_cast<int16_t>(Int(0, 2));
    r.HiCut = static_cast<int16_t>(Int(0, 1));
    r.Roger = static_cast<int16_t>(Int(0, 8));
    return r;
  }

  std::mt19937 rng_;
};

// What the file carries of a channel; the code of a direction without a tone is no part of it.
struct Carried {
  std::string frequency;
  int txType, txCode, rxType, rxCode, mode, power, scan, rep;
  bool operator==(const Carried&) const = default;
};

Carried CarriedOf(const ChannelRecord& r) {
  auto code = [](int type, int ctcss, int dcs) { return type == kToneCtcss ? ctcss : type == kToneDcs ? dcs : -1; };
  return {std::string(Trim(r.RxFrequency.view())),
          r.TxToneType,
          code(r.TxToneType, r.TxCtcss, r.TxDcs),
          r.RxToneType,
          code(r.RxToneType, r.RxCtcss, r.RxDcs),
          r.Mode,
          r.PowerLevel,
          r.ScanAdd,
          r.Rep};
}

TEST(CsvRoundTrip, ExportedChannelsComeBackAlikeInAnEmptyGroupOfTheSameBand) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    RandomChannels random(seed);
    Band band = seed % 2 ? kHF : kHAM;
    int group = random.Int(1, GroupCount(band));
    RadioConfig source = DefaultConfig();
    source.Options.TxRepeaterOffset() = random.Int(1, 50000);
    random.Fill(source, {band, group});
    std::string text = ExportChannelsCsv(source, {band, group});

    RadioConfig target = DefaultConfig();
    CsvImportResult result = ImportChannelsCsv(target, {band, group}, text);

    SCOPED_TRACE("seed " + std::to_string(seed));
    EXPECT_FALSE(result.refusal);
    EXPECT_TRUE(result.skippedLines.empty()) << MessageText(result.skippedLines.front(), kEnglish);
    EXPECT_EQ(result.created, SlotsInUse(source, {band, group}));
    EXPECT_EQ(target.Count({band, group}), source.Count({band, group}));
    for (int row = 1; row <= GroupCapacity({band, group}); ++row) {
      const ChannelRecord* original = RecordAtRow(source, {band, group}, row);
      const ChannelRecord* copy = RecordAtRow(target, {band, group}, row);
      ASSERT_EQ(original == nullptr, copy == nullptr) << "row " << row;
      if (original) {
        EXPECT_EQ(CarriedOf(*copy), CarriedOf(*original)) << "row " << row;
      }
    }

    // Read back over the channels it came from, the file changes nothing.
    RadioConfig unchanged = source;
    CsvImportResult again = ImportChannelsCsv(unchanged, {band, group}, text);
    EXPECT_EQ(again.created + again.changed, 0);
    EXPECT_TRUE(unchanged == source);
  }
}

TEST(CsvRoundTrip, FilesAreWrittenWholeAndReadBackWithClearFailures) {
  auto folder = std::filesystem::path(::testing::TempDir()) / "zq4071_csv_files";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  RadioConfig source = DefaultConfig();
  RandomChannels(7).Fill(source, {kHAM, 3});

  auto file = folder / "ham3.csv";
  EXPECT_FALSE(ExportChannelsCsvFile(source, {kHAM, 3}, file));
  RadioConfig target = DefaultConfig();
  CsvImportResult result = ImportChannelsCsvFile(target, {kHAM, 3}, file);
  EXPECT_FALSE(result.refusal);
  EXPECT_EQ(result.created, SlotsInUse(source, {kHAM, 3}));

  auto missing = folder / "none" / "x.csv";
  auto notWritten = ExportChannelsCsvFile(source, {kHAM, 3}, missing);
  ASSERT_TRUE(notWritten);
  EXPECT_EQ(MessageText(*notWritten, kEnglish), "The file cannot be written: " + missing.string());
  CsvImportResult notRead = ImportChannelsCsvFile(target, {kHAM, 3}, missing);
  ASSERT_TRUE(notRead.refusal);
  EXPECT_EQ(MessageText(*notRead.refusal, kChinese), "无法读取文件：" + missing.string());
  CsvImportResult folderRead = ImportChannelsCsvFile(target, {kHAM, 3}, folder);
  ASSERT_TRUE(folderRead.refusal);
  EXPECT_EQ(folderRead.refusal->text, Txt::CsvCannotRead);

  auto huge = folder / "huge.csv";
  std::ofstream(huge) << "Location,Frequency\n" << std::string(3 * kCsvMaxBytes, ' ');
  const RadioConfig before = target;
  CsvImportResult tooLarge = ImportChannelsCsvFile(target, {kHAM, 3}, huge);
  ASSERT_TRUE(tooLarge.refusal);
  EXPECT_EQ(tooLarge.refusal->text, Txt::CsvFileTooLarge);
  EXPECT_TRUE(target == before);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zq
