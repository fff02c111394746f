// Encoder checks against the radio's memory map, offsets written out literally.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/defaults.h"
#include "image/image_codec.h"
#include "image/map_description.h"

namespace zq {
namespace {

class EncoderTest : public ::testing::Test {
 protected:
  EncoderTest() {
    DocumentState doc;
    SetDefaultValues(cfg, doc, Date{2026, 12, 8});
  }
  ChannelRecord& AddChannel(BandGroup group, int number, const char* freq) {
    int k = ++cfg.Count(group);
    ChannelRecord& r = cfg.Channel(group, k);
    r = NewChannelRecord(number);
    r.RxFrequency = freq;
    return r;
  }
  const MemoryImage& Encode() {
    ClearImage(image);
    EncodeImage(cfg, image);
    return image;
  }
  int At(uint32_t offset) { return image.Get(offset); }
  bool Bit(uint32_t offset, int bit) { return (image.Get(offset) >> bit) & 1; }

  RadioConfig cfg;
  MemoryImage image;
};

TEST_F(EncoderTest, ChannelFrequencyIsPackedBcdOrFfWhenEmpty) {
  AddChannel({kCB, 1}, 1, "26965000");
  AddChannel({kCB, 1}, 2, "");
  AddChannel({kCB, 1}, 3, "2814500 ");  // as the channel editor stores it
  AddChannel({kCB, 1}, 4, "28A45000");
  Encode();
  EXPECT_EQ(At(0x00), 0x26);
  EXPECT_EQ(At(0x01), 0x96);
  EXPECT_EQ(At(0x02), 0x50);
  EXPECT_EQ(At(0x03), 0x00);
  for (uint32_t k = 0; k < 4; ++k) EXPECT_EQ(At(0x10 + k), 0xFF);
  EXPECT_EQ(At(0x20), 0x28);
  EXPECT_EQ(At(0x21), 0x14);
  EXPECT_EQ(At(0x22), 0x50);
  EXPECT_EQ(At(0x23), 0x00);
  for (uint32_t k = 0; k < 4; ++k) EXPECT_EQ(At(0x30 + k), 0xFF);
  // Texts are written back in their normalised form.
  EXPECT_EQ(cfg.Channel({kCB, 1}, 2).RxFrequency.str(), "FFFFFFFF");
  EXPECT_EQ(cfg.Channel({kCB, 1}, 3).RxFrequency.str(), "28145000");
}

TEST_F(EncoderTest, GroupWithoutChannelsWritesNothing) {
  ChannelRecord& r = cfg.Channel({kHF, 2}, 1);
  r = NewChannelRecord(1);
  r.RxFrequency = "28000000";
  Encode();
  for (uint32_t a = 0x04280; a < 0x04500; ++a) ASSERT_EQ(At(a), 0) << std::hex << a;
  EXPECT_EQ(At(0x16085), 0);
  EXPECT_EQ(At(0x16285), 0);
}

TEST_F(EncoderTest, SlotBytesCarryEveryField) {
  ChannelRecord& r = AddChannel({kHAM, 1}, 2, "28500000");
  r.RxCtcss = 11;
  r.RxDcs = 22;
  r.TxCtcss = 33;
  r.TxDcs = 44;
  r.HiCut = 1;
  r.Echo = 0;
  r.Add10K = 1;
  r.Busy = 1;
  r.NbAnl = 2;
  r.PowerLevel = 1;
  r.Rep = 3;
  r.TxToneType = 0;
  r.RxToneType = 2;
  r.Public = 1;
  r.Roger = 5;
  r.Mode = 3;
  r.Bot = 7;
  r.Eot = 8;
  r.Call = 9;
  Encode();
  const uint32_t slot = 0x0A000 + 16;
  EXPECT_EQ(At(slot + 4), 11);
  EXPECT_EQ(At(slot + 5), 22);
  EXPECT_EQ(At(slot + 6), 33);
  EXPECT_EQ(At(slot + 7), 44);
  EXPECT_EQ(At(slot + 8), 0b01'10'1'1'0'1);
  EXPECT_EQ(At(slot + 9), 0b1'1'10'00'11);  // Public, tone flag, RX DCS, TX off, Rep 3
  EXPECT_EQ(At(slot + 10), 0x35);
  EXPECT_EQ(At(slot + 11), 7);
  EXPECT_EQ(At(slot + 12), 8);
  EXPECT_EQ(At(slot + 13), 9);
  EXPECT_EQ(At(slot + 14), 0);
  EXPECT_EQ(At(slot + 15), 0);
  EXPECT_TRUE(Bit(0x16100, 1));  // Enabled of slot 2
  EXPECT_TRUE(Bit(0x16300, 1));  // ScanAdd of slot 2
}

TEST_F(EncoderTest, ToneFlagFollowsEitherToneType) {
  AddChannel({kHF, 1}, 1, "28000000");
  AddChannel({kHF, 1}, 2, "28000000").TxToneType = 1;
  AddChannel({kHF, 1}, 3, "28000000").RxToneType = 1;
  Encode();
  EXPECT_FALSE(Bit(0x04000 + 9, 6));
  EXPECT_TRUE(Bit(0x04010 + 9, 6));
  EXPECT_TRUE(Bit(0x04020 + 9, 6));
}

TEST_F(EncoderTest, TooWideValuesStayInsideTheirBits) {
  ChannelRecord& r = AddChannel({kHF, 1}, 1, "28000000");
  r.NbAnl = 7;  // two bits wide: the 4 must not reach PowerLevel
  r.PowerLevel = 0;
  r.Roger = 0x1F;  // four bits: the 0x10 must not reach Mode
  r.Mode = 0;
  r.Enabled = 3;
  Encode();
  EXPECT_EQ(At(0x04008), 0x30);
  EXPECT_EQ(At(0x0400A), 0x0F);
  EXPECT_EQ(At(0x16080), 0x01);
}

TEST_F(EncoderTest, MemoryGroupSlot99AndVfoGroups) {
  AddChannel({kHF, 16}, 99, "29000000");
  AddChannel({kHF, 17}, 1, "28500000");
  AddChannel({kHAM, 14}, 1, "29500000");
  Encode();
  EXPECT_EQ(At(0x12620), 0x29);
  EXPECT_TRUE(Bit(0x1641C, 2));
  EXPECT_TRUE(Bit(0x1644C, 2));
  EXPECT_EQ(At(0x12640), 0x28);
  EXPECT_TRUE(Bit(0x160D0, 0));
  EXPECT_TRUE(Bit(0x162D0, 0));
  EXPECT_EQ(At(0x14640), 0x29);
  EXPECT_TRUE(Bit(0x16141, 0));
  EXPECT_TRUE(Bit(0x16341, 0));
}

TEST_F(EncoderTest, CbGroupFourStartsAfterTheEightyDeSlots) {
  AddChannel({kCB, 4}, 1, "26965000");
  AddChannel({kCB, 3}, 80, "26955000");
  Encode();
  EXPECT_EQ(At(0x00A00), 0x26);
  EXPECT_EQ(At(0x00500 + 79 * 16), 0x26);
  EXPECT_EQ(At(0x00500 + 79 * 16 + 1), 0x95);
}

TEST_F(EncoderTest, DeChannelsAboveFortyHaveNoBitsInTheNextGroup) {
  AddChannel({kCB, 3}, 45, "26605000").ScanAdd = 1;
  Encode();
  EXPECT_EQ(At(0x00500 + 44 * 16), 0x26);
  for (uint32_t a = 0x1600A; a < 0x16014; ++a) EXPECT_EQ(At(a), 0) << std::hex << a;
  for (uint32_t a = 0x1620A; a < 0x16214; ++a) EXPECT_EQ(At(a), 0) << std::hex << a;
}

TEST_F(EncoderTest, RecordOutsideItsGroupIsNotWritten) {
  AddChannel({kCB, 1}, 41, "26965000");  // would land on group 2's first slot
  AddChannel({kHF, 1}, 0, "28000000");
  ClearImage(image);
  EncodeReport report = EncodeImage(cfg, image);
  EXPECT_EQ(report.skippedRecords, 2);
  EXPECT_EQ(At(0x00280), 0);
}

// Two records naming the same slot (a hand-edited file can hold them): the later
// one is written whole, so the slot never mixes the bit fields of both.
TEST_F(EncoderTest, LaterRecordOfTheSameSlotReplacesTheWholeSlot) {
  ChannelRecord& first = AddChannel({kHF, 1}, 3, "28000000");
  first.HiCut = 1;
  first.Busy = 1;
  first.PowerLevel = 1;
  first.Rep = 3;
  first.TxToneType = 2;
  first.Public = 1;
  first.Roger = 5;
  first.Mode = 3;
  ChannelRecord second = NewChannelRecord(3);
  second.RxFrequency = "29000000";
  second.Echo = 1;
  cfg.Channel({kHF, 1}, ++cfg.Count({kHF, 1})) = second;
  Encode();
  const uint32_t slot = 0x04000 + 2 * 16;
  EXPECT_EQ(At(slot), 0x29);
  EXPECT_EQ(At(slot + 8), 0x02 | 1 << 4 | 2 << 6);  // Echo, NbAnl 1, PowerLevel 2
  EXPECT_EQ(At(slot + 9), 0x00);
  EXPECT_EQ(At(slot + 10), 0x00);
}

TEST_F(EncoderTest, SpecialSlotsAndTheirOverlappingLinkBytes) {
  for (int n = 1; n <= 96; ++n) cfg.Special(n).CbMemChannel = 255;
  cfg.Special(1).Enabled = 1;
  cfg.Special(1).ScanAdd = 1;
  cfg.Special(1).RxFrequency = "27005000";
  cfg.Special(1).CbMemChannel = 1;
  cfg.Special(64).CbMemChannel = 10;
  cfg.Special(64).CbMemBand = 2;
  cfg.Special(80).CbMemChannel = 40;
  cfg.Special(80).CbMemBand = 3;
  cfg.Special(96).Enabled = 1;
  Encode();
  EXPECT_EQ(At(0x10000), 0x27);
  EXPECT_TRUE(Bit(0x16400, 0));
  EXPECT_TRUE(Bit(0x16430, 0));
  EXPECT_TRUE(Bit(0x1640B, 7));
  EXPECT_EQ(At(0x10600), 0);    // slot 1: channel 1 less one
  EXPECT_EQ(At(0x10601), 255);  // slot 2: none
  EXPECT_EQ(At(0x1063F), 9);    // slot 64's channel
  EXPECT_EQ(At(0x1064F), 2);    // slot 64's band wins over slot 80's channel
  EXPECT_EQ(At(0x1065F), 39);   // slot 80's channel wins over its band
  EXPECT_EQ(At(0x1066F), 255);  // slot 96
}

TEST_F(EncoderTest, GroupValidBitsAndNames) {
  Encode();
  EXPECT_EQ(At(0x16460), 0x3F);  // CB groups 1-6 valid, "UK" not
  EXPECT_EQ(At(0x16461), 0);
  EXPECT_EQ(At(0x16462), 0xFF);
  EXPECT_EQ(At(0x16463), 0x7F);  // HF groups 1-15
  EXPECT_EQ(At(0x16464), 0xFF);
  EXPECT_EQ(At(0x16465), 0x0F);  // HAM groups 1-12
  EXPECT_EQ(At(0x22000), 'U');
  EXPECT_EQ(At(0x22001), 'S');
  EXPECT_EQ(At(0x22008), 'U');
  EXPECT_EQ(At(0x22009), 0);  // "U " loses its blank
  EXPECT_EQ(At(0x22020), 'A');
  EXPECT_EQ(At(0x22021), 0);
  EXPECT_EQ(At(0x2203C), 'O');  // HF group 15
  EXPECT_EQ(At(0x22056), 'L');  // HAM group 12
  EXPECT_EQ(At(0x22058), 0);
}

TEST_F(EncoderTest, BandAndGroupBlockWritesLessOne) {
  cfg.RangeType[0] = 2;
  cfg.Options.WorkGroup(kCB) = 0;
  cfg.Options.WorkGroup(kHF) = 3;
  cfg.Options.WorkGroup(kHAM) = 12;
  cfg.Options.HfUseVfo() = 1;
  cfg.Options.WorkChannel({kCB, 1}) = 5;
  cfg.Options.WorkChannel({kCB, 6}) = 40;
  cfg.Options.WorkChannel({kHF, 15}) = 7;
  cfg.Options.WorkChannel({kHAM, 12}) = 2;
  Encode();
  EXPECT_EQ(At(0x18000), 2);
  EXPECT_EQ(At(0x18001), 0);
  EXPECT_EQ(At(0x18003), 2);
  EXPECT_EQ(At(0x18004), 1);
  EXPECT_EQ(At(0x18005), 11);
  EXPECT_EQ(At(0x18007), 4);
  EXPECT_EQ(At(0x1800C), 39);
  EXPECT_EQ(At(0x1801B), 6);
  EXPECT_EQ(At(0x18027), 1);
}

TEST_F(EncoderTest, CommonParametersFollowTheSlotLayout) {
  // Each row k alone at its widest value: (byte in the block, bits it sets).
  const struct {
    int k, value;
    uint32_t byte;
    int bits;
  } rows[] = {{0, 1, 0, 0x01},  {3, 1, 0, 0x02},   {4, 1, 0, 0x04},  {5, 1, 0, 0x08},  {1, 3, 0, 0x30}, {2, 3, 0, 0xC0},
              {6, 15, 2, 0x0F}, {10, 15, 2, 0xF0}, {7, 200, 3, 200}, {8, 201, 4, 201}, {9, 202, 5, 202}};
  const uint32_t blocks[] = {0x18108, 0x18118, 0x18128};
  for (const Band band : kBands) {
    for (const auto& row : rows) {
      for (int k = 0; k < 11; ++k)
        for (const Band b : kBands) cfg.Options.PublicParams(b, k) = 0;
      cfg.Options.PublicParams(band, row.k) = row.value;
      Encode();
      for (uint32_t off = 0; off < 16; ++off)
        EXPECT_EQ(At(blocks[BandIndex(band)] + off), off == row.byte ? row.bits : 0)
            << "band " << BandIndex(band) << " k " << row.k;
    }
  }
}

TEST_F(EncoderTest, DtmfCodesAreDigitValuesFilledWithSixteen) {
  cfg.Options.DtmfCodes(1) = u"12AB*#";
  cfg.Options.DtmfCodes(2) = u"9x3";
  cfg.Options.DtmfCodes(16) = u"cd";
  Encode();
  const int expected[] = {1, 2, 10, 11, 14, 15, 16, 16};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(At(0x20000 + k), expected[k]);
  EXPECT_EQ(At(0x20010), 9);
  EXPECT_EQ(At(0x20011), 16);
  EXPECT_EQ(At(0x20012), 3);
  EXPECT_EQ(At(0x200F0), 12);
  EXPECT_EQ(At(0x200F1), 13);
  EXPECT_EQ(At(0x200FF), 16);
}

TEST_F(EncoderTest, GeneralSettingsBlock) {
  OptionFeatures& o = cfg.Options;
  o.BatteryProtectMax() = 290;
  o.BatteryProtectMin() = 90;
  o.TxRepeaterOffset() = 50000;
  o.AsqEnabled() = 1;
  o.AsqLevel() = 5;
  o.CwFreq() = 255;
  o.Tot() = 60;
  o.PfKey() = 18;
  cfg.ChVolKind = 1;
  cfg.ModeEnable = {0, 0, 0, 0, 1, 0};  // CW only
  Encode();
  EXPECT_EQ(At(0x22100), 290 & 0xFF);
  EXPECT_EQ(At(0x22101), 1);
  EXPECT_EQ(At(0x22102), 90);
  EXPECT_EQ(At(0x22103), 0);
  EXPECT_EQ(At(0x22110), 0x50);
  EXPECT_EQ(At(0x22111), 0xC3);
  EXPECT_EQ(At(0x22113), 0x85);
  EXPECT_EQ(At(0x22128), 255);
  EXPECT_EQ(At(0x2210A), 60);
  EXPECT_EQ(At(0x22146), 18);
  EXPECT_EQ(At(0x22158), 1);
  EXPECT_EQ(At(0x22159), 0x20);
  cfg.ModeEnable = {1, 0, 0, 0, 0, 1};  // FM and PA
  Encode();
  EXPECT_EQ(At(0x22159), 0x11);
}

TEST_F(EncoderTest, BluetoothNameBytes) {
  cfg.Options.BtDeviceName() = u"Mic\u00e9 \u84dd";
  Encode();
  const int expected[] = {'M', 'i', 'c', 0xE9, ' ', 0xDD, 0x84, 0};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(At(0x22147 + k), expected[k]) << k;
  cfg.Options.BtDeviceName() = u"\u20ac\u00e9";
  ClearImage(image);
  EncodeImage(cfg, image, ImageOptions{0x0407});
  EXPECT_EQ(At(0x22147), 0x80);
  EXPECT_EQ(At(0x22148), 0xE9);
  EXPECT_EQ(At(0x22149), 0);
}

TEST_F(EncoderTest, SpecialChannelSettingsBlocks) {
  for (int k = 0; k < 36; ++k) cfg.EmergencySettings[k] = static_cast<int16_t>(100 + k);
  for (int k = 0; k < 18; ++k) cfg.DualWatchSettings[k] = static_cast<int16_t>(150 + k);
  for (int k = 0; k < 16; ++k) cfg.MemoryChannelSettings[k] = static_cast<int16_t>(200 + k);
  Encode();
  EXPECT_EQ(At(0x18040), 100);  // Eu channel 1
  EXPECT_EQ(At(0x18041), 106);  // Eu channel 2
  EXPECT_EQ(At(0x18042), 101);  // PL channel 1
  EXPECT_EQ(At(0x1804B), 111);  // IN channel 2
  EXPECT_EQ(At(0x1804C), 112);  // Eu mode 1
  EXPECT_EQ(At(0x1804D), 118);  // Eu mode 2
  EXPECT_EQ(At(0x18058), 124);
  EXPECT_EQ(At(0x18063), 135);
  EXPECT_EQ(At(0x18080), 150);
  EXPECT_EQ(At(0x18086), 156);
  EXPECT_EQ(At(0x1808C), 162);
  EXPECT_EQ(At(0x18091), 167);
  EXPECT_EQ(At(0x180C0), 206);  // Eu memory state
  EXPECT_EQ(At(0x180C6), 200);  // Eu memory channel
  EXPECT_EQ(At(0x180CC), 213);
  EXPECT_EQ(At(0x180CD), 212);
  EXPECT_EQ(At(0x180CE), 215);
  EXPECT_EQ(At(0x180CF), 214);
}

TEST_F(EncoderTest, RogerBeepTable) {
  RogerBeepPreset& p = cfg.RogerBeepTable[1];
  p.fill(0);
  p[0] = 100;  // step 1 frequency
  p[1] = 20;   // step 1 duration
  p[26] = 255;
  p[27] = 7;
  p[28] = 3;
  p[29] = 50;
  Encode();
  EXPECT_EQ(At(0x20120), 3);
  EXPECT_EQ(At(0x20121), 50);
  EXPECT_EQ(At(0x20122), 100);
  EXPECT_EQ(At(0x2012F), 255);
  EXPECT_EQ(At(0x20130), 20);
  EXPECT_EQ(At(0x2013D), 7);
  EXPECT_EQ(At(0x2013E), 0);
}

TEST_F(EncoderTest, WeatherChannels) {
  OptionFeatures& o = cfg.Options;
  for (int i = 1; i <= 41; ++i) o.WxInUse(i) = 0;
  o.WxInUse(1) = 1;
  o.WxFrequency(1) = 162.55;
  o.WxBandwidth(1) = 1;
  o.WxScan(1) = 1;
  o.WxInUse(41) = 1;
  o.WxFrequency(41) = 162.4375;
  o.WxScan(41) = 0;
  o.WxInUse(2) = 2;  // only exactly 1 counts as in use
  o.WxFrequency(2) = 150.0;
  o.WxCurrentChannel() = 3;
  o.WxSql() = 9;
  Encode();
  EXPECT_EQ(At(0x1C000), 0x16);
  EXPECT_EQ(At(0x1C001), 0x25);
  EXPECT_EQ(At(0x1C002), 0x50);
  EXPECT_EQ(At(0x1C003), 0x00);
  EXPECT_EQ(At(0x1C004), 1);
  EXPECT_EQ(At(0x1C008), 0);
  EXPECT_EQ(At(0x1C180), 0x16);
  EXPECT_EQ(At(0x1C181), 0x24);
  EXPECT_EQ(At(0x1C182), 0x37);
  EXPECT_EQ(At(0x1C183), 0x50);
  EXPECT_EQ(At(0x22064), 0x01);
  EXPECT_EQ(At(0x2206C), 0x01);
  EXPECT_EQ(At(0x22069), 0x00);
  EXPECT_EQ(At(0x22071), 0x01);
  EXPECT_EQ(At(0x22060), 3);
  EXPECT_EQ(At(0x22076), 9);
}

TEST(ImageMap, DocumentationShowsTheMapInForce) {
  std::ifstream in(std::filesystem::path(ZQ_SOURCE_DIR) / "docs" / "memory-image.md", std::ios::binary);
  std::ostringstream doc;
  doc << in.rdbuf();
  EXPECT_NE(doc.str().find(ImageMapMarkdown()), std::string::npos)
      << "docs/memory-image.md is out of date; build/data/print_image_map prints the current tables";
}

}  // namespace
}  // namespace zq
