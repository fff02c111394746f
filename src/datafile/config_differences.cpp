#include "datafile/config_differences.h"

#include <algorithm>
#include <map>

#include "config/band_layout.h"
#include "datafile/json_tree.h"
#include "text/language_table.h"

namespace zq {
namespace {

using json = nlohmann::ordered_json;

constexpr const char* kChannels = "Channels";

std::optional<std::string> ValueText(const json* value) {
  if (value == nullptr) return std::nullopt;
  return value->dump();
}

const json* Member(const json* parent, const std::string& key) {
  return parent != nullptr && parent->is_object() && parent->contains(key) ? &(*parent)[key] : nullptr;
}

const json* Element(const json* parent, std::size_t k) {
  return parent != nullptr && parent->is_array() && k < parent->size() ? &(*parent)[k] : nullptr;
}

// Zero, a text of nothing but NULs and blanks, or a list of such values: what a
// record holds where it holds nothing.
bool IsBlank(const json& value) {
  if (value.is_number()) return value == 0;
  if (value.is_string()) {
    const auto& text = value.get_ref<const std::string&>();
    return text.find_first_not_of(std::string("\0 ", 2)) == std::string::npos;
  }
  if (value.is_structured()) return std::all_of(value.begin(), value.end(), [](const json& v) { return IsBlank(v); });
  return false;
}

class DifferenceWalk {
 public:
  std::vector<MemberDifference> found;

  // Every difference is one plain value; a record or list that one side lacks
  // is given member by member, so that no line has to carry a whole record,
  // and only by the members that hold something.
  void Walk(const json* a, const json* b, const std::string& path) {
    if (a != nullptr && b != nullptr && *a == *b) return;
    if ((a == nullptr || b == nullptr) && IsBlank(a != nullptr ? *a : *b)) return;
    const json* shape = a != nullptr ? a : b;
    const bool sameShape = a == nullptr || b == nullptr || a->type() == b->type();
    if (!shape->is_structured() || !sameShape) {
      found.push_back({path.empty() ? "/" : path, ValueText(a), ValueText(b)});
      return;
    }
    if (shape->is_array()) {
      const std::size_t size = std::max(a ? a->size() : 0, b ? b->size() : 0);
      for (std::size_t k = 0; k < size; ++k) Walk(Element(a, k), Element(b, k), path + "/" + std::to_string(k));
      return;
    }
    for (const auto& item : shape->items()) {
      const std::string at = path + "/" + item.key();
      if (path.empty() && item.key() == kChannels)
        Channels(Member(a, item.key()), Member(b, item.key()), at);
      else
        Walk(Member(a, item.key()), Member(b, item.key()), at);
    }
    if (shape == a && b != nullptr)
      for (const auto& item : b->items())
        if (!a->contains(item.key())) Walk(nullptr, &item.value(), path + "/" + item.key());
  }

 private:
  using SlotRecords = std::map<long long, std::vector<const json*>>;

  // The records of one group by slot, in list order within a slot (a damaged
  // group can hold one slot twice).
  static SlotRecords BySlot(const json* records) {
    SlotRecords slots;
    if (records == nullptr || !records->is_array()) return slots;
    for (const json& record : *records) {
      const json* number = Member(&record, "Number");
      slots[number != nullptr && number->is_number_integer() ? number->get<long long>() : 0].push_back(&record);
    }
    return slots;
  }

  void Group(const json* a, const json* b, const std::string& path) {
    SlotRecords left = BySlot(a), right = BySlot(b);
    std::map<long long, bool> slots;
    for (const auto& [slot, records] : left) slots[slot] = true;
    for (const auto& [slot, records] : right) slots[slot] = true;
    for (const auto& [slot, unused] : slots) {
      const auto& l = left[slot];
      const auto& r = right[slot];
      for (std::size_t k = 0; k < std::max(l.size(), r.size()); ++k)
        Walk(k < l.size() ? l[k] : nullptr, k < r.size() ? r[k] : nullptr, path + "/slot " + std::to_string(slot));
    }
  }

  void Channels(const json* a, const json* b, const std::string& path) {
    for (const char* band : kBandShortNames) {
      const json* groupsA = Member(a, band);
      const json* groupsB = Member(b, band);
      std::size_t groups = std::max(groupsA ? groupsA->size() : 0, groupsB ? groupsB->size() : 0);
      for (std::size_t g = 0; g < groups; ++g)
        Group(Element(groupsA, g), Element(groupsB, g), path + "/" + band + "/group " + std::to_string(g + 1));
    }
  }
};

json ValueOf(const std::optional<std::string>& text) { return text ? json::parse(*text) : json(nullptr); }

}  // namespace

std::vector<MemberDifference> DifferencesBetween(const WorkingCopy& before, const WorkingCopy& after) {
  const json a = DocumentJson(before);
  const json b = DocumentJson(after);
  DifferenceWalk walk;
  walk.Walk(&a, &b, "");
  return std::move(walk.found);
}

std::string MemberOf(const ValueRef& value) {
  auto element = [&](std::string name) { return "/" + name + "/" + std::to_string(value.i); };
  switch (value.kind) {
    case ValueRef::Option: {
      const OptFieldDef& def = FieldDef(value.opt);
      std::string member = "/Options/" + std::string(def.name);
      if (def.shape.dims >= 1) member += "/" + std::to_string(value.i - def.shape.first1);
      if (def.shape.dims == 2) member += "/" + std::to_string(value.j - def.shape.first2);
      return member;
    }
    case ValueRef::RangeIndex: return "/RangeType/0";
    case ValueRef::ChVolKind: return "/ChVolKind";
    case ValueRef::ModeEnable: return element("ModeEnable");
    case ValueRef::Emergency: return element("EmergencySettings");
    case ValueRef::DualWatch: return element("DualWatchSettings");
    case ValueRef::MemoryChannel: return element("MemoryChannelSettings");
    case ValueRef::PublicSwitch: return element("PublicSwitch");
  }
  return {};
}

std::string DifferenceValueText(const std::optional<std::string>& value, int language) {
  return value ? *value : std::string(Text(Txt::CompareNoMember, language));
}

std::string DifferencesJson(const std::vector<MemberDifference>& list, const std::string& beforeName,
                            const std::string& afterName) {
  json differences = json::array();
  for (const MemberDifference& d : list)
    differences.push_back(json{{"member", d.member}, {"old", ValueOf(d.before)}, {"new", ValueOf(d.after)}});
  json doc = json{{"old", beforeName}, {"new", afterName}, {"differences", differences}};
  return doc.dump(2) + "\n";
}

}  // namespace zq
