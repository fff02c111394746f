#include <gtest/gtest.h>

#include <type_traits>

#include "config/channel_slots.h"
#include "config/radio_config.h"

namespace zq {
namespace {

// A band and a group number cannot change places: these calls compile only
// with the band first, and a plain number never passes for a band.
template <class First, class Second>
concept NamesAGroup = requires(First first, Second second, const RadioConfig& cfg) {
  GroupCapacity({first, second});
  BitmapSlots({first, second});
  IsMemGroup({first, second});
  cfg.Count({first, second});
  cfg.ChannelCount.at({first, second});
  cfg.Channel({first, second}, 1);
  cfg.Channels.group({first, second});
  SlotsInUse(cfg, {first, second});
  cfg.Options.GroupValid({first, second});
  cfg.Options.WorkChannel({first, second});
  cfg.Options.GroupName({first, second});
};
// The option fields kept per band take a band, never a plain number.
template <class Index>
concept NamesABand = requires(Index index, const OptionFeatures& opt) {
  opt.WorkGroup(index);
  opt.PublicParams(index, 0);
};
static_assert(NamesABand<Band> && !NamesABand<int>);
static_assert(NamesAGroup<Band, int>);
static_assert(!NamesAGroup<int, Band>);
static_assert(!NamesAGroup<int, int>);
static_assert(!std::is_convertible_v<int, Band> && !std::is_convertible_v<Band, int>);

TEST(BandLayout, NumbersAndNamesFromOutsideBecomeBandsOnlyWhenTheyNameOne) {
  for (const Band band : kBands) {
    EXPECT_EQ(BandOfIndex(BandIndex(band)), band);
    EXPECT_EQ(BandOfShortName(BandShortName(band)), band);
  }
  EXPECT_EQ(BandOfIndex(2), kHAM);
  EXPECT_FALSE(BandOfIndex(-1));
  EXPECT_FALSE(BandOfIndex(kBandCount));
  EXPECT_EQ(BandOfShortName("HF"), kHF);
  EXPECT_FALSE(BandOfShortName("hf"));  // files write the names as they are
  EXPECT_FALSE(BandOfShortName(""));
}

}  // namespace
}  // namespace zq
