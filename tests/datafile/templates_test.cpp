#include <gtest/gtest.h>

#include <locale>
#include <map>

#include "config/defaults.h"
#include "datafile/channel_plan.h"
#include "datafile/data_file.h"
#include "datafile/init_defaults.h"
#include "datafile/install_layout.h"
#include "test_support.h"

namespace zq {
namespace {

const std::filesystem::path kProgramFolder = ZQ_PROGRAM_DIR;

std::vector<PlanGroup> ShippedPlans() {
  auto parse = ParseChannelPlans(test::ReadText(std::filesystem::path(ZQ_SOURCE_DIR) / "data" / "channel_plans.txt"));
  EXPECT_TRUE(parse.ok()) << parse.errorLine << ": " << parse.error;
  return parse.groups;
}

std::map<int, long long> Frequencies(const std::vector<PlanGroup>& plans, BandGroup group) {
  std::map<int, long long> byChannel;
  for (const auto& g : plans)
    if (g.group == group)
      for (const auto& c : g.channels) byChannel[c.number] = c.hertz;
  return byChannel;
}

TEST(ChannelPlans, NationalPlansHoldTheRegulatedFrequencies) {
  auto plans = ShippedPlans();
  auto us = Frequencies(plans, {kCB, 1});
  ASSERT_EQ(us.size(), 40u);
  EXPECT_EQ(us[1], 26965000);
  EXPECT_EQ(us[3], 26985000);
  EXPECT_EQ(us[4], 27005000);
  EXPECT_EQ(us[22], 27225000);
  EXPECT_EQ(us[23], 27255000);
  EXPECT_EQ(us[24], 27235000);
  EXPECT_EQ(us[25], 27245000);
  EXPECT_EQ(us[26], 27265000);
  EXPECT_EQ(us[40], 27405000);

  auto pl = Frequencies(plans, {kCB, 2});
  for (int n = 1; n <= 40; ++n) EXPECT_EQ(pl[n], us[n] - 5000) << n;
  auto de = Frequencies(plans, {kCB, 3});
  ASSERT_EQ(de.size(), 80u);
  EXPECT_EQ(de[40], 27405000);
  EXPECT_EQ(de[41], 26565000);
  EXPECT_EQ(de[80], 26955000);
  EXPECT_EQ(Frequencies(plans, {kCB, 4}), us);
  EXPECT_EQ(Frequencies(plans, {kCB, 6}), us);
  auto uk = Frequencies(plans, {kCB, 7});
  EXPECT_EQ(uk[1], 27601250);
  EXPECT_EQ(uk[40], 27991250);
  EXPECT_EQ(Frequencies(plans, {kCB, 5}), uk);
  for (const auto& g : plans) EXPECT_FALSE(g.source.empty()) << g.name;
}

TEST(ChannelPlans, MistakesInTheTableAreReportedWithTheirLine) {
  struct Case {
    const char* text;
    int line;
  };
  for (Case c : {Case{"channels 1 27.0", 1}, Case{"group CB 8 XX", 1}, Case{"group XY 1 US", 1},
                 Case{"group CB 1 USA", 1}, Case{"group CB 1 US\n\nchannels 1 2700", 3},
                 Case{"group CB 1 US\nchannels 1 27,005", 2}, Case{"group CB 1 US\nchannels 1 27.0050001", 2},
                 Case{"group CB 1 US\nmode SSB", 2}, Case{"group CB 1 US\ngroup CB 1 US", 2},
                 Case{"group CB 1 US\ncopy CB 2 0", 2}, Case{"group CB 1 US\nfrequencies 1 27.0", 2}}) {
    auto parse = ParseChannelPlans(c.text);
    EXPECT_FALSE(parse.ok()) << c.text;
    EXPECT_EQ(parse.errorLine, c.line) << c.text;
  }
  // Channel numbers must run 1, 2, 3 ... and fit the group.
  EXPECT_FALSE(ParseChannelPlans("group CB 1 US\nchannels 2 27.0").ok());
  EXPECT_FALSE(ParseChannelPlans("group CB 1 US\nsteps 1 41 26.0 10").ok());
  EXPECT_TRUE(ParseChannelPlans("group CB 3 DE\nsteps 1 80 26.0 10").ok());
  EXPECT_TRUE(ParseChannelPlans("# only a comment\n\n").ok());
}

TEST(ChannelPlans, NumbersAreExactDecimalsWhateverTheLocale) {
  struct Comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  std::locale previous = std::locale::global(std::locale(std::locale::classic(), new Comma));
  EXPECT_EQ(ParseScaledDecimal("27.60125", 6), 27601250);
  EXPECT_EQ(ParseScaledDecimal("-5", 3), -5000);
  EXPECT_EQ(ParseScaledDecimal("12.5", 3), 12500);
  EXPECT_EQ(ParseScaledDecimal("27,5", 6), std::nullopt);
  EXPECT_EQ(ParseScaledDecimal("1e3", 6), std::nullopt);
  EXPECT_EQ(ParseScaledDecimal("27.", 6), std::nullopt);
  EXPECT_EQ(ParseScaledDecimal(".5", 6), std::nullopt);
  auto parse = ParseChannelPlans("group CB 5 U\nsteps 1 40 27.60125 10");
  ASSERT_TRUE(parse.ok());
  EXPECT_EQ(parse.groups[0].channels[39].hertz, 27991250);
  std::locale::global(previous);
  EXPECT_EQ(FrequencyTextOfHertz(26965000), "26965000");
  EXPECT_EQ(FrequencyTextOfHertz(9999999), "");
}

struct Template : EditedDocument {
  bool loaded = false;
};

Template LoadShipped(int range, TemplateKind kind) {
  Template t;
  SetDefaultValues(t.config, t.document, {2024, 1, 1});
  t.loaded = LoadTemplate(TemplateFileOf(kProgramFolder, RangeTextOfIndex(range), kind), t);
  return t;
}

TEST(Templates, BuiltTemplatesHoldTheChannelPlans) {
  for (int range : {0, 1}) {
    for (auto kind : {TemplateKind::New, TemplateKind::InitialSetting}) {
      Template t = LoadShipped(range, kind);
      ASSERT_TRUE(t.loaded) << "build the project first: "
                            << TemplateFileOf(kProgramFolder, RangeTextOfIndex(range), kind);
      EXPECT_EQ(t.config.RangeIndex(), range);
      EXPECT_EQ(t.config.Identity.RangeKind, range);
      const int counts[] = {40, 40, 80, 40, 40, 40, 40};
      for (int g = 1; g <= 7; ++g) EXPECT_EQ(t.config.Count({kCB, g}), counts[g - 1]) << g;
      for (int g = 1; g <= GroupCount(kHF); ++g) EXPECT_EQ(t.config.Count({kHF, g}), 0);
      EXPECT_EQ(t.config.Count({kHAM, 1}), kind == TemplateKind::InitialSetting ? 8 : 0);
      EXPECT_EQ(t.config.Options.GroupValid({kCB, 7}), 0);
      EXPECT_EQ(t.config.Options.GroupName({kCB, 3}), u"DE");

      const ChannelRecord& ch23 = t.config.Channel({kCB, 1}, 23);
      ChannelRecord expected;
      expected.Number = 23;
      expected.Enabled = 1;
      expected.ScanAdd = 1;
      expected.RxFrequency = "27255000";
      expected.TxFrequency = "27255000";
      expected.NbAnl = 1;
      EXPECT_TRUE(ch23 == expected);
    }
  }
  Template initial = LoadShipped(1, TemplateKind::InitialSetting);
  EXPECT_EQ(initial.config.Channel({kHAM, 1}, 2).RxFrequency.str(), "28400000");
  EXPECT_EQ(initial.config.Channel({kHAM, 1}, 2).Mode, 2);  // USB
  EXPECT_EQ(initial.config.Channel({kHAM, 1}, 7).RxFrequency.str(), "29600000");
  EXPECT_EQ(initial.config.Channel({kHAM, 1}, 7).Mode, 0);  // FM
}

TEST(Templates, NewConfigurationsStartFromTheTemplateOfTheirRange) {
  EditedDocument edited;
  auto& [cfg, doc, working] = edited;
  doc.rangeText = RangeTextOfIndex(2);
  ASSERT_TRUE(InitDefaults(kProgramFolder, {2025, 3, 4}, edited));
  EXPECT_EQ(cfg.Count({kCB, 3}), 80);
  EXPECT_EQ(doc.fileName, "new.dat");
  EXPECT_TRUE(doc.untitled);
  EXPECT_TRUE(IsUnchanged(cfg, working));

  // Without templates the defaults stay, and still count as unchanged.
  test::TempFolder empty;
  ASSERT_FALSE(InitDefaults(empty / "LR_902", {2025, 3, 4}, edited));
  EXPECT_EQ(cfg.Count({kCB, 1}), 0);
  EXPECT_EQ(cfg.Identity.CreationDate.str(), "20250304");
  EXPECT_TRUE(IsUnchanged(cfg, working));

  EXPECT_EQ(TemplateFileOf("/p/LR_902", kWideRangeText, TemplateKind::New),
            std::filesystem::path("/p/LR_902/Init/0_LR4417_New.dat"));
  EXPECT_EQ(TemplateFileOf("/p/LR_902", RangeTextOfIndex(1), TemplateKind::InitialSetting),
            std::filesystem::path("/p/LR_902/Init/1_LR4417.dat"));
}

}  // namespace
}  // namespace zq
