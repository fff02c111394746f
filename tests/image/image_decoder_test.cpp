// Decoder checks: images built byte by byte, read back into a configuration.
#include <gtest/gtest.h>

#include <random>

#include "config/defaults.h"
#include "image/image_codec.h"
#include "support/image_diff.h"

namespace zq {
namespace {

class DecoderTest : public ::testing::Test {
 protected:
  DecoderTest() {
    DocumentState doc;
    SetDefaultValues(cfg, doc, Date{2026, 12, 8});
  }
  void Slot(uint32_t offset, uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
    image.Put(offset, b0);
    image.Put(offset + 1, b1);
    image.Put(offset + 2, b2);
    image.Put(offset + 3, b3);
  }
  RadioConfig cfg;
  MemoryImage image;
};

TEST_F(DecoderTest, ChannelsArePackedInSlotOrderAndRememberTheirSlot) {
  image.Put(0x16000, (1 << 2) | (1 << 6));  // CB group 1, slots 3 and 7
  image.Put(0x16200, 1 << 6);               // slot 7 in scan
  Slot(0x00020, 0x26, 0x98, 0x50, 0x00);
  Slot(0x00060, 0x27, 0x02, 0x50, 0x00);
  image.Put(0x00060 + 10, 0x21);
  DecodeImage(image, cfg);
  ASSERT_EQ(cfg.Count({kCB, 1}), 2);
  EXPECT_EQ(cfg.Channel({kCB, 1}, 1).Number, 3);
  EXPECT_EQ(cfg.Channel({kCB, 1}, 1).RxFrequency.str(), "26985000");
  EXPECT_EQ(cfg.Channel({kCB, 1}, 1).ScanAdd, 0);
  EXPECT_EQ(cfg.Channel({kCB, 1}, 2).Number, 7);
  EXPECT_EQ(cfg.Channel({kCB, 1}, 2).ScanAdd, 1);
  EXPECT_EQ(cfg.Channel({kCB, 1}, 2).Mode, 2);
  EXPECT_EQ(cfg.Channel({kCB, 1}, 2).Roger, 1);
}

TEST_F(DecoderTest, EmptyOrZeroFrequencies) {
  image.Put(0x16080, 0b11);  // HF group 1, slots 1 and 2
  Slot(0x04000, 0xFF, 0xFF, 0xFF, 0xFF);
  Slot(0x04010, 0x00, 0x00, 0x00, 0x00);
  image.Put(0x16400, 0b11);  // special slots 1 and 2
  Slot(0x10000, 0x00, 0x00, 0x00, 0x00);
  Slot(0x10010, 0x27, 0x00, 0x50, 0x00);
  DecodeImage(image, cfg);
  ASSERT_EQ(cfg.Count({kHF, 1}), 1);  // the FF slot is not counted
  EXPECT_EQ(cfg.Channel({kHF, 1}, 1).Number, 2);
  EXPECT_EQ(cfg.Channel({kHF, 1}, 1).RxFrequency.str(), "00000000");
  EXPECT_EQ(cfg.Special(1).Enabled, 0);  // a zero special slot is dropped
  EXPECT_EQ(cfg.Special(2).Enabled, 1);
  EXPECT_EQ(cfg.Special(2).Number, 2);
  EXPECT_EQ(cfg.Special(2).RxFrequency.str(), "27005000");
}

TEST_F(DecoderTest, VfoGroupsNeedAFrequencyAndOtherSlotsNeedTheirBit) {
  Slot(0x12640, 0x28, 0x50, 0x00, 0x00);
  Slot(0x14640, 0xFF, 0xFF, 0xFF, 0xFF);
  Slot(0x04000, 0x28, 0x00, 0x00, 0x00);  // no Enabled bit
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.Count({kHF, 17}), 1);
  EXPECT_EQ(cfg.Channel({kHF, 17}, 1).RxFrequency.str(), "28500000");
  EXPECT_EQ(cfg.Count({kHAM, 14}), 0);
  EXPECT_EQ(cfg.Count({kHF, 1}), 0);

  Slot(0x12640, 0x00, 0x00, 0x00, 0x00);  // as a write of an empty VFO group leaves it
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.Count({kHF, 17}), 0);
}

// A slot dropped for its frequency leaves its record as it was: nothing of it
// reaches the next write.
TEST_F(DecoderTest, ARejectedSlotLeavesItsRecordAsItWas) {
  Slot(0x12640, 0xFF, 0xFF, 0xFF, 0xFF);  // HF VFO
  image.Put(0x16080, 0b1);                // HF group 1 slot 1, no frequency
  Slot(0x04000, 0xFF, 0xFF, 0xFF, 0xFF);
  image.Put(0x16400, 0b10);  // special slot 2 at 0 MHz, in scan
  image.Put(0x16430, 0b10);
  const ChannelRecord special = cfg.Special(2);
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.Count({kHF, 17}), 0);
  EXPECT_EQ(cfg.Channel({kHF, 17}, 1).Enabled, 0);
  EXPECT_EQ(cfg.Channel({kHF, 17}, 1).Number, 0);
  EXPECT_EQ(cfg.Count({kHF, 1}), 0);
  EXPECT_EQ(cfg.Channel({kHF, 1}, 1).Enabled, 0);
  ChannelRecord expected = special;
  expected.Enabled = 0;
  expected.CbMemChannel = 1;  // the link bytes are read for every special slot
  EXPECT_EQ(cfg.Special(2), expected);
}

TEST_F(DecoderTest, ReadReplacesEveryChannelTable) {
  cfg.Count({kHAM, 3}) = 5;
  cfg.Channel({kHAM, 3}, 1).Number = 9;
  cfg.Special(5).Enabled = 1;
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.Count({kHAM, 3}), 0);
  EXPECT_EQ(cfg.Channel({kHAM, 3}, 1).Number, 0);
  EXPECT_EQ(cfg.Special(5).Enabled, 0);
}

TEST_F(DecoderTest, LinkBytes) {
  image.Put(0x10600, 0x00);
  image.Put(0x10601, 0xFF);
  image.Put(0x10602, 0x27);
  image.Put(0x1064F, 0x02);  // slot 64's band, and slot 80's channel on the first pass
  image.Put(0x1065F, 0x10);  // slot 80's band, then slot 80's channel
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.Special(1).CbMemChannel, 1);
  EXPECT_EQ(cfg.Special(2).CbMemChannel, 255);
  EXPECT_EQ(cfg.Special(3).CbMemChannel, 40);
  EXPECT_EQ(cfg.Special(64).CbMemBand, 2);
  EXPECT_EQ(cfg.Special(80).CbMemBand, 0x10);
  EXPECT_EQ(cfg.Special(80).CbMemChannel, 0x11);
}

TEST_F(DecoderTest, SettingsComeBackPlusOneWhereStoredLessOne) {
  image.Put(0x18000, 0);
  image.Put(0x18001, 0);  // a work group stored as 0 reads back as 1
  image.Put(0x18003, 4);
  image.Put(0x1800D, 9);
  image.Put(0x22100, 0x22);
  image.Put(0x22101, 0x01);
  image.Put(0x22110, 0x50);
  image.Put(0x22111, 0xC3);
  image.Put(0x22113, 0x83);
  image.Put(0x22159, 0x30);  // PA and CW
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.RangeType[0], 0);
  EXPECT_EQ(cfg.Options.WorkGroup(kCB), 1);
  EXPECT_EQ(cfg.Options.WorkGroup(kHF), 5);
  EXPECT_EQ(cfg.Options.WorkChannel({kHF, 1}), 10);
  EXPECT_EQ(cfg.Options.BatteryProtectMax(), 0x122);
  EXPECT_EQ(cfg.Options.TxRepeaterOffset(), 50000);
  EXPECT_EQ(cfg.Options.AsqEnabled(), 1);
  EXPECT_EQ(cfg.Options.AsqLevel(), 3);
  EXPECT_EQ(cfg.ModeEnable, (std::array<int16_t, 6>{0, 0, 0, 0, 1, 1}));
}

TEST_F(DecoderTest, DualWatchBandsOutsideTheirGroupsBecomeZero) {
  image.Put(0x1808C, 15);
  image.Put(0x1808F, 11);
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.DualWatchSettings[12], 0);
  EXPECT_EQ(cfg.DualWatchSettings[15], 11);
  image.Put(0x1808C, 14);
  image.Put(0x1808F, 12);
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.DualWatchSettings[12], 14);
  EXPECT_EQ(cfg.DualWatchSettings[15], 0);
}

TEST_F(DecoderTest, DtmfCodesStopAtTheFirstValueAboveFifteen) {
  const uint8_t code[16] = {1, 2, 10, 11, 14, 15, 16, 3, 3, 3, 3, 3, 3, 3, 3, 3};
  for (uint32_t k = 0; k < 16; ++k) image.Put(0x20000 + k, code[k]);
  for (uint32_t k = 0; k < 16; ++k) image.Put(0x20010 + k, 9);
  for (uint32_t k = 0; k < 16; ++k) image.Put(0x20020 + k, 0xFF);
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.Options.DtmfCodes(1), u"12AB*#          ");
  EXPECT_EQ(cfg.Options.DtmfCodes(2), u"9999999999999999");
  EXPECT_EQ(cfg.Options.DtmfCodes(3), u"                ");
  EXPECT_EQ(cfg.Options.DtmfCodes(4), u"0000000000000000");  // a cleared image holds zeros
}

TEST_F(DecoderTest, GroupNamesAndValidBits) {
  image.Put(0x16460, 0b1000001);
  image.Put(0x22000, 'E');
  image.Put(0x22001, 'U');
  image.Put(0x22002, 'P');
  image.Put(0x22040, 0xE9);
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.Options.GroupValid({kCB, 1}), 1);
  EXPECT_EQ(cfg.Options.GroupValid({kCB, 2}), 0);
  EXPECT_EQ(cfg.Options.GroupValid({kCB, 7}), 1);
  EXPECT_EQ(cfg.Options.GroupName({kCB, 1}), u"EU");
  EXPECT_EQ(cfg.Options.GroupName({kCB, 2}), u"P ");
  EXPECT_EQ(cfg.Options.GroupName({kHAM, 1}), u"\u00e9 ");
  EXPECT_EQ(cfg.Options.GroupName({kCB, 3}), u"  ");
}

TEST_F(DecoderTest, WeatherChannelsWithBadDigitsAreNotInUse) {
  image.Put(0x2206C, 0b11);
  Slot(0x1C000, 0x16, 0x25, 0x50, 0x00);
  image.Put(0x1C004, 1);
  image.Put(0x22064, 0b1);
  Slot(0x1C008, 0x1A, 0x00, 0x00, 0x00);
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.Options.WxInUse(1), 1);
  EXPECT_DOUBLE_EQ(cfg.Options.WxFrequency(1), 162.55);
  EXPECT_EQ(cfg.Options.WxBandwidth(1), 1);
  EXPECT_EQ(cfg.Options.WxScan(1), 1);
  EXPECT_EQ(cfg.Options.WxInUse(2), 0);
  EXPECT_EQ(cfg.Options.WxInUse(3), 0);
}

TEST_F(DecoderTest, BluetoothNameBytes) {
  const char name[] = "Mic\xE9";
  for (uint32_t k = 0; k < 4; ++k) image.Put(0x22147 + k, static_cast<uint8_t>(name[k]));
  DecodeImage(image, cfg);
  EXPECT_EQ(cfg.Options.BtDeviceName(), u"Mic\u00e9            ");
  image.Put(0x22147, 0x80);
  DecodeImage(image, cfg, ImageOptions{0x0407});
  EXPECT_EQ(cfg.Options.BtDeviceName(), u"\u20acic\u00e9            ");
}

// Decoding then encoding settles after one pass, whatever the image: random
// bytes, an empty VFO group, slots dropped for their frequency.
TEST_F(DecoderTest, DecodeThenEncodeIsAFixedPointAfterOnePass) {
  std::vector<MemoryImage> images(1);  // the cleared image
  Slot(0x14640, 0xFF, 0xFF, 0xFF, 0xFF);
  images.push_back(image);  // HAM VFO group with no channel
  image.Put(0x16400, 0b1);
  image.Put(0x16430, 0b1);
  image.Put(0x16000, 0b1);
  image.Put(0x16200, 0b1);
  Slot(0x00000, 0xAB, 0x00, 0x00, 0x00);
  images.push_back(image);  // special slot 1 at 0 MHz and CB slot 1 with no number, both in scan
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    MemoryImage random;
    for (auto& b : random.bytes()) b = static_cast<uint8_t>(rng());
    images.push_back(random);
  }
  const RadioConfig defaults = cfg;
  auto pass = [&](const MemoryImage& in) {
    RadioConfig decoded = defaults;
    DecodeImage(in, decoded);
    MemoryImage out;
    EncodeImage(decoded, out);
    return out;
  };
  for (std::size_t k = 0; k < images.size(); ++k) {
    MemoryImage once = pass(images[k]);
    ASSERT_EQ(testing::FirstDifference(once, pass(once)), "") << "image " << k;
  }
}

}  // namespace
}  // namespace zq
