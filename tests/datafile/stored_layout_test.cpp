#include <gtest/gtest.h>

#include <random>

#include "datafile/layout_description.h"
#include "datafile/record_bytes.h"
#include "test_support.h"

namespace zq {
namespace {

const LayoutRow& Row(const std::vector<LayoutRow>& rows, const std::string& name) {
  for (const auto& r : rows)
    if (r.name == name) return r;
  throw std::runtime_error("no layout row " + name);
}

TEST(StoredLayout, RecordFitsWithTheHeaderWhereFilesHaveIt) {
  EXPECT_LE(StoredSettingsSize(), kDataFileSize);
  auto rows = DescribeSettingsRecord();
  EXPECT_EQ(Row(rows, "DataVersion").offset, 0u);
  EXPECT_EQ(Row(rows, "RangeType").offset, 4u);
  EXPECT_EQ(Row(rows, "Flags").offset, 8u);
  EXPECT_EQ(Row(rows, "SelectionFlags").offset, 12u);
  EXPECT_EQ(Row(rows, "ChannelCount").offset, 114u);
  EXPECT_EQ(Row(rows, "Identity.ModelName").offset, 216u);
  EXPECT_EQ(Row(rows, "Identity.Marker").offset, 248u);
  EXPECT_EQ(Row(rows, "Options.WorkGroup").offset, kSettingsHeaderSize);
  // Rows follow each other without gaps and end exactly at the record length.
  std::size_t end = 0;
  for (const auto& r : rows) {
    EXPECT_EQ(r.offset, end) << r.name;
    end = r.offset + r.size;
  }
  EXPECT_EQ(end, kDataFileSize);
  EXPECT_EQ(rows.back().size, kDataFileSize - StoredSettingsSize());
}

TEST(StoredLayout, ChannelRecordMatchesTheFileFormat) {
  auto rows = DescribeChannelRecord();
  const std::pair<const char*, std::size_t> expected[] = {
      {"Number", 0},       {"RxFrequency", 6}, {"TxFrequency", 14}, {"Reserved", 22},   {"TxToneType", 26},
      {"ReservedInt", 32}, {"Mode", 34},       {"Public", 50},      {"PowerLevel", 64}, {"CbMemChannel", 68}};
  for (auto [name, offset] : expected) EXPECT_EQ(Row(rows, name).offset, offset) << name;
  EXPECT_EQ(rows.back().offset + rows.back().size, kChannelRecordSize);

  ChannelRecord r;
  r.Number = 0x0102;
  r.RxFrequency = "27255000";
  r.CbMemChannel = 255;
  std::array<uint8_t, kChannelRecordSize> bytes{};
  EncodeChannelRecord(r, bytes);
  EXPECT_EQ(bytes[0], 0x02);
  EXPECT_EQ(bytes[1], 0x01);
  EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 14), "27255000");
  EXPECT_EQ(bytes[68], 255);
  EXPECT_EQ(bytes[69], 0);
  EXPECT_TRUE(DecodeChannelRecord(bytes) == r);
}

// Each option field lands where the layout description says.
TEST(StoredLayout, OptionFieldsAreStoredWhereTheDescriptionSays) {
  auto rows = DescribeSettingsRecord();
  for (const auto& def : kOptionFields) {
    RadioConfig cfg;
    const auto id = static_cast<Opt>(&def - kOptionFields);
    auto [i, j] = ElementIndexes(def, 0);
    if (def.kind == FieldKind::Text)
      cfg.Options.SetText(id, u"\u00c4Q", i, j);
    else if (def.kind == FieldKind::F64)
      cfg.Options.SetReal(id, -2.0, i, j);
    else
      cfg.Options.SetInt(id, 0x5A, i, j);
    auto bytes = EncodeSettingsRecord(cfg);
    std::size_t at = Row(rows, "Options." + std::string(def.name)).offset;
    if (def.kind == FieldKind::Text) {
      EXPECT_EQ(bytes[at], 0xC4) << def.name;
      EXPECT_EQ(bytes[at + 1], 'Q') << def.name;
    } else if (def.kind == FieldKind::F64) {
      EXPECT_EQ(bytes[at + 7], 0xC0) << def.name;  // sign and exponent of -2.0, little-endian
    } else {
      EXPECT_EQ(bytes[at], 0x5A) << def.name;
    }
  }
}

TEST(StoredLayout, AnyRecordReadsBackToTheSameBytes) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    std::vector<uint8_t> stored(kDataFileSize);
    for (auto& b : stored) b = static_cast<uint8_t>(rng());
    RadioConfig cfg;
    DecodeSettingsRecord(std::span<const uint8_t, kDataFileSize>(stored.data(), kDataFileSize), cfg);
    auto again = EncodeSettingsRecord(cfg);
    const std::size_t used = StoredSettingsSize();
    EXPECT_TRUE(std::equal(stored.begin(), stored.begin() + used, again.begin())) << round;
    EXPECT_TRUE(std::all_of(again.begin() + used, again.end(), [](uint8_t b) { return b == 0; }));
  }
}

TEST(StoredLayout, DocumentationShowsTheLayoutInForce) {
  std::string doc = test::ReadText(std::filesystem::path(ZQ_SOURCE_DIR) / "docs" / "data-file-format.md");
  EXPECT_NE(doc.find(LayoutMarkdown()), std::string::npos)
      << "docs/data-file-format.md is out of date; build/data/print_file_layout prints the current tables";
}

}  // namespace
}  // namespace zq
