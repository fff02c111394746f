#include <gtest/gtest.h>

#include <algorithm>

#include "channels/channel_rows.h"
#include "channels/config_fixture.h"
#include "channels/tone_codes.h"
#include "print/channel_printout.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

// The cells of one row by column header; a header that appears twice (the two
// "CTC/DCS" columns) is told apart by its occurrence.
class Columns {
 public:
  explicit Columns(const PrintTable& table) : table_(table) {}
  std::string At(int row, const std::string& header, int occurrence = 1) const {
    for (std::size_t c = 0; c < table_.columns.size(); ++c)
      if (table_.columns[c] == header && --occurrence == 0) return table_.rows.at(row - 1).at(c);
    ADD_FAILURE() << "no column " << header;
    return {};
  }

 private:
  const PrintTable& table_;
};

TEST(ChannelPrintout, AMemGroupShowsEveryRowWithTheEditorsTexts) {
  RadioConfig cfg = DefaultConfig();
  ChannelRecord& c = AddChannel(cfg, {kHF, 16}, 5, "2814500 ");
  c.TxToneType = kToneCtcss;
  c.TxCtcss = 37;
  c.RxToneType = kToneDcs;
  c.RxDcs = 200;  // outside the list: shown as its first code
  c.Mode = 2;
  c.PowerLevel = 2;
  c.ScanAdd = 1;
  c.Rep = 1;
  AddChannel(cfg, {kHF, 16}, 99, "2970000 ");

  PrintTable table = ChannelTablePrint(cfg, {kHF, 16}, kEnglish);
  EXPECT_EQ(table.heading, "Group 16  MEM");
  EXPECT_EQ(table.columns,
            (std::vector<std::string>{"CH No.",  "Frequency", "BUSY",   "REP",   "RXCTC", "CTC/DCS", "TXCTC",
                                      "CTC/DCS", "Scan",      "Public", "BOT",   "EOT",   "Call",    "HI-CUT",
                                      "NB/ANL",  "ECHO",      "+10KHz", "Roger", "Mode",  "Power"}));
  ASSERT_EQ(table.rows.size(), 99u);
  Columns cells(table);
  EXPECT_EQ(cells.At(1, "CH No."), "M1");
  EXPECT_EQ(cells.At(99, "CH No."), "M99");
  EXPECT_EQ(cells.At(5, "Frequency"), "28.14500");
  EXPECT_EQ(cells.At(5, "REP"), "Add");
  EXPECT_EQ(cells.At(5, "RXCTC"), "DCS");
  EXPECT_EQ(cells.At(5, "CTC/DCS", 1), "D_001(023N)");
  EXPECT_EQ(cells.At(5, "TXCTC"), "CTCSS");
  EXPECT_EQ(cells.At(5, "CTC/DCS", 2), "C_038(250.3Hz)");
  EXPECT_EQ(cells.At(5, "Scan"), "On");
  EXPECT_EQ(cells.At(5, "Mode"), "USB");
  EXPECT_EQ(cells.At(5, "Power"), "High");
  EXPECT_EQ(cells.At(5, "BOT"), "Off");
  // A channel without tones leaves the code columns empty; a row without a channel has only its label.
  EXPECT_EQ(cells.At(99, "CTC/DCS", 1), "");
  EXPECT_EQ(cells.At(99, "NB/ANL"), "NB");
  EXPECT_TRUE(std::all_of(table.rows[0].begin() + 1, table.rows[0].end(), [](auto& s) { return s.empty(); }));
}

TEST(ChannelPrintout, CbPlansCarryTheirMemoryRowsAndNoRepeaterColumns) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kCB, 1}, 3, "2698500 ");
  ChannelRecord& memory = cfg.Special(1);  // M1 of plan 1
  memory.Enabled = 1;
  memory.RxFrequency = "2701500 ";
  memory.CbMemChannel = 3;

  PrintTable table = ChannelTablePrint(cfg, {kCB, 1}, kEnglish);
  ASSERT_EQ(table.rows.size(), 56u);
  for (const char* absent : {"REP", "+10KHz", "CB Mem Band"})
    EXPECT_EQ(std::count(table.columns.begin(), table.columns.end(), absent), 0) << absent;
  Columns cells(table);
  EXPECT_EQ(cells.At(41, "CH No."), "M1");
  EXPECT_EQ(cells.At(41, "Frequency"), "27.01500");  // the memory's own; its link in a column beside
  EXPECT_EQ(cells.At(41, "CB Mem Chan ID"), "3");
  EXPECT_EQ(cells.At(3, "CB Mem Chan ID"), "");   // a plan channel has no link
  EXPECT_EQ(cells.At(42, "CB Mem Chan ID"), "");  // a memory slot not in use
  EXPECT_EQ(cells.At(42, "Mode"), "");

  // Plans 5 and 7 share their memory rows and say which plan a row belongs to.
  PrintTable shared = ChannelTablePrint(cfg, {kCB, 7}, kEnglish);
  EXPECT_EQ(std::count(shared.columns.begin(), shared.columns.end(), "CB Mem Band"), 1);
  EXPECT_EQ(ChannelTablePrint(cfg, {kCB, 3}, kEnglish).rows.size(), 96u);
}

TEST(ChannelPrintout, ChineseShowsTheChineseLabelsAndChoices) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHAM, 2}, 1, "2850000 ");
  PrintTable table = ChannelTablePrint(cfg, {kHAM, 2}, kChinese);
  EXPECT_EQ(table.heading, "组 2  B");
  EXPECT_EQ(table.columns[0], "信道");
  EXPECT_EQ(table.columns[1], "频率");
  Columns cells(table);
  EXPECT_EQ(cells.At(1, "扫描"), "开");  // a new channel is in the scan list
  EXPECT_EQ(cells.At(1, "HI-CUT"), "关");
  EXPECT_EQ(cells.At(1, "频率"), "28.50000");
  EXPECT_EQ(table.rows.size(), 40u);
}

}  // namespace
}  // namespace zq
