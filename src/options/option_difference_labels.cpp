#include "options/option_difference_labels.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "options/dtmf_rules.h"
#include "options/option_items.h"
#include "text/plain_text.h"

namespace zq {
namespace {

// A member an option window shows, and what shows it.
struct OptionMember {
  std::string member;
  const OptionControl* control = nullptr;  // a control of the option-features window
  const OptionControl* owner = nullptr;    // the check box a number box belongs to
  const PublicBlock* block = nullptr;      // or a row of a band's common parameters
  const PublicRow* row = nullptr;
  int dtmfCode = 0;  // or a DTMF code
};

std::vector<OptionMember> MakeOptionMembers() {
  std::vector<OptionMember> members;
  // A number box under a check box ("Max" under "SWR Protect") is that box's limit.
  const OptionControl* check = nullptr;
  for (const OptionControl& c : OptionControls()) {
    if (check && (c.place != check->place || c.kind != OptionControlKind::NumberBox)) check = nullptr;
    members.push_back({.member = MemberOf(c.value), .control = &c, .owner = check});
    if (c.kind == OptionControlKind::CheckBox) check = &c;
  }
  for (const PublicBlock& block : PublicBlocks())
    for (const PublicRow& row : PublicRows())
      if (BlockShowsRow(block, row))
        members.push_back(
            {.member = MemberOf(Field(Opt::PublicParams, block.band, row.param)), .block = &block, .row = &row});
  for (int n = 1; n <= kDtmfCodeCount; ++n)
    members.push_back({.member = MemberOf(Field(Opt::DtmfCodes, n)), .dtmfCode = n});
  return members;
}

const OptionMember* FindOptionMember(const std::string& member) {
  static const std::vector<OptionMember> members = MakeOptionMembers();
  for (const OptionMember& m : members)
    if (m.member == member) return &m;
  return nullptr;
}

std::string MemberLabel(const OptionMember& m, int language) {
  auto text = [&](Txt t) { return std::string(Text(t, language)); };
  if (m.dtmfCode) return text(Txt::DtmfCaption) + " " + std::to_string(m.dtmfCode);
  if (m.row) return text(m.block->caption) + " " + text(RowLabel(*m.block, *m.row));
  return m.owner ? text(m.owner->label) + " " + text(m.control->label) : text(m.control->label);
}

// The entry storing `stored`; a value no entry stores is shown as it is kept.
std::string EntryText(const Choices& choices, long long stored, const std::string& kept) {
  for (const Choice& c : choices)
    if (c.value == stored) return c.text;
  return kept;
}

std::string ShownValue(const OptionMember& m, const std::optional<std::string>& value, const RadioConfig& cfg,
                       int language) {
  if (!value) return DifferenceValueText(value, language);
  const nlohmann::json parsed = nlohmann::json::parse(*value, nullptr, false);
  if (parsed.is_string()) return std::string(Cleaned(parsed.get_ref<const std::string&>()));
  if (!parsed.is_number_integer()) return *value;
  const long long n = parsed.get<long long>();
  // Every entry the window can offer: VFO as for a radio that can work HF, the
  // clarifier as for the HF and HAM bands.
  const ListContext context = MakeListContext(cfg, language, true, false);
  if (m.row) return EntryText(ChoicesOf(m.row->list, m.row->pieces, context), n, *value);
  const OptionControl& c = *m.control;
  switch (c.kind) {
    case OptionControlKind::CheckBox: return std::string(Text(n != 0 ? Txt::ChoiceOn : Txt::ChoiceOff, language));
    case OptionControlKind::NumberBox:
      return ShowNumber(c.number, n) + (c.unit ? " " + std::string(Text(*c.unit, language)) : std::string());
    case OptionControlKind::List: return EntryText(ChoicesOf(c.list, c.pieces, context), n, *value);
    case OptionControlKind::NameBox: break;
  }
  return *value;
}

}  // namespace

std::optional<LabelledDifference> LabelledOptionDifference(const MemberDifference& difference, const RadioConfig& cfg,
                                                           int language) {
  const OptionMember* m = FindOptionMember(difference.member);
  if (!m) return std::nullopt;
  return LabelledDifference{MemberLabel(*m, language), ShownValue(*m, difference.before, cfg, language),
                            ShownValue(*m, difference.after, cfg, language)};
}

}  // namespace zq
