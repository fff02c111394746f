#pragma once
// Where each item of the configuration lives in the radio's memory image.
// The encoder and the decoder both walk these tables, so a field's place is
// written down exactly once.
#include <cstdint>
#include <vector>

#include "config/channel_record.h"
#include "config/option_features.h"
#include "config/radio_config.h"

namespace zq {

// First slot of a channel group; slot n lies at start + (n - 1) * 16.
uint32_t GroupStart(BandGroup group);
// Bitmap bytes of a group: bit (n - 1) of these bytes belongs to slot n.
uint32_t EnabledBitmap(BandGroup group);
uint32_t ScanAddBitmap(BandGroup group);

inline constexpr uint32_t kSlotSize = 16;
inline constexpr uint32_t kSpecialSlotStart = 0x10000;
inline constexpr uint32_t kSpecialEnabledBitmap = 0x16400;
inline constexpr uint32_t kSpecialScanAddBitmap = 0x16430;
inline constexpr uint32_t kGroupValidBits[kBandCount] = {0x16460, 0x16462, 0x16464};
inline constexpr uint32_t kGroupNames[kBandCount] = {0x22000, 0x22020, 0x22040};
inline constexpr uint32_t kPublicParamBlocks[kBandCount] = {0x18108, 0x18118, 0x18128};
inline constexpr uint32_t kDtmfCodes = 0x20000;
inline constexpr uint32_t kRogerBeepTable = 0x20100;
inline constexpr uint32_t kBtDeviceName = 0x22147;
inline constexpr int kBtDeviceNameBytes = 16;

// One bit field of a channel slot (bytes 4-13). `publicParam` is the row of the
// per-band common parameters stored the same way, or -1.
struct SlotField {
  int byte;
  int16_t ChannelRecord::*member;
  int bitPos;
  int bitWidth;
  int publicParam;
};
extern const std::vector<SlotField> kSlotFields;
inline constexpr int kToneFlagByte = 9;
inline constexpr int kToneFlagBit = 6;

// The special-channel link bytes: three passes in this order; the later store
// wins where their ranges overlap (0x1064F and 0x1065F).
struct LinkPass {
  uint32_t base;
  int first, last;  // special slots n = first..last at base + (n - first)
  bool band;        // CbMemBand, else CbMemChannel
};
inline constexpr LinkPass kLinkPasses[] = {
    {0x10600, 1, 80, false},
    {0x1064F, 64, 80, true},
    {0x1065F, 80, 96, false},
};

// An integer of the configuration: what a settings byte holds, or a setting an editor keeps.
struct ValueRef {
  enum Kind : uint8_t {
    Option,
    RangeIndex,
    ChVolKind,
    ModeEnable,
    Emergency,
    DualWatch,
    MemoryChannel,
    PublicSwitch
  } kind;
  Opt opt = Opt::WorkGroup;
  int i = -1, j = -1;  // option indexes, or the array element
};
// An element of an option-features field, as the image map and the editors name it.
inline ValueRef Field(Opt field, FieldIndex auto... idx) requires(sizeof...(idx) <= 2) {
  const int indexes[] = {IndexNumber(idx)..., -1, -1};
  return {ValueRef::Option, field, indexes[0], indexes[1]};
}
int ReadValue(const RadioConfig& cfg, const ValueRef& ref);
void WriteValue(RadioConfig& cfg, const ValueRef& ref, int value);

enum class Transform : uint8_t {
  Plain,           // the low byte of the value (or its bits)
  SecondByte,      // bits 8-15 of the value
  LessOne,         // value - 1
  LessOneButZero,  // value - 1, but 0 stays 0
  Zero,            // always 0x00
  BelowLimit,      // plain; read back only when below `limit`, else 0
};

// One byte (or bit field of a byte) of the settings areas.
struct SettingsRow {
  uint32_t offset;
  ValueRef value;
  Transform transform = Transform::Plain;
  int bitPos = 0;
  int bitWidth = 8;
  int limit = 0;
};
enum class SettingsArea { BandGroup, General, SpecialChannels, Weather };
// The rows of one settings area, in the order the encoder writes them.
const std::vector<SettingsRow>& SettingsRows(SettingsArea area);

// The weather-channel area.
inline constexpr uint32_t kWeatherScanBits = 0x22064;
inline constexpr uint32_t kWeatherInUseBits = 0x2206C;
uint32_t WeatherSlot(int record);  // records 1-41

}  // namespace zq
