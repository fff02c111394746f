#pragma once
// One channel of a channel table, and one slot of the special-channel area.
#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "config/fixed_text.h"
#include "config/record_members.h"

namespace zq {

struct ChannelRecord {
  int16_t Number = 0;  // slot inside its group, 1-based
  int16_t Enabled = 0;
  int16_t ScanAdd = 0;
  FixedText<8> RxFrequency;  // digits without point: "28145000"; empty or "FFFFFFFF" = none
  FixedText<8> TxFrequency;
  std::array<uint8_t, 4> Reserved{};
  int16_t TxToneType = 0;  // 0 Off, 1 CTCSS, 2 DCS
  int16_t TxCtcss = 0;
  int16_t TxDcs = 0;
  int16_t ReservedInt = 0;
  int16_t Mode = 0;
  int16_t HiCut = 0;
  int16_t NbAnl = 0;
  int16_t Echo = 0;
  int16_t Add10K = 0;
  int16_t Busy = 0;
  int16_t Roger = 0;  // roger-beep preset, 0 = off
  int16_t Rep = 0;
  int16_t Public = 0;
  int16_t Bot = 0;  // DTMF code numbers, 0 = off
  int16_t Eot = 0;
  int16_t Call = 0;
  int16_t RxToneType = 0;
  int16_t RxCtcss = 0;
  int16_t RxDcs = 0;
  int16_t PowerLevel = 0;  // 0 Low, 1 Mid, 2 High
  int16_t CbMemBand = 0;
  int16_t CbMemChannel = 0;  // special slots: linked channel, 255 = none

  // Every member is a byte or a 16-bit integer and none leaves a gap (checked
  // below), so two records are equal exactly when their bytes are: one compare
  // instead of one per field, which counts over whole channel tables.
  bool operator==(const ChannelRecord& other) const { return std::memcmp(this, &other, sizeof other) == 0; }
};
static_assert(std::has_unique_object_representations_v<ChannelRecord>);

// The codes of a channel record's Mode, as the radio numbers them (PA before CW).
enum class ChannelMode : int16_t { FM, AM, USB, LSB, PA, CW };
inline constexpr int kChannelModeCount = 6;

// Every field of a channel record, in the order the channel file stores them.
// The data file, JSON export and comparisons all walk this one list.
template <class Record, class Visitor>
constexpr void VisitChannelFields(Record& r, Visitor&& v) {
  v("Number", r.Number);
  v("Enabled", r.Enabled);
  v("ScanAdd", r.ScanAdd);
  v("RxFrequency", r.RxFrequency);
  v("TxFrequency", r.TxFrequency);
  v("Reserved", r.Reserved);
  v("TxToneType", r.TxToneType);
  v("TxCtcss", r.TxCtcss);
  v("TxDcs", r.TxDcs);
  v("ReservedInt", r.ReservedInt);
  v("Mode", r.Mode);
  v("HiCut", r.HiCut);
  v("NbAnl", r.NbAnl);
  v("Echo", r.Echo);
  v("Add10K", r.Add10K);
  v("Busy", r.Busy);
  v("Roger", r.Roger);
  v("Rep", r.Rep);
  v("Public", r.Public);
  v("Bot", r.Bot);
  v("Eot", r.Eot);
  v("Call", r.Call);
  v("RxToneType", r.RxToneType);
  v("RxCtcss", r.RxCtcss);
  v("RxDcs", r.RxDcs);
  v("PowerLevel", r.PowerLevel);
  v("CbMemBand", r.CbMemBand);
  v("CbMemChannel", r.CbMemChannel);
}

static_assert(record_members::VisitedCount<ChannelRecord>([](auto& r, auto v) { VisitChannelFields(r, v); }) ==
                  record_members::MemberCount<ChannelRecord>(),
              "every member of ChannelRecord must be in VisitChannelFields");

inline constexpr int kNoCbMemChannel = 255;

}  // namespace zq
