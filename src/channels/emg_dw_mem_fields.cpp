#include "channels/emg_dw_mem_fields.h"

namespace zq {
namespace {

using SK = SpecialFieldKind;
constexpr int kNone = -1;

constexpr SpecialField Cb(int row, int column, const char* plan, Txt suffix, SK kind, int setting, int group,
                          bool editable = true) {
  return {SpecialFrame::Cb, row, column, plan, suffix, kind, setting, kCB, group, kNone, editable};
}
constexpr SpecialField Hf(int row, Txt suffix, SK kind, int setting, int bandSetting = kNone) {
  return {SpecialFrame::Hf, row, 0, "HF", suffix, kind, setting, kHF, 0, bandSetting, true};
}
constexpr SpecialField Ham(int row, Txt suffix, SK kind, int setting, int bandSetting = kNone) {
  return {SpecialFrame::Ham, row, 0, "HAM", suffix, kind, setting, kHAM, 0, bandSetting, true};
}

// EmergencySettings: channel 1 and 2 of the six plans (0-5, 6-11), their work
// modes (12-17, 18-23), then HF and HAM band, channel and work mode of each.
// The radio keeps nothing of its own for the UK plan: its rows show the U/UK
// integers against the UK group's channels and cannot be changed.
constexpr SpecialField kEmergencyFields[] = {
    Cb(0, 0, "Eu", Txt::EmgChannel1, SK::CbChannel, 0, 1),
    Cb(0, 1, "Eu", Txt::EmgChannel2, SK::CbChannel, 6, 1),
    Cb(1, 0, "Eu", Txt::EmgChannel1WorkMode, SK::WorkMode, 12, 1),
    Cb(1, 1, "Eu", Txt::EmgChannel2WorkMode, SK::WorkMode, 18, 1),
    Cb(2, 0, "PL", Txt::EmgChannel1, SK::CbChannel, 1, 2),
    Cb(2, 1, "PL", Txt::EmgChannel2, SK::CbChannel, 7, 2),
    Cb(3, 0, "PL", Txt::EmgChannel1WorkMode, SK::WorkMode, 13, 2),
    Cb(3, 1, "PL", Txt::EmgChannel2WorkMode, SK::WorkMode, 19, 2),
    Cb(4, 0, "DE", Txt::EmgChannel1, SK::CbChannel, 2, 3),
    Cb(4, 1, "DE", Txt::EmgChannel2, SK::CbChannel, 8, 3),
    Cb(5, 0, "DE", Txt::EmgChannel1WorkMode, SK::WorkMode, 14, 3),
    Cb(5, 1, "DE", Txt::EmgChannel2WorkMode, SK::WorkMode, 20, 3),
    Cb(6, 0, "EC", Txt::EmgChannel1, SK::CbChannel, 3, 4),
    Cb(6, 1, "EC", Txt::EmgChannel2, SK::CbChannel, 9, 4),
    Cb(7, 0, "EC", Txt::EmgChannel1WorkMode, SK::WorkMode, 15, 4),
    Cb(7, 1, "EC", Txt::EmgChannel2WorkMode, SK::WorkMode, 21, 4),
    Cb(8, 0, "U/UK", Txt::EmgChannel1, SK::CbChannel, 4, 5),
    Cb(8, 1, "U/UK", Txt::EmgChannel2, SK::CbChannel, 10, 5),
    Cb(9, 0, "U/UK", Txt::EmgChannel1WorkMode, SK::WorkMode, 16, 5),
    Cb(9, 1, "U/UK", Txt::EmgChannel2WorkMode, SK::WorkMode, 22, 5),
    Cb(10, 0, "UK", Txt::EmgChannel1, SK::CbChannel, 4, 7, false),
    Cb(10, 1, "UK", Txt::EmgChannel2, SK::CbChannel, 10, 7, false),
    Cb(11, 0, "UK", Txt::EmgChannel1WorkMode, SK::WorkMode, 16, 7, false),
    Cb(11, 1, "UK", Txt::EmgChannel2WorkMode, SK::WorkMode, 22, 7, false),
    Cb(12, 0, "IN", Txt::EmgChannel1, SK::CbChannel, 5, 6),
    Cb(12, 1, "IN", Txt::EmgChannel2, SK::CbChannel, 11, 6),
    Cb(13, 0, "IN", Txt::EmgChannel1WorkMode, SK::WorkMode, 17, 6),
    Cb(13, 1, "IN", Txt::EmgChannel2WorkMode, SK::WorkMode, 23, 6),
    Hf(0, Txt::EmgBand1, SK::BandGroup, 24),
    Hf(1, Txt::EmgChannel1, SK::BandChannel, 26, 24),
    Hf(2, Txt::EmgChannel1WorkMode, SK::WorkMode, 28),
    Hf(3, Txt::EmgBand2, SK::BandGroup, 25),
    Hf(4, Txt::EmgChannel2, SK::BandChannel, 27, 25),
    Hf(5, Txt::EmgChannel2WorkMode, SK::WorkMode, 29),
    Ham(0, Txt::EmgBand1, SK::BandGroup, 30),
    Ham(1, Txt::EmgChannel1, SK::BandChannel, 32, 30),
    Ham(2, Txt::EmgChannel1WorkMode, SK::WorkMode, 34),
    Ham(3, Txt::EmgBand2, SK::BandGroup, 31),
    Ham(4, Txt::EmgChannel2, SK::BandChannel, 33, 31),
    Ham(5, Txt::EmgChannel2WorkMode, SK::WorkMode, 35),
};

// DualWatchSettings: the plans' channels (0-5) and work modes (6-11), then
// HF band, channel, work mode (12-14) and the same for HAM (15-17). The odd
// spacing of some labels is how the radio's documentation prints them.
constexpr SpecialField kDualWatchFields[] = {
    Cb(0, 0, "Eu", Txt::DwChannel, SK::CbChannel, 0, 1),
    Cb(0, 1, "Eu", Txt::DwChannelWorkModeWide, SK::WorkMode, 6, 1),
    Cb(1, 0, "PL", Txt::DwChannel, SK::CbChannel, 1, 2),
    Cb(1, 1, "PL", Txt::DwChannelWorkModeWide, SK::WorkMode, 7, 2),
    Cb(2, 0, "DE", Txt::DwChannel, SK::CbChannel, 2, 3),
    Cb(2, 1, "DE", Txt::DwChannelWorkMode, SK::WorkMode, 8, 3),
    Cb(3, 0, "EC", Txt::DwChannel, SK::CbChannel, 3, 4),
    Cb(3, 1, "EC", Txt::DwChannelWorkMode, SK::WorkMode, 9, 4),
    Cb(4, 0, "U/UK", Txt::DwChannel, SK::CbChannel, 4, 5),
    Cb(4, 1, "U/UK", Txt::DwPlanChannelWorkMode, SK::WorkMode, 10, 5),
    Cb(5, 0, "IN", Txt::DwChannel, SK::CbChannel, 5, 6),
    Cb(5, 1, "IN", Txt::DwChannelWorkMode, SK::WorkMode, 11, 6),
    Hf(0, Txt::DwBand, SK::BandGroup, 12),
    Hf(1, Txt::DwChannel, SK::BandChannel, 13, 12),
    Hf(2, Txt::DwChannelWorkMode, SK::WorkMode, 14),
    Ham(0, Txt::DwBand, SK::BandGroup, 15),
    Ham(1, Txt::DwChannel, SK::BandChannel, 16, 15),
    Ham(2, Txt::DwChannelWorkMode, SK::WorkMode, 17),
};

// MemoryChannelSettings: the plans' memory channels (0-5) and their states
// (6-11), then HF memory channel and state (12, 13), HAM (14, 15).
constexpr SpecialField kMemoryFields[] = {
    Cb(0, 0, "Eu", Txt::MemChannel, SK::CbMemory, 0, 1),
    Cb(0, 1, "Eu", Txt::MemChannelState, SK::State, 6, 1),
    Cb(1, 0, "PL", Txt::MemChannel, SK::CbMemory, 1, 2),
    Cb(1, 1, "PL", Txt::MemChannelState, SK::State, 7, 2),
    Cb(2, 0, "DE", Txt::MemChannel, SK::CbMemory, 2, 3),
    Cb(2, 1, "DE", Txt::MemChannelState, SK::State, 8, 3),
    Cb(3, 0, "EC", Txt::MemChannel, SK::CbMemory, 3, 4),
    Cb(3, 1, "EC", Txt::MemChannelState, SK::State, 9, 4),
    Cb(4, 0, "U/UK", Txt::MemChannel, SK::CbMemory, 4, 5),
    Cb(4, 1, "U/UK", Txt::MemChannelState, SK::State, 10, 5),
    Cb(5, 0, "IN", Txt::MemChannel, SK::CbMemory, 5, 6),
    Cb(5, 1, "IN", Txt::MemChannelState, SK::State, 11, 6),
    Hf(0, Txt::MemChannel, SK::MemChannel, 12),
    Hf(1, Txt::MemChannelState, SK::State, 13),
    Ham(0, Txt::MemChannel, SK::MemChannel, 14),
    Ham(1, Txt::MemChannelState, SK::State, 15),
};

const SpecialWindowDef kWindows[] = {
    {Txt::TreeEmergency, "frm_emg", 36, kEmergencyFields},
    {Txt::TreeDualWatch, "frm_dw", 18, kDualWatchFields},
    {Txt::TreeMemory, "frm_MEM", 16, kMemoryFields},
};

}  // namespace

const SpecialWindowDef& SpecialWindowOf(SpecialWindow window) { return kWindows[static_cast<int>(window)]; }

std::span<int16_t> SettingsOf(RadioConfig& cfg, SpecialWindow window) {
  switch (window) {
    case SpecialWindow::Emergency: return cfg.EmergencySettings;
    case SpecialWindow::DualWatch: return cfg.DualWatchSettings;
    case SpecialWindow::MemoryChannel: break;
  }
  return cfg.MemoryChannelSettings;
}

std::span<const int16_t> SettingsOf(const RadioConfig& cfg, SpecialWindow window) {
  return SettingsOf(const_cast<RadioConfig&>(cfg), window);
}

std::string FieldLabel(const SpecialField& field, int language) {
  return field.prefix + std::string(Text(field.suffix, language));
}

}  // namespace zq
