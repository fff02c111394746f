#include "image/image_map.h"

#include <stdexcept>

#include "config/public_params.h"

namespace zq {
namespace {

// Start of each group's slots, [band][group - 1]. CB group 4 lies at 0x00A00
// because group 3 ("DE") has 80 slots.
constexpr uint32_t kGroupStarts[kBandCount][kMaxGroups] = {
    {0x00000, 0x00280, 0x00500, 0x00A00, 0x02000, 0x02280, 0x02500},
    {0x04000, 0x04280, 0x04500, 0x04780, 0x04A00, 0x06000, 0x06280, 0x06500, 0x06780, 0x06A00, 0x08000, 0x08280,
     0x08500, 0x08780, 0x08A00, 0x12000, 0x12640},
    {0x0A000, 0x0A280, 0x0A500, 0x0A780, 0x0C000, 0x0C280, 0x0C500, 0x0C780, 0x0E000, 0x0E280, 0x0E500, 0x0E780,
     0x14000, 0x14640},
};
constexpr uint32_t kEnabledBases[kBandCount] = {0x16000, 0x16080, 0x16100};
constexpr uint32_t kScanAddBases[kBandCount] = {0x16200, 0x16280, 0x16300};
constexpr uint32_t kMemEnabled[kBandCount] = {0, 0x16410, 0x16420};
constexpr uint32_t kMemScanAdd[kBandCount] = {0, 0x16440, 0x16450};

void CheckGroup(BandGroup group) {
  if (!IsGroup(group)) throw std::out_of_range("no such channel group");
}

ValueRef ArrayRef(ValueRef::Kind kind, int index) { return {kind, Opt::WorkGroup, index, -1}; }

std::vector<SettingsRow> BandGroupRows() {
  // clang-format off
  std::vector<SettingsRow> rows = {
      {0x18000, {ValueRef::RangeIndex}},
      {0x18001, Field(Opt::WorkGroup, kCB), Transform::LessOneButZero},
      {0x18002, Field(Opt::CbUseVfo)},
      {0x18003, Field(Opt::WorkGroup, kHF), Transform::LessOneButZero},
      {0x18004, Field(Opt::HfUseVfo)},
      {0x18005, Field(Opt::WorkGroup, kHAM), Transform::LessOneButZero},
      {0x18006, Field(Opt::HamUseVfo)},
  };
  // clang-format on
  const struct {
    uint32_t base;
    Band band;
    int groups;
  } workChannels[] = {{0x18007, kCB, 6}, {0x1800D, kHF, 15}, {0x1801C, kHAM, 12}};
  for (const auto& w : workChannels)
    for (int g = 1; g <= w.groups; ++g)
      rows.push_back({w.base + uint32_t(g - 1), Field(Opt::WorkChannel, g, w.band), Transform::LessOne});
  return rows;
}

std::vector<SettingsRow> GeneralRows() {
  std::vector<SettingsRow> rows = {
      {0x22100, Field(Opt::BatteryProtectMax)},
      {0x22101, Field(Opt::BatteryProtectMax), Transform::SecondByte},
      {0x22102, Field(Opt::BatteryProtectMin)},
      {0x22103, Field(Opt::BatteryProtectMin), Transform::SecondByte},
      {0x22104, Field(Opt::SwrProtectMax)},
      {0x22105, Field(Opt::NrcAble)},
      {0x22106, Field(Opt::Beep)},
      {0x22108, Field(Opt::MicLevel)},
      {0x22109, Field(Opt::TalkBack)},
      {0x2210A, Field(Opt::Tot)},
      {0x2210B, Field(Opt::SwrProtect)},
      {0x2210C, Field(Opt::BatteryProtect)},
      {0x2210D, Field(Opt::ScanType)},
      {0x22110, Field(Opt::TxRepeaterOffset)},
      {0x22111, Field(Opt::TxRepeaterOffset), Transform::SecondByte},
      {0x22112, Field(Opt::SquelchLevel)},
      {0x22113, Field(Opt::AsqLevel), Transform::Plain, 0, 7},
      {0x22113, Field(Opt::AsqEnabled), Transform::Plain, 7, 1},
  };
  for (int k = 0; k < 6; ++k) rows.push_back({0x22114 + uint32_t(k), Field(Opt::DtmfSettings, k)});
  const struct {
    uint32_t offset;
    Opt field;
  } singles[] = {
      {0x2211B, Opt::MicType},
      {0x2211C, Opt::VoxLevel},
      {0x2211D, Opt::VoxDelay},
      {0x2211E, Opt::RxNr},
      {0x2211F, Opt::TxNr},
      {0x22120, Opt::Clarifier},
      {0x22121, Opt::SsbSplitRange},
      {0x22123, Opt::EchoVol},
      {0x22124, Opt::EchoTime},
      {0x22125, Opt::VfoStep},
      {0x22126, Opt::FmDeviation},
      {0x22127, Opt::SsbTone},
      {0x22128, Opt::CwFreq},
      {0x2212A, Opt::CwBeep},
      {0x2212B, Opt::Dim},
      {0x2212C, Opt::Agc},
      {0x2212D, Opt::Aop},
      {0x2212E, Opt::CwRxMode},
      {0x2212F, Opt::CwBreakIn},
      {0x22130, Opt::CwOffset},
      {0x22133, Opt::RfGain},
      {0x22134, Opt::VolData},
      {0x22135, Opt::BtOn},
      {0x22136, Opt::PttHold},
      {0x22137, Opt::BtMicGain},
      {0x22138, Opt::BtSpkGain},
      {0x22139, Opt::HoldTime},
      {0x2213A, Opt::HoldDelay},
      {0x2213B, Opt::BtIntSpk},
      {0x2213C, Opt::PttSleep},
      {0x2213D, Opt::P1Key},
      {0x2213E, Opt::P2Key},
      {0x2213F, Opt::P3Key},
      {0x22140, Opt::P4Key},
      {0x22141, Opt::KeySetting2462},
      {0x22142, Opt::SaveColour},
      {0x22143, Opt::DisplaySetting2466},
      {0x22144, Opt::PowerOffDisplay},
      {0x22145, Opt::HandType},
      {0x22146, Opt::PfKey},
  };
  for (const auto& s : singles) rows.push_back({s.offset, Field(s.field)});
  rows.push_back({0x22129, Field(Opt::WorkGroup, kCB), Transform::Zero});
  rows.push_back({0x22158, {ValueRef::ChVolKind}});
  // The radio's mode bits follow the channel's Mode codes, not the order ModeEnable keeps.
  for (int bit = 0; bit < kChannelModeCount; ++bit)
    rows.push_back(
        {0x22159, ArrayRef(ValueRef::ModeEnable, ModeFlagOf(static_cast<ChannelMode>(bit))), Transform::Plain, bit, 1});
  return rows;
}

std::vector<SettingsRow> SpecialChannelRows() {
  std::vector<SettingsRow> rows;
  auto add = [&](uint32_t offset, ValueRef::Kind kind, int index, int limit = 0) {
    rows.push_back({offset, ArrayRef(kind, index), limit ? Transform::BelowLimit : Transform::Plain, 0, 8, limit});
  };
  // Emergency: per CB plan i and channel j, the channel and its work mode; then HF and HAM.
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 2; ++j) {
      add(0x18040 + uint32_t(2 * i + j), ValueRef::Emergency, 6 * j + i);
      add(0x1804C + uint32_t(2 * i + j), ValueRef::Emergency, 12 + 6 * j + i);
    }
  for (int k = 24; k < 36; ++k) add(0x18058 + uint32_t(k - 24), ValueRef::Emergency, k);
  // Dual watch: the CB plans' channels and modes, then HF and HAM band, channel, mode.
  for (int i = 0; i < 12; ++i) add(0x18080 + uint32_t(i), ValueRef::DualWatch, i);
  add(0x1808C, ValueRef::DualWatch, 12, 15);
  add(0x1808D, ValueRef::DualWatch, 13);
  add(0x1808E, ValueRef::DualWatch, 14);
  add(0x1808F, ValueRef::DualWatch, 15, 12);
  add(0x18090, ValueRef::DualWatch, 16);
  add(0x18091, ValueRef::DualWatch, 17);
  // Memory channels: states before channels in the radio, channels first in the record.
  for (int i = 0; i < 6; ++i) {
    add(0x180C0 + uint32_t(i), ValueRef::MemoryChannel, 6 + i);
    add(0x180C6 + uint32_t(i), ValueRef::MemoryChannel, i);
  }
  add(0x180CC, ValueRef::MemoryChannel, 13);
  add(0x180CD, ValueRef::MemoryChannel, 12);
  add(0x180CE, ValueRef::MemoryChannel, 15);
  add(0x180CF, ValueRef::MemoryChannel, 14);
  return rows;
}

std::vector<SettingsRow> WeatherRows() {
  return {
      {0x22060, Field(Opt::WxCurrentChannel)},
      {0x22061, Field(Opt::WxEnable)},
      {0x22062, Field(Opt::WxAlert)},
      {0x22063, Field(Opt::WxScanState)},
      {0x22074, Field(Opt::WxVfo)},
      {0x22075, Field(Opt::WxStep)},
      {0x22076, Field(Opt::WxSql)},
  };
}

template <class Config>
auto& ArrayElement(Config& cfg, const ValueRef& ref) {
  switch (ref.kind) {
    case ValueRef::ModeEnable: return cfg.ModeEnable.at(ref.i);
    case ValueRef::Emergency: return cfg.EmergencySettings.at(ref.i);
    case ValueRef::DualWatch: return cfg.DualWatchSettings.at(ref.i);
    case ValueRef::MemoryChannel: return cfg.MemoryChannelSettings.at(ref.i);
    case ValueRef::RangeIndex: return cfg.RangeType[0];
    case ValueRef::ChVolKind: return cfg.ChVolKind;
    case ValueRef::PublicSwitch: return cfg.PublicSwitch.at(ref.i);
    case ValueRef::Option: break;
  }
  throw std::logic_error("not an array value");
}

}  // namespace

const std::vector<SlotField> kSlotFields = {
    {4, &ChannelRecord::RxCtcss, 0, 8, kNoPublicParam},    {5, &ChannelRecord::RxDcs, 0, 8, kNoPublicParam},
    {6, &ChannelRecord::TxCtcss, 0, 8, kNoPublicParam},    {7, &ChannelRecord::TxDcs, 0, 8, kNoPublicParam},
    {8, &ChannelRecord::HiCut, 0, 1, kPublicHiCut},        {8, &ChannelRecord::Echo, 1, 1, kPublicEcho},
    {8, &ChannelRecord::Add10K, 2, 1, kPublicAdd10K},      {8, &ChannelRecord::Busy, 3, 1, kPublicSpare},
    {8, &ChannelRecord::NbAnl, 4, 2, kPublicNbAnl},        {8, &ChannelRecord::PowerLevel, 6, 2, kPublicPower},
    {9, &ChannelRecord::Rep, 0, 2, kNoPublicParam},        {9, &ChannelRecord::TxToneType, 2, 2, kNoPublicParam},
    {9, &ChannelRecord::RxToneType, 4, 2, kNoPublicParam}, {9, &ChannelRecord::Public, 7, 1, kNoPublicParam},
    {10, &ChannelRecord::Roger, 0, 4, kPublicRoger},       {10, &ChannelRecord::Mode, 4, 4, kPublicMode},
    {11, &ChannelRecord::Bot, 0, 8, kPublicBot},           {12, &ChannelRecord::Eot, 0, 8, kPublicEot},
    {13, &ChannelRecord::Call, 0, 8, kPublicCall},
};

uint32_t GroupStart(BandGroup group) {
  CheckGroup(group);
  return kGroupStarts[BandIndex(group.band)][group.number - 1];
}

uint32_t EnabledBitmap(BandGroup group) {
  CheckGroup(group);
  const int b = BandIndex(group.band);
  return IsMemGroup(group) ? kMemEnabled[b] : kEnabledBases[b] + uint32_t(group.number - 1) * 5;
}

uint32_t ScanAddBitmap(BandGroup group) {
  CheckGroup(group);
  const int b = BandIndex(group.band);
  return IsMemGroup(group) ? kMemScanAdd[b] : kScanAddBases[b] + uint32_t(group.number - 1) * 5;
}

uint32_t WeatherSlot(int record) {
  if (record < 1 || record > 41) throw std::out_of_range("no such weather channel");
  return record == 41 ? 0x1C180 : 0x1C000 + uint32_t(record - 1) * 8;
}

int ReadValue(const RadioConfig& cfg, const ValueRef& ref) {
  if (ref.kind == ValueRef::Option) return cfg.Options.GetInt(ref.opt, ref.i, ref.j);
  return ArrayElement(cfg, ref);
}

void WriteValue(RadioConfig& cfg, const ValueRef& ref, int value) {
  if (ref.kind == ValueRef::Option)
    cfg.Options.SetInt(ref.opt, value, ref.i, ref.j);
  else
    ArrayElement(cfg, ref) = static_cast<int16_t>(value);
}

const std::vector<SettingsRow>& SettingsRows(SettingsArea area) {
  static const std::vector<SettingsRow> bandGroup = BandGroupRows();
  static const std::vector<SettingsRow> general = GeneralRows();
  static const std::vector<SettingsRow> special = SpecialChannelRows();
  static const std::vector<SettingsRow> weather = WeatherRows();
  switch (area) {
    case SettingsArea::BandGroup: return bandGroup;
    case SettingsArea::General: return general;
    case SettingsArea::SpecialChannels: return special;
    case SettingsArea::Weather: return weather;
  }
  return general;
}

}  // namespace zq
