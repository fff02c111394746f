#include "options/dtmf_rules.h"

#include <gtest/gtest.h>

#include "channels/config_fixture.h"
#include "config/public_params.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

std::string Typed(std::u32string_view keys) {
  std::string code;
  for (char32_t key : keys) {
    FilteredKey filtered = FilterDtmfKey(key);
    if (filtered.verdict == KeyVerdict::Insert && code.size() < kDtmfCodeLength) code += filtered.character;
  }
  return code;
}

TEST(DtmfKeys, DigitsStarHashAndAToDAreTakenInCapitals) {
  EXPECT_EQ(Typed(U"12ab*#x"), "12AB*#");
  EXPECT_EQ(Typed(U"cdCDeE9 0"), "CDCD90");
  EXPECT_EQ(FilterDtmfKey(U'\b').verdict, KeyVerdict::PassControl);
  EXPECT_EQ(FilterDtmfKey(U'\r').verdict, KeyVerdict::PassControl);
  for (char32_t dropped : {3, 22, 24, 0xE9, 0xFF10}) EXPECT_EQ(FilterDtmfKey(dropped).verdict, KeyVerdict::Discard);
}

TEST(DtmfCodes, ACodeIsDefinedWhenItHasMoreThanBlanks) {
  RadioConfig cfg = DefaultConfig();
  EXPECT_FALSE(IsDtmfCodeDefined(cfg.Options, 1));  // 16 blanks
  cfg.Options.DtmfCodes(1) = u"  1";
  EXPECT_TRUE(IsDtmfCodeDefined(cfg.Options, 1));
  OptionFeatures neverWritten;
  EXPECT_FALSE(IsDtmfCodeDefined(neverWritten, 1));  // NUL characters
  cfg.Options.DtmfCodes(16) = u"#";
  EXPECT_TRUE(IsDtmfCodeDefined(cfg.Options, 16));
  EXPECT_FALSE(IsDtmfCodeDefined(cfg.Options, 0));
  EXPECT_FALSE(IsDtmfCodeDefined(cfg.Options, 17));
  EXPECT_EQ(DefinedDtmfCodeNumbers(cfg.Options), (std::vector<int>{1, 16}));
}

TEST(DtmfCodes, SettingACodeStoresItPaddedAndRefusesWhatCannotBeTyped) {
  RadioConfig cfg = DefaultConfig();
  ASSERT_TRUE(SetDtmfCode(cfg, 4, "12ab*#  "));
  EXPECT_EQ(cfg.Options.DtmfCodes(4), u"12AB*#          ");
  RadioConfig before = cfg;
  EXPECT_FALSE(SetDtmfCode(cfg, 4, "12 3"));
  EXPECT_FALSE(SetDtmfCode(cfg, 4, "12345678901234567"));
  EXPECT_FALSE(SetDtmfCode(cfg, 17, "1"));
  EXPECT_EQ(cfg, before);
  EXPECT_TRUE(SetDtmfCode(cfg, 4, "1234567890ABCD*#"));
}

TEST(DtmfCodes, EmptyingACodeResetsEveryReferenceToIt) {
  RadioConfig cfg = DefaultConfig();
  ASSERT_TRUE(SetDtmfCode(cfg, 3, "123"));
  ASSERT_TRUE(SetDtmfCode(cfg, 5, "555"));
  for (int number = 1; number <= 5; ++number) AddChannel(cfg, {kCB, 1}, number);
  cfg.Channel({kCB, 1}, 5).Bot = 3;
  cfg.Channel({kCB, 1}, 5).Call = 5;
  AddChannel(cfg, {kHF, MemGroup(kHF)}, 60).Eot = 3;
  cfg.Special(90).Bot = 3;
  cfg.Options.PublicParams(kHAM, kPublicCall) = 3;
  cfg.Options.PublicParams(kHF, kPublicBot) = 5;
  cfg.Channel({kCB, 1}, 6).Bot = 3;  // past the channel count: not a channel

  ASSERT_TRUE(SetDtmfCode(cfg, 3, ""));

  EXPECT_EQ(cfg.Channel({kCB, 1}, 5).Bot, 0);
  EXPECT_EQ(cfg.Channel({kCB, 1}, 5).Call, 5);
  EXPECT_EQ(cfg.Channel({kHF, MemGroup(kHF)}, 1).Eot, 0);
  EXPECT_EQ(cfg.Special(90).Bot, 0);
  EXPECT_EQ(cfg.Options.PublicParams(kHAM, kPublicCall), 0);
  EXPECT_EQ(cfg.Options.PublicParams(kHF, kPublicBot), 5);
  EXPECT_EQ(cfg.Channel({kCB, 1}, 6).Bot, 3);
  EXPECT_EQ(DefinedDtmfCodeNumbers(cfg.Options), std::vector<int>{5});
}

TEST(DtmfCodes, NumbersOutsideOneToSixteenAreStale) {
  RadioConfig cfg = DefaultConfig();
  for (int n = 1; n <= kDtmfCodeCount; ++n) cfg.Options.DtmfCodes(n) = u"1";
  ChannelRecord& channel = AddChannel(cfg, {kHAM, 2}, 1);
  channel.Bot = -1;
  channel.Eot = 17;
  channel.Call = 16;
  cfg.Options.PublicParams(kCB, kPublicEot) = 300;

  EXPECT_EQ(CleanDtmfReferences(cfg), 3);

  EXPECT_EQ(channel.Bot, 0);
  EXPECT_EQ(channel.Eot, 0);
  EXPECT_EQ(channel.Call, 16);
  EXPECT_EQ(cfg.Options.PublicParams(kCB, kPublicEot), 0);
  EXPECT_EQ(CleanDtmfReferences(cfg), 0);
}

}  // namespace
}  // namespace zq
