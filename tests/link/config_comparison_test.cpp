#include "link/config_comparison.h"

#include <gtest/gtest.h>

#include "config/defaults.h"
#include "support/random_config.h"

namespace zq {
namespace {

CompareSide FileSide(const RadioConfig& cfg) {
  RadioConfig copy = cfg;
  CompareSide side;
  PackForFile(copy, DocumentState{}, side.stored);
  return side;
}

CompareSide MemorySide(const RadioConfig& cfg) {
  RadioConfig copy = cfg;
  CompareSide side = FileSide(testing::RandomConfig(1).Make());  // only used beside another memory
  side.memory.emplace();
  EncodeImage(copy, *side.memory);
  return side;
}

std::vector<std::string> Members(const std::vector<MemberDifference>& list) {
  std::vector<std::string> names;
  for (const MemberDifference& d : list) names.push_back(d.member);
  return names;
}

TEST(ConfigComparison, AMemoryCountsOnlyWhatTheRadioHolds) {
  const RadioConfig file = testing::RandomConfig(5).Make();
  // A data file and the image a write of it leaves in the radio are the same,
  // whichever side each is on.
  EXPECT_TRUE(CompareSides(FileSide(file), MemorySide(file)).empty());
  EXPECT_TRUE(CompareSides(MemorySide(file), FileSide(file)).empty());

  // What the radio does not hold (the transmit frequency text) differs only between files.
  RadioConfig other = file;
  ASSERT_GT(other.Count({kCB, 1}), 1);
  other.Channel({kCB, 1}, 1).TxFrequency = "27000000";
  EXPECT_EQ(CompareSides(FileSide(file), FileSide(other)).size(), 1u);
  EXPECT_TRUE(CompareSides(FileSide(file), MemorySide(other)).empty());

  // What it holds differs under the member's name, the radio's value on its side.
  other.Options.Tot() = static_cast<int16_t>(file.Options.Tot() == 3 ? 4 : 3);
  other.Channel({kCB, 1}, 2).RxFrequency = "26975000";
  const std::string slot = "/Channels/CB/group 1/slot " + std::to_string(file.Channel({kCB, 1}, 2).Number);
  auto list = CompareSides(FileSide(file), MemorySide(other));
  EXPECT_EQ(Members(list), (std::vector<std::string>{"/Options/Tot", slot + "/RxFrequency"}));
  EXPECT_EQ(list.back().after, "\"26975000\"");
  // Two memories compare the same way, over the same settings.
  EXPECT_EQ(Members(CompareSides(MemorySide(file), MemorySide(other))), Members(list));
}

}  // namespace
}  // namespace zq
