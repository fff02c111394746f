// RadioConfig -> MemoryImage.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "config/public_params.h"
#include "image/image_bytes.h"
#include "image/image_codec.h"
#include "image/image_map.h"
#include "text/locale_ids.h"
#include "text/plain_text.h"

namespace zq {
namespace {

// The stored form of a frequency: cut at NUL and trailing blanks, "FFFFFFFF"
// for no frequency, otherwise filled with "0" to eight characters.
std::string NormalisedFrequency(FixedText<8>& text) {
  std::string s(Cleaned(text.view()));
  if (s.empty() || s == "FFFFFFFF") s = "FFFFFFFF";
  while (s.size() < 8) s += '0';
  text = s;
  return s;
}

// Bytes 4-13 of a slot: the fields below OR their bits in, so a slot that an
// earlier record already filled (two records naming the same slot) starts over.
constexpr uint32_t kFirstFieldByte = 4;
constexpr uint32_t kEndFieldByte = 14;

void WriteSlotBody(ChannelRecord& record, uint32_t offset, MemoryImage& image) {
  StoreBcdFrequency(image, offset, NormalisedFrequency(record.RxFrequency));
  for (uint32_t k = kFirstFieldByte; k < kEndFieldByte; ++k) image.Put(offset + k, 0);
  for (const auto& f : kSlotFields) StoreBits(image, offset + f.byte, record.*f.member, f.bitPos, f.bitWidth);
  bool toned = record.TxToneType > 0 || record.RxToneType > 0;
  StoreBits(image, offset + kToneFlagByte, toned ? 1 : 0, kToneFlagBit, 1);
}

void WriteLinkBytes(const RadioConfig& cfg, MemoryImage& image) {
  for (const auto& pass : kLinkPasses) {
    for (int n = pass.first; n <= pass.last; ++n) {
      const ChannelRecord& r = cfg.Special(n);
      int value = pass.band ? r.CbMemBand : (r.CbMemChannel == kNoCbMemChannel ? kNoCbMemChannel : r.CbMemChannel - 1);
      image.Put(pass.base + uint32_t(n - pass.first), static_cast<uint8_t>(value));
    }
  }
}

void WriteRows(RadioConfig& cfg, SettingsArea area, MemoryImage& image) {
  for (const auto& row : SettingsRows(area)) {
    int v = ReadValue(cfg, row.value);
    switch (row.transform) {
      case Transform::SecondByte: v >>= 8; break;
      case Transform::LessOne: v -= 1; break;
      case Transform::LessOneButZero: v = v == 0 ? 0 : v - 1; break;
      case Transform::Zero: v = 0; break;
      case Transform::Plain:
      case Transform::BelowLimit: break;
    }
    StoreBits(image, row.offset, v, row.bitPos, row.bitWidth);
  }
}

void WriteGroupValidBits(const RadioConfig& cfg, MemoryImage& image) {
  for (const Band band : kBands) {
    image.Put(kGroupValidBits[BandIndex(band)], 0);
    image.Put(kGroupValidBits[BandIndex(band)] + 1, 0);
    for (int g = 1; g <= OrdinaryGroupCount(band); ++g)
      StoreBitmapBit(image, kGroupValidBits[BandIndex(band)], g - 1, cfg.Options.GroupValid({band, g}));
  }
}

void WriteGroupNames(const RadioConfig& cfg, MemoryImage& image) {
  for (const Band band : kBands) {
    for (int g = 1; g <= OrdinaryGroupCount(band); ++g) {
      std::u16string name(Cleaned(cfg.Options.GroupName({band, g})));
      uint32_t at = kGroupNames[BandIndex(band)] + uint32_t(g - 1) * 2;
      for (uint32_t k = 0; k < 2; ++k) image.Put(at + k, k < name.size() ? CharByte(name[k]) : 0);
    }
  }
}

void WritePublicParams(const RadioConfig& cfg, MemoryImage& image) {
  for (const Band band : kBands)
    for (const auto& f : kSlotFields)
      if (f.publicParam != kNoPublicParam)
        StoreBits(image, kPublicParamBlocks[BandIndex(band)] + uint32_t(f.byte - 8),
                  cfg.Options.PublicParams(band, f.publicParam), f.bitPos, f.bitWidth);
}

uint8_t DtmfDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return static_cast<uint8_t>(c - u'0');
  if (c >= u'A' && c <= u'D') return static_cast<uint8_t>(10 + c - u'A');
  if (c >= u'a' && c <= u'd') return static_cast<uint8_t>(10 + c - u'a');
  if (c == u'*') return 14;
  if (c == u'#') return 15;
  return 16;
}

void WriteDtmfCodes(RadioConfig& cfg, MemoryImage& image) {
  for (int m = 1; m <= 16; ++m) {
    std::u16string code(Cleaned(cfg.Options.DtmfCodes(m).str()));
    cfg.Options.DtmfCodes(m) = code;
    for (uint32_t k = 0; k < 16; ++k)
      image.Put(kDtmfCodes + 16 * uint32_t(m - 1) + k, k < code.size() ? DtmfDigitValue(code[k]) : 16);
  }
}

void WriteBtDeviceName(const RadioConfig& cfg, const ImageOptions& options, MemoryImage& image) {
  std::string bytes = BtNameBytes(cfg.Options.BtDeviceName(), options.systemLocaleId == kGermanLocaleId);
  for (int k = 0; k < kBtDeviceNameBytes; ++k)
    image.Put(kBtDeviceName + uint32_t(k), k < int(bytes.size()) ? static_cast<uint8_t>(bytes[k]) : 0);
}

void WriteRogerBeepTable(const RadioConfig& cfg, MemoryImage& image) {
  for (int e = 0; e < kRogerPresets; ++e) {
    const RogerBeepPreset& p = cfg.RogerBeepTable[e];
    uint32_t base = kRogerBeepTable + 32 * uint32_t(e);
    image.Put(base, static_cast<uint8_t>(p[kRecycleTimesIndex]));
    image.Put(base + 1, static_cast<uint8_t>(p[kInterTimeIndex]));
    for (uint32_t s = 0; s < kRogerSteps; ++s) {
      image.Put(base + 2 + s, static_cast<uint8_t>(p[2 * s]));
      image.Put(base + 16 + s, static_cast<uint8_t>(p[2 * s + 1]));
    }
  }
}

// Frequency in MHz as eight digits of 10 Hz; values that do not fit are held at the ends.
std::string WeatherDigits(double mhz) {
  double units = std::isfinite(mhz) ? std::round(mhz * 100000.0) : 0.0;
  auto n = static_cast<long long>(std::clamp(units, 0.0, 99999999.0));
  std::string digits = std::to_string(n);
  return std::string(8 - digits.size(), '0') + digits;
}

void WriteWeather(RadioConfig& cfg, MemoryImage& image) {
  WriteRows(cfg, SettingsArea::Weather, image);
  const OptionFeatures& opt = cfg.Options;
  for (int i = 1; i <= 41; ++i) {
    if (opt.WxInUse(i) != 1) continue;
    StoreBcdFrequency(image, WeatherSlot(i), WeatherDigits(opt.WxFrequency(i)));
    image.Put(WeatherSlot(i) + 4, static_cast<uint8_t>(opt.WxBandwidth(i)));
    StoreBitmapBit(image, kWeatherScanBits, i - 1, opt.WxScan(i));
    StoreBitmapBit(image, kWeatherInUseBits, i - 1, 1);
  }
}

bool SlotInsideGroup(BandGroup group, int number) { return number >= 1 && number <= GroupCapacity(group); }

}  // namespace

void ClearImage(MemoryImage& image) { std::memset(image.bytes().data(), 0, image.bytes().size()); }

bool EncodeChannelSlot(ChannelRecord& record, BandGroup group, MemoryImage& image) {
  if (!SlotInsideGroup(group, record.Number)) return false;
  int index = record.Number - 1;
  uint32_t offset = GroupStart(group) + uint32_t(IsVfoGroup(group) ? 0 : index) * kSlotSize;
  WriteSlotBody(record, offset, image);
  // Slots 41-80 of the "DE" plan have no bits: theirs would land in the next group's.
  if (index < BitmapSlots(group)) {
    StoreBitmapBit(image, EnabledBitmap(group), index, record.Enabled);
    StoreBitmapBit(image, ScanAddBitmap(group), index, record.ScanAdd);
  }
  return true;
}

void EncodeSpecialSlot(ChannelRecord& record, int n, MemoryImage& image) {
  if (n < 1 || n > kSpecialSlots) throw std::out_of_range("no such special channel");
  WriteSlotBody(record, kSpecialSlotStart + uint32_t(n - 1) * kSlotSize, image);
  StoreBitmapBit(image, kSpecialEnabledBitmap, n - 1, record.Enabled);
  StoreBitmapBit(image, kSpecialScanAddBitmap, n - 1, record.ScanAdd);
}

EncodeReport EncodeImage(RadioConfig& cfg, MemoryImage& image, const ImageOptions& options) {
  EncodeReport report;
  for (const Band band : kBands) {
    for (int g = 1; g <= GroupCount(band); ++g) {
      int count = std::clamp<int>(cfg.Count({band, g}), 0, kMaxSlots);
      for (int k = 1; k <= count; ++k)
        if (!EncodeChannelSlot(cfg.Channel({band, g}, k), {band, g}, image)) ++report.skippedRecords;
    }
  }
  for (int n = 1; n <= kSpecialSlots; ++n) EncodeSpecialSlot(cfg.Special(n), n, image);
  WriteLinkBytes(cfg, image);

  WriteGroupValidBits(cfg, image);
  WriteGroupNames(cfg, image);
  WriteRows(cfg, SettingsArea::BandGroup, image);
  WritePublicParams(cfg, image);
  WriteDtmfCodes(cfg, image);
  WriteRows(cfg, SettingsArea::General, image);
  WriteBtDeviceName(cfg, options, image);

  WriteRogerBeepTable(cfg, image);
  WriteRows(cfg, SettingsArea::SpecialChannels, image);
  WriteWeather(cfg, image);
  return report;
}

}  // namespace zq
