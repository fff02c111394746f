#include "print/channel_printout.h"

#include <vector>

#include "channels/channel_rows.h"
#include "channels/detail_fields.h"
#include "channels/frequency_rules.h"
#include "channels/grid_cells.h"
#include "channels/group_entries.h"
#include "channels/tone_codes.h"
#include "config/defaults.h"

namespace zq {
namespace {

// Whether some row of the group shows the field: a tone code counts as shown,
// since whether it is depends only on the channel's tone type.
bool GroupShowsField(const DetailFieldDef& def, BandGroup group) {
  ChannelRecord probe = NewChannelRecord(1);
  probe.RxToneType = probe.TxToneType = kToneCtcss;
  for (int row = 1, rows = GridRowCount(group); row <= rows; ++row)
    if (IsFieldShown(def, group, TargetOfRow(group, row).kind, probe)) return true;
  return false;
}

std::string ShownText(const DetailFieldDef& def, const DetailContext& ctx, const ChannelRecord& record, int language) {
  std::vector<std::string> texts = ChoiceTexts(def, ctx, record, language);
  int shown = ShownChoice(def, ctx, record);
  return shown >= 0 && shown < static_cast<int>(texts.size()) ? texts[shown] : std::string();
}

}  // namespace

PrintTable ChannelTablePrint(const RadioConfig& cfg, BandGroup group, int language) {
  PrintTable table;
  table.heading = std::string(Text(Txt::GroupLabel, language)) + " " + std::to_string(group.number) + "  " +
                  GroupDisplayName(cfg, group, language);
  table.columns = {std::string(Text(Txt::GridHeaderChannel, language)),
                   std::string(Text(Txt::FrequencyLabel, language))};
  std::vector<const DetailFieldDef*> fields;
  for (const DetailFieldDef& def : DetailFields())
    if (GroupShowsField(def, group)) {
      fields.push_back(&def);
      table.columns.emplace_back(Text(def.label, language));
    }

  const FrequencyLimits limits = LimitsOfBand(group.band);
  const DetailContext ctx{cfg, group};
  for (int row = 1, rows = GridRowCount(group); row <= rows; ++row) {
    std::vector<std::string>& line = table.rows.emplace_back();
    line = {GetCHName(group, row), RowFrequency(cfg, group, row, limits).text};
    const ChannelRecord* record = ChannelAtRow(cfg, group, row);
    RowKind kind = TargetOfRow(group, row).kind;
    for (const DetailFieldDef* def : fields)
      line.push_back(record && IsFieldShown(*def, group, kind, *record) ? ShownText(*def, ctx, *record, language)
                                                                        : std::string());
  }
  return table;
}

}  // namespace zq
