// MemoryImage -> RadioConfig.
#include <optional>
#include <string>
#include <string_view>

#include "config/public_params.h"
#include "image/image_bytes.h"
#include "image/image_codec.h"
#include "image/image_map.h"
#include "text/locale_ids.h"
#include "text/plain_text.h"

namespace zq {
namespace {

void ClearChannelTables(RadioConfig& cfg) {
  for (const Band band : kBands) {
    for (int g = 1; g <= kMaxGroups; ++g) {
      cfg.Count({band, g}) = 0;
      for (ChannelRecord& record : cfg.Channels.group({band, g})) {
        record.Number = 0;
        record.Enabled = 0;
      }
    }
  }
  for (auto& special : cfg.SpecialChannelSlots) special.Enabled = 0;
}

// What a slot that was never written holds: the cleared image's zero bytes.
constexpr std::string_view kClearedFrequency = "00000000";

// The frequency of a slot; nothing when its bytes are not decimal digits.
std::optional<std::string> SlotFrequency(const MemoryImage& image, uint32_t offset) {
  std::string text = LoadBcdText(image, offset);
  if (!IsAllDigits(text)) return std::nullopt;
  return text;
}

// The frequency and fields of a slot whose frequency was accepted; the record
// changes only then, so a rejected slot leaves nothing behind.
void ReadSlotBody(const MemoryImage& image, uint32_t offset, const std::string& frequency, ChannelRecord& record) {
  record.RxFrequency = frequency;
  for (const auto& f : kSlotFields)
    record.*f.member = static_cast<int16_t>(LoadBits(image, offset + f.byte, f.bitPos, f.bitWidth));
}

void ReadRows(const MemoryImage& image, SettingsArea area, RadioConfig& cfg) {
  for (const auto& row : SettingsRows(area)) {
    int raw = LoadBits(image, row.offset, row.bitPos, row.bitWidth);
    switch (row.transform) {
      case Transform::Plain: WriteValue(cfg, row.value, raw); break;
      case Transform::SecondByte: WriteValue(cfg, row.value, (ReadValue(cfg, row.value) & 0xFF) | raw << 8); break;
      case Transform::LessOne:
      case Transform::LessOneButZero: WriteValue(cfg, row.value, raw + 1); break;
      case Transform::BelowLimit: WriteValue(cfg, row.value, raw < row.limit ? raw : 0); break;
      case Transform::Zero: break;
    }
  }
}

void ReadGroupValidBits(const MemoryImage& image, RadioConfig& cfg) {
  for (const Band band : kBands)
    for (int g = 1; g <= OrdinaryGroupCount(band); ++g)
      cfg.Options.GroupValid({band, g}) = LoadBitmapBit(image, kGroupValidBits[BandIndex(band)], g - 1);
}

void ReadGroupNames(const MemoryImage& image, RadioConfig& cfg) {
  for (const Band band : kBands) {
    for (int g = 1; g <= OrdinaryGroupCount(band); ++g) {
      uint32_t at = kGroupNames[BandIndex(band)] + uint32_t(g - 1) * 2;
      std::u16string name;
      for (uint32_t k = 0; k < 2 && image.Get(at + k) != 0; ++k) name += char16_t(image.Get(at + k));
      cfg.Options.GroupName({band, g}) = name;
    }
  }
}

void ReadPublicParams(const MemoryImage& image, RadioConfig& cfg) {
  for (const Band band : kBands)
    for (const auto& f : kSlotFields)
      if (f.publicParam != kNoPublicParam)
        cfg.Options.PublicParams(band, f.publicParam) = LoadBits(
            image, kPublicParamBlocks[BandIndex(band)] + uint32_t(f.byte - 8), f.bitPos, f.bitWidth);
}

void ReadBtDeviceName(const MemoryImage& image, const ImageOptions& options, RadioConfig& cfg) {
  std::string bytes;
  for (int k = 0; k < kBtDeviceNameBytes; ++k) bytes += static_cast<char>(image.Get(kBtDeviceName + uint32_t(k)));
  cfg.Options.BtDeviceName() = BtNameFromBytes(bytes, options.systemLocaleId == kGermanLocaleId);
}

void ReadLinkBytes(const MemoryImage& image, RadioConfig& cfg) {
  for (const auto& pass : kLinkPasses) {
    for (int n = pass.first; n <= pass.last; ++n) {
      int b = image.Get(pass.base + uint32_t(n - pass.first));
      ChannelRecord& r = cfg.Special(n);
      if (pass.band)
        r.CbMemBand = static_cast<int16_t>(b);
      else
        r.CbMemChannel = static_cast<int16_t>(b == kNoCbMemChannel ? kNoCbMemChannel : b + 1);
    }
  }
}

void ReadRogerBeepTable(const MemoryImage& image, RadioConfig& cfg) {
  for (int e = 0; e < kRogerPresets; ++e) {
    RogerBeepPreset& p = cfg.RogerBeepTable[e];
    uint32_t base = kRogerBeepTable + 32 * uint32_t(e);
    p[kRecycleTimesIndex] = image.Get(base);
    p[kInterTimeIndex] = image.Get(base + 1);
    for (uint32_t s = 0; s < kRogerSteps; ++s) {
      p[2 * s] = image.Get(base + 2 + s);
      p[2 * s + 1] = image.Get(base + 16 + s);
    }
  }
}

void ReadWeather(const MemoryImage& image, RadioConfig& cfg) {
  ReadRows(image, SettingsArea::Weather, cfg);
  OptionFeatures& opt = cfg.Options;
  for (int i = 1; i <= 41; ++i) {
    std::string digits = LoadBcdText(image, WeatherSlot(i));
    bool inUse = LoadBitmapBit(image, kWeatherInUseBits, i - 1) == 1 && IsAllDigits(digits);
    opt.WxInUse(i) = inUse ? 1 : 0;
    if (!inUse) continue;
    opt.WxFrequency(i) = std::stoll(digits) / 100000.0;
    opt.WxBandwidth(i) = image.Get(WeatherSlot(i) + 4);
    opt.WxScan(i) = LoadBitmapBit(image, kWeatherScanBits, i - 1);
  }
}

char16_t DtmfDigitChar(int value) {
  if (value < 10) return static_cast<char16_t>(u'0' + value);
  if (value < 14) return static_cast<char16_t>(u'A' + value - 10);
  return value == 14 ? u'*' : u'#';
}

void ReadDtmfCodes(const MemoryImage& image, RadioConfig& cfg) {
  for (int m = 1; m <= 16; ++m) {
    std::u16string code;
    for (uint32_t k = 0; k < 16; ++k) {
      int value = image.Get(kDtmfCodes + 16 * uint32_t(m - 1) + k);
      if (value > 15) break;
      code += DtmfDigitChar(value);
    }
    cfg.Options.DtmfCodes(m) = code;
  }
}

// Where a group's slots and bitmap bits lie, looked up once for all its slots.
struct GroupPlace {
  uint32_t slots, enabled, scanAdd;
  bool vfo;
};

GroupPlace PlaceOf(BandGroup group) {
  return {GroupStart(group), EnabledBitmap(group), ScanAddBitmap(group), IsVfoGroup(group)};
}

void DecodeSlot(const MemoryImage& image, RadioConfig& cfg, BandGroup group, const GroupPlace& place, int slot) {
  if (!place.vfo && LoadBitmapBit(image, place.enabled, slot - 1) == 0) return;
  uint32_t offset = place.slots + uint32_t(slot - 1) * kSlotSize;
  auto frequency = SlotFrequency(image, offset);
  // The VFO slot has no bit that says it is in use; an empty VFO group leaves it
  // as cleared, a frequency no VFO holds.
  if (!frequency || (place.vfo && *frequency == kClearedFrequency)) return;
  int16_t& count = cfg.Count(group);
  ChannelRecord& record = cfg.Channel(group, ++count);
  record.Enabled = 1;
  record.Number = static_cast<int16_t>(slot);
  record.ScanAdd = static_cast<int16_t>(LoadBitmapBit(image, place.scanAdd, slot - 1));
  ReadSlotBody(image, offset, *frequency, record);
}

}  // namespace

bool DecodeSpecialSlot(const MemoryImage& image, RadioConfig& cfg, int n) {
  if (LoadBitmapBit(image, kSpecialEnabledBitmap, n - 1) == 0) return false;
  ChannelRecord& record = cfg.Special(n);
  uint32_t offset = kSpecialSlotStart + uint32_t(n - 1) * kSlotSize;
  auto frequency = SlotFrequency(image, offset);
  if (!frequency || *frequency == kClearedFrequency) {
    record.Enabled = 0;
    return false;
  }
  record.Enabled = 1;
  record.Number = static_cast<int16_t>(n);
  record.ScanAdd = static_cast<int16_t>(LoadBitmapBit(image, kSpecialScanAddBitmap, n - 1));
  ReadSlotBody(image, offset, *frequency, record);
  return true;
}

void DecodeImage(const MemoryImage& image, RadioConfig& cfg, const ImageOptions& options) {
  ClearChannelTables(cfg);

  ReadGroupValidBits(image, cfg);
  ReadGroupNames(image, cfg);
  ReadRows(image, SettingsArea::BandGroup, cfg);
  ReadPublicParams(image, cfg);
  ReadRows(image, SettingsArea::General, cfg);
  ReadBtDeviceName(image, options, cfg);

  for (const Band band : kBands) {
    for (int g = 1; g <= GroupCount(band); ++g) {
      const GroupPlace place = PlaceOf({band, g});
      for (int slot = 1; slot <= BitmapSlots({band, g}); ++slot) DecodeSlot(image, cfg, {band, g}, place, slot);
    }
  }
  for (int n = 1; n <= kSpecialSlots; ++n) DecodeSpecialSlot(image, cfg, n);
  ReadLinkBytes(image, cfg);

  ReadRogerBeepTable(image, cfg);
  ReadRows(image, SettingsArea::SpecialChannels, cfg);
  ReadWeather(image, cfg);
  ReadDtmfCodes(image, cfg);
}

}  // namespace zq
