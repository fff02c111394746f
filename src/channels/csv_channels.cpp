#include "channels/csv_channels.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <system_error>

#include "channels/channel_rows.h"
#include "config/channel_slots.h"
#include "channels/csv_text.h"
#include "channels/group_selection.h"
#include "config/defaults.h"
#include "config/text_rules.h"
#include "platform/atomic_file.h"
#include "platform/utf8_path.h"

namespace zq {
namespace {

using ColumnFields = std::array<int, kCsvColumnCount>;
using FieldReader = std::optional<CsvMessage> (*)(const CsvLineValues&, ChannelRecord&);
constexpr FieldReader kFieldReaders[] = {ReadDuplex, ReadTones, ReadMode, ReadPower, ReadSkip};

CsvMessage Refusal(Txt text, std::vector<std::string> values = {}) { return {0, text, std::move(values)}; }

bool ExportsRow(const RadioConfig& cfg, int band, int group, int row, const ChannelRecord*& record) {
  record = RecordAtRow(cfg, band, group, row);
  if (!record) return false;
  // A CB memory row always has its special slot; only a slot in use is a channel.
  return TargetOfRow(band, group, row).kind != RowKind::CbMemory || record->Enabled == 1;
}

std::optional<CsvMessage> RefusalOfText(int band, int group, std::string_view text) {
  if ((band != kHF && band != kHAM) || !IsGroup(band, group)) return Refusal(Txt::CsvImportOnlyHfHam);
  if (text.size() > kCsvMaxBytes || CountLines(text) > kCsvMaxLines) return Refusal(Txt::CsvFileTooLarge);
  if (text.find('\0') != std::string_view::npos) return Refusal(Txt::CsvNotText);
  return std::nullopt;
}

// Which field of a line holds each column; -1 for a column the file lacks.
// Nothing when the header cannot be read or names no Location or Frequency.
std::optional<ColumnFields> ColumnsOfHeader(const CsvRecord& header) {
  if (header.error) return std::nullopt;
  ColumnFields fields;
  fields.fill(-1);
  for (std::size_t f = 0; f < header.fields.size(); ++f) {
    auto column = ColumnOfName(header.fields[f]);
    if (column && fields[int(*column)] < 0) fields[int(*column)] = static_cast<int>(f);
  }
  bool required = fields[int(CsvColumn::Location)] >= 0 && fields[int(CsvColumn::Frequency)] >= 0;
  return required ? std::optional(fields) : std::nullopt;
}

class GroupImport {
 public:
  GroupImport(RadioConfig& cfg, int band, int group) : cfg_(cfg), band_(band), group_(group) {}

  void ReadLine(const CsvRecord& record, const ColumnFields& columns) {
    if (record.error) return Skip(record.line, {0, *record.error, {}});
    CsvLineValues line(columns, record.fields);
    if (line.AllBlank()) return;
    std::string location(line[CsvColumn::Location].value_or(""));
    auto row = ParseInteger(location);
    if (!row) return Skip(record.line, {0, Txt::CsvLocationNotNumber, {location}});
    int rows = GroupCapacity(band_, group_);
    if (*row < 1 || *row > rows)
      return Skip(record.line, {0, Txt::CsvLocationOutsideGroup, {std::to_string(*row), std::to_string(rows)}});
    int channelRow = static_cast<int>(*row);
    if (auto earlier = lineOfRow_.find(channelRow); earlier != lineOfRow_.end())
      return Skip(record.line, {0, Txt::CsvLocationRepeated, {location, std::to_string(earlier->second)}});

    const ChannelRecord* existing = RecordAtRow(cfg_, band_, group_, channelRow);
    ChannelRecord channel = existing ? *existing : NewChannelRecord(channelRow);
    std::optional<CsvMessage> problem = ReadFrequency(line, channel, band_);
    for (FieldReader read : kFieldReaders)
      if (!problem) problem = read(line, channel);
    if (problem) return Skip(record.line, *problem);

    if (!existing) channel.TxFrequency = channel.RxFrequency;
    channel.Enabled = 1;
    lineOfRow_[channelRow] = record.line;
    planned_.push_back({record.line, channel});
  }

  // Nothing is stored before every line has been read.
  CsvImportResult Store() {
    for (const Planned& p : planned_) StoreChannel(p);
    if (result_.created > 0) RevalidateGroupSelections(cfg_, band_);
    std::stable_sort(result_.skippedLines.begin(), result_.skippedLines.end(),
                     [](const CsvMessage& a, const CsvMessage& b) { return a.line < b.line; });
    return std::move(result_);
  }

 private:
  struct Planned {
    int line;
    ChannelRecord channel;
  };

  void Skip(int line, CsvMessage message) {
    message.line = line;
    result_.skippedLines.push_back(std::move(message));
  }

  void StoreChannel(const Planned& p) {
    int position = FindSlotOfNumber(cfg_, band_, group_, p.channel.Number);
    if (position == 0) {
      if (AppendSlot(cfg_, band_, group_, p.channel))
        ++result_.created;
      else
        Skip(p.line, {0, Txt::CsvGroupFull, {}});
      return;
    }
    ChannelRecord& current = cfg_.Channel(band_, group_, position);
    if (current == p.channel) return;
    current = p.channel;
    ++result_.changed;
  }

  RadioConfig& cfg_;
  int band_, group_;
  std::map<int, int> lineOfRow_;
  std::vector<Planned> planned_;
  CsvImportResult result_;
};

// At most one byte more than an import takes, so a huge file is refused
// without being read whole. Only a regular file: opening a pipe would wait
// for a writer that may never come.
std::optional<std::string> ReadFileStart(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(kCsvMaxBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return std::nullopt;
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

}  // namespace

std::string ExportChannelsCsv(const RadioConfig& cfg, int band, int group) {
  std::vector<std::string> header(kCsvColumnNames.begin(), kCsvColumnNames.end());
  std::string out = CsvRecordText(header);
  int repeaterOffset = cfg.Options.TxRepeaterOffset();
  for (int row = 1, rows = GridRowCount(band, group); row <= rows; ++row) {
    const ChannelRecord* record = nullptr;
    if (!ExportsRow(cfg, band, group, row, record)) continue;
    if (auto line = ChannelToCsv(*record, band, row, GetCHName(band, group, row), repeaterOffset))
      out += CsvRecordText(*line);
  }
  return out;
}

std::optional<CsvMessage> ExportChannelsCsvFile(const RadioConfig& cfg, int band, int group,
                                                const std::filesystem::path& path) {
  if (WriteFileAtomically(path, ExportChannelsCsv(cfg, band, group))) return std::nullopt;
  return Refusal(Txt::CsvCannotWrite, {Utf8OfPath(path)});
}

CsvImportResult ImportChannelsCsv(RadioConfig& cfg, int band, int group, std::string_view text) {
  if (auto refusal = RefusalOfText(band, group, text)) return {refusal};
  std::vector<CsvRecord> records = ReadCsvRecords(text);
  auto columns = records.empty() ? std::nullopt : ColumnsOfHeader(records.front());
  if (!columns) return {Refusal(Txt::CsvHeaderMissing)};

  GroupImport import(cfg, band, group);
  for (std::size_t k = 1; k < records.size(); ++k) import.ReadLine(records[k], *columns);
  return import.Store();
}

CsvImportResult ImportChannelsCsvFile(RadioConfig& cfg, int band, int group, const std::filesystem::path& path) {
  auto text = ReadFileStart(path);
  if (!text) return {Refusal(Txt::CsvCannotRead, {Utf8OfPath(path)})};
  return ImportChannelsCsv(cfg, band, group, *text);
}

std::string ImportSummary(const CsvImportResult& result, int language) {
  return FillIn(Text(Txt::CsvImportSummary, language),
                {std::to_string(result.created), std::to_string(result.changed),
                 std::to_string(result.skippedLines.size())});
}

}  // namespace zq
