#pragma once
// The detail panel of the channel editor: every setting of the channel shown
// in the grid other than its frequency, as one table. The window builds a
// label and a choice list per entry and leaves the meaning of the lists here.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "channels/channel_rows.h"
#include "config/radio_config.h"
#include "text/language_table.h"

namespace zq {

enum class ChoiceKind : uint8_t {
  Fixed,         // the entries of `choices`; stores the entry's position
  ToneCode,      // the CTCSS or DCS list, whichever the direction's tone type selects
  DtmfCode,      // "Off", then the defined DTMF codes; stores the code number, 0 for Off
  RogerPreset,   // "Off", then the defined roger-beep presets; stores the number, 0 for Off
  CbMemChannel,  // "Off", then the channels in use of the shown group; stores the number, 255 for Off
  CbMemBand,     // the plans of CB groups 5 and 7, which share one set of memory rows; stores the position
};

// Which rows show a field.
enum class FieldScope : uint8_t {
  EveryRow,
  HfHamRows,           // bands 1 and 2 only
  CbMemoryRows,        // the memory rows of a CB group
  SharedCbMemoryRows,  // the memory rows of CB groups 5 and 7
};

struct ToneDirection {
  int16_t ChannelRecord::*type;
  int16_t ChannelRecord::*ctcss;
  int16_t ChannelRecord::*dcs;
};

struct DetailFieldDef {
  Txt label;
  int16_t ChannelRecord::*field;  // the stored value (ToneCode: unused, see `tone`)
  ChoiceKind kind;
  std::span<const Txt> choices;  // Fixed lists
  FieldScope scope;
  bool greyedByPublic;  // disabled while the channel's "Public" is On
  int column;           // of the panel's two columns
  const ToneDirection* tone = nullptr;
};

std::span<const DetailFieldDef> DetailFields();

// What the lists of a row depend on besides the record.
struct DetailContext {
  const RadioConfig& cfg;
  BandGroup group;
};

std::vector<std::string> ChoiceTexts(const DetailFieldDef& def, const DetailContext& ctx, const ChannelRecord& record,
                                     int language);
// The entry that shows the stored value; a value the list does not hold shows
// the first entry (and stays stored until the user picks one).
int ShownChoice(const DetailFieldDef& def, const DetailContext& ctx, const ChannelRecord& record);
// Stores the user's pick into the field and nothing else: "CB Mem Chan ID"
// changes the link only, never whether the memory slot is in use, so a memory
// read from the radio is written back whatever its link says.
void StoreChoice(const DetailFieldDef& def, const DetailContext& ctx, ChannelRecord& record, int entry);

// Whether a row of `kind` shows the field; a tone code list shows only while
// its tone type is CTCSS or DCS.
bool IsFieldShown(const DetailFieldDef& def, BandGroup group, RowKind kind, const ChannelRecord& record);
// Whether "Public" is On for the record, which greys the fields marked so.
bool IsPublicOn(const ChannelRecord& record);

}  // namespace zq
