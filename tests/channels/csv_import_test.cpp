#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "channels/channel_rows.h"
#include "channels/config_fixture.h"
#include "channels/csv_channels.h"
#include "channels/tone_codes.h"
#include "config/channel_slots.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

std::vector<std::pair<int, Txt>> Skipped(const CsvImportResult& result) {
  std::vector<std::pair<int, Txt>> skipped;
  for (const CsvMessage& m : result.skippedLines) skipped.emplace_back(m.line, m.text);
  return skipped;
}

TEST(CsvImport, ColumnsAreFoundByNameWhateverTheirOrderAndCase) {
  RadioConfig cfg = DefaultConfig();
  CsvImportResult result = ImportChannelsCsv(cfg, {kHF, 2},
                                             "\xEF\xBB\xBF# made by hand\r\n"
                                             "Frequency, LOCATION ,tone,rToneFreq,Power,Extra\r\n"
                                             "28.5,3,Tone,100,low,ignored\r\n"
                                             "\r\n"
                                             "# next one is snapped to the 10 Hz raster\n"
                                             "28.1234567,9,,,,\n");

  EXPECT_FALSE(result.refusal);
  EXPECT_TRUE(result.skippedLines.empty());
  EXPECT_EQ(result.created, 2);
  EXPECT_EQ(result.changed, 0);
  ASSERT_EQ(cfg.Count({kHF, 2}), 2);

  ChannelRecord expected = NewChannelRecord(3);  // columns the file lacks keep a new channel's values
  expected.RxFrequency = expected.TxFrequency = "2850000";
  expected.TxToneType = kToneCtcss;
  expected.TxCtcss = 11;  // 100.0 Hz
  expected.PowerLevel = 0;
  EXPECT_EQ(*RecordAtRow(cfg, {kHF, 2}, 3), expected);
  EXPECT_EQ(RecordAtRow(cfg, {kHF, 2}, 9)->RxFrequency.str(), "2812345 ");
}

TEST(CsvImport, EachBadLineIsSkippedWithItsReasonAndTheRestIsTaken) {
  RadioConfig cfg = DefaultConfig();
  const char* text =
      "Location,Frequency,Duplex,Tone,rToneFreq,cToneFreq,DtcsCode,RxDtcsCode,DtcsPolarity,CrossMode,Mode,Power,Skip\n"
      "x,28.1\n"                             // 2
      "41,28.1\n"                            // 3
      "0,28.1\n"                             // 4
      "2,abc\n"                              // 5
      "2,30.2\n"                             // 6
      "2,24.7\n"                             // 7
      "2,28.1,split\n"                       // 8
      "2,28.1,,Tone,69.3\n"                  // 9: a standard tone the radio lacks
      "2,28.1,,Tone,88.55\n"                 // 10: near 88.5 but not it
      "2,28.1,,DTCS,,,024\n"                 // 11
      "2,28.1,,DTCS,,,023,,RN\n"             // 12: reversed transmit code
      "2,28.1,,Cross,,,,,,Tone->Foo\n"       // 13
      "2,28.1,,DV\n"                         // 14
      "2,28.1,,,,,,,,,DIG\n"                 // 15
      "2,28.1,,,,,,,,,,-5W\n"                // 16
      "2,28.1,,,,,,,,,,,X\n"                 // 17
      "2,\"28.1\"x\n"                        // 18
      "2,28.1,+,TSQL,,103.5,,,,,AM,Mid,S\n"  // 19: taken
      "2,28.2\n"                             // 20: row 2 again
      ",,,,\n"                               // 21: blank, passed over
      "3,28.3,,Cross,,,074,,NR,DTCS->\n"     // 22: taken; the receive polarity is not used
      "4,28.4,,Tone\n";                      // 23: no tone given

  CsvImportResult result = ImportChannelsCsv(cfg, {kHF, 1}, text);

  EXPECT_FALSE(result.refusal);
  EXPECT_EQ(
      Skipped(result),
      (std::vector<std::pair<int, Txt>>{
          {2, Txt::CsvLocationNotNumber},    {3, Txt::CsvLocationOutsideGroup},    {4, Txt::CsvLocationOutsideGroup},
          {5, Txt::CsvFrequencyNotNumber},   {6, Txt::CsvFrequencyOutOfRange},     {7, Txt::CsvFrequencyOutOfRange},
          {8, Txt::CsvDuplexUnsupported},    {9, Txt::CsvCtcssNotInList},          {10, Txt::CsvCtcssNotInList},
          {11, Txt::CsvDcsNotInList},        {12, Txt::CsvDcsPolarityUnsupported}, {13, Txt::CsvCrossModeUnsupported},
          {14, Txt::CsvToneModeUnsupported}, {15, Txt::CsvModeUnsupported},        {16, Txt::CsvPowerUnsupported},
          {17, Txt::CsvSkipUnsupported},     {18, Txt::CsvTextAfterQuote},         {20, Txt::CsvLocationRepeated},
          {23, Txt::CsvCtcssNotInList},
      }));
  EXPECT_EQ(result.created, 2);
  ASSERT_EQ(cfg.Count({kHF, 1}), 2);
  const ChannelRecord* two = RecordAtRow(cfg, {kHF, 1}, 2);
  EXPECT_EQ(two->Rep, 1);
  EXPECT_EQ(two->TxToneType, kToneCtcss);
  EXPECT_EQ(two->RxToneType, kToneCtcss);
  EXPECT_EQ(two->TxCtcss, 12);
  EXPECT_EQ(two->RxCtcss, 12);
  EXPECT_EQ(two->Mode, 1);
  EXPECT_EQ(two->PowerLevel, 1);
  EXPECT_EQ(two->ScanAdd, 0);
  const ChannelRecord* three = RecordAtRow(cfg, {kHF, 1}, 3);
  EXPECT_EQ(three->TxToneType, kToneDcs);
  EXPECT_EQ(three->TxDcs, 15);
  EXPECT_EQ(three->RxToneType, kToneOff);

  EXPECT_EQ(MessageText(result.skippedLines[4], kEnglish),
            "Line 6: Frequency 30.2 MHz is out of range (24.7150 - 30.1050 MHz).");
  EXPECT_EQ(MessageText(result.skippedLines[4], kChinese), "第6行：频率30.2 MHz超出范围（24.7150 - 30.1050 MHz）。");
  EXPECT_EQ(MessageText(result.skippedLines[17], kEnglish), "Line 20: Location 2 was already imported from line 19.");
  EXPECT_EQ(MessageText(result.skippedLines[18], kEnglish),
            "Line 23: rToneFreq \"\" is not one of the radio's CTCSS tones.");
  EXPECT_EQ(ImportSummary(result, kEnglish), "Channels imported: 2 new, 0 changed, 19 lines skipped.");
}

// Other programmers give power in watts; the cut-offs are 10 W and 25 W.
TEST(CsvImport, PowerInWattsTakesOneOfTheThreeLevels) {
  RadioConfig cfg = DefaultConfig();
  CsvImportResult result = ImportChannelsCsv(cfg, {kHAM, 1},
                                             "Location,Frequency,Power\n"
                                             "1,28.1,0.5W\n2,28.1,9.9W\n3,28.1,10W\n4,28.1,24.9 W\n"
                                             "5,28.1,25W\n6,28.1,100w\n7,28.1,mid\n"
                                             "8,28.1,W\n9,28.1,5 watts\n10,28.1,-1W\n");
  EXPECT_EQ(Skipped(result),
            (std::vector<std::pair<int, Txt>>{
                {9, Txt::CsvPowerUnsupported}, {10, Txt::CsvPowerUnsupported}, {11, Txt::CsvPowerUnsupported}}));
  const int levels[] = {0, 0, 1, 1, 2, 2, 1};
  for (int row = 1; row <= 7; ++row) EXPECT_EQ(RecordAtRow(cfg, {kHAM, 1}, row)->PowerLevel, levels[row - 1]) << row;
}

// A line of a damaged file can hold a megabyte in one field; its message quotes the start only.
TEST(CsvImport, MessagesQuoteOnlyTheStartOfAHugeValue) {
  RadioConfig cfg = DefaultConfig();
  const std::string huge(500000, '7');
  const std::string chinese = "\xe4\xb8\xad";  // three bytes; the cut at 40 falls inside it
  const std::string text = "Location,Frequency\n1," + huge + "\n2,1" + std::string(38, '0') + chinese + "x\n";
  CsvImportResult result = ImportChannelsCsv(cfg, {kHF, 1}, text);
  ASSERT_EQ(result.skippedLines.size(), 2u);
  EXPECT_EQ(MessageText(result.skippedLines[0], kEnglish),
            "Line 2: Frequency \"" + std::string(40, '7') + "...\" is not a number.");
  EXPECT_EQ(MessageText(result.skippedLines[1], kEnglish),
            "Line 3: Frequency \"1" + std::string(38, '0') + "...\" is not a number.");
}

TEST(CsvImport, AFileRefusedAsAWholeChangesNothing) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHF, 1}, 1);
  const RadioConfig before = cfg;
  const std::string good = "Location,Frequency\n2,28.1\n";
  std::string thousandLines = "Location,Frequency\n";
  for (int k = 1; k < 1000; ++k) thousandLines += "# filler\n";

  struct Case {
    Band band;
    int group;
    std::string text;
    Txt refusal;
  };
  const Case cases[] = {
      {kCB, 1, good, Txt::CsvImportOnlyHfHam},
      {kHF, 0, good, Txt::CsvImportOnlyHfHam},
      {kHAM, 15, good, Txt::CsvImportOnlyHfHam},
      {kHF, 1, good + std::string(kCsvMaxBytes, ' '), Txt::CsvFileTooLarge},
      {kHF, 1, thousandLines + "2,28.1\n", Txt::CsvFileTooLarge},
      {kHF, 1, good + std::string("\0\x01\x02", 3), Txt::CsvNotText},
      {kHF, 1, "", Txt::CsvHeaderMissing},
      {kHF, 1, "# only a comment\n", Txt::CsvHeaderMissing},
      {kHF, 1, "Hello, world.\nThis is a letter.\n", Txt::CsvHeaderMissing},
      {kHF, 1, "Location,Freq\n2,28.1\n", Txt::CsvHeaderMissing},
      {kHF, 1, "Name,Frequency\nA,28.1\n", Txt::CsvHeaderMissing},
      {kHF, 1, "\"Location,Frequency\n2,28.1\n", Txt::CsvHeaderMissing},
  };
  for (const Case& c : cases) {
    CsvImportResult result = ImportChannelsCsv(cfg, {c.band, c.group}, c.text);
    ASSERT_TRUE(result.refusal) << TextName(c.refusal);
    EXPECT_EQ(result.refusal->text, c.refusal);
    EXPECT_EQ(result.refusal->line, 0);
    EXPECT_EQ(result.created + result.changed, 0);
    EXPECT_TRUE(cfg == before) << TextName(c.refusal);
  }

  CsvImportResult atTheLimit = ImportChannelsCsv(cfg, {kHF, 1}, thousandLines);  // 1000 lines are taken
  EXPECT_FALSE(atTheLimit.refusal);
}

TEST(CsvImport, ChannelsInUseTakeTheFileValuesAndKeepWhatItDoesNotCarry) {
  RadioConfig cfg = DefaultConfig();
  ChannelRecord& one = AddChannel(cfg, {kHF, 1}, 1, "28000000");  // as a radio read stores it
  one.Mode = 1;
  ChannelRecord& five = AddChannel(cfg, {kHF, 1}, 5, "2810000 ");
  five.HiCut = 1;
  five.Roger = 3;
  five.Bot = 2;
  five.Public = 1;
  five.RxToneType = kToneDcs;
  five.RxDcs = 7;
  five.RxCtcss = 30;
  AddChannel(cfg, {kHF, 1}, 9, "2890000 ");
  const RadioConfig before = cfg;

  CsvImportResult result = ImportChannelsCsv(cfg, {kHF, 1},
                                             "Location,Frequency,Mode,Tone,cToneFreq\n"
                                             "1,28.000000,AM,,\n"
                                             "5,28.6,USB,TSQL,110.9\n"
                                             "20,29.0,,,\n");

  EXPECT_TRUE(result.skippedLines.empty());
  EXPECT_EQ(result.created, 1);
  EXPECT_EQ(result.changed, 1);  // channel 1 already held these values
  EXPECT_EQ(cfg.Count({kHF, 1}), 4);
  EXPECT_EQ(cfg.Channel({kHF, 1}, 1), before.Channel({kHF, 1}, 1));
  EXPECT_EQ(cfg.Channel({kHF, 1}, 3), before.Channel({kHF, 1}, 3));  // channel 9 is not in the file

  ChannelRecord expected = before.Channel({kHF, 1}, 2);  // HiCut, Roger, BOT, Public stay
  expected.RxFrequency = "2860000";
  expected.Mode = 2;
  expected.TxToneType = expected.RxToneType = kToneCtcss;
  expected.TxCtcss = expected.RxCtcss = 14;  // 110.9 Hz; the DCS position stays
  EXPECT_EQ(cfg.Channel({kHF, 1}, 2), expected);
  EXPECT_EQ(cfg.Channel({kHF, 1}, 4).Number, 20);
  EXPECT_EQ(cfg.Channel({kHF, 1}, 4).TxFrequency.str(), "2900000 ");
}

}  // namespace
}  // namespace zq
