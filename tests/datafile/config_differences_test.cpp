#include "datafile/config_differences.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>

#include "config/defaults.h"

namespace zq {
namespace {

WorkingCopy Stored(const RadioConfig& cfg) {
  RadioConfig copy = cfg;
  WorkingCopy working;
  PackForFile(copy, DocumentState{}, working);
  return working;
}

RadioConfig WithHfChannels(int count) {
  RadioConfig cfg;
  DocumentState doc;
  SetDefaultValues(cfg, doc, {2024, 2, 29});
  for (int k = 1; k <= count; ++k) {
    cfg.Channel({kHF, 3}, k) = NewChannelRecord(static_cast<int16_t>(k));
    cfg.Channel({kHF, 3}, k).RxFrequency = "2814" + std::to_string(1000 + k);
  }
  cfg.Count({kHF, 3}) = static_cast<int16_t>(count);
  return cfg;
}

const MemberDifference* Find(const std::vector<MemberDifference>& list, const std::string& member) {
  for (const MemberDifference& d : list)
    if (d.member == member) return &d;
  return nullptr;
}

TEST(ConfigDifferences, NameEachChangedValueWithBothSidesAndMatchChannelsBySlot) {
  const RadioConfig before = WithHfChannels(5);
  EXPECT_TRUE(DifferencesBetween(Stored(before), Stored(before)).empty());

  RadioConfig after = before;
  after.Options.Tot() = 7;
  after.Options.GroupName({kHF, 2}) = u"XY";
  after.Options.DtmfCodes(3) = u"123";
  // Slot 2 leaves the group and slot 4 changes: the records behind slot 2 move up
  // in the group's list, yet only what changed in each slot counts.
  for (int k = 2; k < 5; ++k) after.Channel({kHF, 3}, k) = after.Channel({kHF, 3}, k + 1);
  after.Channel({kHF, 3}, 5) = {};
  after.Count({kHF, 3}) = 4;
  after.Channel({kHF, 3}, 3).RxFrequency = "28200000";  // now the record of slot 4

  auto list = DifferencesBetween(Stored(before), Stored(after));
  const MemberDifference* tot = Find(list, "/Options/Tot");
  ASSERT_NE(tot, nullptr);
  EXPECT_EQ(tot->before, std::to_string(before.Options.Tot()));
  EXPECT_EQ(tot->after, "7");
  ASSERT_NE(Find(list, "/Options/DtmfCodes/2"), nullptr);  // the dump's lists count from 0
  EXPECT_EQ(Find(list, "/Channels/HF/group 3/slot 4/RxFrequency")->after, "\"28200000\"");
  EXPECT_EQ(Find(list, "/Channels/HF/group 3/slot 2/RxFrequency")->after, std::nullopt);
  EXPECT_EQ(Find(list, "/Channels/HF/group 3/slot 2/Number")->before, "2");
  EXPECT_EQ(Find(list, "/ChannelCount/2/1")->after, "4");
  for (const MemberDifference& d : list) {
    EXPECT_FALSE(d.member.starts_with("/Channels/HF/group 3/slot 3")) << d.member;
    EXPECT_FALSE(d.member.starts_with("/Channels/HF/group 3/slot 5")) << d.member;
  }
  // The fields of the slot that went that held something (not its zeros and blank
  // texts), and nothing else, besides the five changes above.
  std::set<std::string> slotTwo;
  for (const MemberDifference& d : list)
    if (d.member.starts_with("/Channels/HF/group 3/slot 2/")) slotTwo.insert(d.member.substr(d.member.rfind('/') + 1));
  EXPECT_TRUE(slotTwo.contains("Number") && slotTwo.contains("Enabled") && slotTwo.contains("NbAnl"));
  EXPECT_FALSE(slotTwo.contains("Mode") || slotTwo.contains("HiCut")) << ::testing::PrintToString(slotTwo);
  std::set<std::string> others;
  for (const MemberDifference& d : list)
    if (!d.member.starts_with("/Channels/HF/group 3/slot 2/")) others.insert(d.member);
  EXPECT_EQ(others.size(), 5u) << ::testing::PrintToString(others);

  // Reading the other way round swaps the sides; the JSON form has null for a missing side.
  auto back = DifferencesBetween(Stored(after), Stored(before));
  ASSERT_EQ(back.size(), list.size());
  EXPECT_EQ(Find(back, "/Channels/HF/group 3/slot 2/RxFrequency")->before, std::nullopt);
  auto doc = nlohmann::json::parse(DifferencesJson(list, "a.dat", "b.dat"));
  EXPECT_EQ(doc["old"], "a.dat");
  EXPECT_EQ(doc["differences"].size(), list.size());
  for (const auto& d : doc["differences"]) {
    if (d["member"] == "/Channels/HF/group 3/slot 2/RxFrequency") {
      EXPECT_TRUE(d["new"].is_null());
    }
    if (d["member"] == "/Options/Tot") {
      EXPECT_EQ(d["new"], 7);
    }
  }
}

}  // namespace
}  // namespace zq
