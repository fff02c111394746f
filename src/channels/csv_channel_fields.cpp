#include "channels/csv_channel_fields.h"

#include <cctype>
#include <cmath>
#include <span>

#include "channels/list_entries.h"
#include "channels/tone_codes.h"
#include "text/letter_case.h"
#include "text/plain_text.h"

namespace zq {
namespace {

constexpr int kCsvFrequencyDecimals = 6;  // what other programmers write: whole hertz
constexpr int kStoredDecimals = 5;        // what the channel editor stores

constexpr int kModeFm = static_cast<int>(ChannelMode::FM);
constexpr int kModePa = static_cast<int>(ChannelMode::PA);
struct ModeName {
  int code;
  std::string_view text;
};
// Written by the first entry of a code; NFM is read as FM because files made
// for narrow-FM radios name the same mode so. PA (public address) is not a
// modulation other programs know: it is written as FM with the comment "PA".
constexpr ModeName kCsvModeNames[] = {{kModeFm, "FM"},
                                      {static_cast<int>(ChannelMode::AM), "AM"},
                                      {static_cast<int>(ChannelMode::USB), "USB"},
                                      {static_cast<int>(ChannelMode::LSB), "LSB"},
                                      {static_cast<int>(ChannelMode::CW), "CW"},
                                      {kModeFm, "NFM"}};
constexpr std::string_view kPaComment = "PA";

constexpr std::string_view kPowerNames[] = {"Low", "Mid", "High"};  // PowerLevel 0-2
// Files made for other radios give power in watts ("50W", "5.0W"). This is a
// mobile set: below 10 W counts as Low, from 10 W as Mid, from 25 W as High.
struct PowerStep {
  double fromWatts;
  int level;
};
constexpr PowerStep kPowerSteps[] = {{25.0, 2}, {10.0, 1}, {0.0, 0}};
constexpr std::string_view kDuplexNames[] = {"", "+", "-"};  // Rep 0 Off, 1 Add, 2 SUBB

// Scan list: "S" leaves the channel out; "P" (priority) has no match in the
// radio and is read as scanned.
constexpr std::string_view kSkipped = "S";
constexpr std::string_view kPriority = "P";

// Tuning steps offered to other programs, largest first: the first that
// divides the frequency is written.
struct StepName {
  long long hz;
  std::string_view text;
};
constexpr StepName kSteps[] = {{10000, "10.00"}, {5000, "5.00"}, {2500, "2.50"}, {1000, "1.00"}, {500, "0.50"}};

// The tone columns and the columns' conventions: one row per tone setting.
// TSQL uses cToneFreq both ways and DTCS uses DtcsCode both ways; the cross
// modes name each direction's column separately. The first row that fits a
// channel is the one written.
enum class ToneColumn { None, RTone, CTone, Dtcs, RxDtcs };
struct ToneMode {
  std::string_view tone;
  std::string_view cross;
  ToneColumn tx, rx;
};
constexpr std::string_view kCross = "Cross";
constexpr std::string_view kNoCross = "Tone->Tone";  // written on lines that are not Cross
constexpr ToneMode kToneModes[] = {
    {"", "", ToneColumn::None, ToneColumn::None},
    {"Tone", "", ToneColumn::RTone, ToneColumn::None},
    {"TSQL", "", ToneColumn::CTone, ToneColumn::CTone},
    {"DTCS", "", ToneColumn::Dtcs, ToneColumn::Dtcs},
    {kCross, "Tone->Tone", ToneColumn::RTone, ToneColumn::CTone},
    {kCross, "DTCS->", ToneColumn::Dtcs, ToneColumn::None},
    {kCross, "->DTCS", ToneColumn::None, ToneColumn::RxDtcs},
    {kCross, "Tone->DTCS", ToneColumn::RTone, ToneColumn::RxDtcs},
    {kCross, "DTCS->Tone", ToneColumn::Dtcs, ToneColumn::CTone},
    {kCross, "->Tone", ToneColumn::None, ToneColumn::CTone},
    {kCross, "DTCS->DTCS", ToneColumn::Dtcs, ToneColumn::RxDtcs},
};
constexpr std::string_view kDefaultCtcss = "88.5";
constexpr std::string_view kDefaultDcs = "023";
constexpr std::string_view kNormalPolarity = "NN";

int ToneTypeOf(ToneColumn c) {
  if (c == ToneColumn::RTone || c == ToneColumn::CTone) return kToneCtcss;
  if (c == ToneColumn::Dtcs || c == ToneColumn::RxDtcs) return kToneDcs;
  return kToneOff;
}

CsvColumn ColumnOf(ToneColumn c) {
  switch (c) {
    case ToneColumn::RTone: return CsvColumn::RToneFreq;
    case ToneColumn::CTone: return CsvColumn::CToneFreq;
    case ToneColumn::Dtcs: return CsvColumn::DtcsCode;
    default: return CsvColumn::RxDtcsCode;
  }
}

// Position of a name in a list, letters in either case; -1 when none.
int IndexOfName(std::span<const std::string_view> names, std::string_view value) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (SameIgnoringCase(names[i], value)) return static_cast<int>(i);
  return -1;
}

std::string& Cell(CsvRow& row, CsvColumn column) { return row[static_cast<int>(column)]; }

CsvMessage Problem(Txt text, std::vector<std::string> values) { return {0, text, std::move(values)}; }

std::string CtcssValue(int position) { return FormatFixed(kCtcssTenthsHz[position] / 10.0, 1); }

void WriteTones(const ChannelRecord& r, CsvRow& row) {
  ShownToneCode tx = ShowToneCode(r.TxToneType, r.TxCtcss, r.TxDcs);
  ShownToneCode rx = ShowToneCode(r.RxToneType, r.RxCtcss, r.RxDcs);
  for (const ToneMode& mode : kToneModes) {
    if (ToneTypeOf(mode.tx) != tx.toneType || ToneTypeOf(mode.rx) != rx.toneType) continue;
    bool sharedColumn = mode.tx == mode.rx && mode.tx != ToneColumn::None;
    if (sharedColumn && tx.entry != rx.entry) continue;
    Cell(row, CsvColumn::Tone) = mode.tone;
    Cell(row, CsvColumn::CrossMode) = mode.cross.empty() ? kNoCross : mode.cross;
    break;
  }
  // Columns a channel does not use repeat the code it does use, so that a
  // program that changes the tone mode of the line finds the code in place.
  std::string ctcss(kDefaultCtcss), dcs(kDefaultDcs);
  for (const ShownToneCode& side : {rx, tx}) {
    if (side.toneType == kToneCtcss) ctcss = CtcssValue(side.entry);
    if (side.toneType == kToneDcs) dcs = kDcsCodes[side.entry];
  }
  Cell(row, CsvColumn::RToneFreq) = tx.toneType == kToneCtcss ? CtcssValue(tx.entry) : ctcss;
  Cell(row, CsvColumn::CToneFreq) = rx.toneType == kToneCtcss ? CtcssValue(rx.entry) : ctcss;
  Cell(row, CsvColumn::DtcsCode) = tx.toneType == kToneDcs ? kDcsCodes[tx.entry] : dcs;
  Cell(row, CsvColumn::RxDtcsCode) = rx.toneType == kToneDcs ? kDcsCodes[rx.entry] : dcs;
  Cell(row, CsvColumn::DtcsPolarity) = kNormalPolarity;
}

std::string StepText(double mhz) {
  long long hz = std::llround(mhz * 1e6);
  for (const StepName& step : kSteps)
    if (hz % step.hz == 0) return std::string(step.text);
  return {};
}

std::string_view ModeText(int code) {
  int shown = ShownEntry(code, kChannelModeCount);
  if (shown == kModePa) shown = kModeFm;
  for (const ModeName& mode : kCsvModeNames)
    if (mode.code == shown) return mode.text;
  return kCsvModeNames[0].text;
}

// Only a value that is a tone of the list to the tenth of a hertz is taken:
// another tone would make the channel deaf to the station it was set up for.
std::optional<CsvMessage> FindCtcss(std::string_view value, CsvColumn column, int& position) {
  auto hz = ParseNumber(value);
  double tenths = hz && *hz > 0 && *hz < 1000 ? *hz * 10 : -1;
  long long nearest = std::llround(tenths);
  for (int i = 0; i < kCtcssCount; ++i) {
    if (kCtcssTenthsHz[i] != nearest || std::fabs(tenths - nearest) > 1e-6) continue;
    position = i;
    return std::nullopt;
  }
  return Problem(Txt::CsvCtcssNotInList, {std::string(kCsvColumnNames[int(column)]), std::string(value)});
}

std::optional<CsvMessage> FindDcs(std::string_view value, CsvColumn column, int& position) {
  if (IsAllDigits(value) && value.size() <= 3) {
    std::string code = std::string(3 - value.size(), '0') + std::string(value);
    for (int i = 0; i < kDcsCount; ++i) {
      if (code != kDcsCodes[i]) continue;
      position = i;
      return std::nullopt;
    }
  }
  return Problem(Txt::CsvDcsNotInList, {std::string(kCsvColumnNames[int(column)]), std::string(value)});
}

// The list position of the code a tone column holds.
std::optional<CsvMessage> FindToneCode(const CsvLineValues& line, ToneColumn c, int& position) {
  CsvColumn column = ColumnOf(c);
  std::string_view value = line[column].value_or("");
  return ToneTypeOf(c) == kToneCtcss ? FindCtcss(value, column, position) : FindDcs(value, column, position);
}

const ToneMode* FindToneMode(std::string_view tone, std::string_view cross) {
  for (const ToneMode& mode : kToneModes)
    if (SameIgnoringCase(mode.tone, tone) && (mode.tone != kCross || SameIgnoringCase(mode.cross, cross))) return &mode;
  return nullptr;
}

// The radio knows normal DCS codes only: a direction that uses DCS must be "N"
// in DtcsPolarity (transmit first, receive second). An empty or missing
// polarity is normal.
bool PolarityFits(std::string_view polarity, const ToneMode& mode) {
  if (polarity.empty()) return true;
  if (polarity.size() != 2) return false;
  auto fits = [](char p, ToneColumn c) { return ToneTypeOf(c) != kToneDcs || p == 'N' || p == 'n'; };
  return fits(polarity[0], mode.tx) && fits(polarity[1], mode.rx);
}

void SetDirection(int16_t& type, int16_t& ctcss, int16_t& dcs, ToneColumn c, int position) {
  type = static_cast<int16_t>(ToneTypeOf(c));
  if (type == kToneCtcss) ctcss = static_cast<int16_t>(position);
  if (type == kToneDcs) dcs = static_cast<int16_t>(position);
}

const ModeName* FindMode(std::string_view name) {
  for (const ModeName& mode : kCsvModeNames)
    if (SameIgnoringCase(mode.text, name)) return &mode;
  return nullptr;
}

// An FM line whose comment is "PA" is a PA channel.
bool MarksPublicAddress(const CsvLineValues& line) {
  const ModeName* mode = FindMode(line[CsvColumn::Mode].value_or(""));
  return mode && mode->code == kModeFm && SameIgnoringCase(line[CsvColumn::Comment].value_or(""), kPaComment);
}

// "12" or "M3": the row label export writes as the name, which names nothing.
bool IsRowLabel(std::string_view name) {
  if (!name.empty() && (name.front() == 'M' || name.front() == 'm')) name.remove_prefix(1);
  return IsAllDigits(name);
}

// A value quoted from a damaged file can fill a megabyte on one line; a message
// (a message box, above all) shows its start.
constexpr std::size_t kMaxQuotedBytes = 40;

}  // namespace

std::string MessageText(const CsvMessage& message, int language) {
  // Values quoted from a line are cut; a message about the whole file names the file in full.
  std::vector<std::string> shown;
  for (const std::string& value : message.values)
    shown.push_back(message.line > 0 ? StartForMessage(value, kMaxQuotedBytes) : value);
  std::string text = FillIn(Text(message.text, language), shown);
  if (message.line <= 0) return text;
  return FillIn(Text(Txt::CsvLineMessage, language), {std::to_string(message.line), text});
}

std::optional<CsvColumn> ColumnOfName(std::string_view name) {
  int index = IndexOfName(kCsvColumnNames, Trim(name));
  return index < 0 ? std::nullopt : std::optional(static_cast<CsvColumn>(index));
}

std::optional<CsvRow> ChannelToCsv(const ChannelRecord& record, Band band, int row, const std::string& label,
                                   int repeaterOffset) {
  auto mhz = StoredFrequencyMhz(record.RxFrequency.view());
  if (!mhz) return std::nullopt;
  CsvRow line;
  int rep = band == kCB ? 0 : ShownEntry(record.Rep, static_cast<int>(std::size(kDuplexNames)));
  Cell(line, CsvColumn::Location) = std::to_string(row);
  Cell(line, CsvColumn::Name) = label;
  Cell(line, CsvColumn::Frequency) = FormatFixed(*mhz, kCsvFrequencyDecimals);
  Cell(line, CsvColumn::Duplex) = kDuplexNames[rep];
  Cell(line, CsvColumn::Offset) = FormatFixed(rep == 0 ? 0.0 : repeaterOffset / 10000.0, kCsvFrequencyDecimals);
  WriteTones(record, line);
  Cell(line, CsvColumn::Mode) = ModeText(record.Mode);
  Cell(line, CsvColumn::TStep) = StepText(*mhz);
  Cell(line, CsvColumn::Skip) = ShownEntry(record.ScanAdd, 2) == 1 ? "" : kSkipped;
  Cell(line, CsvColumn::Power) = kPowerNames[ShownEntry(record.PowerLevel, static_cast<int>(std::size(kPowerNames)))];
  if (record.Mode == kModePa) Cell(line, CsvColumn::Comment) = kPaComment;
  return line;
}

std::optional<std::string_view> CsvLineValues::operator[](CsvColumn column) const {
  int field = fieldOfColumn_[static_cast<int>(column)];
  if (field < 0) return std::nullopt;
  if (field >= static_cast<int>(fields_.size())) return std::string_view();
  return Trim(fields_[field]);
}

bool CsvLineValues::AllBlank() const {
  for (const std::string& field : fields_)
    if (!Trim(field).empty()) return false;
  return true;
}

CsvDropped DroppedValues(const CsvLineValues& line, int repeaterOffset) {
  CsvDropped dropped;
  std::string_view name = line[CsvColumn::Name].value_or("");
  dropped.name = !name.empty() && !IsRowLabel(name);
  std::string_view comment = line[CsvColumn::Comment].value_or("");
  dropped.comment = !comment.empty() && !MarksPublicAddress(line);
  // A simplex line's offset means nothing; a shifted one uses the radio-wide offset.
  bool shifted = IndexOfName(kDuplexNames, line[CsvColumn::Duplex].value_or("")) > 0;
  std::string_view offset = line[CsvColumn::Offset].value_or("");
  if (shifted && !offset.empty()) {
    auto mhz = ParseNumber(offset);
    dropped.offset = !mhz || std::llround(*mhz * 1e6) != repeaterOffset * 100LL;
  }
  return dropped;
}

std::optional<CsvMessage> ReadFrequency(const CsvLineValues& line, ChannelRecord& record, Band band) {
  std::string value(line[CsvColumn::Frequency].value_or(""));
  auto mhz = ParseNumber(value);
  if (!mhz) return Problem(Txt::CsvFrequencyNotNumber, {value});
  FrequencyLimits limits = LimitsOfBand(band);
  CheckedFrequency checked = CheckFrequency(*mhz, false, limits);
  auto stored = checked.outOfRange ? std::nullopt : StoredFromEntry(FormatFixed(checked.mhz, kStoredDecimals), limits);
  if (!stored) return Problem(Txt::CsvFrequencyOutOfRange, {value, kBandEntries[BandIndex(band)].rangeText});
  // The same frequency keeps its stored text (a radio read stores eight digits).
  auto current = StoredFrequencyMhz(record.RxFrequency.view());
  if (!current || std::llround(*current * 1e6) != std::llround(checked.mhz * 1e6)) record.RxFrequency = *stored;
  return std::nullopt;
}

std::optional<CsvMessage> ReadDuplex(const CsvLineValues& line, ChannelRecord& record) {
  auto value = line[CsvColumn::Duplex];
  if (!value) return std::nullopt;
  int rep = IndexOfName(kDuplexNames, *value);
  if (rep < 0) return Problem(Txt::CsvDuplexUnsupported, {std::string(*value)});
  record.Rep = static_cast<int16_t>(rep);
  return std::nullopt;
}

std::optional<CsvMessage> ReadTones(const CsvLineValues& line, ChannelRecord& record) {
  auto tone = line[CsvColumn::Tone];
  if (!tone) return std::nullopt;
  std::string_view cross = line[CsvColumn::CrossMode].value_or("");
  const ToneMode* mode = FindToneMode(*tone, cross);
  if (!mode && SameIgnoringCase(*tone, kCross)) return Problem(Txt::CsvCrossModeUnsupported, {std::string(cross)});
  if (!mode) return Problem(Txt::CsvToneModeUnsupported, {std::string(*tone)});

  int txPosition = 0, rxPosition = 0;
  if (mode->tx != ToneColumn::None)
    if (auto problem = FindToneCode(line, mode->tx, txPosition)) return problem;
  if (mode->rx != ToneColumn::None)
    if (auto problem = FindToneCode(line, mode->rx, rxPosition)) return problem;
  std::string_view polarity = line[CsvColumn::DtcsPolarity].value_or("");
  if (!PolarityFits(polarity, *mode)) return Problem(Txt::CsvDcsPolarityUnsupported, {std::string(polarity)});

  SetDirection(record.TxToneType, record.TxCtcss, record.TxDcs, mode->tx, txPosition);
  SetDirection(record.RxToneType, record.RxCtcss, record.RxDcs, mode->rx, rxPosition);
  return std::nullopt;
}

std::optional<CsvMessage> ReadMode(const CsvLineValues& line, ChannelRecord& record) {
  auto value = line[CsvColumn::Mode];
  if (!value || value->empty()) return std::nullopt;
  const ModeName* mode = FindMode(*value);
  if (!mode) return Problem(Txt::CsvModeUnsupported, {std::string(*value)});
  record.Mode = static_cast<int16_t>(MarksPublicAddress(line) ? kModePa : mode->code);
  return std::nullopt;
}

// The level of a power in watts ("50W", "5.0 W"); -1 for anything else.
int LevelOfWatts(std::string_view value) {
  if (value.empty() || (value.back() != 'W' && value.back() != 'w')) return -1;
  auto watts = ParseNumber(Trim(value.substr(0, value.size() - 1)));
  if (!watts) return -1;
  for (const PowerStep& step : kPowerSteps)
    if (*watts >= step.fromWatts) return step.level;
  return -1;
}

std::optional<CsvMessage> ReadPower(const CsvLineValues& line, ChannelRecord& record) {
  auto value = line[CsvColumn::Power];
  if (!value || value->empty()) return std::nullopt;
  int level = IndexOfName(kPowerNames, *value);
  if (level < 0) level = LevelOfWatts(*value);
  if (level < 0) return Problem(Txt::CsvPowerUnsupported, {std::string(*value)});
  record.PowerLevel = static_cast<int16_t>(level);
  return std::nullopt;
}

std::optional<CsvMessage> ReadSkip(const CsvLineValues& line, ChannelRecord& record) {
  auto value = line[CsvColumn::Skip];
  if (!value) return std::nullopt;
  bool scanned = value->empty() || SameIgnoringCase(*value, kPriority);
  if (!scanned && !SameIgnoringCase(*value, kSkipped)) return Problem(Txt::CsvSkipUnsupported, {std::string(*value)});
  record.ScanAdd = scanned ? 1 : 0;
  return std::nullopt;
}

}  // namespace zq
