#include "channels/weather_rules.h"

#include <gtest/gtest.h>

#include "channels/config_fixture.h"
#include "channels/weather_fields.h"

namespace zq {
namespace {

using testing::DefaultConfig;

TEST(WeatherCheckFre, KeepsFrequenciesOnEitherRasterAndCutsOthersToFiveKilohertz) {
  EXPECT_EQ(TV_CH_CheckFre("162.55"), "162.55");
  EXPECT_EQ(TV_CH_CheckFre("162.4375"), "162.4375");  // 6.25 kHz raster
  EXPECT_EQ(TV_CH_CheckFre("162.4321"), "162.43");
  EXPECT_EQ(TV_CH_CheckFre("173.99999"), "173.995");
  EXPECT_EQ(TV_CH_CheckFre("162.4374999"), "162.4375");  // rounds to 10 Hz first
  EXPECT_EQ(TV_CH_CheckFre("150.00625"), "150.00625");
  EXPECT_EQ(TV_CH_CheckFre("150.0063"), "150.005");
}

TEST(WeatherCheckFre, HoldsTheRangeAndRefusesWhatIsNotANumber) {
  EXPECT_EQ(TV_CH_CheckFre("130"), "136");
  EXPECT_EQ(TV_CH_CheckFre("180"), "174");
  EXPECT_EQ(TV_CH_CheckFre("136"), "136");
  EXPECT_EQ(TV_CH_CheckFre("174"), "174");
  EXPECT_EQ(TV_CH_CheckFre("99999999999999999999"), "174");
  EXPECT_EQ(TV_CH_CheckFre(""), "");
  EXPECT_EQ(TV_CH_CheckFre("."), "");
  EXPECT_EQ(TV_CH_CheckFre("162.5.5"), "");
  EXPECT_EQ(TV_CH_CheckFre("abc"), "");
}

TEST(WeatherStore, AFrequencyPutsTheChannelInUseWideAndKeepsItsScanFlag) {
  RadioConfig cfg = DefaultConfig();
  OptionFeatures& opt = cfg.Options;
  opt.WxInUse(12) = 0;
  opt.WxBandwidth(12) = 0;
  opt.WxOnOff(12) = 1;
  opt.WxScan(12) = 1;
  StoreWeatherFrequency(opt, 12, "162.4321");
  EXPECT_EQ(opt.WxInUse(12), 1);
  EXPECT_EQ(opt.WxBandwidth(12), 1);
  EXPECT_EQ(opt.WxOnOff(12), 0);
  EXPECT_EQ(opt.WxScan(12), 1);
  EXPECT_DOUBLE_EQ(opt.WxFrequency(12), 162.43);

  StoreWeatherFrequency(opt, kWeatherVfoRecord, "130");
  EXPECT_EQ(opt.WxInUse(kWeatherVfoRecord), 1);
  EXPECT_DOUBLE_EQ(opt.WxFrequency(kWeatherVfoRecord), 136.0);
}

TEST(WeatherStore, AnEmptyEntryEmptiesTheChannelAndLeavesItsOtherFields) {
  RadioConfig cfg = DefaultConfig();
  OptionFeatures& opt = cfg.Options;
  ASSERT_EQ(opt.WxInUse(3), 1);
  double before = opt.WxFrequency(3);
  StoreWeatherFrequency(opt, 3, "");
  EXPECT_EQ(opt.WxInUse(3), 0);
  EXPECT_EQ(opt.WxFrequency(3), before);
  EXPECT_EQ(opt.WxBandwidth(3), 1);
  EXPECT_EQ(WeatherFrequencyText(opt, 3), "");

  StoreWeatherFrequency(opt, 4, "x");
  EXPECT_EQ(opt.WxInUse(4), 0);
}

TEST(WeatherChoices, CurrentChannelListOffersTheChannelsInUseOnly) {
  RadioConfig cfg = DefaultConfig();  // channels 1-7 and the VFO in use
  OptionFeatures& opt = cfg.Options;
  StoreWeatherFrequency(opt, 40, "163");
  StoreWeatherFrequency(opt, 2, "");
  Choices choices = CurrentWeatherChoices(opt);
  ASSERT_EQ(choices.size(), 7u);
  EXPECT_EQ(choices.front(), (Choice{"1", 0}));
  EXPECT_EQ(choices[1], (Choice{"3", 2}));
  EXPECT_EQ(choices.back(), (Choice{"40", 39}));  // the VFO is no weather channel
}

TEST(WeatherCells, ShowFrequenciesWithThreeIntegerDigitsAndListTextsByPosition) {
  RadioConfig cfg = DefaultConfig();
  OptionFeatures& opt = cfg.Options;
  const WeatherColumn& number = kWeatherColumns[0];
  const WeatherColumn& frequency = kWeatherColumns[1];
  const WeatherColumn& bandwidth = kWeatherColumns[3];
  const WeatherColumn& scan = kWeatherColumns[4];
  EXPECT_EQ(WeatherCellText(opt, 1, frequency, kEnglish), "162.55000");
  EXPECT_EQ(WeatherCellText(opt, 20, frequency, kEnglish), "");
  EXPECT_EQ(WeatherCellText(opt, 40, number, kEnglish), "40");
  EXPECT_EQ(WeatherCellText(opt, 41, number, kEnglish), "VFO");
  EXPECT_EQ(WeatherCellText(opt, 1, bandwidth, kChinese), "宽带");
  opt.WxBandwidth(1) = 7;  // outside the list: shown as its first entry
  EXPECT_EQ(WeatherCellText(opt, 1, bandwidth, kEnglish), "Narrow");
  EXPECT_EQ(WeatherCellText(opt, 1, scan, kEnglish), "Add");
  EXPECT_EQ(kWeatherColumns[2].widthTwips, 0);  // the on/off column is hidden
}

TEST(WeatherChoices, SettingListsHoldTheirEntriesByPosition) {
  RadioConfig cfg = DefaultConfig();
  Choices steps = WeatherSettingChoices(cfg.Options, WeatherChoiceKind::Step, kEnglish);
  ASSERT_EQ(steps.size(), 9u);
  EXPECT_EQ(steps[3], (Choice{"6.25KHz", 3}));
  EXPECT_EQ(steps[8], (Choice{"1MHz", 8}));
  Choices squelch = WeatherSettingChoices(cfg.Options, WeatherChoiceKind::Squelch, kChinese);
  ASSERT_EQ(squelch.size(), 10u);
  EXPECT_EQ(squelch[0], (Choice{"关", 0}));
  EXPECT_EQ(squelch[9], (Choice{"9", 9}));
}

}  // namespace
}  // namespace zq
