// The option-features window's rules outside its lists: number boxes and the
// per-band PUBLIC switch.
#include <gtest/gtest.h>

#include "channels/config_fixture.h"
#include "options/option_number_text.h"
#include "options/public_switch.h"

namespace zq {
namespace {

using testing::DefaultConfig;

const NumberFormat kSwr{.decimals = 1, .low = 1.2, .high = 20.0, .fallback = "20.0"};
const NumberFormat kVolts{.decimals = 1, .low = 9.0, .high = 29.0, .fallback = "9.0"};
const NumberFormat kOffset{.decimals = 4, .low = 0.0001, .high = 5.0, .fallback = "5.0000", .scale = 10000};

void ExpectNumber(const NumberText& n, const std::string& text, long long stored) {
  EXPECT_EQ(n.text, text);
  EXPECT_EQ(n.stored, stored);
}

TEST(NumberBoxes, TypedValuesAreHeldWithinTheLimitsAndRewritten) {
  ExpectNumber(NormaliseNumber(kSwr, "0.5"), "1.2", 12);
  ExpectNumber(NormaliseNumber(kSwr, "25"), "20.0", 200);
  ExpectNumber(NormaliseNumber(kSwr, "3.45"), "3.5", 35);  // stored as shown
  ExpectNumber(NormaliseNumber(kOffset, "7"), "5.0000", 50000);
  ExpectNumber(NormaliseNumber(kOffset, "0"), "0.0001", 1);
  ExpectNumber(NormaliseNumber(kOffset, ".6"), "0.6000", 6000);
}

TEST(NumberBoxes, TextThatIsNoNumberBecomesTheBoxDefault) {
  ExpectNumber(NormaliseNumber(kSwr, "abc"), "20.0", 200);
  ExpectNumber(NormaliseNumber(kSwr, ""), "20.0", 200);
  ExpectNumber(NormaliseNumber(kSwr, "1..2"), "20.0", 200);
  ExpectNumber(NormaliseNumber(kVolts, "."), "9.0", 90);
  ExpectNumber(NormaliseNumber(kOffset, "x"), "5.0000", 50000);
}

TEST(NumberBoxes, ARangeWhoseEndsAreSwappedIsPutRight) {
  auto [low, high] = NormaliseRange(kVolts, "25", "12");
  ExpectNumber(low, "12.0", 120);
  ExpectNumber(high, "25.0", 250);
  auto [low2, high2] = NormaliseRange(kVolts, "40", "x");  // each end is normalised first
  ExpectNumber(low2, "9.0", 90);
  ExpectNumber(high2, "29.0", 290);
}

TEST(NumberBoxes, StoredValuesShowInTheBoxFormat) {
  EXPECT_EQ(ShowNumber(kOffset, 1000), "0.1000");
  EXPECT_EQ(ShowNumber(kSwr, 30), "3.0");
  EXPECT_EQ(ShowNumber(kVolts, 105), "10.5");
}

TEST(PublicSwitch, SwitchingABandRewritesEverySlotOfThatBandOnly) {
  RadioConfig cfg = DefaultConfig();
  cfg.PublicSwitch.fill(kPublicOn);
  ASSERT_TRUE(SetPublicSwitch(cfg, kHF, kPublicOff));
  EXPECT_EQ(cfg.PublicSwitch[BandIndex(kHF)], kPublicOff);
  for (int group = 1; group <= GroupCount(kHF); ++group)
    for (int k = 1; k <= GroupCapacity({kHF, group}); ++k)
      ASSERT_EQ(cfg.Channel({kHF, group}, k).Public, 1) << group << "/" << k;
  EXPECT_EQ(cfg.Channel({kHF, MemGroup(kHF)}, 99).Public, 1);
  EXPECT_EQ(cfg.Channel({kHF, VfoGroup(kHF)}, 1).Public, 1);
  for (const Band band : {kCB, kHAM})
    for (int group = 1; group <= GroupCount(band); ++group) EXPECT_EQ(cfg.Channel({band, group}, 1).Public, 0);

  ASSERT_TRUE(SetPublicSwitch(cfg, kCB, kPublicOff));
  EXPECT_EQ(cfg.Channel({kCB, 3}, 80).Public, 1);  // the group with 80 channels
  ASSERT_TRUE(SetPublicSwitch(cfg, kHF, kPublicOn));
  EXPECT_EQ(cfg.Channel({kHF, 15}, 40).Public, 0);
}

TEST(PublicSwitch, TheSameOrAnInvalidValueChangesNothing) {
  RadioConfig cfg = DefaultConfig();
  cfg.PublicSwitch.fill(kPublicOn);
  cfg.Channel({kHAM, 2}, 3).Public = 1;  // a channel that differs from its band's switch
  RadioConfig before = cfg;
  EXPECT_FALSE(SetPublicSwitch(cfg, kHAM, kPublicOn));
  EXPECT_FALSE(SetPublicSwitch(cfg, kHAM, 2));
  EXPECT_FALSE(BandOfIndex(3));  // no band to switch
  EXPECT_EQ(cfg, before);
}

}  // namespace
}  // namespace zq
