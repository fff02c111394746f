#pragma once
// The fields of the emergency, dual-watch and memory-channel windows: one table
// per window says, for every field, its frame and place, its label, which
// integer of the settings record it shows and what its list offers. The windows
// build themselves from these tables.
//
// The CB plans, in the order the records keep them: Eu (CB group 1), PL (2),
// DE (3), EC (4), U/UK (5, which also serves the UK plan, group 7), IN (6).
#include <cstdint>
#include <span>
#include <string>

#include "config/radio_config.h"
#include "text/language_table.h"

namespace zq {

enum class SpecialWindow { Emergency, DualWatch, MemoryChannel };
enum class SpecialFrame { Cb, Hf, Ham };
inline constexpr Txt kSpecialFrameTitles[] = {Txt::CbBandFrame, Txt::HfBandFrame, Txt::HamBandFrame};

enum class SpecialFieldKind {
  CbChannel,    // channels in use of the plan's CB group, 1-40 (DE 1-80); stores number - 1
  CbMemory,     // memory slots in use of the plan's set of sixteen, "M1"-"M16"; stores number - 1
  BandGroup,    // names of the band's ordinary groups; stores the position
  BandChannel,  // channels in use of the group its band field names; stores number - 1
  MemChannel,   // channels in use of the band's MEM group, "M1"-"M99"; stores number - 1
  WorkMode,     // FM, AM, USB, LSB, CW; stores the position
  State,        // Off, On
};

struct SpecialField {
  SpecialFrame frame;
  int row, column;     // place inside the frame
  const char* prefix;  // plan or band, the same in every language
  Txt suffix;          // the rest of the label
  SpecialFieldKind kind;
  int setting;      // integer of the record the field shows
  Band band;        // the frame's band: CB, or the band of BandGroup, BandChannel, MemChannel
  int group;        // CbChannel, CbMemory: the CB group; 0 otherwise
  int bandSetting;  // BandChannel: the integer of its band field
  bool editable;    // false for rows that only show what the radio uses
};

struct SpecialWindowDef {
  Txt caption;
  const char* handlerPrefix;  // "frm_emg": names the window's handlers in error messages
  int settingCount;
  std::span<const SpecialField> fields;
};

const SpecialWindowDef& SpecialWindowOf(SpecialWindow window);

// The record a window edits, inside the configuration.
std::span<int16_t> SettingsOf(RadioConfig& cfg, SpecialWindow window);
std::span<const int16_t> SettingsOf(const RadioConfig& cfg, SpecialWindow window);

// "PL Emg Channel 1" in the given language.
std::string FieldLabel(const SpecialField& field, int language);

}  // namespace zq
