#include "channels/ui/channel_csv_commands.h"

#include <QStringList>

#include "channels/channel_rows.h"
#include "channels/csv_channels.h"
#include "widgets/prompter.h"
#include "widgets/qt_paths.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

// Lines shown one below the other in the report; the rest are counted.
constexpr int kReportedLines = 20;

QString CsvFilter(int language) { return QText(Txt::CsvFileFilter, language) + QStringLiteral(" (*.csv)"); }

QString SuggestedName(BandGroup group) {
  QString name = IsMemGroup(group)   ? QStringLiteral("MEM")
                 : IsVfoGroup(group) ? QStringLiteral("VFO")
                                     : QString::number(group.number);
  return QString::fromLatin1(BandShortName(group.band)) + QLatin1Char('_') + name + QStringLiteral(".csv");
}

QString ImportReport(const CsvImportResult& result, int language) {
  QStringList lines{QUtf8(ImportSummary(result, language))};
  if (auto dropped = DroppedSummary(result, language)) lines << QUtf8(*dropped);
  int shown = 0;
  for (const CsvMessage& message : result.skippedLines)
    if (shown++ < kReportedLines) lines << QUtf8(MessageText(message, language));
  if (shown > kReportedLines) lines << QStringLiteral("...");
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

void ExportShownGroup(QWidget* parent, const RadioConfig& cfg, int language, BandGroup group) {
  QString path = CurrentPrompter().ChooseFileToSave(parent, SuggestedName(group), CsvFilter(language));
  if (path.isEmpty()) return;
  if (auto failure = ExportChannelsCsvFile(cfg, group, PathOfQString(path)))
    Tell(parent, QUtf8(MessageText(*failure, language)), Icon::Error);
}

bool ImportIntoShownGroup(QWidget* parent, const QString& folder, RadioConfig& cfg, int language, BandGroup group,
                          bool& inFileOrder) {
  QString path = CurrentPrompter().ChooseFileWithOption(parent, folder, CsvFilter(language),
                                                        QText(Txt::CsvRenumberOption, language), inFileOrder);
  if (path.isEmpty()) return false;
  CsvImportResult result = ImportChannelsCsvFile(cfg, group, PathOfQString(path),
                                                 inFileOrder ? CsvRows::InFileOrder : CsvRows::ByLocation);
  if (result.refusal) {
    Tell(parent, QUtf8(MessageText(*result.refusal, language)), Icon::Error);
    return false;
  }
  Tell(parent, ImportReport(result, language), result.skippedLines.empty() ? Icon::Information : Icon::Warning);
  return result.created + result.changed > 0;
}

}  // namespace zq
