#include "print/print_job.h"

#include <cstdio>

#include "channels/frequency_rules.h"
#include "channels/group_entries.h"
#include "platform/utf8_path.h"
#include "print/channel_printout.h"
#include "print/config_summary.h"

namespace zq {
std::string PrintDateText(const Date& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

PrintDocument BuildPrintDocument(const RadioConfig& cfg, const DocumentState& doc, const PrintChoice& choice,
                                 const PrintContext& context) {
  const int language = context.language;
  PrintDocument out;
  auto note = [&](Txt label, const std::string& value) {
    out.notes.push_back(FillIn(Text(Txt::PrintNamedNote, language), {std::string(Text(label, language)), value}));
  };
  if (choice.kind == PrintKind::Summary) {
    out.title = Text(Txt::PrintSummaryTitle, language);
    out.tables = ConfigurationSummaryTables(cfg, language);
  } else {
    out.title = Text(Txt::PrintChannelTableTitle, language);
    out.wide = true;
    if (IsGroup(choice.group)) {
      note(Txt::BandLabel, std::string(Text(kBandEntries[BandIndex(choice.group.band)].selectorText, language)));
      note(Txt::GroupLabel, std::to_string(choice.group.number) + "  " + GroupDisplayName(cfg, choice.group, language));
      out.tables = {ChannelTablePrint(cfg, choice.group, language)};
    }
  }
  note(Txt::FileNameLabel, Utf8OfPath(PathFromUtf8(doc.fileName).filename()));
  note(Txt::PrintDateLabel, PrintDateText(context.today));
  return out;
}

std::filesystem::path SuggestedPdfFile(const DocumentState& doc) {
  return PathFromUtf8(doc.fileName).replace_extension(".pdf");
}

}  // namespace zq
