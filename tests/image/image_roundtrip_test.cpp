// Round-trip properties of the memory image over random configurations.
#include <gtest/gtest.h>

#include <map>

#include "image/image_codec.h"
#include "support/image_diff.h"
#include "support/random_config.h"

namespace zq {
namespace {

// Channels of a group by slot number; the image keeps slots, not creation order.
std::map<int, ChannelRecord> BySlot(const RadioConfig& cfg, BandGroup group) {
  std::map<int, ChannelRecord> slots;
  for (int k = 1; k <= cfg.Count(group); ++k) slots[cfg.Channel(group, k).Number] = cfg.Channel(group, k);
  return slots;
}

void ExpectSameChannel(const ChannelRecord& a, const ChannelRecord& b, const std::string& where) {
  bool same = true;
  VisitChannelFields(a, [&](const char* name, const auto& va) {
    if (std::string_view(name) == "TxFrequency" || std::string_view(name) == "Reserved" ||
        std::string_view(name) == "ReservedInt" || std::string_view(name) == "CbMemBand" ||
        std::string_view(name) == "CbMemChannel")
      return;
    VisitChannelFields(b, [&](const char* nameB, const auto& vb) {
      if constexpr (std::is_same_v<decltype(va), decltype(vb)>)
        if (std::string_view(name) == nameB && !(va == vb)) {
          ADD_FAILURE() << where << " field " << name;
          same = false;
        }
    });
  });
  EXPECT_TRUE(same) << where;
}

// The option fields the radio's memory has no place for: a read leaves them as they were.
void CopyFieldsOutsideTheImage(const RadioConfig& from, RadioConfig& to) {
  OptionFeatures& o = to.Options;
  const OptionFeatures& f = from.Options;
  for (Opt field : {Opt::TxIndicator, Opt::BacklightColour, Opt::FreqChannelMode, Opt::VolPath, Opt::WorkMode,
                    Opt::VoxFunction, Opt::ChannelMode})
    o.SetInt(field, f.GetInt(field));
  for (int i = 1; i <= 41; ++i) {
    o.WxSpare2(i) = f.WxSpare2(i);
    o.WxSpare18(i) = f.WxSpare18(i);
    o.WxOnOff(i) = f.WxOnOff(i);
    if (f.WxInUse(i) != 1) {
      o.WxFrequency(i) = f.WxFrequency(i);
      o.WxBandwidth(i) = f.WxBandwidth(i);
      o.WxScan(i) = f.WxScan(i);
    }
  }
  const int workChannelGroups[] = {6, 15, 12};  // the radio keeps these groups' work channels
  for (const Band band : kBands) {
    for (int g = 1; g <= kMaxGroups; ++g) {
      if (g > workChannelGroups[BandIndex(band)]) o.WorkChannel({band, g}) = f.WorkChannel({band, g});
      if (g > OrdinaryGroupCount(band)) {
        o.GroupValid({band, g}) = f.GroupValid({band, g});
        o.GroupName({band, g}) = f.GroupName({band, g});
      }
    }
  }
}

TEST(ImageRoundTrip, RandomConfigurationsSurviveEncodeDecodeEncode) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    testing::RandomConfig random(seed);
    RadioConfig original = random.Make();
    MemoryImage first;
    EncodeImage(original, first);

    // Decode over a different configuration. Only the special slots that are not
    // in use keep what they held (the radio has nothing for them), so those match.
    RadioConfig decoded = testing::RandomConfig(seed + 1000).Make();
    for (int n = 1; n <= kSpecialSlots; ++n)
      if (!original.Special(n).Enabled) decoded.Special(n) = original.Special(n);
    CopyFieldsOutsideTheImage(original, decoded);
    DecodeImage(first, decoded);
    MemoryImage second;
    EncodeImage(decoded, second);
    ASSERT_EQ(testing::FirstDifference(first, second), "") << "seed " << seed;

    for (const Band band : kBands) {
      for (int g = 1; g <= GroupCount(band); ++g) {
        auto want = BySlot(original, {band, g});
        auto got = BySlot(decoded, {band, g});
        ASSERT_EQ(want.size(), got.size()) << "seed " << seed << " band " << BandIndex(band) << " group " << g;
        for (const auto& [slot, record] : want)
          ExpectSameChannel(record, got[slot], "seed " + std::to_string(seed) + " slot " + std::to_string(slot));
      }
    }
    for (int n = 1; n <= kSpecialSlots; ++n) {
      EXPECT_EQ(original.Special(n).Enabled, decoded.Special(n).Enabled) << n;
      if (original.Special(n).Enabled) ExpectSameChannel(original.Special(n), decoded.Special(n), "special");
    }
    // Stored texts come back blank-filled: compare the option record after the
    // encoder has written its normalised texts back into the original.
    for (const auto& def : kOptionFields)
      for (int e = 0; e < def.shape.elements(); ++e) {
        auto [i, j] = ElementIndexes(def, e);
        int at = ElementOffset(def, i, j);
        for (int b = 0; b < def.width(); ++b)
          ASSERT_EQ(original.Options.bytes()[at + b], decoded.Options.bytes()[at + b])
              << "seed " << seed << " field " << def.name << " (" << i << ", " << j << ")";
      }
    EXPECT_EQ(original.RangeType[0], decoded.RangeType[0]);
    EXPECT_EQ(original.ChVolKind, decoded.ChVolKind);
    EXPECT_EQ(original.DualWatchSettings, decoded.DualWatchSettings);
    EXPECT_EQ(original.RogerBeepTable, decoded.RogerBeepTable);
    EXPECT_EQ(original.EmergencySettings, decoded.EmergencySettings);
    EXPECT_EQ(original.MemoryChannelSettings, decoded.MemoryChannelSettings);
    EXPECT_EQ(original.ModeEnable, decoded.ModeEnable);
  }
}

// Everything the encoder writes lies inside the areas of the radio's memory map.
TEST(ImageRoundTrip, EncoderWritesOnlyInsideTheMemoryMap) {
  const std::pair<uint32_t, uint32_t> areas[] = {
      {0x00000, 0x0277F}, {0x04000, 0x08C7F}, {0x0A000, 0x0E9FF}, {0x10000, 0x1066F}, {0x12000, 0x1264F},
      {0x14000, 0x1464F}, {0x16000, 0x1647F}, {0x18000, 0x18027}, {0x18040, 0x180FF}, {0x18108, 0x1812D},
      {0x1C000, 0x1C187}, {0x20000, 0x201FF}, {0x22000, 0x2205F}, {0x22060, 0x22076}, {0x22100, 0x22159}};
  for (unsigned seed = 100; seed < 110; ++seed) {
    testing::RandomConfig random(seed);
    RadioConfig cfg = random.Make();
    MemoryImage image;
    EncodeImage(cfg, image);
    for (uint32_t a = 0; a < kImageSize; ++a) {
      if (image.Get(a) == 0) continue;
      bool inside = false;
      for (auto [lo, hi] : areas) inside = inside || (a >= lo && a <= hi);
      ASSERT_TRUE(inside) << std::hex << "byte at 0x" << a;
    }
  }
}

}  // namespace
}  // namespace zq
