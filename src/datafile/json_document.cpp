#include "datafile/json_document.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <type_traits>

#include "datafile/json_text_check.h"
#include "datafile/json_tree.h"
#include "datafile/member_transfer.h"
#include "datafile/record_bytes.h"
#include "text/plain_text.h"

namespace zq {
namespace {

// Members keep the order of the file.
using json = nlohmann::ordered_json;

// Each stored byte of a text is the character with that code.
std::u16string CharsOfBytes(std::string_view bytes) {
  std::u16string text;
  for (char b : bytes) text.push_back(static_cast<char16_t>(static_cast<uint8_t>(b)));
  return text;
}
json StoredBytesText(std::string_view bytes) { return Utf16ToUtf8(CharsOfBytes(bytes)); }

// Finite numbers as JSON numbers; anything else as the 16 hex digits of its bits.
json RealValue(double v) {
  if (std::isfinite(v)) return v;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(std::bit_cast<uint64_t>(v)));
  return std::string(hex);
}

json OptionElementJson(const OptionFeatures& opt, const OptFieldDef& def, int i, int j) {
  auto field = opt.bytes().subspan(ElementOffset(def, i, j), def.width());
  switch (def.kind) {
    case FieldKind::F64: return RealValue(ReadReal(field));
    case FieldKind::Text: {
      std::u16string text = ReadText(field);
      std::string stored;
      for (char16_t c : text) stored.push_back(static_cast<char>(StoredTextByte(c)));
      return StoredBytesText(stored);
    }
    default: return ReadInt(field, def.kind);
  }
}

template <class T>
json ToJson(const T& member) {
  using V = std::remove_const_t<T>;
  if constexpr (std::is_same_v<V, int16_t> || std::is_same_v<V, uint8_t>) {
    return member;
  } else if constexpr (kIsFixedText<V>) {
    return StoredBytesText(member.view());
  } else if constexpr (kIsStdArray<V>) {
    json out = json::array();
    for (const auto& e : member) out.push_back(ToJson(e));
    return out;
  } else if constexpr (std::is_same_v<V, GroupBandTable>) {
    json out = json::array();
    for (int g = 1; g <= kMaxGroups; ++g)
      out.push_back(json::array({member.at({kCB, g}), member.at({kHF, g}), member.at({kHAM, g})}));
    return out;
  } else if constexpr (kIsOptionSlot<V>) {
    const FieldShape& s = member.def.shape;
    auto element = [&](int i, int j) { return OptionElementJson(member.options, member.def, i, j); };
    if (s.dims == 0) return element(-1, -1);
    json out = json::array();
    for (int a = 0; a < s.count1; ++a) {
      if (s.dims == 1) {
        out.push_back(element(s.first1 + a, -1));
        continue;
      }
      json row = json::array();
      for (int b = 0; b < s.count2; ++b) row.push_back(element(s.first1 + a, s.first2 + b));
      out.push_back(row);
    }
    return out;
  } else {
    json out = json::object();
    auto put = [&](std::string_view name, const auto& field) { out[std::string(name)] = ToJson(field); };
    if constexpr (std::is_same_v<V, IdentityRecord>) VisitIdentityFields(member, put);
    if constexpr (std::is_same_v<V, RadioInformation>) VisitRadioInformationFields(member, put);
    if constexpr (std::is_same_v<V, ChannelRecord>) VisitChannelFields(member, put);
    return out;
  }
}

// ---- reading ----

class JsonReader {
 public:
  JsonResult result;

  template <class T>
  void Read(const json& j, const std::string& path, T& member) {
    if (!result.ok()) return;
    if constexpr (std::is_same_v<T, int16_t> || std::is_same_v<T, uint8_t>) {
      if (auto v = Integer(j, path, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()))
        member = static_cast<T>(*v);
    } else if constexpr (kIsFixedText<T>) {
      if (auto bytes = StoredText(j, path, T::size())) member = *bytes;
    } else if constexpr (kIsStdArray<T>) {
      if (!Array(j, path, member.size())) return;
      for (std::size_t k = 0; k < member.size(); ++k) Read(j[k], path + "/" + std::to_string(k), member[k]);
    } else if constexpr (std::is_same_v<T, GroupBandTable>) {
      if (!Array(j, path, kMaxGroups)) return;
      for (int g = 1; g <= kMaxGroups; ++g) {
        std::array<int16_t, kBandCount> row{};
        Read(j[g - 1], path + "/" + std::to_string(g - 1), row);
        for (const Band band : kBands) member.at({band, g}) = row[BandIndex(band)];
      }
    } else if constexpr (kIsOptionSlot<T>) {
      OptionSlot(j, path, member);
    } else {
      Record(j, path, member);
    }
  }

  // The members of an object; any other key is refused.
  bool Object(const json& j, const std::string& path, const std::set<std::string>& keys) {
    if (!j.is_object()) return Fail(JsonStatus::WrongType, path);
    for (const auto& key : keys)
      if (!j.contains(key)) return Fail(JsonStatus::MissingMember, path + "/" + key);
    for (const auto& item : j.items())
      if (!keys.count(item.key())) return Fail(JsonStatus::UnknownMember, path + "/" + item.key());
    return true;
  }

  bool Array(const json& j, const std::string& path, std::size_t size) {
    return j.is_array() && j.size() == size ? true : Fail(JsonStatus::WrongType, path);
  }

  bool Fail(JsonStatus status, const std::string& path) {
    if (result.ok()) result = {status, path.empty() ? "/" : path};
    return false;
  }

 private:
  std::nullopt_t Refuse(JsonStatus status, const std::string& path) {
    Fail(status, path);
    return std::nullopt;
  }

  std::optional<long long> Integer(const json& j, const std::string& path, long long low, long long high) {
    if (!j.is_number_integer()) return Refuse(JsonStatus::WrongType, path);
    bool fits = j.is_number_unsigned() ? j.get<unsigned long long>() <= static_cast<unsigned long long>(high)
                                       : j.get<long long>() >= low && j.get<long long>() <= high;
    if (!fits) return Refuse(JsonStatus::OutOfRange, path);
    return j.get<long long>();
  }

  // Up to `chars` characters of codes 0-255; shorter texts are padded with blanks.
  std::optional<std::string> StoredText(const json& j, const std::string& path, std::size_t chars) {
    if (!j.is_string()) return Refuse(JsonStatus::WrongType, path);
    std::u16string text = Utf8ToUtf16(j.get<std::string>());
    if (text.size() > chars) return Refuse(JsonStatus::OutOfRange, path);
    std::string bytes;
    for (char16_t c : text) {
      if (c > 0xFF) return Refuse(JsonStatus::OutOfRange, path);
      bytes.push_back(static_cast<char>(c));
    }
    bytes.resize(chars, ' ');
    return bytes;
  }

  std::optional<double> Real(const json& j, const std::string& path) {
    if (j.is_number()) return j.get<double>();
    if (!j.is_string()) return Refuse(JsonStatus::WrongType, path);
    const std::string hex = j.get<std::string>();
    uint64_t bits = 0;
    auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), bits, 16);
    if (hex.size() != 16 || ec != std::errc() || end != hex.data() + hex.size())
      return Refuse(JsonStatus::WrongType, path);
    return std::bit_cast<double>(bits);
  }

  void ReadOptionElement(const json& j, const std::string& path, OptionFeatures& opt, const OptFieldDef& def, int i,
                         int k) {
    if (!result.ok()) return;
    auto field = opt.bytes().subspan(ElementOffset(def, i, k), def.width());
    switch (def.kind) {
      case FieldKind::F64:
        if (auto v = Real(j, path)) WriteReal(field, *v);
        return;
      case FieldKind::Text:
        if (auto bytes = StoredText(j, path, def.chars)) WriteText(field, CharsOfBytes(*bytes));
        return;
      case FieldKind::U8:
        if (auto v = Integer(j, path, 0, 255)) WriteInt(field, def.kind, *v);
        return;
      case FieldKind::I16:
        if (auto v = Integer(j, path, -32768, 32767)) WriteInt(field, def.kind, *v);
        return;
      case FieldKind::I32:
        if (auto v = Integer(j, path, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()))
          WriteInt(field, def.kind, *v);
        return;
    }
  }

  void OptionSlot(const json& j, const std::string& path, const OptionFieldSlot<OptionFeatures>& slot) {
    const FieldShape& s = slot.def.shape;
    if (s.dims == 0) return ReadOptionElement(j, path, slot.options, slot.def, -1, -1);
    if (!Array(j, path, s.count1)) return;
    for (int a = 0; a < s.count1; ++a) {
      std::string at = path + "/" + std::to_string(a);
      if (s.dims == 1) {
        ReadOptionElement(j[a], at, slot.options, slot.def, s.first1 + a, -1);
      } else if (Array(j[a], at, s.count2)) {
        for (int b = 0; b < s.count2; ++b)
          ReadOptionElement(j[a][b], at + "/" + std::to_string(b), slot.options, slot.def, s.first1 + a, s.first2 + b);
      }
    }
  }

  template <class T>
  void Record(const json& j, const std::string& path, T& record) {
    std::set<std::string> keys;
    auto name = [&](std::string_view field, auto&) { keys.insert(std::string(field)); };
    auto read = [&](std::string_view field, auto& m) {
      Read(j[std::string(field)], path + "/" + std::string(field), m);
    };
    if constexpr (std::is_same_v<T, IdentityRecord>) VisitIdentityFields(record, name);
    if constexpr (std::is_same_v<T, RadioInformation>) VisitRadioInformationFields(record, name);
    if constexpr (std::is_same_v<T, ChannelRecord>) VisitChannelFields(record, name);
    if (!Object(j, path, keys)) return;
    if constexpr (std::is_same_v<T, IdentityRecord>) VisitIdentityFields(record, read);
    if constexpr (std::is_same_v<T, RadioInformation>) VisitRadioInformationFields(record, read);
    if constexpr (std::is_same_v<T, ChannelRecord>) VisitChannelFields(record, read);
  }
};

std::set<std::string> RootKeys(const RadioConfig& any, std::set<std::string>& optionKeys) {
  std::set<std::string> keys = {"Options", "Channels", "SpecialChannels"};
  VisitSettingsHeader(any, [&](std::string_view name, const auto&) { keys.insert(std::string(name)); });
  VisitOptionSlots(any, [&](std::string_view name, const auto&) { optionKeys.insert(std::string(name)); });
  VisitFurtherSettings(any, [&](std::string_view name, const auto&) { keys.insert(std::string(name)); });
  return keys;
}

void ReadChannels(JsonReader& reader, const json& channels, RadioConfig& cfg) {
  if (!reader.Object(channels, "/Channels", {BandShortName(kCB), BandShortName(kHF), BandShortName(kHAM)})) return;
  for (const Band band : kBands) {
    const std::string bandPath = std::string("/Channels/") + BandShortName(band);
    const json& groups = channels[BandShortName(band)];
    if (!reader.Array(groups, bandPath, GroupCount(band))) return;
    for (int group = 1; group <= GroupCount(band); ++group) {
      const json& records = groups[group - 1];
      const std::string groupPath = bandPath + "/" + std::to_string(group - 1);
      if (!records.is_array()) return void(reader.Fail(JsonStatus::WrongType, groupPath));
      if (records.size() != static_cast<std::size_t>(cfg.Count({band, group})))
        return void(reader.Fail(JsonStatus::CountMismatch, groupPath));
      for (int k = 1; k <= cfg.Count({band, group}); ++k)
        reader.Read(records[k - 1], groupPath + "/" + std::to_string(k - 1), cfg.Channel({band, group}, k));
    }
  }
}

int Depth(const json& j) {
  int deepest = 0;
  if (j.is_structured())
    for (const auto& child : j) deepest = std::max(deepest, Depth(child));
  return j.is_structured() ? deepest + 1 : 0;
}

// Indented, except that small values (a channel record, a list of numbers,
// a table of them) stay on one line.
void WritePretty(const json& j, int indent, std::string& out) {
  if (Depth(j) <= 2 || j.empty()) {
    out += j.dump();
    return;
  }
  const bool isObject = j.is_object();
  const std::string pad(indent + 2, ' ');
  out += isObject ? "{\n" : "[\n";
  for (auto it = j.begin(); it != j.end(); ++it) {
    if (it != j.begin()) out += ",\n";
    out += pad;
    if (isObject) out += json(it.key()).dump() + ": ";
    WritePretty(*it, indent + 2, out);
  }
  out += "\n" + std::string(indent, ' ') + (isObject ? "}" : "]");
}

// Longer than the path of any member a document has.
constexpr std::size_t kMaxShownPath = 80;

}  // namespace

nlohmann::ordered_json DocumentJson(const WorkingCopy& stored) {
  const RadioConfig& cfg = stored.content;
  json doc = json::object();
  json options = json::object();
  VisitSettingsHeader(cfg, [&](std::string_view name, const auto& m) { doc[std::string(name)] = ToJson(m); });
  VisitOptionSlots(cfg, [&](std::string_view name, const auto& m) { options[std::string(name)] = ToJson(m); });
  doc["Options"] = options;
  VisitFurtherSettings(cfg, [&](std::string_view name, const auto& m) { doc[std::string(name)] = ToJson(m); });

  json channels = json::object();
  for (const Band band : kBands) {
    json groups = json::array();
    for (int group = 1; group <= GroupCount(band); ++group) {
      json records = json::array();
      int count = std::clamp<int>(cfg.Count({band, group}), 0, GroupCapacity({band, group}));
      for (int k = 1; k <= count; ++k) records.push_back(ToJson(cfg.Channel({band, group}, k)));
      groups.push_back(records);
    }
    channels[BandShortName(band)] = groups;
  }
  doc["Channels"] = channels;
  doc["SpecialChannels"] = ToJson(cfg.SpecialChannelSlots);
  return doc;
}

std::string DumpJson(const WorkingCopy& stored) {
  std::string out;
  WritePretty(DocumentJson(stored), 0, out);
  return out + "\n";
}

JsonResult LoadJson(std::string_view text, WorkingCopy& out) {
  JsonResult checked = CheckJsonText(text);
  if (!checked.ok()) return checked;
  json doc = json::parse(text);  // the check has met every fault the parser throws for
  WorkingCopy loaded;
  RadioConfig& cfg = loaded.content;
  JsonReader reader;
  std::set<std::string> optionKeys;
  if (!reader.Object(doc, "", RootKeys(cfg, optionKeys)) || !reader.Object(doc["Options"], "/Options", optionKeys))
    return reader.result;
  auto read = [&](std::string_view name, auto&& m) { reader.Read(doc[std::string(name)], "/" + std::string(name), m); };
  VisitSettingsHeader(cfg, read);
  VisitOptionSlots(cfg, [&](std::string_view name, auto&& m) {
    reader.Read(doc["Options"][std::string(name)], "/Options/" + std::string(name), m);
  });
  VisitFurtherSettings(cfg, read);
  if (reader.result.ok() && !ChannelCountsAreValid(cfg.ChannelCount))
    reader.Fail(JsonStatus::OutOfRange, "/ChannelCount");
  if (reader.result.ok()) ReadChannels(reader, doc["Channels"], cfg);
  reader.Read(doc["SpecialChannels"], "/SpecialChannels", cfg.SpecialChannelSlots);
  if (reader.result.ok()) out = std::move(loaded);
  return reader.result;
}

Txt JsonResult::message() const {
  switch (status) {
    case JsonStatus::Malformed: return Txt::JsonMalformed;
    case JsonStatus::TooDeep: return Txt::JsonTooDeep;
    case JsonStatus::UnknownMember: return Txt::JsonUnknownMember;
    case JsonStatus::MissingMember: return Txt::JsonMissingMember;
    case JsonStatus::WrongType: return Txt::JsonWrongType;
    case JsonStatus::OutOfRange: return Txt::JsonOutOfRange;
    case JsonStatus::CountMismatch: return Txt::JsonCountMismatch;
    case JsonStatus::Ok: break;
  }
  return Txt::FileError;
}

std::string JsonResultText(const JsonResult& result, int language) {
  // An unknown member's name is the document's own and can be megabytes long.
  return std::string(Text(result.message(), language)) + " " + StartForMessage(result.where, kMaxShownPath);
}

}  // namespace zq
