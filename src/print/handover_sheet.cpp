#include "print/handover_sheet.h"

#include <cstdio>
#include <system_error>

#include "print/config_summary.h"

namespace zq {

PrintDocument HandOverSheet(const HandOverFacts& facts, const RadioConfig& cfg, int language) {
  PrintDocument sheet;
  sheet.onePage = true;
  sheet.title = FillIn(Text(Txt::SheetTitle, language), {std::to_string(facts.radio)});
  // The facts go across the whole page: the hash is one line of 64 digits.
  auto note = [&](Txt label, const std::string& value) {
    sheet.notes.push_back(FillIn(Text(Txt::PrintNamedNote, language), {std::string(Text(label, language)), value}));
  };
  note(Txt::SeriesLogRadio, std::to_string(facts.radio));
  note(Txt::SeriesLogIdentity, facts.identity);
  note(Txt::SeriesLogFirmware, facts.firmware);
  note(Txt::SeriesLogPort, facts.port);
  note(Txt::SeriesLogTime, facts.when);
  note(Txt::SeriesLogOperator, facts.operatorName);
  note(Txt::SeriesDataFileName, facts.dataFile);
  note(Txt::SeriesLogImageHash, facts.imageHash);
  note(Txt::SeriesLogResult, facts.result);
  note(Txt::SeriesLogVerification, facts.verification);
  if (!facts.unitValues.empty()) {
    PrintTable& units = sheet.tables.emplace_back();
    units.heading = Text(Txt::SheetUnitValues, language);
    units.columns = {std::string(Text(Txt::SheetMemberColumn, language)),
                     std::string(Text(Txt::PrintValueColumn, language))};
    for (const auto& [member, value] : facts.unitValues) units.rows.push_back({member, value});
  }
  for (PrintTable& table : ConfigurationSummaryTables(cfg, language)) sheet.tables.push_back(std::move(table));
  return sheet;
}

std::filesystem::path FreeSheetFile(const std::filesystem::path& folder, int radio) {
  char stem[32];
  std::snprintf(stem, sizeof stem, "radio-%04d", radio);
  std::error_code ec;
  std::filesystem::path file = folder / (std::string(stem) + ".pdf");
  for (int n = 2; std::filesystem::exists(file, ec); ++n)
    file = folder / (std::string(stem) + "-" + std::to_string(n) + ".pdf");
  return file;
}

}  // namespace zq
