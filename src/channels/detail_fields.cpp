#include "channels/detail_fields.h"

#include "channels/group_entries.h"
#include "channels/list_entries.h"
#include "channels/tone_codes.h"
#include "options/dtmf_rules.h"
#include "options/roger_beep_rules.h"
#include "text/plain_text.h"

namespace zq {
namespace {

constexpr Txt kOffOn[] = {Txt::ChoiceOff, Txt::ChoiceOn};
constexpr Txt kRepeater[] = {Txt::ChoiceOff, Txt::RepAdd, Txt::RepSubb};
constexpr Txt kNoiseBlanker[] = {Txt::ChoiceOff, Txt::NbChoice, Txt::AnlChoice, Txt::NbAnlText};
constexpr Txt kModes[] = {Txt::ModeFm, Txt::ModeAm, Txt::ModeUsb, Txt::ModeLsb, Txt::ModePa, Txt::ModeCw};
constexpr Txt kPowers[] = {Txt::PowerLow, Txt::PowerMid, Txt::PowerHigh};

constexpr ToneDirection kDecode{&ChannelRecord::RxToneType, &ChannelRecord::RxCtcss, &ChannelRecord::RxDcs};
constexpr ToneDirection kEncode{&ChannelRecord::TxToneType, &ChannelRecord::TxCtcss, &ChannelRecord::TxDcs};

// CB groups 5 and 7 share the memory rows of group 5; CbMemBand says which plan a row belongs to.
constexpr int kSharedMemoryPlans[] = {5, 7};

using R = ChannelRecord;
using CK = ChoiceKind;
using S = FieldScope;

constexpr DetailFieldDef kFields[] = {
    {Txt::DetailBusy, &R::Busy, CK::Fixed, kOffOn, S::EveryRow, false, 0},
    {Txt::DetailRep, &R::Rep, CK::Fixed, kRepeater, S::HfHamRows, false, 0},
    {Txt::DetailRxCtc, &R::RxToneType, CK::Fixed, kToneTypeTexts, S::EveryRow, false, 0},
    {Txt::DetailToneCode, nullptr, CK::ToneCode, {}, S::EveryRow, false, 0, &kDecode},
    {Txt::DetailTxCtc, &R::TxToneType, CK::Fixed, kToneTypeTexts, S::EveryRow, false, 0},
    {Txt::DetailToneCode, nullptr, CK::ToneCode, {}, S::EveryRow, false, 0, &kEncode},
    {Txt::DetailScan, &R::ScanAdd, CK::Fixed, kOffOn, S::EveryRow, false, 0},
    {Txt::DetailPublic, &R::Public, CK::Fixed, kOffOn, S::EveryRow, false, 0},
    {Txt::DetailBot, &R::Bot, CK::DtmfCode, {}, S::EveryRow, true, 1},
    {Txt::DetailEot, &R::Eot, CK::DtmfCode, {}, S::EveryRow, true, 1},
    {Txt::DetailCall, &R::Call, CK::DtmfCode, {}, S::EveryRow, true, 1},
    {Txt::DetailHiCut, &R::HiCut, CK::Fixed, kOffOn, S::EveryRow, true, 1},
    {Txt::NbAnlText, &R::NbAnl, CK::Fixed, kNoiseBlanker, S::EveryRow, true, 1},
    {Txt::DetailEcho, &R::Echo, CK::Fixed, kOffOn, S::EveryRow, true, 1},
    {Txt::DetailAdd10K, &R::Add10K, CK::Fixed, kOffOn, S::HfHamRows, true, 1},
    {Txt::DetailRoger, &R::Roger, CK::RogerPreset, {}, S::EveryRow, true, 1},
    {Txt::DetailMode, &R::Mode, CK::Fixed, kModes, S::EveryRow, true, 1},
    {Txt::DetailPower, &R::PowerLevel, CK::Fixed, kPowers, S::EveryRow, true, 1},
    {Txt::DetailCbMemChannel, &R::CbMemChannel, CK::CbMemChannel, {}, S::CbMemoryRows, false, 0},
    {Txt::DetailCbMemBand, &R::CbMemBand, CK::CbMemBand, {}, S::SharedCbMemoryRows, false, 0},
};

// The numbers after "Off" in the lists that store a number.
std::vector<int> ListedNumbers(const DetailFieldDef& def, const DetailContext& ctx) {
  switch (def.kind) {
    case CK::DtmfCode: return DefinedDtmfCodeNumbers(ctx.cfg.Options);
    case CK::RogerPreset: return DefinedRogerPresetNumbers(ctx.cfg);
    case CK::CbMemChannel: return ChannelNumbersInUse(ctx.cfg, ctx.group);
    default: return {};
  }
}

int ToneTypeOf(const DetailFieldDef& def, const ChannelRecord& record) {
  return ShownEntry(record.*(def.tone->type), kToneTypeCount);
}

int16_t OffValue(const DetailFieldDef& def) { return def.kind == CK::CbMemChannel ? kNoCbMemChannel : 0; }

}  // namespace

std::span<const DetailFieldDef> DetailFields() { return kFields; }

std::vector<std::string> ChoiceTexts(const DetailFieldDef& def, const DetailContext& ctx, const ChannelRecord& record,
                                     int language) {
  std::vector<std::string> texts;
  switch (def.kind) {
    case CK::Fixed:
      for (Txt t : def.choices) texts.emplace_back(Text(t, language));
      break;
    case CK::ToneCode: texts = ToneCodeTexts(ToneTypeOf(def, record)); break;
    case CK::CbMemBand:
      for (int g : kSharedMemoryPlans) texts.push_back(GroupDisplayName(ctx.cfg, {kCB, g}, language));
      break;
    case CK::DtmfCode:  // the number the radio stores, and the digits it stands for
      texts.emplace_back(Text(Txt::ChoiceOff, language));
      for (int n : ListedNumbers(def, ctx)) texts.push_back(DtmfReferenceText(ctx.cfg.Options, n));
      break;
    default:
      texts.emplace_back(Text(Txt::ChoiceOff, language));
      for (int n : ListedNumbers(def, ctx)) texts.push_back(std::to_string(n));
  }
  return texts;
}

int ShownChoice(const DetailFieldDef& def, const DetailContext& ctx, const ChannelRecord& record) {
  switch (def.kind) {
    case CK::Fixed: return ShownEntry(record.*def.field, static_cast<int>(def.choices.size()));
    case CK::ToneCode:
      return ShowToneCode(ToneTypeOf(def, record), record.*(def.tone->ctcss), record.*(def.tone->dcs)).entry;
    case CK::CbMemBand: return ShownEntry(record.*def.field, static_cast<int>(std::size(kSharedMemoryPlans)));
    default: {
      std::vector<int> numbers = ListedNumbers(def, ctx);
      return ShownNumberEntry(record.*def.field, numbers);
    }
  }
}

void StoreChoice(const DetailFieldDef& def, const DetailContext& ctx, ChannelRecord& record, int entry) {
  if (entry < 0) return;
  switch (def.kind) {
    case CK::Fixed:
      if (entry < static_cast<int>(def.choices.size())) record.*def.field = static_cast<int16_t>(entry);
      return;
    case CK::CbMemBand:
      if (entry < static_cast<int>(std::size(kSharedMemoryPlans))) record.*def.field = static_cast<int16_t>(entry);
      return;
    case CK::ToneCode: {
      int type = ToneTypeOf(def, record);
      if (type == kToneCtcss && entry < kCtcssCount) record.*(def.tone->ctcss) = static_cast<int16_t>(entry);
      if (type == kToneDcs && entry < kDcsCount) record.*(def.tone->dcs) = static_cast<int16_t>(entry);
      return;
    }
    default: {
      std::vector<int> numbers = ListedNumbers(def, ctx);
      if (entry > static_cast<int>(numbers.size())) return;
      record.*def.field = entry == 0 ? OffValue(def) : static_cast<int16_t>(numbers[entry - 1]);
    }
  }
}

bool IsFieldShown(const DetailFieldDef& def, BandGroup group, RowKind kind, const ChannelRecord& record) {
  if (def.kind == CK::ToneCode && ToneTypeOf(def, record) == kToneOff) return false;
  switch (def.scope) {
    case S::EveryRow: return true;
    case S::HfHamRows: return group.band != kCB;
    case S::CbMemoryRows: return kind == RowKind::CbMemory;
    case S::SharedCbMemoryRows:
      return kind == RowKind::CbMemory &&
             (group.number == kSharedMemoryPlans[0] || group.number == kSharedMemoryPlans[1]);
  }
  return false;
}

bool IsPublicOn(const ChannelRecord& record) { return ShownEntry(record.Public, 2) == 1; }

}  // namespace zq
