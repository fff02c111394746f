#pragma once
// Sub-audible signalling of a channel: the CTCSS tones and DCS codes in the
// order the radio numbers them. A channel stores a position in each list; its
// tone type decides which of the two is in force.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "text/language_table.h"

namespace zq {

enum ToneType : int { kToneOff = 0, kToneCtcss = 1, kToneDcs = 2 };
inline constexpr Txt kToneTypeTexts[] = {Txt::ChoiceOff, Txt::ToneTypeCtcss, Txt::ToneTypeDcs};
inline constexpr int kToneTypeCount = static_cast<int>(std::size(kToneTypeTexts));

// The 38 EIA tones, in tenths of a hertz.
inline constexpr std::array<int16_t, 38> kCtcssTenthsHz = {
    670,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273,
    1318, 1365, 1413, 1462, 1514, 1567, 1622, 1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503};

// The 104 DCS codes, normal polarity, as their three octal digits.
inline constexpr std::array<const char*, 104> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

inline constexpr int kCtcssCount = static_cast<int>(kCtcssTenthsHz.size());
inline constexpr int kDcsCount = static_cast<int>(kDcsCodes.size());

// "C_001(67.0Hz)"; a position outside the list gives the text of position 0.
std::string CtcssText(int position);
// "D_001(023N)"; a position outside the list gives the text of position 0.
std::string DcsText(int position);
// Every entry of the list a tone type selects; empty for Off.
std::vector<std::string> ToneCodeTexts(int toneType);

// What the editor shows for one direction of a channel: the tone type entry and,
// unless that is Off, the entry of the code list it selects.
struct ShownToneCode {
  int toneType = kToneOff;
  int entry = 0;
};
ShownToneCode ShowToneCode(int toneType, int ctcssPosition, int dcsPosition);

}  // namespace zq
