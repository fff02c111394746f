#pragma once
// What the user asks to print, and the document that gives: the channel table
// of one band and group, or the summary of the whole configuration, in the
// program's language, headed by the file it comes from and the day it was printed.
#include <filesystem>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "config/radio_config.h"
#include "print/print_document.h"
#include "text/language_table.h"

namespace zq {

enum class PrintKind { ChannelTable, Summary };

struct PrintChoice {
  PrintKind kind = PrintKind::ChannelTable;
  BandGroup group{kCB, 1};
  bool operator==(const PrintChoice&) const = default;
};

struct PrintContext {
  int language = kEnglish;
  Date today;
};

// "2026-12-09"
std::string PrintDateText(const Date& date);

PrintDocument BuildPrintDocument(const RadioConfig& cfg, const DocumentState& doc, const PrintChoice& choice,
                                 const PrintContext& context);

// The PDF file a printout is first offered under: the data file's, with ".pdf".
std::filesystem::path SuggestedPdfFile(const DocumentState& doc);

}  // namespace zq
