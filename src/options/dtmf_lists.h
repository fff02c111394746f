#pragma once
// The five settings lists of the DTMF window: label, entries and the element
// of DtmfSettings each one stores its entry's position in.
#include <span>
#include <vector>

#include "options/choice_entries.h"

namespace zq {

struct DtmfSettingList {
  int element;  // DtmfSettings element
  Txt label;
  std::vector<ChoicePiece> pieces;
};

// Top to bottom as the window shows them.
const std::vector<DtmfSettingList>& DtmfSettingLists();

// The check box "DTMF DISP" stores 1 (ticked) or 0 in this element.
inline constexpr int kDtmfDisplayElement = 5;

}  // namespace zq
