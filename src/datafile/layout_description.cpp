#include "datafile/layout_description.h"

#include <type_traits>

#include "datafile/member_transfer.h"

namespace zq {
namespace {

std::string IndexRange(int first, int count) {
  return "[" + std::to_string(first) + "-" + std::to_string(first + count - 1) + "]";
}

std::string KindName(FieldKind kind) {
  switch (kind) {
    case FieldKind::I16: return "I16";
    case FieldKind::U8: return "U8";
    case FieldKind::I32: return "I32";
    case FieldKind::F64: return "F64";
    case FieldKind::Text: return "text";
  }
  return "";
}

std::string OptionFieldForm(const OptFieldDef& def) {
  const FieldShape& s = def.shape;
  std::string element = def.kind == FieldKind::Text ? "text, " + std::to_string(def.chars) + " characters"
                                                    : KindName(def.kind);
  if (s.dims == 0) return element;
  std::string indexes = IndexRange(s.first1, s.count1) + (s.dims == 2 ? IndexRange(s.first2, s.count2) : "");
  return std::to_string(s.elements()) + " × " + element + " " + indexes;
}

template <class T>
std::string FormOf(const T& member) {
  using V = std::remove_const_t<T>;
  if constexpr (std::is_same_v<V, int16_t>) {
    return "I16";
  } else if constexpr (std::is_same_v<V, uint8_t>) {
    return "U8";
  } else if constexpr (kIsFixedText<V>) {
    return "text, " + std::to_string(V::size()) + " characters";
  } else if constexpr (kIsStdArray<V>) {
    return std::to_string(member.size()) + " × " + FormOf(member[0]);
  } else if constexpr (std::is_same_v<V, GroupBandTable>) {
    return std::to_string(member.raw().size()) + " × I16 [group 1-17][band 0-2], band varying fastest";
  } else {
    return OptionFieldForm(member.def);
  }
}

class LayoutBuilder {
 public:
  template <class T>
  void operator()(std::string_view name, const T& member) {
    using V = std::remove_const_t<T>;
    if constexpr (std::is_same_v<V, IdentityRecord>) {
      VisitIdentityFields(member, [&](std::string_view field, const auto& m) { Row(prefix(name, field), m); });
    } else if constexpr (std::is_same_v<V, RadioInformation>) {
      VisitRadioInformationFields(member, [&](std::string_view field, const auto& m) { Row(prefix(name, field), m); });
    } else if constexpr (kIsOptionSlot<V>) {
      Row("Options." + std::string(name), member);
    } else {
      Row(std::string(name), member);
    }
  }

  std::vector<LayoutRow> rows;
  std::size_t end = 0;

 private:
  static std::string prefix(std::string_view record, std::string_view field) {
    return std::string(record) + "." + std::string(field);
  }
  template <class T>
  void Row(std::string name, const T& member) {
    ByteCounter counter;
    TransferMember(counter, member);
    rows.push_back({end, counter.size(), std::move(name), FormOf(member)});
    end += counter.size();
  }
};

std::string Table(const std::vector<LayoutRow>& rows) {
  std::string out = "| Offset | Size | Member | Form |\n|---:|---:|---|---|\n";
  for (const auto& r : rows)
    out += "| " + std::to_string(r.offset) + " | " + std::to_string(r.size) + " | " + r.name + " | " + r.form + " |\n";
  return out;
}

}  // namespace

std::vector<LayoutRow> DescribeSettingsRecord() {
  const RadioConfig any;
  LayoutBuilder builder;
  VisitStoredSettings(any, builder);
  builder.rows.push_back({builder.end, kDataFileSize - builder.end, "(reserved, zero)", "bytes"});
  return builder.rows;
}

std::vector<LayoutRow> DescribeChannelRecord() {
  const ChannelRecord any;
  LayoutBuilder builder;
  VisitChannelFields(any, builder);
  return builder.rows;
}

std::string LayoutMarkdown() {
  return "### Settings record (`*.dat`, " + std::to_string(kDataFileSize) + " bytes)\n\n" +
         Table(DescribeSettingsRecord()) + "\n### Channel record (companion channel file, " +
         std::to_string(kChannelRecordSize) + " bytes)\n\n" + Table(DescribeChannelRecord());
}

}  // namespace zq
