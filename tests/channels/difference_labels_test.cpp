// The difference list as the channel and special-channel windows name and show
// their members: the dual-watch window's fields by their labels and list entries.
#include "channels/difference_labels.h"

#include <gtest/gtest.h>

#include "channels/config_fixture.h"

namespace zq {
namespace {

TEST(DifferenceLabels, SpecialChannelSettingsReadAsTheirWindowShowsThem) {
  RadioConfig cfg = testing::DefaultConfig();
  for (int number = 1; number <= 5; ++number) testing::AddChannel(cfg, {kCB, 2}, number);
  auto line = [&](std::string member, std::string before, std::string after) {
    const auto labelled = LabelledDifferences({{std::move(member), std::move(before), std::move(after)}}, cfg,
                                              kEnglish);
    return labelled.at(0).member + ": " + labelled.at(0).before + " -> " + labelled.at(0).after;
  };
  EXPECT_EQ(line("/DualWatchSettings/1", "0", "4"), "PL DW Channel: 1 -> 5");  // stored as the number less one
  EXPECT_EQ(line("/DualWatchSettings/1", "0", "9"), "PL DW Channel: 1 -> 9");  // channel 10 is not in use
  EXPECT_EQ(line("/DualWatchSettings/7", "0", "1"), "PL DW Channel  Work Mode: FM -> AM");
  EXPECT_EQ(line("/DualWatchSettings/7", "0", "77"), "PL DW Channel  Work Mode: FM -> 77");  // no entry stores 77
  EXPECT_EQ(line("/ChannelCount/0/1", "40", "39"), "/ChannelCount/0/1: 40 -> 39");           // no window shows it
}

}  // namespace
}  // namespace zq
