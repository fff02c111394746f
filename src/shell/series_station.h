#pragma once
// A programming station: one configuration written by several ports side by
// side, each port a series of its own (radio_series.h) with its own transfer
// engine, all on one event loop. What the ports share lives here, so that the
// command line and the window run the same station: the per-unit rows handed
// out and given back, the one log with its Port column, the hand-over sheets,
// the operator, and the image the backup keeps. A failure on one port only
// ever touches that port's series.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/radio_config.h"
#include "link/radio_series.h"
#include "print/handover_sheet.h"
#include "shell/series_log.h"
#include "shell/unit_list.h"

namespace zq {

struct StationSettings {
  int language = 1;
  std::string operatorName;
  std::string dataFile;               // the data file's name, as a sheet shows it
  std::filesystem::path sheetFolder;  // empty: no hand-over sheets
};

// What one port of the station shows; radio numbers are those of the log.
class StationView {
 public:
  virtual ~StationView() = default;
  virtual void WaitingForRadio(int number) = 0;
  virtual void WritingRadio(int number) = 0;
  virtual void ShowProgress(int percent) = 0;
  virtual void VerifyStarted() = 0;
  // `record` names the units line, and whether it was given back.
  virtual void RadioDone(const SeriesRadio& radio, const SeriesRecord& record) = 0;
  virtual void WaitingForRemoval(int number) = 0;
  virtual void SeriesEnded() = 0;
};

// What the station as a whole tells: the log or a sheet could not be
// written, the list is used up. The texts are in the station's language.
class StationHost {
 public:
  virtual ~StationHost() = default;
  virtual void StationNotice(const std::string& text) = 0;
};

class SeriesStation;

// One port of the station: its series, and the row its radio is written with.
class StationPort : private SeriesHost {
 public:
  StationPort(SeriesStation& station, std::string name, SerialPort& port, ReplyTimer& timer, StationView& view);

  RadioSeries& series() { return series_; }
  const RadioSeries& series() const { return series_; }
  const std::string& name() const { return name_; }

 private:
  void WaitingForRadio(int number) override;
  bool PrepareRadio(int number, MemoryImage& image) override;
  void WritingRadio(int number) override;
  void ShowProgress(int percent) override;
  void VerifyStarted() override;
  void RadioDone(const SeriesRadio& radio) override;
  void WaitingForRemoval(int number) override;
  void SeriesEnded() override;

  SeriesStation& station_;
  std::string name_;
  StationView& view_;
  RadioSeries series_;
  std::optional<int> row_;  // of the radio being written
  std::string hash_;
  MemoryImage image_;
};

class SeriesStation {
 public:
  // `image` is what every radio gets without a units list; `units`, when
  // given, outlives the station and keeps which rows are used across stations
  // (the window starts a new station after each stop).
  SeriesStation(const MemoryImage& image, const RadioConfig& cfg, const VersionList& versions, StationSettings settings,
                StationHost& host, UnitList* units = nullptr);

  // Continues or begins the log; false when it cannot be written.
  bool OpenLog(const std::filesystem::path& file);
  bool logOpen() const { return log_.isOpen(); }
  // The number radio `number` of a port has in the log.
  int Continued(int number) const { return log_.Continued(number); }

  // The port is not opened here: series().Start() does, so that a port that
  // cannot be opened is told by whoever started it and the others go on.
  StationPort& AddPort(std::string name, SerialPort& port, ReplyTimer& timer, StationView& view);
  std::size_t portCount() const { return ports_.size(); }
  StationPort& port(std::size_t k) { return *ports_.at(k); }

  void StopAll();
  void AbortAll();
  bool AnyRunning() const;
  int written() const;
  int failed() const;
  bool unitsUsedUp() const { return unitsUsedUp_; }
  // The first radio written and the image it got, for the backup.
  const std::optional<TransferOutcome>& firstWrite() const { return firstWrite_; }
  const MemoryImage& firstImage() const { return firstImage_; }
  // The sheet files written so far, in order.
  const std::vector<std::filesystem::path>& sheets() const { return sheets_; }
  void SetSheetPrinter(SheetPrinter* printer) { printer_ = printer; }

 private:
  friend class StationPort;

  // A radio has answered on a port: the image it gets and its hash; false
  // when every row left is being written on other ports.
  bool Prepare(std::optional<int>& row, MemoryImage& image, std::string& hash);
  // Logs the radio, gives its row back or marks it used, writes its sheet.
  SeriesRecord Done(const StationPort& port, const SeriesRadio& radio, std::optional<int>& row, const std::string& hash,
                    const MemoryImage& image);
  void WriteSheet(const SeriesRadio& radio, const SeriesRecord& record, std::optional<int> row, const LocalTime& when);
  void StopWhenUsedUp();

  MemoryImage image_;
  RadioConfig cfg_;
  const VersionList& versions_;
  StationSettings settings_;
  StationHost& host_;
  UnitList* units_;
  std::string imageHash_;
  SeriesLog log_;
  std::filesystem::path logFile_;
  bool logFailed_ = false;
  bool unitsUsedUp_ = false;
  bool sheetFailed_ = false;
  SheetPrinter* printer_ = nullptr;
  std::vector<std::filesystem::path> sheets_;
  std::optional<TransferOutcome> firstWrite_;
  MemoryImage firstImage_;
  std::vector<std::unique_ptr<StationPort>> ports_;
};

}  // namespace zq
