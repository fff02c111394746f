// The difference list in the option windows' terms: every control's member is
// the one the difference list reports when that control's value changes, and
// labels and values read as the windows show them, in both languages.
#include "options/option_difference_labels.h"

#include <gtest/gtest.h>

#include "channels/config_fixture.h"
#include "options/option_items.h"

namespace zq {
namespace {

std::vector<MemberDifference> ChangedBy(const ValueRef& value) {
  RadioConfig before = testing::DefaultConfig();
  RadioConfig after = before;
  WriteValue(after, value, ReadValue(before, value) == 1 ? 2 : 1);
  WorkingCopy a, b;
  PackForFile(before, {}, a);
  PackForFile(after, {}, b);
  return DifferencesBetween(a, b);
}

TEST(OptionDifferenceLabels, EveryControlIsNamedByTheMemberItChanges) {
  std::vector<ValueRef> values;
  for (const OptionControl& c : OptionControls())
    if (c.kind != OptionControlKind::NameBox) values.push_back(c.value);
  for (const PublicBlock& block : PublicBlocks())
    for (const PublicRow& row : PublicRows())
      if (BlockShowsRow(block, row)) values.push_back(Field(Opt::PublicParams, block.band, row.param));
  for (const ValueRef& value : values) {
    const auto changed = ChangedBy(value);
    ASSERT_EQ(changed.size(), 1u) << ValueName(value);
    EXPECT_EQ(changed[0].member, MemberOf(value)) << ValueName(value);
    EXPECT_TRUE(LabelledOptionDifference(changed[0], testing::DefaultConfig(), kEnglish)) << ValueName(value);
  }
}

TEST(OptionDifferenceLabels, LabelsAndValuesAreTheWindowsOwn) {
  RadioConfig cfg = testing::DefaultConfig();
  cfg.Options.DtmfCodes(3) = u"123A            ";
  auto label = [&](std::string member, std::optional<std::string> before, std::optional<std::string> after,
                   int language = kEnglish) {
    auto l = LabelledOptionDifference({std::move(member), std::move(before), std::move(after)}, cfg, language);
    return l ? l->member + ": " + l->before + " -> " + l->after : std::string("(none)");
  };
  EXPECT_EQ(label("/Options/ScanType", "0", "1"), "SCN.TYPE: Squelch Scan -> Time Scan");
  EXPECT_EQ(label("/Options/SwrProtect", "0", "1"), "SWR Protect: Off -> On");
  EXPECT_EQ(label("/Options/SwrProtectMax", "30", "25"), "SWR Protect Max: 3.0 -> 2.5");
  EXPECT_EQ(label("/Options/PublicParams/2/2", "0", "2"), "HAM Public Power: Low -> High");
  EXPECT_EQ(label("/Options/PublicParams/1/7", "0", "3"), "HF Public BOT: OFF -> 3 \u2014 123A");
  EXPECT_EQ(label("/Options/DtmfCodes/3", "\"    \"", "\"12\""), "DTMF 4:  -> 12");
  EXPECT_EQ(label("/PublicSwitch/0", "0", "1", kChinese).substr(0, 9), "CB PUBLIC");
  EXPECT_EQ(label("/Options/ScanType", "0", "7"), "SCN.TYPE: Squelch Scan -> 7");  // no entry stores 7
  EXPECT_EQ(label("/Options/ScanType", std::nullopt, "1"), "SCN.TYPE: (none) -> Time Scan");
  EXPECT_EQ(label("/ChannelCount/0/1", "1", "2"), "(none)");  // no option window shows it
  EXPECT_EQ(
      label("/Options/PublicParams/2/2", "0", "1", kChinese).rfind("HAM \u516c\u5171\u4fe1\u9053\u8bbe\u7f6e ", 0), 0u);
}

}  // namespace
}  // namespace zq
