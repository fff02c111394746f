#include "config/defaults.h"

#include <cstdio>
#include <string>
#include <vector>

#include "config/public_params.h"

namespace zq {
namespace {

std::string TwoDigits(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d", v % 100);
  return buf;
}

std::string DateText(Date d) { return std::to_string(d.year) + TwoDigits(d.month) + TwoDigits(d.day); }

void SetGroupDefaults(OptionFeatures& opt) {
  for (const Band band : kBands) {
    for (int g = 1; g <= OrdinaryGroupCount(band); ++g) {
      bool cbUk = band == kCB && g == 7;
      opt.GroupValid({band, g}) = cbUk ? 0 : 1;
      opt.GroupName({band, g}) = std::u16string(1, static_cast<char16_t>(u'A' + g - 1));
    }
  }
  const char16_t* cbNames[] = {u"US", u"PL", u"DE", u"EC", u"U", u"IN", u"UK"};
  for (int g = 1; g <= 7; ++g) opt.GroupName({kCB, g}) = cbNames[g - 1];
  for (const Band band : kBands) {
    opt.WorkGroup(band) = 1;
    for (int g = 1; g <= kMaxGroups; ++g) opt.WorkChannel({band, g}) = 1;
  }
}

// Common channel parameters per band: NB on, high power; CB in AM, HF and HAM in USB.
void SetPublicParamDefaults(OptionFeatures& opt) {
  constexpr ChannelMode modes[] = {ChannelMode::AM, ChannelMode::USB, ChannelMode::USB};
  constexpr int16_t kNbOn = 1, kHighPower = 2;
  for (const Band band : kBands) {
    for (int k = 0; k < kPublicParamCount; ++k) opt.PublicParams(band, k) = 0;
    opt.PublicParams(band, kPublicNbAnl) = kNbOn;
    opt.PublicParams(band, kPublicPower) = kHighPower;
    opt.PublicParams(band, kPublicMode) = static_cast<int16_t>(modes[BandIndex(band)]);
  }
}

// NOAA weather channels WX1-WX7 in channels 1-7, the weather VFO on WX1.
void SetWeatherDefaults(OptionFeatures& opt) {
  const double noaa[] = {162.550, 162.400, 162.475, 162.425, 162.450, 162.500, 162.525};
  for (int n = 1; n <= 41; ++n) {
    bool used = n <= 7 || n == 41;
    opt.WxInUse(n) = used ? 1 : 0;
    opt.WxFrequency(n) = used ? noaa[n == 41 ? 0 : n - 1] : 0.0;
    opt.WxBandwidth(n) = used ? 1 : 0;
    opt.WxScan(n) = used ? 1 : 0;
  }
  opt.WxCurrentChannel() = 0;
  opt.WxStep() = 2;  // 5KHz
}

void SetRadioWideDefaults(OptionFeatures& opt) {
  opt.BtMicGain() = 2;
  opt.BtSpkGain() = 2;
  opt.BatteryProtectMin() = 105;  // 10.5 V
  opt.BatteryProtectMax() = 160;  // 16.0 V
  opt.SwrProtectMax() = 30;       // 3.0
  opt.Beep() = 3;
  opt.MicLevel() = 24;  // level 25
  opt.SwrProtect() = 1;
  opt.BatteryProtect() = 1;
  opt.AsqLevel() = 4;
  opt.VoxDelay() = 4;
  opt.TxRepeaterOffset() = 1000;  // 0.1000 MHz
  opt.EchoTime() = 9;
  opt.VfoStep() = 4;  // 10K
  opt.CwFreq() = 60;  // 600 Hz
  opt.CwBeep() = 20;
  opt.Dim() = 4;
  opt.CwBreakIn() = 30;  // 300 ms
  opt.VolData() = 31;
  const int dtmf[] = {4, 3, 4, 2, 0, 1};  // 50 ms, 300 ms, 500 ms, 500, Off, display on
  for (int k = 0; k < 6; ++k) opt.DtmfSettings(k) = dtmf[k];
  for (int m = 1; m <= 16; ++m) opt.DtmfCodes(m) = u"";
  opt.P1Key() = 1;   // VOX
  opt.P2Key() = 3;   // NB.ANL
  opt.P3Key() = 6;   // HI-CUT
  opt.P4Key() = 16;  // Scan
  opt.PfKey() = 16;  // Scan
  opt.BtDeviceName() = u"";
}

// Four ready-made roger beeps; presets 5-8 start empty.
void SetRogerBeepDefaults(RadioConfig& cfg) {
  struct Step {
    int freq, dur;
  };
  const std::vector<std::vector<Step>> presets = {
      {{100, 10}, {150, 10}},         // rising two-tone
      {{150, 10}, {100, 10}},         // falling two-tone
      {{80, 8}, {120, 8}, {160, 8}},  // three-tone
      {{100, 20}},                    // single 1 kHz beep
  };
  for (auto& preset : cfg.RogerBeepTable) preset.fill(0);
  for (std::size_t p = 0; p < presets.size(); ++p) {
    auto& preset = cfg.RogerBeepTable[p];
    for (std::size_t s = 0; s < presets[p].size(); ++s) {
      preset[2 * s] = static_cast<int16_t>(presets[p][s].freq);
      preset[2 * s + 1] = static_cast<int16_t>(presets[p][s].dur);
    }
    preset[kRecycleTimesIndex] = 1;
    preset[kInterTimeIndex] = 0;
  }
}

void SetIdentityDefaults(RadioConfig& cfg, const DocumentState& doc, Date today) {
  auto& id = cfg.Identity;
  id.ModelName = kModelName;
  id.ModelCode = kModelCode;
  id.RangeKind = static_cast<int16_t>(RangeKindOfText(doc.rangeText));
  id.CreationDate = DateText(today);
  id.IdentityVersion = "V2.00";
  id.ShortModelName = std::string(kModelName).substr(0, 6);
  id.RangeKindCopy = id.RangeKind;
  id.Marker = kIdentityMarker;

  auto& info = cfg.RadioInfo;
  info.SerialNumber = DateText(today) + "00000001";
  info.ProductionBatch = TwoDigits(today.month) + "-1-E-1";
  info.HardwareCode = "001A";
  info.FirmwareVersion = "V2.00";
  info.FactoryCode = "0595";
  info.ModelName = kModelName;
}

}  // namespace

void SetDefaultValues(RadioConfig& cfg, DocumentState& doc, Date today) {
  cfg = RadioConfig{};
  doc.untitled = true;
  doc.fileName = "new.dat";

  cfg.DataVersion = kDataVersion;
  cfg.RangeType = {1, 1};
  cfg.Flags = {1, 1};
  for (int g = 1; g <= kMaxGroups; ++g) cfg.SelectionFlags.at({kCB, g}) = 1;
  for (int g = 1; g <= 13; ++g) cfg.SelectionFlags.at({kHF, g}) = 1;

  SetGroupDefaults(cfg.Options);
  SetPublicParamDefaults(cfg.Options);
  SetWeatherDefaults(cfg.Options);
  SetRadioWideDefaults(cfg.Options);
  SetIdentityDefaults(cfg, doc, today);
  SetRogerBeepDefaults(cfg);

  cfg.ModeEnable.fill(1);
  cfg.PublicSwitch.fill(1);  // "Off": channels keep their own settings
  for (int n = 1; n <= kSpecialSlots; ++n) cfg.Special(n).CbMemChannel = kNoCbMemChannel;
}

ChannelRecord NewChannelRecord(int number) {
  ChannelRecord r;
  r.Number = static_cast<int16_t>(number);
  r.Enabled = 1;
  r.ScanAdd = 1;
  r.NbAnl = 1;
  r.PowerLevel = 2;  // High
  return r;
}

}  // namespace zq
