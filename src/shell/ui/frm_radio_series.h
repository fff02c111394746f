#pragma once
// FrmRadioSeries: Program > Write to Group of Radios. Writes the configuration
// into one radio after another on the chosen port until the user stops it,
// and shows what is going on, how many radios were written and failed, the
// last radio's result and every radio that failed. Each radio can go into a
// CSV log, which the window remembers. It shows the data file and the port it
// writes with; "Verify after Write" is the menu's choice, kept in the settings.
#include <QDialog>
#include <memory>
#include <optional>

#include "link/qt/qt_reply_timer.h"
#include "link/radio_series.h"
#include "shell/series_log.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace zq {

class frmMain;

class FrmRadioSeries : public QDialog, private SeriesHost {
  Q_OBJECT
 public:
  explicit FrmRadioSeries(frmMain& main);
  ~FrmRadioSeries() override;

  void Start();
  void Stop();
  // The log file the next start adds to, remembered for the next opening; empty for none.
  void SetLogFile(const QString& file);
  bool running() const { return series_ && series_->running(); }

  QLabel* statusLabel() const { return status_; }
  QLabel* countLabel() const { return count_; }
  QLabel* lastLabel() const { return last_; }
  QListWidget* failedList() const { return failedList_; }

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ChooseLog();
  void ShowCounts();
  void ShowRunning(bool running);

  // SeriesHost
  void WaitingForRadio(int number) override;
  void WritingRadio(int number) override;
  void ShowProgress(int percent) override;
  void VerifyStarted() override;
  void RadioDone(const SeriesRadio& radio) override;
  void WaitingForRemoval(int number) override;
  void SeriesEnded() override;

  frmMain& main_;
  int language_;
  MemoryImage image_;
  std::unique_ptr<SerialPort> port_;
  QtReplyTimer timer_;
  std::unique_ptr<RadioSeries> series_;
  SeriesLog log_;
  QString logFile_;
  std::optional<TransferOutcome> firstWrite_;
  bool logFailed_ = false;

  int failedRadio_ = 0;  // the number of the radio that just failed, 0 after one written

  QLabel* dataFile_ = nullptr;
  QLabel* portName_ = nullptr;
  QCheckBox* verify_ = nullptr;
  QLineEdit* logEdit_ = nullptr;
  QPushButton* chooseLog_ = nullptr;
  QLabel* status_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* last_ = nullptr;
  QListWidget* failedList_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace zq
