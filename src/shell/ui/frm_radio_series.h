#pragma once
// FrmRadioSeries: Program > Write to Group of Radios, the programming station.
// Writes the configuration into one radio after another on each chosen port,
// every port a series of its own side by side on the one event loop, until the
// user stops them, all at once or port by port. A row per port shows its state,
// its radios written and its last result; below, what is going on, how many
// radios were written and failed in all, the last radio's result and every
// radio that failed. One CSV log holds every port's radios; a list of per-unit
// values gives each radio the next unused row; each radio written can get a
// one-page hand-over sheet. The log file, the operator and the sheets' folder
// are remembered; "Verify after Write" is the menu's choice, kept in the settings.
// What the ports share is the station of shell/series_station.h, which the
// command line runs too.
#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "print/ui/pdf_sheet_printer.h"
#include "shell/series_station.h"
#include "shell/unit_list.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace zq {

class frmMain;

class FrmRadioSeries : public QDialog, private StationHost {
  Q_OBJECT
 public:
  explicit FrmRadioSeries(frmMain& main);
  ~FrmRadioSeries() override;

  // Every chosen port.
  void Start();
  void Stop();
  // The port of the selected row only; the others go on as they are.
  void StartSelectedPort();
  void StopSelectedPort();
  // The log file the next start adds to, remembered for the next opening; empty for none.
  void SetLogFile(const QString& file);
  void SetSheetFolder(const QString& folder);
  // Adds a port to the list, chosen: a device path or COM number the list does not show.
  void AddPort(const QString& name);
  // Reads and checks a list of per-unit values; a list refused is told and the
  // one loaded before stays.
  bool LoadUnits(const QString& file);
  bool running() const { return station_ && station_->AnyRunning(); }
  const SeriesStation* station() const { return station_.get(); }

  QLabel* statusLabel() const { return status_; }
  QLabel* countLabel() const { return count_; }
  QLabel* lastLabel() const { return last_; }
  QListWidget* failedList() const { return failedList_; }
  QListWidget* portList() const { return portList_; }
  QTableWidget* portTable() const { return table_; }

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class PortRow;
  friend class PortRow;

  void FillPortList();
  QListWidgetItem* AddPortEntry(const QString& text, const QString& name, const std::string& device, bool chosen);
  // The table's rows: the chosen ports while nothing runs, the station's ports after a start.
  void ShowChosenPorts();
  bool BuildStation();
  // Opens the row's port and starts its series; a port that cannot be opened says why in its row.
  bool StartRow(PortRow& row);
  void ChooseLog();
  void ChooseUnits();
  void ChooseSheetFolder();
  void StoreOperator();
  void ShowUnits();
  void ShowCounts();
  void ShowRunning();
  void SetRow(int row, int column, const QString& text);
  // A text about one port, with the port's name when the station has several.
  QString OnPort(const PortRow& row, const std::string& text) const;
  void RowEnded();

  void StationNotice(const std::string& text) override;

  frmMain& main_;
  int language_;
  MemoryImage image_;
  std::optional<UnitList> units_;
  QString unitsFile_;
  PdfSheetPrinter sheetPrinter_;
  // Destroyed before the rows: its series hold the rows' ports and timers.
  std::vector<std::unique_ptr<PortRow>> rows_;
  std::unique_ptr<SeriesStation> station_;
  bool backedUp_ = false;
  QString logFile_;
  QString sheetFolder_;

  QLabel* dataFile_ = nullptr;
  QListWidget* portList_ = nullptr;
  QLineEdit* otherPort_ = nullptr;
  QPushButton* addPort_ = nullptr;
  QCheckBox* verify_ = nullptr;
  QLineEdit* logEdit_ = nullptr;
  QPushButton* chooseLog_ = nullptr;
  QLineEdit* operator_ = nullptr;
  QLineEdit* unitsEdit_ = nullptr;
  QPushButton* loadUnits_ = nullptr;
  QCheckBox* sheets_ = nullptr;
  QLineEdit* sheetFolderEdit_ = nullptr;
  QPushButton* chooseSheetFolder_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* status_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* last_ = nullptr;
  QListWidget* failedList_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* startPort_ = nullptr;
  QPushButton* stopPort_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace zq
