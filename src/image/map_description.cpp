#include "image/map_description.h"

#include <cstdio>
#include <string_view>

#include "config/public_params.h"
#include "image/image_map.h"
#include "image/memory_image.h"

namespace zq {
namespace {

std::string Hex(uint32_t offset) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%05X", static_cast<unsigned>(offset));
  return text;
}

std::string BitsText(int bitPos, int bitWidth) {
  if (bitPos == 0 && bitWidth == 8) return "0-7";
  if (bitWidth == 1) return std::to_string(bitPos);
  return std::to_string(bitPos) + "-" + std::to_string(bitPos + bitWidth - 1);
}

std::string MapRow(std::initializer_list<std::string> cells) {
  std::string row = "|";
  for (const std::string& cell : cells) row += " " + cell + " |";
  return row + "\n";
}

std::string Indexed(std::string_view name, int i, int j = -1) {
  std::string text(name);
  if (i >= 0) text += "[" + std::to_string(i) + "]";
  if (j >= 0) text += "[" + std::to_string(j) + "]";
  return text;
}

std::string MapValueName(const ValueRef& ref) {
  switch (ref.kind) {
    case ValueRef::Option: return "Options." + Indexed(FieldDef(ref.opt).name, ref.i, ref.j);
    case ValueRef::RangeIndex: return "RangeType[0]";
    case ValueRef::ChVolKind: return "ChVolKind";
    case ValueRef::ModeEnable: return Indexed("ModeEnable", ref.i);
    case ValueRef::Emergency: return Indexed("EmergencySettings", ref.i);
    case ValueRef::DualWatch: return Indexed("DualWatchSettings", ref.i);
    case ValueRef::MemoryChannel: return Indexed("MemoryChannelSettings", ref.i);
    case ValueRef::PublicSwitch: return Indexed("PublicSwitch", ref.i);
  }
  return "";
}

std::string TransformText(const SettingsRow& row) {
  switch (row.transform) {
    case Transform::Plain: return "value";
    case Transform::SecondByte: return "bits 8-15 of the value";
    case Transform::LessOne: return "value - 1";
    case Transform::LessOneButZero: return "value - 1, 0 stays 0";
    case Transform::Zero: return "always 0x00";
    case Transform::BelowLimit: return "value; read back only below " + std::to_string(row.limit);
  }
  return "";
}

std::string SlotFieldName(const SlotField& field) {
  ChannelRecord record;
  std::string name;
  VisitChannelFields(record, [&](std::string_view fieldName, auto& member) {
    if constexpr (std::is_same_v<std::remove_reference_t<decltype(member)>, int16_t>)
      if (&member == &(record.*field.member)) name = fieldName;
  });
  return name;
}

std::string GroupTable() {
  std::string text =
      "| Band | Group | Slots | First slot | Slots with bitmap bits | Enabled bits | ScanAdd bits |\n"
      "|---|---|---|---|---|---|---|\n";
  for (const Band band : kBands)
    for (int group = 1; group <= GroupCount(band); ++group)
      text += MapRow({BandShortName(band), std::to_string(group), std::to_string(GroupCapacity({band, group})),
                      Hex(GroupStart({band, group})), std::to_string(BitmapSlots({band, group})),
                      Hex(EnabledBitmap({band, group})), Hex(ScanAddBitmap({band, group}))});
  return text;
}

std::string SlotTable() {
  std::string text = "| Byte | Bits | Field | Common parameter row |\n|---|---|---|---|\n";
  for (const SlotField& field : kSlotFields)
    text += MapRow({std::to_string(field.byte), BitsText(field.bitPos, field.bitWidth), SlotFieldName(field),
                    field.publicParam == kNoPublicParam ? "-" : std::to_string(field.publicParam)});
  return text;
}

std::string SettingsTable(SettingsArea area) {
  std::string text = "| Offset | Bits | Value | Stored as |\n|---|---|---|---|\n";
  for (const SettingsRow& row : SettingsRows(area))
    text += MapRow({Hex(row.offset), BitsText(row.bitPos, row.bitWidth), MapValueName(row.value), TransformText(row)});
  return text;
}

std::string FixedPlaces() {
  std::string text = "| Offset | What |\n|---|---|\n";
  text += MapRow({Hex(kSpecialSlotStart), "special channel slots 1-96, 16 bytes each"});
  for (const LinkPass& pass : kLinkPasses)
    text += MapRow({Hex(pass.base), std::string(pass.band ? "CbMemBand" : "CbMemChannel") + " of special slots " +
                                        std::to_string(pass.first) + "-" + std::to_string(pass.last)});
  text += MapRow({Hex(kSpecialEnabledBitmap), "Enabled bits of the special slots"});
  text += MapRow({Hex(kSpecialScanAddBitmap), "ScanAdd bits of the special slots"});
  for (const Band band : kBands) {
    const std::string name = BandShortName(band);
    text += MapRow({Hex(kGroupValidBits[BandIndex(band)]), "groups in use, " + name});
    text += MapRow({Hex(kPublicParamBlocks[BandIndex(band)]), "common channel parameters, " + name});
    text += MapRow({Hex(kGroupNames[BandIndex(band)]), "group names, " + name});
  }
  text += MapRow({Hex(kDtmfCodes), "DTMF codes"});
  text += MapRow({Hex(kRogerBeepTable), "roger-beep presets"});
  text += MapRow({Hex(kBtDeviceName), "Bluetooth device name, " + std::to_string(kBtDeviceNameBytes) + " bytes"});
  text += MapRow({Hex(WeatherSlot(1)), "weather channels 1-40, 8 bytes each"});
  text += MapRow({Hex(WeatherSlot(41)), "weather channel 41"});
  text += MapRow({Hex(kWeatherScanBits), "weather scan bits"});
  text += MapRow({Hex(kWeatherInUseBits), "weather in-use bits"});
  return text;
}

}  // namespace

std::string ImageMapMarkdown() {
  return "### Channel groups\n\n" + GroupTable() + "\n### The bit fields of a channel slot\n\n" + SlotTable() +
         "\n### Band and group settings\n\n" + SettingsTable(SettingsArea::BandGroup) + "\n### General settings\n\n" +
         SettingsTable(SettingsArea::General) + "\n### Emergency, dual-watch and memory channels\n\n" +
         SettingsTable(SettingsArea::SpecialChannels) + "\n### Weather settings\n\n" +
         SettingsTable(SettingsArea::Weather) + "\n### Fixed places\n\n" + FixedPlaces();
}

}  // namespace zq
