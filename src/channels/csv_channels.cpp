#include "channels/csv_channels.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <system_error>

#include "channels/channel_rows.h"
#include "channels/csv_text.h"
#include "channels/group_selection.h"
#include "config/channel_slots.h"
#include "config/defaults.h"
#include "platform/atomic_file.h"
#include "platform/utf8_path.h"
#include "text/plain_text.h"

namespace zq {
namespace {

using ColumnFields = std::array<int, kCsvColumnCount>;
using FieldReader = std::optional<CsvMessage> (*)(const CsvLineValues&, ChannelRecord&);
constexpr FieldReader kFieldReaders[] = {ReadDuplex, ReadTones, ReadMode, ReadPower, ReadSkip};

CsvMessage Refusal(Txt text, std::vector<std::string> values = {}) { return {0, text, std::move(values)}; }

std::optional<CsvMessage> RefusalOfText(BandGroup group, std::string_view text) {
  if ((group.band != kHF && group.band != kHAM) || !IsGroup(group)) return Refusal(Txt::CsvImportOnlyHfHam);
  if (text.size() > kCsvMaxBytes || CountLines(text) > kCsvMaxLines) return Refusal(Txt::CsvFileTooLarge);
  if (text.find('\0') != std::string_view::npos) return Refusal(Txt::CsvNotText);
  return std::nullopt;
}

// Which field of a line holds each column; -1 for a column the file lacks.
// Nothing when the header cannot be read or names no Frequency, or no Location
// where the lines go by Location.
std::optional<ColumnFields> ColumnsOfHeader(const CsvRecord& header, CsvRows rows) {
  if (header.error) return std::nullopt;
  ColumnFields fields;
  fields.fill(-1);
  for (std::size_t f = 0; f < header.fields.size(); ++f) {
    auto column = ColumnOfName(header.fields[f]);
    if (column && fields[int(*column)] < 0) fields[int(*column)] = static_cast<int>(f);
  }
  bool location = rows == CsvRows::InFileOrder || fields[int(CsvColumn::Location)] >= 0;
  return location && fields[int(CsvColumn::Frequency)] >= 0 ? std::optional(fields) : std::nullopt;
}

// A spreadsheet set to a language that writes decimal commas saves "CSV" with
// semicolons between the values; such a first line reads as one field.
Txt HeaderRefusal(const std::vector<CsvRecord>& records) {
  if (!records.empty())
    for (const std::string& field : records.front().fields)
      if (field.find(';') != std::string::npos) return Txt::CsvSemicolonSeparated;
  return Txt::CsvHeaderMissing;
}

class GroupImport {
 public:
  GroupImport(RadioConfig& cfg, BandGroup group, CsvRows rows) : cfg_(cfg), group_(group), rows_(rows) {
    result_.repeaterOffset = cfg.Options.TxRepeaterOffset();
  }

  void ReadLine(const CsvRecord& record, const ColumnFields& columns) {
    if (record.error) return Skip(record.line, {0, *record.error, {}});
    CsvLineValues line(columns, record.fields);
    if (line.AllBlank()) return;
    if (rows_ == CsvRows::InFileOrder) {
      Plan(record.line, line, nullptr, NewChannelRecord(0));  // its row is the lowest free one when stored
      return;
    }
    std::string location(line[CsvColumn::Location].value_or(""));
    auto row = ParseInteger(location);
    if (!row) return Skip(record.line, {0, Txt::CsvLocationNotNumber, {location}});
    int rows = GroupCapacity(group_);
    if (*row < 1 || *row > rows)
      return Skip(record.line, {0, Txt::CsvLocationOutsideGroup, {std::to_string(*row), std::to_string(rows)}});
    int channelRow = static_cast<int>(*row);
    if (auto earlier = lineOfRow_.find(channelRow); earlier != lineOfRow_.end())
      return Skip(record.line, {0, Txt::CsvLocationRepeated, {location, std::to_string(earlier->second)}});

    const ChannelRecord* existing = RecordAtRow(cfg_, group_, channelRow);
    if (Plan(record.line, line, existing, existing ? *existing : NewChannelRecord(channelRow)))
      lineOfRow_[channelRow] = record.line;
  }

  // Nothing is stored before every line has been read.
  CsvImportResult Store() {
    for (Planned& p : planned_) StoreChannel(p);
    if (result_.created > 0) RevalidateGroupSelections(cfg_, group_.band);
    std::stable_sort(result_.skippedLines.begin(), result_.skippedLines.end(),
                     [](const CsvMessage& a, const CsvMessage& b) { return a.line < b.line; });
    return std::move(result_);
  }

 private:
  struct Planned {
    int line;
    ChannelRecord channel;
    CsvDropped dropped;
  };

  // The line's values over `channel`; false (and the line skipped) when one cannot be taken.
  bool Plan(int lineNumber, const CsvLineValues& line, const ChannelRecord* existing, ChannelRecord channel) {
    std::optional<CsvMessage> problem = ReadFrequency(line, channel, group_.band);
    for (FieldReader read : kFieldReaders)
      if (!problem) problem = read(line, channel);
    if (problem) {
      Skip(lineNumber, *problem);
      return false;
    }
    if (!existing) channel.TxFrequency = channel.RxFrequency;
    channel.Enabled = 1;
    planned_.push_back({lineNumber, channel, DroppedValues(line, result_.repeaterOffset)});
    return true;
  }

  void Skip(int line, CsvMessage message) {
    message.line = line;
    result_.skippedLines.push_back(std::move(message));
  }

  int LowestFreeRow() const {
    for (int row = 1, rows = GroupCapacity(group_); row <= rows; ++row)
      if (FindSlotOfNumber(cfg_, group_, row) == 0) return row;
    return 0;
  }

  void StoreChannel(Planned& p) {
    if (rows_ == CsvRows::InFileOrder) p.channel.Number = static_cast<int16_t>(LowestFreeRow());
    int position = p.channel.Number == 0 ? 0 : FindSlotOfNumber(cfg_, group_, p.channel.Number);
    if (position == 0) {
      if (p.channel.Number == 0 || !AppendSlot(cfg_, group_, p.channel))
        return Skip(p.line, {0, Txt::CsvGroupFull, {}});
      ++result_.created;
    } else if (ChannelRecord& current = cfg_.Channel(group_, position); current != p.channel) {
      current = p.channel;
      ++result_.changed;
    }
    result_.droppedNames += p.dropped.name;
    result_.droppedComments += p.dropped.comment;
    result_.droppedOffsets += p.dropped.offset;
  }

  RadioConfig& cfg_;
  BandGroup group_;
  CsvRows rows_;
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

std::string ExportChannelsCsv(const RadioConfig& cfg, BandGroup group) {
  std::vector<std::string> header(kCsvColumnNames.begin(), kCsvColumnNames.end());
  std::string out = CsvRecordText(header);
  int repeaterOffset = cfg.Options.TxRepeaterOffset();
  for (int row = 1, rows = GridRowCount(group); row <= rows; ++row) {
    const ChannelRecord* record = ChannelAtRow(cfg, group, row);
    if (record == nullptr) continue;
    if (auto line = ChannelToCsv(*record, group.band, row, GetCHName(group, row), repeaterOffset))
      out += CsvRecordText(*line);
  }
  return out;
}

std::optional<CsvMessage> ExportChannelsCsvFile(const RadioConfig& cfg, BandGroup group,
                                                const std::filesystem::path& path) {
  if (WriteFileAtomically(path, ExportChannelsCsv(cfg, group))) return std::nullopt;
  return Refusal(Txt::CsvCannotWrite, {Utf8OfPath(path)});
}

CsvImportResult ImportChannelsCsv(RadioConfig& cfg, BandGroup group, std::string_view text, CsvRows rows) {
  if (auto refusal = RefusalOfText(group, text)) return {refusal};
  std::vector<CsvRecord> records = ReadCsvRecords(text);
  auto columns = records.empty() ? std::nullopt : ColumnsOfHeader(records.front(), rows);
  if (!columns) return {Refusal(HeaderRefusal(records))};

  GroupImport import(cfg, group, rows);
  for (std::size_t k = 1; k < records.size(); ++k) import.ReadLine(records[k], *columns);
  return import.Store();
}

CsvImportResult ImportChannelsCsvFile(RadioConfig& cfg, BandGroup group, const std::filesystem::path& path,
                                      CsvRows rows) {
  auto text = ReadFileStart(path);
  if (!text) return {Refusal(Txt::CsvCannotRead, {Utf8OfPath(path)})};
  return ImportChannelsCsv(cfg, group, *text, rows);
}

std::string ImportSummary(const CsvImportResult& result, int language) {
  const auto skipped = static_cast<long long>(result.skippedLines.size());
  return FillIn(Text(Txt::CsvImportSummary, language),
                {std::to_string(result.created), std::to_string(result.changed),
                 CountText(skipped, Txt::CsvLineSkipped, Txt::CsvLinesSkipped, language)});
}

std::optional<std::string> DroppedSummary(const CsvImportResult& result, int language) {
  if (result.droppedNames + result.droppedComments + result.droppedOffsets == 0) return std::nullopt;
  return FillIn(Text(Txt::CsvDroppedSummary, language),
                {CountText(result.droppedNames, Txt::CsvDroppedName, Txt::CsvDroppedNames, language),
                 CountText(result.droppedComments, Txt::CsvDroppedComment, Txt::CsvDroppedComments, language),
                 CountText(result.droppedOffsets, Txt::CsvDroppedOffset, Txt::CsvDroppedOffsets, language),
                 FormatFixed(result.repeaterOffset / 10000.0, 4)});
}

}  // namespace zq
