#include "shell/series_station.h"

#include "image/sha256.h"
#include "link/radio_identity.h"
#include "platform/time_text.h"
#include "platform/utf8_path.h"

namespace zq {

StationPort::StationPort(SeriesStation& station, std::string name, SerialPort& port, ReplyTimer& timer,
                         StationView& view)
    : station_(station),
      name_(std::move(name)),
      view_(view),
      series_(port, timer, station.image_, station.versions_, *this) {}

void StationPort::WaitingForRadio(int number) { view_.WaitingForRadio(station_.Continued(number)); }

bool StationPort::PrepareRadio(int, MemoryImage& image) {
  if (!station_.Prepare(row_, image, hash_)) return false;
  image_ = image;
  return true;
}

void StationPort::WritingRadio(int number) { view_.WritingRadio(station_.Continued(number)); }

void StationPort::ShowProgress(int percent) { view_.ShowProgress(percent); }

void StationPort::VerifyStarted() { view_.VerifyStarted(); }

void StationPort::RadioDone(const SeriesRadio& done) {
  SeriesRadio radio = done;
  radio.number = station_.Continued(done.number);
  SeriesRecord record = station_.Done(*this, radio, row_, hash_, image_);
  view_.RadioDone(radio, record);
  // Last, as it may stop this series and the others.
  station_.StopWhenUsedUp();
}

void StationPort::WaitingForRemoval(int number) { view_.WaitingForRemoval(station_.Continued(number)); }

void StationPort::SeriesEnded() { view_.SeriesEnded(); }

SeriesStation::SeriesStation(const MemoryImage& image, const RadioConfig& cfg, const VersionList& versions,
                             StationSettings settings, StationHost& host, UnitList* units)
    : image_(image),
      cfg_(cfg),
      versions_(versions),
      settings_(std::move(settings)),
      host_(host),
      units_(units),
      imageHash_(Sha256Hex(image.bytes())),
      firstImage_(image) {}

bool SeriesStation::OpenLog(const std::filesystem::path& file) {
  logFile_ = file;
  return log_.Open(file, settings_.language);
}

StationPort& SeriesStation::AddPort(std::string name, SerialPort& port, ReplyTimer& timer, StationView& view) {
  ports_.push_back(std::make_unique<StationPort>(*this, std::move(name), port, timer, view));
  return *ports_.back();
}

void SeriesStation::StopAll() {
  for (auto& port : ports_) port->series().Stop();
}

void SeriesStation::AbortAll() {
  for (auto& port : ports_)
    if (port->series().running()) port->series().Abort();
}

bool SeriesStation::AnyRunning() const {
  for (const auto& port : ports_)
    if (port->series().running()) return true;
  return false;
}

int SeriesStation::written() const {
  int n = 0;
  for (const auto& port : ports_) n += port->series().written();
  return n;
}

int SeriesStation::failed() const {
  int n = 0;
  for (const auto& port : ports_) n += port->series().failed();
  return n;
}

bool SeriesStation::Prepare(std::optional<int>& row, MemoryImage& image, std::string& hash) {
  if (!units_) {
    hash = imageHash_;
    return true;
  }
  row = units_->Take();
  if (!row) return false;  // every row left is being written elsewhere; one may come back
  image = units_->ImageOf(*row);
  hash = Sha256Hex(image.bytes());
  return true;
}

SeriesRecord SeriesStation::Done(const StationPort& port, const SeriesRadio& radio, std::optional<int>& row,
                                 const std::string& hash, const MemoryImage& image) {
  SeriesRecord record{port.name(), hash, row ? units_->LineOf(*row) : 0, false, settings_.operatorName};
  if (row && radio.outcome.success) units_->Used(*row);
  if (row && !radio.outcome.success) {
    units_->GiveBack(*row);
    record.unitsGivenBack = true;
  }
  const LocalTime now = LocalNow();
  if (log_.isOpen() && !log_.Add(radio, now, record) && !logFailed_) {
    logFailed_ = true;  // once is enough; the series itself goes on
    host_.StationNotice(FillIn(Text(Txt::SeriesLogFailed, settings_.language), {Utf8OfPath(logFile_)}));
  }
  if (radio.outcome.success) {
    if (!settings_.sheetFolder.empty()) WriteSheet(radio, record, row, now);
    if (!firstWrite_) {
      firstWrite_ = radio.outcome;
      firstImage_ = units_ ? image : image_;
    }
  }
  row.reset();
  return record;
}

void SeriesStation::WriteSheet(const SeriesRadio& radio, const SeriesRecord& record, std::optional<int> row,
                               const LocalTime& when) {
  const int language = settings_.language;
  const auto& identity = radio.outcome.identity;
  HandOverFacts facts{radio.number,
                      identity ? IdentityText(*identity) : std::string(),
                      identity ? identity->firmwareVersion : std::string(),
                      record.port,
                      TimeText(when),
                      settings_.operatorName,
                      settings_.dataFile,
                      record.imageHash,
                      SeriesResultText(radio, language),
                      std::string(Text(radio.verified ? Txt::SeriesVerifyPassed : Txt::SeriesVerifyNotDone, language)),
                      {}};
  if (row)
    for (std::size_t k = 0; k < units_->members().size(); ++k)
      facts.unitValues.emplace_back(units_->members()[k], units_->ValuesOf(*row)[k]);
  const std::filesystem::path file = FreeSheetFile(settings_.sheetFolder, radio.number);
  const bool printed = printer_ && printer_->Print(HandOverSheet(facts, row ? units_->ConfigOf(*row) : cfg_, language),
                                                   file, language);
  if (printed) {
    sheets_.push_back(file);
  } else if (!sheetFailed_) {
    sheetFailed_ = true;  // told once: the radios go on being written
    host_.StationNotice(FillIn(Text(Txt::SheetFailed, language), {Utf8OfPath(file)}));
  }
}

void SeriesStation::StopWhenUsedUp() {
  if (!units_ || unitsUsedUp_ || !units_->UsedUp()) return;
  unitsUsedUp_ = true;
  host_.StationNotice(std::string(Text(Txt::SeriesUnitsUsedUp, settings_.language)));
  StopAll();
}

}  // namespace zq
