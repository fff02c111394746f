#include "options/option_items.h"

#include <stdexcept>
#include <utility>

#include "options/dtmf_rules.h"
#include "options/roger_beep_rules.h"

namespace zq {
namespace {

using OK = OptionControlKind;
using P = OptionPlace;
using L = OptionList;

const std::vector<ChoicePiece> kOptionOffOn = {Word(Txt::OptOFF), Word(Txt::OptON)};
const std::vector<ChoicePiece> kPlainOffOn = {Word(Txt::OptOffSame), Word(Txt::OptOnSame)};

std::vector<ChoicePiece> OffThen(int last) { return {Word(Txt::OptOFF), Numbers(1, last)}; }
std::vector<ChoicePiece> UpTo(int last) { return {Numbers(1, last)}; }

OptionControl Choice(int itemId, Txt label, P place, ValueRef value, std::vector<ChoicePiece> pieces,
                     L list = L::Fixed) {
  return {.itemId = itemId, .label = label, .place = place, .value = value, .list = list, .pieces = std::move(pieces)};
}

OptionControl Check(int itemId, Txt label, P place, ValueRef value) {
  return {.kind = OK::CheckBox, .itemId = itemId, .label = label, .place = place, .value = value};
}

OptionControl NumberBox(Txt label, P place, Opt field, NumberFormat format) {
  return {.kind = OK::NumberBox, .label = label, .place = place, .value = Field(field), .number = format};
}

// On the row of the control before it, under its label.
OptionControl Beside(OptionControl control) {
  control.besidePrevious = true;
  return control;
}

OptionControl WithUnit(OptionControl control, Txt unit) {
  control.unit = unit;
  return control;
}

ValueRef ModeBox(ModeFlag flag) { return {ValueRef::ModeEnable, Opt::WorkGroup, flag}; }
ValueRef Switch(Band band) { return {ValueRef::PublicSwitch, Opt::WorkGroup, BandIndex(band)}; }

const NumberFormat kRepeaterOffset{
    .decimals = 4, .low = 0.0001, .high = 5.0, .fallback = "5.0000", .scale = 10000, .maxLength = 6};
const NumberFormat kSwrLimit{.decimals = 1, .low = 1.2, .high = 20.0, .fallback = "20.0"};
const NumberFormat kBatteryVolts{.decimals = 1, .low = 9.0, .high = 29.0, .fallback = "9.0"};

std::vector<OptionControl> MakeControls() {
  return {
      Choice(0, Txt::OptTot, P::Main, Field(Opt::Tot), {Word(Txt::ChoiceOff), Numbers(10, 600, 10, Txt::UnitS)}),
      Choice(1, Txt::OptMic, P::Main, Field(Opt::MicLevel), UpTo(45)),
      Choice(2, Txt::OptAsqLevel, P::Main, Field(Opt::AsqEnabled), kPlainOffOn),
      Beside(Choice(3, Txt::OptAsqLevel, P::Main, Field(Opt::AsqLevel), UpTo(9))),
      Choice(4, Txt::OptTalkBack, P::Main, Field(Opt::TalkBack), {Word(Txt::ChoiceOff), Numbers(1, 32)}),
      Choice(5, Txt::OptScanType, P::Main, Field(Opt::ScanType), {Word(Txt::OptSquelchScan), Word(Txt::OptTimeScan)}),
      Choice(6, Txt::OptSql, P::Main, Field(Opt::SquelchLevel), OffThen(79)),
      Choice(7, Txt::OptSsbSplit, P::Main, Field(Opt::SsbSplitRange), {Word(Txt::Opt500Hz), Word(Txt::Opt5kHz)}),
      Choice(8, Txt::OptClarifier, P::Main, Field(Opt::Clarifier),
             {Word(Txt::ChoiceOff), Word(Txt::OptClaR), Word(Txt::OptClaT), Word(Txt::OptClaRT)}, L::Clarifier),
      WithUnit(NumberBox(Txt::OptTxRep, P::Main, Opt::TxRepeaterOffset, kRepeaterOffset), Txt::OptMhz),
      Choice(9, Txt::OptVfoStep, P::Main, Field(Opt::VfoStep),
             {Word(Txt::OptStep10Hz), Word(Txt::OptStep100Hz), Word(Txt::OptStep1K), Word(Txt::OptStep5K),
              Word(Txt::OptStep10K), Word(Txt::OptStep100K), Word(Txt::OptStep1M)}),
      Choice(10, Txt::OptVoxLevel, P::Main, Field(Opt::VoxLevel), OffThen(9)),
      Choice(11, Txt::OptVoxDelay, P::Main, Field(Opt::VoxDelay), UpTo(9)),
      Choice(12, Txt::OptRfGain, P::Main, Field(Opt::RfGain),
             {Word(Txt::OptRfMax), Word(Txt::OptRfAuto), Numbers(-3, -48, -3, Txt::UnitDb)}),
      Choice(13, Txt::OptMicType, P::Main, Field(Opt::MicType), {Word(Txt::OptMicEl), Word(Txt::OptMicDy)}),
      Choice(14, Txt::OptRxNr, P::Main, Field(Opt::RxNr), OffThen(5)),
      Choice(15, Txt::OptTxNr, P::Main, Field(Opt::TxNr), OffThen(5)),
      Choice(16, Txt::OptDim, P::Main, Field(Opt::Dim), UpTo(5)),
      Choice(17, Txt::OptEchoVol, P::Main, Field(Opt::EchoVol), OffThen(32)),
      Choice(18, Txt::OptEchoTime, P::Main, Field(Opt::EchoTime), UpTo(32)),
      Choice(19, Txt::OptVolData, P::Main, Field(Opt::VolData), UpTo(64)),
      // The byte holds 30-255, so the list ends at 2550 Hz: a higher choice could not be kept.
      Choice(20, Txt::OptCwFreq, P::Main, Field(Opt::CwFreq), {Scaled(300, 2550, 10, 10)}),
      Choice(21, Txt::OptCwBeep, P::Main, Field(Opt::CwBeep), OffThen(63)),
      Choice(22, Txt::OptCwRxMode, P::Main, Field(Opt::CwRxMode), {Word(Txt::ModeUsb), Word(Txt::ModeLsb)}),
      Choice(23, Txt::OptCwBkin, P::Main, Field(Opt::CwBreakIn),
             {Word(Txt::OptOffSame), Numbers(10, 1000, 10, Txt::UnitMs)}),
      Choice(24, Txt::OptCwOffset, P::Main, Field(Opt::CwOffset), kOptionOffOn),
      {.kind = OK::NameBox, .label = Txt::OptBtName, .place = P::Main, .value = Field(Opt::BtDeviceName)},
      Choice(25, Txt::OptChVolKind, P::Main, {ValueRef::ChVolKind}, {Word(Txt::OptCh), Word(Txt::OptVol)}),

      Choice(26, Txt::OptBeep, P::Second, Field(Opt::Beep), OffThen(5)),
      Choice(27, Txt::OptFmDeviation, P::Second, Field(Opt::FmDeviation), {Word(Txt::Opt2K), Word(Txt::Opt4K)}),
      Choice(28, Txt::OptSsbTone, P::Second, Field(Opt::SsbTone), {Word(Txt::OptHi4k), Word(Txt::OptLi3K)}),
      Choice(29, Txt::OptAgc, P::Second, Field(Opt::Agc), {Word(Txt::OptSlow), Word(Txt::OptFast)}),
      Choice(30, Txt::OptAop, P::Second, Field(Opt::Aop), kOptionOffOn),
      Choice(31, Txt::OptHandType, P::Second, Field(Opt::HandType),
             {Word(Txt::OptType1), Word(Txt::OptType2), Word(Txt::OptType3)}),
      Choice(32, Txt::OptPfKey, P::Second, Field(Opt::PfKey), {}, L::KeyFunction),
      Choice(33, Txt::OptP1, P::Second, Field(Opt::P1Key), {}, L::KeyFunction),
      Choice(34, Txt::OptP2, P::Second, Field(Opt::P2Key), {}, L::KeyFunction),
      Choice(35, Txt::OptP3, P::Second, Field(Opt::P3Key), {}, L::KeyFunction),
      Choice(36, Txt::OptP4, P::Second, Field(Opt::P4Key), {}, L::KeyFunction),
      Choice(37, Txt::OptSaveColour, P::Second, Field(Opt::SaveColour),
             {Word(Txt::OptWhite), Word(Txt::OptYellow), Word(Txt::OptRed), Word(Txt::OptGreen), Word(Txt::OptCyan)}),
      Choice(38, Txt::OptPowerOffDis, P::Second, Field(Opt::PowerOffDisplay),
             {Word(Txt::OptOffSame), Word(Txt::OptClock)}),
      Choice(39, Txt::OptHfUseVfo, P::Second, Field(Opt::HfUseVfo), kPlainOffOn),
      Choice(40, Txt::OptHamUseVfo, P::Second, Field(Opt::HamUseVfo), kPlainOffOn),
      Check(103, Txt::OptSwrProtect, P::Second, Field(Opt::SwrProtect)),
      NumberBox(Txt::OptSwrMax, P::Second, Opt::SwrProtectMax, kSwrLimit),
      Check(104, Txt::OptBatteryProtect, P::Second, Field(Opt::BatteryProtect)),
      NumberBox(Txt::OptBatteryMin, P::Second, Opt::BatteryProtectMin, kBatteryVolts),
      NumberBox(Txt::OptBatteryMax, P::Second, Opt::BatteryProtectMax, kBatteryVolts),
      Check(105, Txt::OptFmEnable, P::ModeFrame, ModeBox(kModeFM)),
      Check(106, Txt::OptAmEnable, P::ModeFrame, ModeBox(kModeAM)),
      Check(107, Txt::OptUsbEnable, P::ModeFrame, ModeBox(kModeUSB)),
      Check(108, Txt::OptLsbEnable, P::ModeFrame, ModeBox(kModeLSB)),
      Check(109, Txt::OptPaEnable, P::ModeFrame, ModeBox(kModePA)),
      Check(110, Txt::OptCwEnable, P::ModeFrame, ModeBox(kModeCW)),

      Choice(41, Txt::OptBtOn, P::Ble, Field(Opt::BtOn), kOptionOffOn),
      Choice(42, Txt::OptPttHold, P::Ble, Field(Opt::PttHold), kOptionOffOn),
      Choice(43, Txt::OptBtMicGain, P::Ble, Field(Opt::BtMicGain), UpTo(5)),
      Choice(44, Txt::OptBtSpkGain, P::Ble, Field(Opt::BtSpkGain), UpTo(5)),
      Choice(45, Txt::OptHoldTime, P::Ble, Field(Opt::HoldTime),
             {Word(Txt::OptOFF), Numbers(1, 30, 1, Txt::UnitCapS), Numbers(60, 60, 1, Txt::UnitCapS),
              Numbers(120, 120, 1, Txt::UnitCapS), Word(Txt::OptInfinite)}),
      Choice(46, Txt::OptHoldDelay, P::Ble, Field(Opt::HoldDelay),
             {Word(Txt::Opt30ms), Tenths(10, 55, 5, Txt::UnitCapS)}),
      Choice(47, Txt::OptBtIntSpk, P::Ble, Field(Opt::BtIntSpk), kOptionOffOn),
      Choice(48, Txt::OptPttSleep, P::Ble, Field(Opt::PttSleep),
             {Word(Txt::OptInfinity), Numbers(1, 4, 1, Txt::UnitMin)}),

      // "On" is 0, "Off" 1.
      Choice(49, Txt::PubSwitchCb, P::Switches, Switch(kCB), {Word(Txt::OptOnSame), Word(Txt::OptOffSame)}),
      Choice(50, Txt::PubSwitchHf, P::Switches, Switch(kHF), {Word(Txt::OptOnSame), Word(Txt::OptOffSame)}),
      Choice(51, Txt::PubSwitchHam, P::Switches, Switch(kHAM), {Word(Txt::OptOnSame), Word(Txt::OptOffSame)}),
  };
}

const Txt kKeyFunctions[] = {Txt::KeyOff,     Txt::KeyVox,   Txt::KeyVfo,   Txt::KeyNbAnl,  Txt::Key10K,
                             Txt::KeyEcho,    Txt::KeyHiCut, Txt::KeyCall,  Txt::KeyCtDc,   Txt::KeyAsq,
                             Txt::KeyMicGain, Txt::KeyRxNr,  Txt::KeyTxNr,  Txt::KeyFmDev,  Txt::KeyTone,
                             Txt::KeyAgcSet,  Txt::KeyScan,  Txt::KeyWxSet, Txt::KeyModeSet};

Choices KeyFunctionChoices(const ListContext& context) {
  Choices choices;
  for (int k = 0; k < static_cast<int>(std::size(kKeyFunctions)); ++k)
    if (k != kKeyFunctionVfo || context.hfCapable)
      choices.push_back({std::string(Text(kKeyFunctions[k], context.language)), k});
  return choices;
}

}  // namespace

std::string ValueName(const ValueRef& ref) {
  auto indexed = [&](std::string name) {
    if (ref.i >= 0) name += "_" + std::to_string(ref.i);
    if (ref.j >= 0) name += "_" + std::to_string(ref.j);
    return name;
  };
  switch (ref.kind) {
    case ValueRef::Option: return indexed(std::string(FieldDef(ref.opt).name));
    case ValueRef::ChVolKind: return "ChVolKind";
    case ValueRef::PublicSwitch: return indexed("PublicSwitch");
    case ValueRef::ModeEnable: return indexed("ModeEnable");
    default: throw std::logic_error("no option control keeps this value");
  }
}

ListContext MakeListContext(const RadioConfig& cfg, int language, bool hfCapable, bool cbBand) {
  Choices dtmfCodes;
  for (int n : DefinedDtmfCodeNumbers(cfg.Options)) dtmfCodes.push_back({DtmfReferenceText(cfg.Options, n), n});
  return {language, hfCapable, cbBand, DefinedRogerPresetNumbers(cfg), std::move(dtmfCodes)};
}

Choices ChoicesOf(OptionList list, std::span<const ChoicePiece> pieces, const ListContext& context) {
  switch (list) {
    case OptionList::Fixed: return BuildChoices(pieces, context.language);
    case OptionList::Clarifier: return BuildChoices(pieces.first(context.cbBand ? 2 : pieces.size()), context.language);
    case OptionList::KeyFunction: return KeyFunctionChoices(context);
    case OptionList::RogerPreset: return NumberedChoices(Txt::OptOFF, context.rogerPresets, context.language);
    case OptionList::DtmfCode: {
      Choices choices = NumberedChoices(Txt::OptOFF, {}, context.language);
      choices.insert(choices.end(), context.dtmfCodes.begin(), context.dtmfCodes.end());
      return choices;
    }
  }
  return {};
}

const std::vector<OptionControl>& OptionControls() {
  static const std::vector<OptionControl> controls = MakeControls();
  return controls;
}

const std::vector<PublicRow>& PublicRows() {
  // clang-format off
  static const std::vector<PublicRow> rows = {
      {6, kPublicBot, Txt::DetailBot, OptionList::DtmfCode, {}},
      {7, kPublicEot, Txt::DetailEot, OptionList::DtmfCode, {}},
      {8, kPublicCall, Txt::PubCall, OptionList::DtmfCode, {}},
      {0, kPublicHiCut, Txt::DetailHiCut, OptionList::Fixed, kOptionOffOn},
      {1, kPublicNbAnl, Txt::NbAnlText, OptionList::Fixed,
       {Word(Txt::OptOFF), Word(Txt::NbChoice), Word(Txt::AnlChoice), Word(Txt::NbAnlText)}},
      {2, kPublicEcho, Txt::DetailEcho, OptionList::Fixed, kOptionOffOn},
      {3, kPublicAdd10K, Txt::DetailAdd10K, OptionList::Fixed, kOptionOffOn},
      {9, kPublicRoger, Txt::DetailRoger, OptionList::RogerPreset, {}},
      // Stored in this order: 0 FM ... 5 CW.
      {5, kPublicMode, Txt::DetailMode, OptionList::Fixed,
       {Word(Txt::ModeFm), Word(Txt::ModeAm), Word(Txt::ModeUsb), Word(Txt::ModeLsb), Word(Txt::ModePa),
        Word(Txt::ModeCw)}},
      {4, kPublicPower, Txt::DetailPower, OptionList::Fixed,
       {Word(Txt::PowerLow), Word(Txt::PowerMid), Word(Txt::PowerHigh)}},
  };
  // clang-format on
  return rows;
}

const std::array<PublicBlock, 3>& PublicBlocks() {
  static const std::array<PublicBlock, 3> blocks = {{
      {kCB, 200, Txt::PubFrameCb},
      {kHAM, 300, Txt::PubFrameHam},
      {kHF, 400, Txt::PubFrameHf},
  }};
  return blocks;
}

bool BlockShowsRow(const PublicBlock& block, const PublicRow& row) {
  return !(block.band == kCB && row.param == kPublicAdd10K);
}

Txt RowLabel(const PublicBlock& block, const PublicRow& row) {
  return block.band == kCB && row.param == kPublicRoger ? Txt::PubChanRb : row.label;
}

}  // namespace zq
