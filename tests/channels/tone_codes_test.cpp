#include "channels/tone_codes.h"

#include <gtest/gtest.h>

#include "channels/list_entries.h"

namespace zq {
namespace {

TEST(ToneCodes, ListsHoldTheStandardSetsInAscendingOrder) {
  EXPECT_EQ(kCtcssCount, 38);
  EXPECT_EQ(kDcsCount, 104);
  for (int i = 1; i < kCtcssCount; ++i) EXPECT_LT(kCtcssTenthsHz[i - 1], kCtcssTenthsHz[i]) << i;
  for (int i = 0; i < kDcsCount; ++i) {
    std::string_view code = kDcsCodes[i];
    ASSERT_EQ(code.size(), 3u) << i;
    EXPECT_EQ(code.find_first_not_of("01234567"), std::string_view::npos) << code;
    if (i > 0) {
      EXPECT_LT(std::string_view(kDcsCodes[i - 1]), code) << i;
    }
  }
}

TEST(ToneCodes, DisplayTexts) {
  EXPECT_EQ(CtcssText(0), "C_001(67.0Hz)");
  EXPECT_EQ(CtcssText(11), "C_012(100.0Hz)");
  EXPECT_EQ(CtcssText(37), "C_038(250.3Hz)");
  EXPECT_EQ(DcsText(0), "D_001(023N)");
  EXPECT_EQ(DcsText(103), "D_104(754N)");
  EXPECT_EQ(ToneCodeTexts(kToneCtcss).size(), 38u);
  EXPECT_EQ(ToneCodeTexts(kToneDcs).back(), "D_104(754N)");
  EXPECT_TRUE(ToneCodeTexts(kToneOff).empty());
}

TEST(ToneCodes, PositionsOutsideTheListsShowTheFirstEntry) {
  EXPECT_EQ(DcsText(104), "D_001(023N)");
  EXPECT_EQ(CtcssText(-1), "C_001(67.0Hz)");
  EXPECT_EQ(ShowToneCode(kToneDcs, 37, 104).entry, 0);
  EXPECT_EQ(ShowToneCode(3, 5, 5).toneType, kToneOff);
}

TEST(ToneCodes, TheToneTypeChoosesWhichPositionShows) {
  ShownToneCode ctcss = ShowToneCode(kToneCtcss, 37, 12);
  EXPECT_EQ(ctcss.toneType, kToneCtcss);
  EXPECT_EQ(ctcss.entry, 37);
  ShownToneCode dcs = ShowToneCode(kToneDcs, 37, 12);
  EXPECT_EQ(dcs.toneType, kToneDcs);
  EXPECT_EQ(dcs.entry, 12);
  EXPECT_EQ(ShowToneCode(kToneOff, 37, 12).entry, 0);
}

TEST(ListEntries, NumberListsShowTheStoredNumberOrOff) {
  const int defined[] = {2, 5, 9};
  EXPECT_EQ(ShownNumberEntry(5, defined), 2);
  EXPECT_EQ(ShownNumberEntry(9, defined), 3);
  EXPECT_EQ(ShownNumberEntry(3, defined), 0);
  EXPECT_EQ(ShownNumberEntry(0, defined), 0);
}

}  // namespace
}  // namespace zq
