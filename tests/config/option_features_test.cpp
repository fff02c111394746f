#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "config/band_layout.h"
#include "config/option_features.h"

namespace zq {
namespace {

TEST(OptionFeatures, FieldsLieInsideTheRecordWithoutOverlap) {
  std::set<int> used;
  for (const auto& def : kOptionFields) {
    for (int k = 0; k < def.shape.elements(); ++k) {
      auto [i, j] = ElementIndexes(def, k);
      int offset = ElementOffset(def, i, j);
      for (int b = 0; b < def.width(); ++b) {
        ASSERT_LT(offset + b, kOptionFeaturesSize) << def.name;
        EXPECT_TRUE(used.insert(offset + b).second) << def.name << " overlaps at byte " << offset + b;
      }
    }
  }
}

TEST(OptionFeatures, OffsetsFollowTheRecordLayout) {
  OptionFeatures opt;
  // WorkChannel[group][band] at 6 + 6 * group + 2 * band; GroupValid at 1026 + ...; GroupName at 1122 + ...
  EXPECT_EQ(ElementOffset(FieldDef(Opt::WorkChannel), 1, BandIndex(kCB)), 12);
  EXPECT_EQ(ElementOffset(FieldDef(Opt::WorkChannel), 15, BandIndex(kHF)), 6 + 6 * 15 + 2);
  EXPECT_EQ(ElementOffset(FieldDef(Opt::GroupValid), 12, BandIndex(kHAM)), 1026 + 6 * 12 + 4);
  EXPECT_EQ(ElementOffset(FieldDef(Opt::GroupName), 17, BandIndex(kHAM)), 1122 + 12 * 17 + 8);
  EXPECT_EQ(ElementOffset(FieldDef(Opt::WxFrequency), 41), 212 + 20 * 40 + 4);
  EXPECT_EQ(ElementOffset(FieldDef(Opt::DtmfCodes), 16), 1938 + 32 * 15);
  EXPECT_EQ(ElementOffset(FieldDef(Opt::PublicParams), BandIndex(kHAM), 10), 158 + 20);
}

TEST(OptionFeatures, AccessorsStoreLittleEndianAndTextsTwoBytesPerCharacter) {
  OptionFeatures opt;
  opt.Tot() = 0x1234;
  EXPECT_EQ(opt.bytes()[1560], 0x34);
  EXPECT_EQ(opt.bytes()[1561], 0x12);
  opt.TxRepeaterOffset() = 50000;
  EXPECT_EQ(opt.TxRepeaterOffset(), 50000);
  EXPECT_EQ(opt.bytes()[1584], 50000 & 0xFF);
  opt.CwFreq() = 300;  // one byte keeps only its low byte
  EXPECT_EQ(opt.CwFreq(), 300 & 0xFF);
  EXPECT_EQ(opt.bytes()[1596], 0);
  opt.SwrProtect() = -1;
  EXPECT_EQ(opt.SwrProtect(), -1);
  opt.GroupName({kCB, 1}) = u"U";
  EXPECT_EQ(opt.GroupName({kCB, 1}), u"U ");
  EXPECT_EQ(opt.bytes()[1134], 'U');
  EXPECT_EQ(opt.bytes()[1136], ' ');
  opt.WxFrequency(3) = 162.55;
  EXPECT_DOUBLE_EQ(opt.WxFrequency(3), 162.55);
}

TEST(OptionFeatures, BadIndexesAreRefused) {
  OptionFeatures opt;
  EXPECT_THROW(opt.WorkChannel({kCB, 0}), std::out_of_range);
  EXPECT_THROW(opt.WorkChannel({kCB, 18}), std::out_of_range);
  EXPECT_THROW(opt.GetInt(Opt::WorkChannel, 1, 3), std::out_of_range);  // no band 3
  EXPECT_THROW(opt.DtmfCodes(0), std::out_of_range);
  EXPECT_THROW(opt.Tot(1), std::out_of_range);
}

}  // namespace
}  // namespace zq
