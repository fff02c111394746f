#include <gtest/gtest.h>

#include <sstream>

#include "channels/config_fixture.h"
#include "channels/csv_channels.h"
#include "channels/tone_codes.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

const char* const kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,"
    "Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "every line ends with CRLF";
  return lines;
}

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream in(line);
  for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
  if (!line.empty() && line.back() == ',') cells.push_back("");
  return cells;
}

TEST(CsvExport, WritesTheHeaderAndOneLinePerChannelInRowOrder) {
  RadioConfig cfg = DefaultConfig();
  cfg.Options.TxRepeaterOffset() = 1000;  // 0.1 MHz
  AddChannel(cfg, {kHF, 2}, 7, "2814500 ");
  ChannelRecord& one = AddChannel(cfg, {kHF, 2}, 1, "29620000");
  one.Rep = 2;
  one.TxToneType = kToneCtcss;
  one.TxCtcss = 8;
  one.Mode = 4;  // PA
  one.ScanAdd = 0;
  one.PowerLevel = 0;
  ChannelRecord& twelve = AddChannel(cfg, {kHF, 2}, 12, "2812345 ");
  twelve.Rep = 1;
  twelve.TxToneType = kToneDcs;
  twelve.TxDcs = 5;
  twelve.RxToneType = kToneCtcss;
  twelve.RxCtcss = 37;
  twelve.Mode = 2;
  twelve.PowerLevel = 1;

  EXPECT_EQ(Lines(ExportChannelsCsv(cfg, {kHF, 2})),
            (std::vector<std::string>{
                kHeader,
                "1,1,29.620000,-,0.100000,Tone,91.5,91.5,023,NN,023,Tone->Tone,FM,10.00,S,Low,PA,,,,",
                "7,7,28.145000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,",
                "12,12,28.123450,+,0.100000,Cross,250.3,250.3,036,NN,036,DTCS->Tone,USB,,,Mid,,,,,",
            }));
}

TEST(CsvExport, ToneSettingsFollowTheCommonToneModes) {
  struct Case {
    int txType, txCode, rxType, rxCode;
    std::vector<std::string> expected;  // Tone, rToneFreq, cToneFreq, DtcsCode, RxDtcsCode, CrossMode
  };
  const Case cases[] = {
      {kToneOff, 0, kToneOff, 0, {"", "88.5", "88.5", "023", "023", "Tone->Tone"}},
      {kToneCtcss, 0, kToneOff, 0, {"Tone", "67.0", "67.0", "023", "023", "Tone->Tone"}},
      {kToneCtcss, 3, kToneCtcss, 3, {"TSQL", "77.0", "77.0", "023", "023", "Tone->Tone"}},
      {kToneCtcss, 3, kToneCtcss, 4, {"Cross", "77.0", "79.7", "023", "023", "Tone->Tone"}},
      {kToneDcs, 0, kToneDcs, 0, {"DTCS", "88.5", "88.5", "023", "023", "Tone->Tone"}},
      {kToneDcs, 1, kToneDcs, 2, {"Cross", "88.5", "88.5", "025", "026", "DTCS->DTCS"}},
      {kToneDcs, 1, kToneOff, 0, {"Cross", "88.5", "88.5", "025", "025", "DTCS->"}},
      {kToneOff, 0, kToneDcs, 2, {"Cross", "88.5", "88.5", "026", "026", "->DTCS"}},
      {kToneCtcss, 0, kToneDcs, 103, {"Cross", "67.0", "67.0", "754", "754", "Tone->DTCS"}},
      {kToneOff, 0, kToneCtcss, 5, {"Cross", "82.5", "82.5", "023", "023", "->Tone"}},
      // Values outside the lists are written as the editor shows them.
      {3, 0, kToneCtcss, 99, {"Cross", "67.0", "67.0", "023", "023", "->Tone"}},
  };
  for (const Case& c : cases) {
    RadioConfig cfg = DefaultConfig();
    ChannelRecord& r = AddChannel(cfg, {kHAM, 1}, 1, "2850000 ");
    r.TxToneType = static_cast<int16_t>(c.txType);
    r.RxToneType = static_cast<int16_t>(c.rxType);
    // The position of the other list must not leak into the line.
    r.TxCtcss = r.TxDcs = static_cast<int16_t>(c.txCode);
    r.RxCtcss = r.RxDcs = static_cast<int16_t>(c.rxCode);

    auto cells = Cells(Lines(ExportChannelsCsv(cfg, {kHAM, 1})).at(1));
    ASSERT_EQ(cells.size(), 21u);
    std::vector<std::string> tones = {cells[5], cells[6], cells[7], cells[8], cells[10], cells[11]};
    EXPECT_EQ(tones, c.expected) << c.txType << "/" << c.txCode << " " << c.rxType << "/" << c.rxCode;
    EXPECT_EQ(cells[9], "NN");
  }
}

TEST(CsvExport, CbMemoryRowsInUseFollowTheChannelsUnderTheirLabels) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kCB, 1}, 5, "2701500 ").Rep = 1;  // the editor offers no REP in CB
  cfg.Special(1).Enabled = 1;
  cfg.Special(1).RxFrequency = "2698500 ";
  cfg.Special(2).Enabled = 0;  // not in use: not written
  cfg.Special(2).RxFrequency = "2699500 ";
  cfg.Special(3).Enabled = 1;  // in use without a frequency: nothing to write
  cfg.Special(3).RxFrequency = "FFFFFFFF";
  cfg.Special(33).Enabled = 1;
  cfg.Special(33).RxFrequency = "2705500 ";
  cfg.Special(65).Enabled = 1;
  cfg.Special(65).RxFrequency = "2706500 ";

  auto group1 = Lines(ExportChannelsCsv(cfg, {kCB, 1}));
  ASSERT_EQ(group1.size(), 3u);
  EXPECT_EQ(group1[1].substr(0, 16), "5,5,27.015000,,0");
  EXPECT_EQ(group1[2].substr(0, 18), "41,M1,26.985000,,0");

  auto group3 = Lines(ExportChannelsCsv(cfg, {kCB, 3}));  // 80 channel rows, then its memory set
  ASSERT_EQ(group3.size(), 2u);
  EXPECT_EQ(group3[1].substr(0, 15), "81,M1,27.055000");

  auto group7 = Lines(ExportChannelsCsv(cfg, {kCB, 7}));  // shares the memory set of group 5
  ASSERT_EQ(group7.size(), 2u);
  EXPECT_EQ(group7[1].substr(0, 15), "41,M1,27.065000");
}

TEST(CsvExport, ChannelsWithoutAFrequencyAndEmptyGroupsWriteNoLines) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, 16}, 3, "2900000 ");
  AddChannel(cfg, {kHF, 16}, 4, "FFFFFFFF");
  AddChannel(cfg, {kHF, 16}, 5, "29A0");
  AddChannel(cfg, {kHF, 16}, 6, "");

  auto mem = Lines(ExportChannelsCsv(cfg, {kHF, 16}));
  ASSERT_EQ(mem.size(), 2u);
  EXPECT_EQ(mem[1].substr(0, 5), "3,M3,");  // MEM rows carry their "M" labels
  EXPECT_EQ(Lines(ExportChannelsCsv(cfg, {kHF, 1})), std::vector<std::string>{kHeader});
}

}  // namespace
}  // namespace zq
