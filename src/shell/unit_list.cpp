#include "shell/unit_list.h"

#include "channels/csv_text.h"
#include "datafile/json_document.h"
#include "datafile/json_tree.h"
#include "datafile/working_copy.h"
#include "link/transfer_ranges.h"

namespace zq {
namespace {

using nlohmann::ordered_json;

// A cell as the member's JSON value: texts stay texts; a number member gets
// the number written, and anything else as a text, which load-json refuses.
ordered_json CellValue(const ordered_json& current, const std::string& cell) {
  if (current.is_string()) return cell;
  ordered_json number = ordered_json::parse(cell, nullptr, false);
  return number.is_number() ? number : ordered_json(cell);
}

// A plain value of the document at a dump name; nothing for any other name.
const ordered_json* MemberAt(const ordered_json& document, const std::string& name) {
  if (name.empty() || name.front() != '/') return nullptr;
  try {
    const ordered_json& value = document.at(ordered_json::json_pointer(name));
    return value.is_primitive() && !value.is_null() ? &value : nullptr;
  } catch (const ordered_json::exception&) {
    return nullptr;
  }
}

JsonResult WithValues(ordered_json document, const std::vector<std::string>& members,
                      const std::vector<std::string>& values, WorkingCopy& out) {
  for (std::size_t k = 0; k < members.size(); ++k) {
    ordered_json& member = document[ordered_json::json_pointer(members[k])];
    member = CellValue(member, values[k]);
  }
  return LoadJson(document.dump(), out);
}

RadioConfig UnpackedStored(const WorkingCopy& stored, DocumentState doc) {
  RadioConfig cfg;
  UnpackFromFile(stored, cfg, doc);
  return cfg;
}

MemoryImage EncodedStored(const WorkingCopy& stored, DocumentState doc, const ImageOptions& options) {
  RadioConfig cfg = UnpackedStored(stored, doc);
  MemoryImage image;
  ClearImage(image);
  EncodeImage(cfg, image, options);
  return image;
}

// Other values the member could hold: the text with its first character
// changed, the number one up or one down.
std::vector<ordered_json> ProbeValues(const ordered_json& value) {
  if (value.is_string()) {
    std::vector<ordered_json> probes;
    for (char c : {'1', 'A'}) {
      std::string text = value.get<std::string>();
      if (text.empty())
        text = c;
      else
        text[0] = text[0] == c ? static_cast<char>(c + 1) : c;
      probes.push_back(text);
    }
    return probes;
  }
  if (value.is_number_float()) return {value.get<double>() + 1};
  return {value.get<long long>() + 1, value.get<long long>() - 1};
}

// Whether some other value of the member leaves something else in the radio.
bool WriteCarries(const ordered_json& base, const std::string& name, const MemoryImage& held, DocumentState doc,
                  const ImageOptions& options) {
  for (const ordered_json& probe : ProbeValues(*MemberAt(base, name))) {
    ordered_json document = base;
    document[ordered_json::json_pointer(name)] = probe;
    WorkingCopy stored;
    if (LoadJson(document.dump(), stored).ok() && TransferredPart(EncodedStored(stored, doc, options)) != held)
      return true;
  }
  return false;
}

// The column of the member a refusal names.
int ColumnOf(const std::vector<std::string>& members, const std::string& where) {
  for (std::size_t k = 0; k < members.size(); ++k)
    if (where == members[k] || where.starts_with(members[k] + "/")) return static_cast<int>(k) + 1;
  return 1;
}

std::string At(int language, int line, int column, const std::string& what) {
  return FillIn(Text(Txt::UnitsAt, language), {std::to_string(line), std::to_string(column), what});
}

std::string Named(Txt text, int language, const std::string& name) { return FillIn(Text(text, language), {name}); }

}  // namespace

std::optional<UnitList> UnitList::Read(std::string_view csv, const RadioConfig& cfg, const DocumentState& doc,
                                       const ImageOptions& options, int language, std::string& problem) {
  UnitList list;
  RadioConfig packed = cfg;
  WorkingCopy stored;
  PackForFile(packed, doc, stored);
  list.base_ = DocumentJson(stored);
  list.doc_ = doc;
  list.options_ = options;
  std::vector<CsvRecord> records = ReadCsvRecords(csv);
  if (records.size() < 2) {
    problem = At(language, records.empty() ? 1 : records.back().line + 1, 1,
                 std::string(Text(Txt::UnitsNoRows, language)));
    return std::nullopt;
  }
  for (const CsvRecord& record : records) {
    if (record.error) {
      problem = At(language, record.line, 1, std::string(Text(*record.error, language)));
      return std::nullopt;
    }
  }
  const CsvRecord& header = records.front();
  const MemoryImage held = TransferredPart(EncodedStored(stored, doc, options));
  std::set<std::string> named;
  for (std::size_t k = 0; k < header.fields.size(); ++k) {
    const std::string& name = header.fields[k];
    std::optional<Txt> refusal;
    if (!MemberAt(list.base_, name))
      refusal = Txt::UnitsNotAMember;
    else if (!named.insert(name).second)
      refusal = Txt::UnitsTwice;
    else if (!WriteCarries(list.base_, name, held, doc, options))
      refusal = Txt::UnitsNotWritten;
    if (refusal) {
      problem = At(language, header.line, static_cast<int>(k) + 1, Named(*refusal, language, name));
      return std::nullopt;
    }
  }
  list.members_ = header.fields;
  for (std::size_t r = 1; r < records.size(); ++r) {
    const CsvRecord& record = records[r];
    if (record.fields.size() != header.fields.size()) {
      const int column = static_cast<int>(std::min(record.fields.size(), header.fields.size())) + 1;
      problem = At(language, record.line, column,
                   FillIn(Text(Txt::UnitsFieldCount, language),
                          {std::to_string(record.fields.size()), std::to_string(header.fields.size())}));
      return std::nullopt;
    }
    WorkingCopy row;
    JsonResult result = WithValues(list.base_, list.members_, record.fields, row);
    if (!result.ok()) {
      problem = At(language, record.line, ColumnOf(list.members_, result.where), JsonResultText(result, language));
      return std::nullopt;
    }
    list.free_.insert(static_cast<int>(list.rows_.size()));
    list.rows_.push_back({record.line, record.fields});
  }
  return list;
}

std::optional<int> UnitList::Take() {
  if (free_.empty()) return std::nullopt;
  int row = *free_.begin();
  free_.erase(free_.begin());
  taken_.insert(row);
  return row;
}

void UnitList::GiveBack(int row) {
  taken_.erase(row);
  free_.insert(row);
}

void UnitList::Used(int row) { taken_.erase(row); }

MemoryImage UnitList::ImageOf(int row) const {
  WorkingCopy stored;
  WithValues(base_, members_, rows_.at(row).values, stored);  // checked when the list was read
  return EncodedStored(stored, doc_, options_);
}

RadioConfig UnitList::ConfigOf(int row) const {
  WorkingCopy stored;
  WithValues(base_, members_, rows_.at(row).values, stored);
  return UnpackedStored(stored, doc_);
}

}  // namespace zq
