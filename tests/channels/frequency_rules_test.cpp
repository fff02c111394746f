#include "channels/frequency_rules.h"

#include <gtest/gtest.h>

#include <random>

#include "config/fixed_text.h"
#include "text/typed_keys.h"

namespace zq {
namespace {

const FrequencyLimits kHf = LimitsOfBand(kHF);
const FrequencyLimits kHam = LimitsOfBand(kHAM);

TEST(FrequencyLimits, ComeFromTheBandRangeTexts) {
  EXPECT_DOUBLE_EQ(LimitsOfBand(kCB).min, 26.965);
  EXPECT_DOUBLE_EQ(LimitsOfBand(kCB).max, 27.86125);
  EXPECT_DOUBLE_EQ(kHf.min, 24.715);
  EXPECT_DOUBLE_EQ(kHf.max, 30.105);
  EXPECT_DOUBLE_EQ(kHam.min, 28.0);
  EXPECT_DOUBLE_EQ(kHam.max, 29.7);
  EXPECT_EQ(Text(kBandEntries[BandIndex(kHAM)].selectorText, kEnglish), "HAM -- 28.0000 - 29.7000 MHz");
}

TEST(FrequencyLimits, BrokenRangeTextsFallBackPartByPart) {
  auto limits = SetLimitsFromRangeText("24.7150 to 30.1050 MHz");
  EXPECT_DOUBLE_EQ(limits.min, 100.0);
  EXPECT_DOUBLE_EQ(limits.max, 500.0);
  limits = SetLimitsFromRangeText("low - 29.7 MHz");
  EXPECT_DOUBLE_EQ(limits.min, 100.0);
  EXPECT_DOUBLE_EQ(limits.max, 29.7);
  limits = SetLimitsFromRangeText("28.0 - high MHz");
  EXPECT_DOUBLE_EQ(limits.min, 28.0);
  EXPECT_DOUBLE_EQ(limits.max, 500.0);
  limits = SetLimitsFromRangeText("28.0 - 29.5");  // no unit: the rest of the text is the maximum
  EXPECT_DOUBLE_EQ(limits.max, 29.5);
}

TEST(FrequencyDisplay, StoredTextsShowWithFiveDecimals) {
  EXPECT_EQ(FormatStoredFrequency("2814500 ", kHf).text, "28.14500");
  EXPECT_EQ(FormatStoredFrequency("28145678", kHf).text, "28.14568");
  EXPECT_EQ(FormatStoredFrequency("27", kHf).text, "27.00000");
  EXPECT_EQ(FormatStoredFrequency("FFFFFFFF", kHf).text, "");
  EXPECT_EQ(FormatStoredFrequency("        ", kHf).text, "");
  EXPECT_EQ(FormatStoredFrequency(FixedText<8>().view(), kHf).text, "");  // never written: NUL bytes
  EXPECT_FALSE(FormatStoredFrequency("FFFFFFFF", kHf).notNumeric);
}

TEST(FrequencyDisplay, AStoredTextThatIsNotDigitsShowsTheLowerLimitAndSaysSo) {
  for (const char* bad : {"28A45000", "28.14500", "-2814500", "FFFF"}) {
    ShownFrequency shown = FormatStoredFrequency(bad, kHf);
    EXPECT_TRUE(shown.notNumeric) << bad;
    EXPECT_EQ(shown.text, "24.715") << bad;
  }
}

TEST(FrequencyStore, EntriesBecomeDigitsWithoutThePoint) {
  EXPECT_EQ(StoredFromEntry("28.14500", kHf), "2814500");
  EXPECT_EQ(StoredFromEntry("28.123456", kHf), "28123456");
  EXPECT_EQ(StoredFromEntry("", kHf), "");
  EXPECT_EQ(StoredFromEntry("28", kHf), "28");
  EXPECT_EQ(StoredFromEntry("5.5", kHf), "055");
  EXPECT_EQ(StoredFromEntry(".5", kHf), "005");
  EXPECT_EQ(StoredFromEntry("abc", kHf), "24715");  // the lower limit
  EXPECT_EQ(StoredFromEntry("150.00000", SetLimitsFromRangeText("")), std::nullopt);
}

TEST(FrequencyCheck, LimitsAreInclusiveAndOutsideWarns) {
  EXPECT_FALSE(CheckFrequencyText("24.7150", false, kHf).outOfRange);
  EXPECT_EQ(CheckFrequencyText("24.7150", false, kHf).text, "24.71500");
  EXPECT_EQ(CheckFrequencyText("30.1050", false, kHf).text, "30.10500");
  for (const char* outside : {"24.71499", "30.10501", "0", "-28"}) {
    CheckedText checked = CheckFrequencyText(outside, false, kHf);
    EXPECT_TRUE(checked.outOfRange) << outside;
    EXPECT_EQ(checked.text, "") << outside;
  }
  EXPECT_EQ(CheckFrequencyText("24.71499", true, kHf).text, "24.71500");
  EXPECT_EQ(CheckFrequencyText("30.2", true, kHf).text, "30.10500");
}

TEST(FrequencyCheck, NonNumericTextWarnsAndGivesTheLowerLimitOnlyWhenClamping) {
  CheckedText checked = CheckFrequencyText("28,5", false, kHf);
  EXPECT_TRUE(checked.outOfRange);
  EXPECT_EQ(checked.text, "");
  EXPECT_EQ(CheckFrequencyText("", true, kHf).text, "24.71500");
}

TEST(FrequencyCheck, FrequenciesSnapToTheTenHertzRasterOfTheLowerLimit) {
  EXPECT_EQ(CheckFrequencyText("28.123456", false, kHam).text, "28.12345");
  EXPECT_DOUBLE_EQ(SnapToStep(28.123456, kHam), 28.12345);
  // The CB raster starts at 26.96500: 26.965049 lies 49 Hz above it.
  EXPECT_DOUBLE_EQ(SnapToStep(26.965049, LimitsOfBand(kCB)), 26.96504);
  // Below the limit the remainder is negative and the cut still goes towards the limit.
  EXPECT_DOUBLE_EQ(SnapToStep(26.964985, LimitsOfBand(kCB)), 26.96499);
  auto odd = SetLimitsFromRangeText("28.000005 - 29 MHz");
  EXPECT_DOUBLE_EQ(SnapToStep(28.000019, odd), 28.000015);
}

TEST(FrequencyCheck, EveryCheckedEntryStoresAndShowsBackTheSameText) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> inHf(kHf.min, kHf.max);
  for (int i = 0; i < 5000; ++i) {
    double mhz = inHf(random);
    std::string shown = CheckFrequencyText(std::to_string(mhz), false, kHf).text;
    ASSERT_FALSE(shown.empty()) << mhz;
    auto stored = StoredFromEntry(shown, kHf);
    ASSERT_TRUE(stored.has_value());
    FixedText<8> field(*stored);
    ASSERT_EQ(FormatStoredFrequency(field.view(), kHf).text, shown) << mhz;
  }
}

TEST(FrequencyKeys, TheEditBoxTakesDigitsAndAPointOnly) {
  EXPECT_EQ(FilterTypedKey(U'7', kDecimalKeys).verdict, KeyVerdict::Insert);
  EXPECT_EQ(FilterTypedKey(U'.', kDecimalKeys).verdict, KeyVerdict::Insert);
  EXPECT_EQ(FilterTypedKey(U'a', kDecimalKeys).verdict, KeyVerdict::Discard);
  EXPECT_EQ(FilterTypedKey(U',', kDecimalKeys).verdict, KeyVerdict::Discard);
  EXPECT_EQ(FilterTypedKey(U'\b', kDecimalKeys).verdict, KeyVerdict::PassControl);
  EXPECT_EQ(FilterTypedKey(U'\r', kDecimalKeys).verdict, KeyVerdict::PassControl);
  EXPECT_EQ(FilterTypedKey(127, kDecimalKeys).verdict, KeyVerdict::PassControl);
  for (char32_t clipboardKey : {3, 22, 24, 0xB7, 0x4E2D}) {
    EXPECT_EQ(FilterTypedKey(clipboardKey, kDecimalKeys).verdict, KeyVerdict::Discard) << int(clipboardKey);
  }
}

}  // namespace
}  // namespace zq
