#include "datafile/json_document.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>
#include <random>

#include "config/defaults.h"
#include "datafile/data_file.h"
#include "datafile/record_bytes.h"
#include "test_support.h"

namespace zq {
namespace {

using nlohmann::ordered_json;

WorkingCopy SampleDocument() {
  RadioConfig cfg;
  DocumentState doc;
  SetDefaultValues(cfg, doc, {2024, 2, 29});
  for (int k = 1; k <= 3; ++k) {
    cfg.Channel({kHF, 16}, k) = NewChannelRecord(k);
    cfg.Channel({kHF, 16}, k).RxFrequency = "28145000";
  }
  cfg.Count({kHF, 16}) = 3;
  cfg.Options.DtmfCodes(2) = u"12AB*#";
  WorkingCopy working;
  PackForFile(cfg, doc, working);
  return working;
}

// Edits one member of a dumped document and reads it back.
JsonResult LoadEdited(const std::function<void(ordered_json&)>& edit) {
  ordered_json doc = ordered_json::parse(DumpJson(SampleDocument()));
  edit(doc);
  WorkingCopy out;
  return LoadJson(doc.dump(), out);
}

TEST(JsonDocument, AnyStoredPairComesBackByteForByte) {
  test::TempFolder dir;
  std::mt19937 rng(11);
  for (int round = 0; round < 8; ++round) {
    // Random settings bytes: every text byte 0-255, NULs, and doubles of any bit pattern.
    std::vector<uint8_t> settings(kDataFileSize);
    for (auto& b : settings) b = static_cast<uint8_t>(rng());
    WorkingCopy original;
    DecodeSettingsRecord(std::span<const uint8_t, kDataFileSize>(settings.data(), kDataFileSize), original.content);
    test::Randomiser random(round);
    for (const Band band : kBands)
      for (int g = 1; g <= GroupCount(band); ++g) {
        original.content.Count({band, g}) = static_cast<int16_t>(random.Between(0, GroupCapacity({band, g})));
        for (int k = 1; k <= original.content.Count({band, g}); ++k)
          random.Fill(original.content.Channel({band, g}, k));
      }
    for (auto& special : original.content.SpecialChannelSlots) random.Fill(special);
    original.content.Options.WxFrequency(1) = std::numeric_limits<double>::quiet_NaN();
    original.content.Options.WxFrequency(2) = -std::numeric_limits<double>::infinity();

    auto first = dir / "first.dat";
    ASSERT_TRUE(WriteDataFiles(first, original).ok());
    WorkingCopy loaded;
    JsonResult result = LoadJson(DumpJson(original), loaded);
    ASSERT_TRUE(result.ok()) << JsonResultText(result, kEnglish);
    auto second = dir / "second.dat";
    ASSERT_TRUE(WriteDataFiles(second, loaded).ok());
    EXPECT_EQ(test::ReadBytes(first), test::ReadBytes(second)) << round;
    EXPECT_EQ(test::ReadBytes(dir / "first.fre"), test::ReadBytes(dir / "second.fre")) << round;
  }
}

TEST(JsonDocument, MembersAppearByNameWithTextsExact) {
  ordered_json doc = ordered_json::parse(DumpJson(SampleDocument()));
  EXPECT_EQ(doc.begin().key(), "DataVersion");
  EXPECT_EQ(doc["Identity"]["ModelName"], "VESTRAX");
  EXPECT_EQ(doc["Options"]["DtmfCodes"][1], "12AB*#          ");
  EXPECT_EQ(doc["Options"]["GroupName"][0][0], "US");
  EXPECT_EQ(doc["Options"]["GroupName"][15][1], std::string(2, '\0'));  // never named
  EXPECT_EQ(doc["ChannelCount"][15][1], 3);
  EXPECT_EQ(doc["Channels"]["HF"][15].size(), 3u);
  EXPECT_EQ(doc["Channels"]["HF"][15][2]["RxFrequency"], "28145000");
  EXPECT_EQ(doc["SpecialChannels"].size(), 96u);
  EXPECT_EQ(doc["SpecialChannels"][0]["CbMemChannel"], 255);
  for (const auto& def : kOptionFields) EXPECT_TRUE(doc["Options"].contains(std::string(def.name))) << def.name;
}

TEST(JsonDocument, DamagedDocumentsAreRefusedNamingTheMember) {
  struct Case {
    std::function<void(ordered_json&)> edit;
    JsonStatus status;
    std::string where;
  };
  // clang-format off
  const Case cases[] = {
      {[](auto& d) { d["Extra"] = 1; }, JsonStatus::UnknownMember, "/Extra"},
      {[](auto& d) { d["Options"]["Tott"] = 1; }, JsonStatus::UnknownMember, "/Options/Tott"},
      {[](auto& d) { d["Channels"]["HF"][15][0]["Colour"] = 1; }, JsonStatus::UnknownMember,
       "/Channels/HF/15/0/Colour"},
      {[](auto& d) { d.erase("Flags"); }, JsonStatus::MissingMember, "/Flags"},
      {[](auto& d) { d["Identity"].erase("Marker"); }, JsonStatus::MissingMember, "/Identity/Marker"},
      {[](auto& d) { d["Options"].erase("BtDeviceName"); }, JsonStatus::MissingMember, "/Options/BtDeviceName"},
      {[](auto& d) { d["Options"]["Tot"] = "5"; }, JsonStatus::WrongType, "/Options/Tot"},
      {[](auto& d) { d["Options"]["Tot"] = 1.5; }, JsonStatus::WrongType, "/Options/Tot"},
      {[](auto& d) { d["RangeType"] = {1}; }, JsonStatus::WrongType, "/RangeType"},
      {[](auto& d) { d["Options"]["WorkChannel"][16] = {1, 1}; }, JsonStatus::WrongType, "/Options/WorkChannel/16"},
      {[](auto& d) { d["Options"]["WxFrequency"][0] = "fast"; }, JsonStatus::WrongType, "/Options/WxFrequency/0"},
      {[](auto& d) { d["Options"]["WxFrequency"][3] = "0x7ff8000000000a"; }, JsonStatus::WrongType,
       "/Options/WxFrequency/3"},
      {[](auto& d) { d["Options"] = ordered_json::array(); }, JsonStatus::WrongType, "/Options"},
      {[](auto& d) { d["Options"]["Tot"] = 32768; }, JsonStatus::OutOfRange, "/Options/Tot"},
      {[](auto& d) { d["Options"]["CwFreq"] = 256; }, JsonStatus::OutOfRange, "/Options/CwFreq"},
      {[](auto& d) { d["Options"]["CwFreq"] = -1; }, JsonStatus::OutOfRange, "/Options/CwFreq"},
      {[](auto& d) { d["Options"]["TxRepeaterOffset"] = 4294967296LL; }, JsonStatus::OutOfRange,
       "/Options/TxRepeaterOffset"},
      {[](auto& d) { d["KeyLock"] = 18446744073709551615ULL; }, JsonStatus::OutOfRange, "/KeyLock"},
      {[](auto& d) { d["DataVersion"] = "V1000"; }, JsonStatus::OutOfRange, "/DataVersion"},
      {[](auto& d) { d["Options"]["GroupName"][0][0] = "\u4e2d"; }, JsonStatus::OutOfRange, "/Options/GroupName/0/0"},
      {[](auto& d) { d["ChannelCount"][0][0] = 41; }, JsonStatus::OutOfRange, "/ChannelCount"},
      {[](auto& d) { d["ChannelCount"][15][1] = 2; }, JsonStatus::CountMismatch, "/Channels/HF/15"},
      {[](auto& d) { d["Channels"]["HF"][15].push_back(d["Channels"]["HF"][15][0]); }, JsonStatus::CountMismatch,
       "/Channels/HF/15"},
      {[](auto& d) { d["Channels"]["HAM"].erase(0); }, JsonStatus::WrongType, "/Channels/HAM"},
  };
  // clang-format on
  for (const auto& c : cases) {
    JsonResult r = LoadEdited(c.edit);
    EXPECT_EQ(r.status, c.status) << c.where;
    EXPECT_EQ(r.where, c.where);
  }
}

TEST(JsonDocument, NonJsonInputLeavesTheWorkingCopyAlone) {
  WorkingCopy out = SampleDocument();
  const RadioConfig before = out.content;
  const std::string good = DumpJson(out);
  for (std::string text :
       {std::string(), std::string("{"), good.substr(0, good.size() / 2), std::string("[1,2]"), std::string("null"),
        std::string("\"V100\""), std::string(200000, '['), std::string("{\"a\":\xff}")}) {
    JsonResult r = LoadJson(text, out);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(out.content == before);
  }
  EXPECT_EQ(LoadJson("{", out).status, JsonStatus::Malformed);
  EXPECT_EQ(LoadJson("[1,2]", out).status, JsonStatus::WrongType);
  // The last member wrong: everything read before it must not reach `out` either.
  ordered_json doc = ordered_json::parse(good);
  doc["Options"]["Tot"] = 12;
  doc["SpecialChannels"][95]["Busy"] = "yes";
  EXPECT_EQ(LoadJson(doc.dump(), out).status, JsonStatus::WrongType);
  EXPECT_TRUE(out.content == before);
  EXPECT_EQ(JsonResultText(LoadJson(doc.dump(), out), kEnglish),
            "Wrong type or length of member: /SpecialChannels/95/Busy");
}

// A number beyond a double and lists nested without end are faults of the text,
// reported as such, not a stop of the program or gigabytes of parsed lists.
TEST(JsonDocument, OverflowingNumbersDeepNestingAndHugeNamesAreRefusedClearly) {
  WorkingCopy out = SampleDocument();
  const RadioConfig before = out.content;
  std::string good = DumpJson(out);
  const std::string tot = "\"Tot\": ";
  std::string overflow = good;
  overflow.insert(overflow.find(tot) + tot.size(), "1e400, \"X\": ");
  JsonResult r = LoadJson(overflow, out);
  EXPECT_EQ(r.status, JsonStatus::Malformed);
  EXPECT_EQ(std::stoul(r.where), overflow.find("1e400") + 5);
  EXPECT_EQ(LoadJson("[-1e400]", out).status, JsonStatus::Malformed);

  std::string deep = std::string(1000000, '[') + std::string(1000000, ']');
  EXPECT_EQ(JsonResultText(LoadJson(deep, out), kEnglish),
            "The JSON text nests lists and objects deeper than the allowed number of levels: 8");
  std::string deepMember = good;
  deepMember.insert(deepMember.find(tot) + tot.size(), "[[[[[[[[1]]]]]]]], \"X\": ");
  EXPECT_EQ(LoadJson(deepMember, out).status, JsonStatus::TooDeep);
  EXPECT_TRUE(out.content == before);
  // A member name of a megabyte is named by its start.
  std::string longName = good;
  longName.insert(longName.find(tot), "\"" + std::string(1 << 20, 'n') + "\": 1, ");
  EXPECT_EQ(JsonResultText(LoadJson(longName, out), kEnglish),
            "Unknown member: /Options/" + std::string(71, 'n') + "...");
  // The deepest members of a real document stay within the limit.
  EXPECT_TRUE(LoadJson(good, out).ok());
}

TEST(JsonDocument, ShortTextsArePaddedWithBlanks) {
  ordered_json doc = ordered_json::parse(DumpJson(SampleDocument()));
  doc["Options"]["BtDeviceName"] = "Car \u00e9";
  doc["RadioInformation"]["FactoryCode"] = "";
  WorkingCopy out;
  ASSERT_TRUE(LoadJson(doc.dump(), out).ok());
  EXPECT_EQ(out.content.Options.BtDeviceName(), u"Car \u00e9           ");
  EXPECT_EQ(out.content.RadioInfo.FactoryCode.str(), "    ");
}

}  // namespace
}  // namespace zq
