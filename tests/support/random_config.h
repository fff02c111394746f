#pragma once
// Random configurations whose every value lies inside what the radio's memory
// image can hold, for round-trip properties.
#include <algorithm>
#include <random>
#include <set>
#include <string>

#include "config/defaults.h"
#include "config/radio_config.h"

namespace zq::testing {

class RandomConfig {
 public:
  explicit RandomConfig(unsigned seed) : rng_(seed) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int percent) { return Int(1, 100) <= percent; }

  std::string Frequency() {
    std::string digits;
    do {
      digits.clear();
      for (int k = 0; k < 8; ++k) digits += static_cast<char>('0' + Int(0, 9));
    } while (digits == "00000000");
    return digits;
  }

  std::u16string Text(int maxLength, std::u16string_view alphabet) {
    std::u16string s;
    for (int k = Int(0, maxLength); k > 0; --k) s += alphabet[Int(0, int(alphabet.size()) - 1)];
    return s;
  }

  void FillChannelFields(ChannelRecord& r) {
    r.ScanAdd = static_cast<int16_t>(Int(0, 1));
    r.RxFrequency = Frequency();
    r.RxCtcss = static_cast<int16_t>(Int(0, 255));
    r.RxDcs = static_cast<int16_t>(Int(0, 255));
    r.TxCtcss = static_cast<int16_t>(Int(0, 255));
    r.TxDcs = static_cast<int16_t>(Int(0, 255));
    r.HiCut = static_cast<int16_t>(Int(0, 1));
    r.Echo = static_cast<int16_t>(Int(0, 1));
    r.Add10K = static_cast<int16_t>(Int(0, 1));
    r.Busy = static_cast<int16_t>(Int(0, 1));
    r.NbAnl = static_cast<int16_t>(Int(0, 3));
    r.PowerLevel = static_cast<int16_t>(Int(0, 3));
    r.Rep = static_cast<int16_t>(Int(0, 3));
    r.TxToneType = static_cast<int16_t>(Int(0, 3));
    r.RxToneType = static_cast<int16_t>(Int(0, 3));
    r.Public = static_cast<int16_t>(Int(0, 1));
    r.Roger = static_cast<int16_t>(Int(0, 15));
    r.Mode = static_cast<int16_t>(Int(0, 15));
    r.Bot = static_cast<int16_t>(Int(0, 255));
    r.Eot = static_cast<int16_t>(Int(0, 255));
    r.Call = static_cast<int16_t>(Int(0, 255));
  }

  // Channels in random slots of every group, in random order of creation.
  void FillChannels(RadioConfig& cfg) {
    for (const Band band : kBands) {
      for (int g = 1; g <= GroupCount(band); ++g) {
        std::vector<int> slots;
        int bitmapSlots = BitmapSlots({band, g});
        // The radio always has its VFO channel.
        for (int slot = 1; slot <= bitmapSlots; ++slot)
          if (IsVfoGroup({band, g}) || Chance(40)) slots.push_back(slot);
        std::shuffle(slots.begin(), slots.end(), rng_);
        cfg.Count({band, g}) = static_cast<int16_t>(slots.size());
        for (std::size_t k = 0; k < slots.size(); ++k) {
          ChannelRecord& r = cfg.Channel({band, g}, int(k) + 1);
          r.Number = static_cast<int16_t>(slots[k]);
          r.Enabled = 1;
          FillChannelFields(r);
        }
      }
    }
    for (int n = 1; n <= kSpecialSlots; ++n) {
      ChannelRecord& r = cfg.Special(n);
      r.Enabled = static_cast<int16_t>(Int(0, 1));
      r.Number = static_cast<int16_t>(n);
      FillChannelFields(r);
      r.CbMemChannel = static_cast<int16_t>(Int(1, 255));
      r.CbMemBand = static_cast<int16_t>(Int(0, 255));
    }
  }

  void FillSettings(RadioConfig& cfg) {
    OptionFeatures& o = cfg.Options;
    cfg.RangeType[0] = static_cast<int16_t>(Int(0, 255));
    for (const Band band : kBands) {
      o.WorkGroup(band) = Int(1, 256);
      for (int g = 1; g <= kMaxGroups; ++g) o.WorkChannel({band, g}) = Int(1, 256);
      for (int g = 1; g <= OrdinaryGroupCount(band); ++g) {
        o.GroupValid({band, g}) = Int(0, 1);
        o.GroupName({band, g}) = Text(2, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-");
      }
      for (int k = 0; k < 11; ++k)
        o.PublicParams(band, k) = Int(0, (k == 6 || k == 10) ? 15 : k >= 7 ? 255 : k == 1 || k == 2 ? 3 : 1);
    }
    for (const auto& def : kOptionFields) {
      bool byteValue = def.kind == FieldKind::I16 || def.kind == FieldKind::U8;
      if (byteValue && def.shape.dims == 0 && !IsSpecialField(def.name))
        cfg.Options.SetInt(Opt(&def - kOptionFields), Int(0, 255));
    }
    o.CbUseVfo() = Int(0, 255);
    o.BatteryProtectMin() = Int(-32768, 32767);
    o.BatteryProtectMax() = Int(-32768, 32767);
    o.TxRepeaterOffset() = Int(0, 65535);
    o.AsqLevel() = Int(0, 127);
    o.AsqEnabled() = Int(0, 1);
    for (int k = 0; k < 6; ++k) o.DtmfSettings(k) = Int(0, 255);
    for (int m = 1; m <= 16; ++m) o.DtmfCodes(m) = Text(16, u"0123456789ABCD*#");
    o.BtDeviceName() = Text(16, u"abcXYZ 0123-_.");
    for (int i = 1; i <= 41; ++i) {
      bool used = Chance(50);
      o.WxInUse(i) = used ? 1 : 0;
      if (!used) continue;
      o.WxFrequency(i) = Int(13600000, 17400000) / 100000.0;
      o.WxBandwidth(i) = Int(0, 255);
      o.WxScan(i) = Int(0, 1);
    }
    for (auto& preset : cfg.RogerBeepTable)
      for (auto& v : preset) v = static_cast<int16_t>(Int(0, 255));
    for (auto& v : cfg.EmergencySettings) v = static_cast<int16_t>(Int(0, 255));
    for (auto& v : cfg.DualWatchSettings) v = static_cast<int16_t>(Int(0, 255));
    cfg.DualWatchSettings[12] = static_cast<int16_t>(Int(0, 14));
    cfg.DualWatchSettings[15] = static_cast<int16_t>(Int(0, 11));
    for (auto& v : cfg.MemoryChannelSettings) v = static_cast<int16_t>(Int(0, 255));
    cfg.ChVolKind = static_cast<int16_t>(Int(0, 255));
    for (auto& v : cfg.ModeEnable) v = static_cast<int16_t>(Int(0, 1));
  }

  RadioConfig Make() {
    RadioConfig cfg;
    DocumentState doc;
    SetDefaultValues(cfg, doc, Date{2026, 12, 8});
    FillChannels(cfg);
    FillSettings(cfg);
    return cfg;
  }

  std::mt19937& engine() { return rng_; }

 private:
  // Fields the generic byte loop must leave to their own rules.
  static bool IsSpecialField(std::string_view name) {
    static const std::set<std::string_view> special = {"BatteryProtectMin", "BatteryProtectMax", "AsqLevel",
                                                       "AsqEnabled",        "TxRepeaterOffset",  "BtDeviceName"};
    return special.count(name) > 0;
  }
  std::mt19937 rng_;
};

}  // namespace zq::testing
