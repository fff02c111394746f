#include <gtest/gtest.h>

#include <algorithm>

#include "channels/config_fixture.h"
#include "options/dtmf_rules.h"
#include "print/print_job.h"
#include "print/print_pages.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

std::vector<std::string> Headings(const PrintDocument& doc) {
  std::vector<std::string> headings;
  for (const PrintTable& t : doc.tables) headings.push_back(t.heading);
  return headings;
}

const PrintTable& TableNamed(const PrintDocument& doc, const std::string& heading) {
  auto it = std::find_if(doc.tables.begin(), doc.tables.end(),
                         [&](const PrintTable& t) { return t.heading == heading; });
  if (it == doc.tables.end()) throw std::runtime_error("no table " + heading);
  return *it;
}

class PrintJob : public ::testing::Test {
 protected:
  PrintDocument Build(PrintChoice choice, int language = kEnglish) {
    return BuildPrintDocument(cfg, doc, choice, {language, Date{2024, 5, 6}});
  }
  RadioConfig cfg = DefaultConfig();
  DocumentState doc{"/home/dealer/radios/shop.dat", false, "28.0000 - 29.6950 MHz"};
};

TEST_F(PrintJob, AChannelTableIsWideAndSaysWhichBandGroupAndFile) {
  PrintDocument out = Build({PrintKind::ChannelTable, kHF, 17});
  EXPECT_EQ(out.title, "ZQ4071 Channel Table");
  EXPECT_TRUE(out.wide);
  EXPECT_EQ(out.notes, (std::vector<std::string>{"Band: HF -- 24.7150 - 30.1050 MHz", "Group: 17  VFO",
                                                 "File Name: shop.dat", "Printed: 2024-05-06"}));
  ASSERT_EQ(out.tables.size(), 1u);
  EXPECT_EQ(out.tables[0].rows.size(), 1u);

  PrintDocument chinese = Build({PrintKind::ChannelTable, kCB, 2}, kChinese);
  EXPECT_EQ(chinese.title, "ZQ4071 信道表");
  EXPECT_EQ(chinese.notes, (std::vector<std::string>{"频段：CB -- 26.96500 - 27.405 MHz", "组：2  PL",
                                                     "文件名：shop.dat", "打印日期：2024-05-06"}));
}

TEST_F(PrintJob, ThePdfIsOfferedBesideTheDataFile) {
  EXPECT_EQ(SuggestedPdfFile(doc), std::filesystem::path("/home/dealer/radios/shop.pdf"));
  EXPECT_EQ(SuggestedPdfFile(DocumentState{}), std::filesystem::path("new.pdf"));
}

TEST_F(PrintJob, TheSummaryCoversEveryPartOfTheConfigurationInOrder) {
  ASSERT_TRUE(SetDtmfCode(cfg, 3, "123A"));
  AddChannel(cfg, {kHAM, 13}, 7);
  PrintDocument out = Build({PrintKind::Summary});
  EXPECT_EQ(out.title, "ZQ4071 Configuration Summary");
  EXPECT_FALSE(out.wide);
  EXPECT_EQ(out.notes, (std::vector<std::string>{"File Name: shop.dat", "Printed: 2024-05-06"}));
  EXPECT_EQ(Headings(out), (std::vector<std::string>{
                               "Model Information", "Radio information", "Channel groups", "Optional Features",
                               "Mode Enable", "BLE", "CB Public", "HAM Public", "HF Public", "DTMF",
                               "Defined DTMF codes", "Defined roger-beep presets", "Emg Channel Setting",
                               "DW Channel Setting", "MEM Channel Setting", "Weather receiver", "Weather Channel"}));

  const PrintTable& identity = TableNamed(out, "Model Information");
  EXPECT_EQ(identity.rows[0], (std::vector<std::string>{"Model", "VESTRAX"}));
  EXPECT_EQ(identity.rows[2], (std::vector<std::string>{"Data version", "V1.00"}));
  EXPECT_EQ(identity.rows[4], (std::vector<std::string>{"Created", "20240506"}));

  const PrintTable& groups = TableNamed(out, "Channel groups");
  ASSERT_EQ(groups.rows.size(), 7u + 17u + 14u);
  EXPECT_EQ(groups.rows[6], (std::vector<std::string>{"CB", "7", "UK", "Off", "0"}));
  EXPECT_EQ(groups.rows[7 + 17 + 12], (std::vector<std::string>{"HAM", "13", "MEM", "Off", "1"}));

  EXPECT_EQ(TableNamed(out, "Defined DTMF codes").rows, (std::vector<std::vector<std::string>>{{"3", "123A"}}));
  const PrintTable& roger = TableNamed(out, "Defined roger-beep presets");
  ASSERT_EQ(roger.rows.size(), 4u);
  EXPECT_EQ(roger.rows[2], (std::vector<std::string>{"3", "1", "0", "800×80, 1200×80, 1600×80"}));

  const PrintTable& weather = TableNamed(out, "Weather Channel");
  EXPECT_EQ(weather.columns, (std::vector<std::string>{"CH No.", "Frequency", "W/N", "Scan"}));
  ASSERT_EQ(weather.rows.size(), 8u);  // WX1-WX7 and the weather VFO
  EXPECT_EQ(weather.rows[0], (std::vector<std::string>{"1", "162.55000", "Wide", "Add"}));
  EXPECT_EQ(weather.rows[7][0], "VFO");
}

// The value of the row with this label.
std::string ValueOf(const PrintTable& table, const std::string& label) {
  for (const auto& row : table.rows)
    if (row.at(0) == label) return row.at(1);
  throw std::runtime_error("no row " + label);
}

TEST_F(PrintJob, OptionFeaturesShowTheEntriesTheirWindowsShow) {
  cfg.Options.Tot() = 12;
  cfg.Options.AsqEnabled() = 1;
  cfg.Options.AsqLevel() = 4;
  cfg.Options.PfKey() = 2;      // VFO: listed although the last radio could not work HF
  cfg.Options.Clarifier() = 3;  // RT: listed whatever band the channel editor shows
  cfg.Options.SwrProtect() = 0;
  cfg.Options.BtDeviceName() = u"Mic 1";
  cfg.Options.DtmfSettings(0) = 4;
  cfg.ModeEnable[kModePA] = 0;
  PrintDocument out = Build({PrintKind::Summary});
  const PrintTable& options = TableNamed(out, "Optional Features");
  EXPECT_EQ(ValueOf(options, "TOT"), "120s");
  EXPECT_EQ(ValueOf(options, "ASQ Level"), "On, 5");
  EXPECT_EQ(ValueOf(options, "TX.REP"), "0.1000 MHz");
  EXPECT_EQ(ValueOf(options, "Pf Key"), "VFO");
  EXPECT_EQ(ValueOf(options, "CLA.SET"), "RT");
  EXPECT_EQ(ValueOf(options, "SWR Protect"), "Off");
  EXPECT_EQ(ValueOf(options, "BT Device Name"), "Mic 1");
  EXPECT_EQ(ValueOf(options, "HF PUBLIC"), "Off");
  EXPECT_EQ(ValueOf(TableNamed(out, "Mode Enable"), "PA Enable"), "Off");
  EXPECT_EQ(ValueOf(TableNamed(out, "Mode Enable"), "CW Enable"), "On");
  EXPECT_EQ(ValueOf(TableNamed(out, "HF Public"), "Mode"), "USB");
  EXPECT_EQ(ValueOf(TableNamed(out, "CB Public"), "Mode"), "AM");
  EXPECT_EQ(ValueOf(TableNamed(out, "DTMF"), "DTMF Send Time[ms]"), "50");
  EXPECT_EQ(ValueOf(TableNamed(out, "DTMF"), "DTMF DISP"), "On");
}

TEST_F(PrintJob, EmptyListsSayNoneAndLongPresetsWrap) {
  auto& preset = cfg.RogerBeepTable[4];
  for (int step = 0; step < 9; ++step) {
    preset[2 * step] = static_cast<int16_t>(100 + step);
    preset[2 * step + 1] = 5;
  }
  preset[kRecycleTimesIndex] = 2;
  preset[kInterTimeIndex] = 7;
  PrintDocument out = Build({PrintKind::Summary});
  EXPECT_EQ(TableNamed(out, "Defined DTMF codes").rows, (std::vector<std::vector<std::string>>{{"none", ""}}));
  const PrintTable& roger = TableNamed(out, "Defined roger-beep presets");
  ASSERT_EQ(roger.rows.size(), 6u);
  EXPECT_EQ(roger.rows[4][0], "5");
  EXPECT_EQ(roger.rows[4][1], "2");
  EXPECT_EQ(roger.rows[4][2], "70");
  EXPECT_EQ(roger.rows[4][3], "1000×50, 1010×50, 1020×50, 1030×50, 1040×50, 1050×50, 1060×50");
  EXPECT_EQ(roger.rows[5], (std::vector<std::string>{"", "", "", "1070×50, 1080×50"}));
}

TEST_F(PrintJob, TheSummaryInChineseAndTheSpecialChannelsAsTheirWindowsShowThem) {
  PrintDocument out = Build({PrintKind::Summary}, kChinese);
  EXPECT_EQ(out.title, "ZQ4071 配置摘要");
  EXPECT_EQ(out.tables[0].heading, "机型信息");
  EXPECT_EQ(out.tables[0].columns, (std::vector<std::string>{"项目", "值"}));
  const PrintTable& emergency = TableNamed(out, "紧急信道设置");
  EXPECT_EQ(emergency.rows[0][0], "Eu 紧急信道 1");
  // No CB channel is in use in a new configuration: the channel lists are empty.
  EXPECT_EQ(emergency.rows[0][1], "");
  EXPECT_EQ(emergency.rows[2][1], "FM");
}

TEST_F(PrintJob, A99ChannelTableTakesMorePagesThanA40ChannelOne) {
  const PageMetrics a4Landscape{600, 80, 20, 15, 10};
  auto pagesOf = [&](Band band, int group) {
    return PaginateDocument(Build({PrintKind::ChannelTable, band, group}), a4Landscape).size();
  };
  // 600 - 80 - 10 - 20 - 15 = 475: 31 rows on the first page, (600 - 35) / 15 = 37 on the others.
  EXPECT_EQ(pagesOf(kHF, 1), 2u);
  EXPECT_EQ(pagesOf(kHF, 16), 3u);
  EXPECT_EQ(pagesOf(kCB, 3), 3u);  // 96 rows
  EXPECT_EQ(pagesOf(kHF, 17), 1u);
}

}  // namespace
}  // namespace zq
