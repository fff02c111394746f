#include "channels/tone_codes.h"

#include <cstdio>

#include "channels/list_entries.h"

namespace zq {

std::string CtcssText(int position) {
  int shown = ShownEntry(position, kCtcssCount);
  int tenths = kCtcssTenthsHz[shown];
  char buf[32];
  std::snprintf(buf, sizeof buf, "C_%03d(%d.%dHz)", shown + 1, tenths / 10, tenths % 10);
  return buf;
}

std::string DcsText(int position) {
  int shown = ShownEntry(position, kDcsCount);
  char buf[32];
  std::snprintf(buf, sizeof buf, "D_%03d(%sN)", shown + 1, kDcsCodes[shown]);
  return buf;
}

std::vector<std::string> ToneCodeTexts(int toneType) {
  std::vector<std::string> texts;
  if (toneType == kToneCtcss)
    for (int i = 0; i < kCtcssCount; ++i) texts.push_back(CtcssText(i));
  if (toneType == kToneDcs)
    for (int i = 0; i < kDcsCount; ++i) texts.push_back(DcsText(i));
  return texts;
}

ShownToneCode ShowToneCode(int toneType, int ctcssPosition, int dcsPosition) {
  int type = ShownEntry(toneType, kToneTypeCount);
  if (type == kToneCtcss) return {type, ShownEntry(ctcssPosition, kCtcssCount)};
  if (type == kToneDcs) return {type, ShownEntry(dcsPosition, kDcsCount)};
  return {type, 0};
}

}  // namespace zq
