#pragma once
// RadioConfig: everything the program reads from a radio, writes to it and keeps
// in a data file. One instance lives for the whole run of the program; every
// function takes the instance it works on, so tests build their own.
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "config/band_layout.h"
#include "config/channel_record.h"
#include "config/fixed_text.h"
#include "config/option_features.h"

namespace zq {

inline constexpr const char* kModelName = "VESTRAX";
inline constexpr const char* kDataVersion = "V100";
inline constexpr int kModelCode = 248;
inline constexpr int kIdentityMarker = 67;  // the character code of "C"

// A 16-bit value per group (1-17) and band, band varying fastest, as stored.
class GroupBandTable {
 public:
  int16_t& at(BandGroup group);
  int16_t at(BandGroup group) const;
  std::array<int16_t, kMaxGroups * kBandCount>& raw() { return values_; }
  const std::array<int16_t, kMaxGroups * kBandCount>& raw() const { return values_; }
  bool operator==(const GroupBandTable&) const = default;

 private:
  std::array<int16_t, kMaxGroups * kBandCount> values_{};
};

struct IdentityRecord {
  FixedText<7> ModelName;
  int16_t ModelCode = 0;
  int16_t RangeKind = 0;      // 0 for the "24.7150 - 30.1050 MHz" range, 1 otherwise
  FixedText<8> CreationDate;  // YYYYMMDD
  FixedText<5> IdentityVersion;
  FixedText<6> ShortModelName;
  int16_t RangeKindCopy = 0;
  int16_t Marker = 0;
  bool operator==(const IdentityRecord&) const = default;
};

template <class Record, class Visitor>
constexpr void VisitIdentityFields(Record& r, Visitor&& v) {
  v("ModelName", r.ModelName);
  v("ModelCode", r.ModelCode);
  v("RangeKind", r.RangeKind);
  v("CreationDate", r.CreationDate);
  v("IdentityVersion", r.IdentityVersion);
  v("ShortModelName", r.ShortModelName);
  v("RangeKindCopy", r.RangeKindCopy);
  v("Marker", r.Marker);
}

static_assert(record_members::VisitedCount<IdentityRecord>([](auto& r, auto v) { VisitIdentityFields(r, v); }) ==
                  record_members::MemberCount<IdentityRecord>(),
              "every member of IdentityRecord must be in VisitIdentityFields");

// Factory information about the radio the configuration is made for.
struct RadioInformation {
  FixedText<16> SerialNumber;    // YYYYMMDD + "00000001"
  FixedText<8> ProductionBatch;  // MM + "-1-E-1"
  FixedText<4> HardwareCode;     // "001A"
  FixedText<5> FirmwareVersion;  // "V2.00"
  FixedText<4> FactoryCode;      // "0595"
  FixedText<7> ModelName;
  bool operator==(const RadioInformation&) const = default;
};

template <class Record, class Visitor>
constexpr void VisitRadioInformationFields(Record& r, Visitor&& v) {
  v("SerialNumber", r.SerialNumber);
  v("ProductionBatch", r.ProductionBatch);
  v("HardwareCode", r.HardwareCode);
  v("FirmwareVersion", r.FirmwareVersion);
  v("FactoryCode", r.FactoryCode);
  v("ModelName", r.ModelName);
}

static_assert(record_members::VisitedCount<RadioInformation>([](auto& r, auto v) {
                VisitRadioInformationFields(r, v);
              }) == record_members::MemberCount<RadioInformation>(),
              "every member of RadioInformation must be in VisitRadioInformationFields");

// Eight roger-beep presets of 30 values: 14 steps as (frequency in 10 Hz,
// duration in 10 ms) pairs, then RecycleTimes and InterTime (10 ms units).
inline constexpr int kRogerPresets = 8;
inline constexpr int kRogerSteps = 14;
using RogerBeepPreset = std::array<int16_t, 30>;
inline constexpr int kRecycleTimesIndex = 28;
inline constexpr int kInterTimeIndex = 29;

// Channel tables of all bands: records 1-99 of groups 1-17 of each band.
class ChannelTable {
 public:
  ChannelTable() : records_(kBandCount * kMaxGroups * kMaxSlots) {}
  ChannelRecord& at(BandGroup group, int k);
  const ChannelRecord& at(BandGroup group, int k) const;
  // Records 1-99 of a group at once, for walks over whole tables.
  std::span<ChannelRecord, kMaxSlots> group(BandGroup group);
  std::span<const ChannelRecord, kMaxSlots> group(BandGroup group) const;
  // Every record: band by band, group by group, slot by slot.
  std::span<ChannelRecord> records() { return records_; }
  std::span<const ChannelRecord> records() const { return records_; }
  // Records compare as their bytes (ChannelRecord), so the whole table does too.
  bool operator==(const ChannelTable& other) const {
    return std::memcmp(records_.data(), other.records_.data(), records_.size() * sizeof(ChannelRecord)) == 0;
  }

 private:
  std::vector<ChannelRecord> records_;
};

// The modes the radio offers, in the order ModeEnable keeps them (CW before PA,
// unlike the channel's Mode codes).
enum ModeFlag : int { kModeFM, kModeAM, kModeUSB, kModeLSB, kModeCW, kModePA };
constexpr ModeFlag ModeFlagOf(ChannelMode mode) {
  switch (mode) {
    case ChannelMode::FM: return kModeFM;
    case ChannelMode::AM: return kModeAM;
    case ChannelMode::USB: return kModeUSB;
    case ChannelMode::LSB: return kModeLSB;
    case ChannelMode::PA: return kModePA;
    case ChannelMode::CW: return kModeCW;
  }
  return kModeFM;
}

struct RadioConfig {
  // --- settings block, in stored order ---
  FixedText<4> DataVersion;
  std::array<int16_t, 2> RangeType{};  // [0] is the range index of the radio
  std::array<int16_t, 2> Flags{};
  GroupBandTable SelectionFlags;
  GroupBandTable ChannelCount;
  IdentityRecord Identity;
  OptionFeatures Options;
  std::array<RogerBeepPreset, kRogerPresets> RogerBeepTable{};
  std::array<int16_t, 36> EmergencySettings{};
  std::array<int16_t, 18> DualWatchSettings{};
  std::array<int16_t, 16> MemoryChannelSettings{};
  int16_t ChVolKind = 0;
  std::array<int16_t, 6> ModeEnable{};    // FM, AM, USB, LSB, CW, PA
  std::array<int16_t, 3> PublicSwitch{};  // per band: 0 "On", 1 "Off"
  uint8_t KeyLock = 0;
  uint8_t EmgMode = 0;
  RadioInformation RadioInfo;

  // --- channel tables ---
  ChannelTable Channels;
  std::array<ChannelRecord, kSpecialSlots> SpecialChannelSlots{};

  ChannelRecord& Channel(BandGroup group, int k) { return Channels.at(group, k); }
  const ChannelRecord& Channel(BandGroup group, int k) const { return Channels.at(group, k); }
  ChannelRecord& Special(int n);  // n = 1-96
  const ChannelRecord& Special(int n) const;
  int16_t& Count(BandGroup group) { return ChannelCount.at(group); }
  int16_t Count(BandGroup group) const { return ChannelCount.at(group); }
  int RangeIndex() const { return RangeType[0]; }

  bool operator==(const RadioConfig&) const = default;
};

// Every member of the settings block after the identity record, in stored order.
// The data file, the JSON export and the change test walk this one list.
template <class Config, class Visitor>
void VisitFurtherSettings(Config& c, Visitor&& v) {
  v("RogerBeepTable", c.RogerBeepTable);
  v("EmergencySettings", c.EmergencySettings);
  v("DualWatchSettings", c.DualWatchSettings);
  v("MemoryChannelSettings", c.MemoryChannelSettings);
  v("ChVolKind", c.ChVolKind);
  v("ModeEnable", c.ModeEnable);
  v("PublicSwitch", c.PublicSwitch);
  v("KeyLock", c.KeyLock);
  v("EmgMode", c.EmgMode);
  v("RadioInformation", c.RadioInfo);
}

// The settings block's members are walked by VisitSettingsHeader (6, in
// datafile/stored_layout.h), the option-field table (Options) and the list
// above (10); the two channel tables by their own walks. A member added to
// RadioConfig changes this count: add it to the walk it belongs to, then here.
static_assert(record_members::MemberCount<RadioConfig>() == 6 + 1 + 10 + 2,
              "a member of RadioConfig is missing from the walks of the settings block");

// The state of the one open document.
struct DocumentState {
  std::string fileName = "new.dat";  // full path, or "new.dat" for a new document
  bool untitled = true;
  std::string rangeText = "28.0000 - 29.6990 MHz";  // the radio's range, or the band shown
};

// Range texts of the stored range index.
std::string RangeTextOfIndex(int rangeIndex);
inline constexpr const char* kWideRangeText = "24.7150 - 30.1050 MHz";
// 0 for the wide HF range, 1 for any other range text.
int RangeKindOfText(const std::string& rangeText);

// Rewrites the identity record as before every save: model name, model code,
// range kind and short model name; the data version becomes "V100".
void NormaliseIdentity(RadioConfig& cfg, const std::string& rangeText);
void NormaliseIdentity(IdentityRecord& identity, FixedText<4>& dataVersion, const std::string& rangeText);

}  // namespace zq
