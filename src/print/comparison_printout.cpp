#include "print/comparison_printout.h"

namespace zq {

PrintDocument ComparisonPrint(const std::vector<LabelledDifference>& list, const std::string& beforeName,
                              const std::string& afterName, const PrintContext& context) {
  const int language = context.language;
  PrintDocument out;
  out.title = Text(Txt::ComparePrintTitle, language);
  out.wide = true;
  out.notes = {FillIn(Text(Txt::CompareOldSide, language), {beforeName}),
               FillIn(Text(Txt::CompareNewSide, language), {afterName}),
               list.empty()
                   ? std::string(Text(Txt::CompareSame, language))
                   : CountText(static_cast<long long>(list.size()), Txt::CompareCountOne, Txt::CompareCount, language),
               FillIn(Text(Txt::PrintNamedNote, language),
                      {std::string(Text(Txt::PrintDateLabel, language)), PrintDateText(context.today)})};
  if (list.empty()) return out;
  PrintTable& table = out.tables.emplace_back();
  table.columns = {std::string(Text(Txt::CompareMemberColumn, language)),
                   std::string(Text(Txt::CompareOldColumn, language)),
                   std::string(Text(Txt::CompareNewColumn, language))};
  for (const LabelledDifference& d : list) table.rows.push_back({d.member, d.before, d.after});
  return out;
}

}  // namespace zq
