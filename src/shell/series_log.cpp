#include "shell/series_log.h"

#include <vector>

#include "channels/csv_text.h"
#include "platform/file_faults.h"
#include "platform/time_text.h"
#include "text/language_table.h"

namespace zq {
namespace {

Txt FailureText(const TransferOutcome& outcome) {
  switch (outcome.failure) {
    case TransferFailure::WrongModel: return Txt::SeriesResultWrongModel;
    case TransferFailure::IncompatibleVersion: return Txt::SeriesResultIncompatible;
    case TransferFailure::VerifyMismatch: return Txt::SeriesResultVerifyFailed;
    case TransferFailure::Stopped: return outcome.blocksSent ? Txt::SeriesResultStopped : Txt::SeriesResultStoppedEarly;
    case TransferFailure::NoResponse:
    case TransferFailure::None: break;
  }
  return Txt::SeriesResultNoResponse;
}

std::string IdentityOf(const SeriesRadio& radio, int language) {
  return radio.outcome.identity ? IdentityText(*radio.outcome.identity)
                                : std::string(Text(Txt::SeriesUnknownIdentity, language));
}

// The radio number of the log's last line (its second field); 0 without one.
int LastLoggedRadio(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line, last;
  while (std::getline(in, line))
    if (line.find(',') != std::string::npos) last = line;
  const std::size_t start = last.find(',') + 1;
  int number = 0;
  for (std::size_t k = start; start > 0 && k < last.size() && last[k] >= '0' && last[k] <= '9' && number < 1000000; ++k)
    number = number * 10 + (last[k] - '0');
  return number;
}

Txt VerificationText(const SeriesRadio& radio) {
  if (radio.verified) return Txt::SeriesVerifyPassed;
  return radio.outcome.failure == TransferFailure::VerifyMismatch ? Txt::SeriesVerifyDiffers : Txt::SeriesVerifyNotDone;
}

std::string UnitsLineText(const SeriesRecord& record, int language) {
  if (record.unitsLine == 0) return {};
  std::string line = std::to_string(record.unitsLine);
  return record.unitsGivenBack ? FillIn(Text(Txt::SeriesUnitsGivenBack, language), {line}) : line;
}

}  // namespace

std::string SeriesResultText(const SeriesRadio& radio, int language) {
  if (radio.outcome.success)
    return std::string(Text(radio.verified ? Txt::SeriesResultVerified : Txt::SeriesResultWritten, language));
  return std::string(Text(FailureText(radio.outcome), language));
}

std::string SeriesRadioText(const SeriesRadio& radio, int language) {
  return FillIn(Text(Txt::SeriesResultLine, language),
                {std::to_string(radio.number), IdentityOf(radio, language), SeriesResultText(radio, language)});
}

std::string SeriesLogHeader(int language) {
  const std::vector<std::string> fields = {
      std::string(Text(Txt::SeriesLogTime, language)),      std::string(Text(Txt::SeriesLogRadio, language)),
      std::string(Text(Txt::SeriesLogIdentity, language)),  std::string(Text(Txt::SeriesLogFirmware, language)),
      std::string(Text(Txt::SeriesLogResult, language)),    std::string(Text(Txt::SeriesLogPort, language)),
      std::string(Text(Txt::SeriesLogImageHash, language)), std::string(Text(Txt::SeriesLogUnitsLine, language)),
      std::string(Text(Txt::SeriesLogOperator, language)),  std::string(Text(Txt::SeriesLogVerification, language))};
  return CsvRecordText(fields);
}

std::string SeriesLogLine(const SeriesRadio& radio, const LocalTime& when, int language, const SeriesRecord& record) {
  const auto& identity = radio.outcome.identity;
  const std::vector<std::string> fields = {TimeText(when),
                                           std::to_string(radio.number),
                                           identity ? IdentityText(*identity) : std::string(),
                                           identity ? identity->firmwareVersion : std::string(),
                                           SeriesResultText(radio, language),
                                           record.port,
                                           record.imageHash,
                                           UnitsLineText(record, language),
                                           record.operatorName,
                                           std::string(Text(VerificationText(radio), language))};
  return CsvRecordText(fields);
}

bool SeriesLog::Open(const std::filesystem::path& file, int language) {
  language_ = language;
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  if (exists && !std::filesystem::is_regular_file(file, ec)) return false;
  const bool empty = !exists || std::filesystem::file_size(file, ec) == 0;
  numberBefore_ = empty ? 0 : LastLoggedRadio(file);
  if (!FileStepGoesAhead(FileStep::Create)) return false;
  out_.open(file, std::ios::binary | std::ios::app);
  if (!out_) return false;
  if (empty) out_ << SeriesLogHeader(language) << std::flush;
  return static_cast<bool>(out_);
}

bool SeriesLog::Add(const SeriesRadio& radio, const LocalTime& when, const SeriesRecord& record) {
  if (!FileStepGoesAhead(FileStep::Write)) out_.setstate(std::ios::badbit);
  out_ << SeriesLogLine(radio, when, language_, record) << std::flush;
  return static_cast<bool>(out_);
}

}  // namespace zq
