#pragma once
// Rows of each band's common channel parameters: OptionFeatures::PublicParams(band, row),
// eleven values per band (CB, HF, HAM).
namespace zq {

enum PublicParam : int {
  kPublicHiCut = 0,
  kPublicNbAnl = 1,
  kPublicPower = 2,
  kPublicEcho = 3,
  kPublicAdd10K = 4,  // not offered for CB; the stored value is kept
  kPublicSpare = 5,   // carried unchanged
  kPublicRoger = 6,   // roger-beep preset number, 0 = off
  kPublicBot = 7,     // DTMF code numbers, 0 = off
  kPublicEot = 8,
  kPublicCall = 9,
  kPublicMode = 10,
};
inline constexpr int kPublicParamCount = 11;
// A channel member that has no common parameter of its band.
inline constexpr int kNoPublicParam = -1;

inline constexpr PublicParam kPublicDtmfRows[] = {kPublicBot, kPublicEot, kPublicCall};

}  // namespace zq
