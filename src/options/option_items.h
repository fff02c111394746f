#pragma once
// Every control of the option-features window as one table: label, choice
// list with its stored values, where the value is kept, ItemId and place.
// The window builds itself from these tables and stores through them.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "config/public_params.h"
#include "config/radio_config.h"
#include "image/image_map.h"
#include "options/choice_entries.h"
#include "options/option_number_text.h"

namespace zq {

// Settings are reached as the memory image reaches them (ReadValue, WriteValue).

inline bool SameValue(const ValueRef& a, const ValueRef& b) {
  return a.kind == b.kind && a.i == b.i && a.j == b.j && (a.kind != ValueRef::Option || a.opt == b.opt);
}
inline bool IsField(const ValueRef& ref, Opt field) { return SameValue(ref, Field(field)); }
// A name for the control that edits the value ("Tot", "PublicParams_1_7", "PublicSwitch_2").
std::string ValueName(const ValueRef& ref);

// How a list's entries are made.
enum class OptionList : uint8_t {
  Fixed,        // the pieces as they stand
  Clarifier,    // the pieces; only the first two while the band shown is CB
  KeyFunction,  // the key functions; "VFO" only for a radio that can work HF
  RogerPreset,  // OFF and the numbers of the defined roger-beep presets
  DtmfCode,     // OFF and the numbers of the defined DTMF codes
};

// What the lists depend on besides the language.
struct ListContext {
  int language = kEnglish;
  bool hfCapable = false;
  bool cbBand = true;
  std::vector<int> rogerPresets;
  Choices dtmfCodes;  // the defined codes, each showing its number and digits
};
ListContext MakeListContext(const RadioConfig& cfg, int language, bool hfCapable, bool cbBand);

Choices ChoicesOf(OptionList list, std::span<const ChoicePiece> pieces, const ListContext& context);

enum class OptionPlace : uint8_t { Main, Second, ModeFrame, Ble, Switches };
enum class OptionControlKind : uint8_t { List, CheckBox, NumberBox, NameBox };

struct OptionControl {
  OptionControlKind kind = OptionControlKind::List;
  int itemId = -1;  // lists and check boxes: the ItemId SaveOptFeat stores by
  Txt label{};
  OptionPlace place = OptionPlace::Main;
  ValueRef value;
  OptionList list = OptionList::Fixed;
  std::vector<ChoicePiece> pieces;
  NumberFormat number;          // number boxes
  bool besidePrevious = false;  // on the row (and under the label) of the control before it
  std::optional<Txt> unit;      // a caption after the control
};

// The window's single controls, top to bottom within each place.
const std::vector<OptionControl>& OptionControls();

// Rows of the per-band common parameter frames, top to bottom.
struct PublicRow {
  int row;  // ItemId = the block's first ItemId + row
  PublicParam param;
  Txt label;
  OptionList list = OptionList::Fixed;
  std::vector<ChoicePiece> pieces;
};
const std::vector<PublicRow>& PublicRows();

struct PublicBlock {
  Band band;
  int firstItemId;
  Txt caption;
};
// In the order the window shows them: CB, HAM, HF.
const std::array<PublicBlock, 3>& PublicBlocks();
// The CB frame has no "+10KHz" row and calls its Roger row "Chan Rb".
bool BlockShowsRow(const PublicBlock& block, const PublicRow& row);
Txt RowLabel(const PublicBlock& block, const PublicRow& row);

inline constexpr int kKeyFunctionVfo = 2;

}  // namespace zq
