#include "shell/ui/frm_radio_series.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "datafile/backups.h"
#include "datafile/install_layout.h"
#include "image/image_codec.h"
#include "link/port_messages.h"
#include "shell/transfer_backup.h"
#include "shell/user_settings.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/transfer_controller.h"
#include "widgets/guarded.h"
#include "widgets/prompter.h"
#include "widgets/ui_text.h"
#include "widgets/accessible_names.h"

namespace zq {
namespace {

QPushButton* Button(Txt text, const char* name, int language, QWidget* parent) {
  auto* button = new QPushButton(QText(text, language), parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

FrmRadioSeries::FrmRadioSeries(frmMain& main) : QDialog(&main), main_(main), language_(main.state().language()) {
  setObjectName("FrmRadioSeries");
  setWindowTitle(QUtf8(WithoutAccessKey(Text(Txt::MenuWriteToGroup, language_))));
  setWindowModality(Qt::WindowModal);

  const AppState& s = main.state();
  dataFile_ = new QLabel(QText(Txt::SeriesDataFileLabel, language_) + QLatin1Char(' ') +
                             QFileInfo(QUtf8(s.document.fileName)).fileName(), this);
  dataFile_->setObjectName("dataFile");
  portName_ = new QLabel(QText(Txt::SeriesPortLabel, language_) + QLatin1Char(' ') + QText(Txt::PortLabel, language_) +
                             main.transfers().PortDisplayName(), this);
  portName_->setObjectName("port");
  verify_ = new QCheckBox(QText(Txt::MenuVerifyAfterWrite, language_), this);
  verify_->setObjectName("verify");
  verify_->setChecked(s.settings.verifyWrite);
  logEdit_ = new QLineEdit(this);
  logEdit_->setObjectName("logFile");
  logEdit_->setReadOnly(true);
  chooseLog_ = Button(Txt::SeriesChooseLog, "chooseLog", language_, this);
  status_ = new QLabel(this);
  status_->setObjectName("status");
  bar_ = new QProgressBar(this);
  bar_->setObjectName("progressBar");
  bar_->setRange(0, 100);
  bar_->setTextVisible(false);
  count_ = new QLabel(this);
  count_->setObjectName("count");
  last_ = new QLabel(this);
  last_->setObjectName("lastResult");
  last_->setWordWrap(true);
  failedList_ = new QListWidget(this);
  failedList_->setObjectName("failedRadios");
  failedList_->setAccessibleName(QText(Txt::SeriesFailedRadios, language_));  // lists do not take their label's name
  start_ = Button(Txt::SeriesStart, "start", language_, this);
  stop_ = Button(Txt::SeriesStop, "stop", language_, this);
  close_ = Button(Txt::CloseButton, "close", language_, this);

  auto* logRow = new QHBoxLayout;
  logRow->addWidget(new QLabel(QText(Txt::SeriesLogLabel, language_), this));
  logRow->addWidget(logEdit_, 1);
  logRow->addWidget(chooseLog_);
  auto* lastRow = new QHBoxLayout;
  lastRow->addWidget(new QLabel(QText(Txt::SeriesLastResult, language_), this), 0, Qt::AlignTop);
  lastRow->addWidget(last_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(start_);
  buttons->addWidget(stop_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dataFile_);
  layout->addWidget(portName_);
  layout->addWidget(verify_);
  layout->addLayout(logRow);
  layout->addWidget(status_);
  layout->addWidget(bar_);
  layout->addWidget(count_);
  layout->addLayout(lastRow);
  layout->addWidget(new QLabel(QText(Txt::SeriesFailedRadios, language_), this));
  layout->addWidget(failedList_, 1);
  layout->addLayout(buttons);
  BuddyLabelsOf(*this);

  connect(chooseLog_, &QPushButton::clicked, this, [this] { Guarded(this, "FrmRadioSeries_ChooseLog", [&] { ChooseLog(); }); });
  connect(start_, &QPushButton::clicked, this, [this] { Guarded(this, "FrmRadioSeries_Start", [&] { Start(); }); });
  connect(stop_, &QPushButton::clicked, this, [this] { Guarded(this, "FrmRadioSeries_Stop", [&] { Stop(); }); });
  connect(close_, &QPushButton::clicked, this, &FrmRadioSeries::reject);
  connect(verify_, &QCheckBox::toggled, this, [this](bool on) {
    Guarded(this, "FrmRadioSeries_Verify", [&] {
      main_.action(Command::VerifyAfterWrite)->setChecked(on);
      main_.transfers().SetVerifyAfterWrite(on);
    });
  });
  SetLogFile(QUtf8(s.settings.seriesLog));
  status_->setText(QText(Txt::SeriesConnectFirst, language_));
  ShowCounts();
  ShowRunning(false);
  resize(520, 420);
}

FrmRadioSeries::~FrmRadioSeries() {
  series_.reset();
  if (port_) port_->Close();
}

void FrmRadioSeries::SetLogFile(const QString& file) {
  logFile_ = file;
  logEdit_->setText(file.isEmpty() ? QText(Txt::SeriesNoLog, language_) : file);
  AppState& s = main_.state();
  if (s.settings.seriesLog == file.toStdString()) return;
  s.settings.seriesLog = file.toStdString();
  StoreSeriesLog(s.layout.settingsFile, s.settings.seriesLog);
}

void FrmRadioSeries::ChooseLog() {
  QString filter = QText(Txt::CsvFileFilter, language_) + QStringLiteral(" (*.csv)");
  QString chosen = CurrentPrompter().ChooseFileToSave(this, logFile_, filter);
  if (!chosen.isEmpty()) SetLogFile(chosen);
}

void FrmRadioSeries::Start() {
  if (running() || main_.transfers().busy()) return;
  AppState& s = main_.state();
  main_.CommitEditors();
  log_ = SeriesLog();
  logFailed_ = false;
  if (!logFile_.isEmpty() && !log_.Open(logFile_.toStdString(), language_)) {
    Tell(this, QUtf8(FillIn(Text(Txt::SeriesLogFailed, language_), {logFile_.toStdString()})), Icon::Error);
    return;
  }
  RadioConfig cfg = s.config;  // the encoder writes normalised texts back; the document keeps its own
  ClearImage(image_);
  EncodeImage(cfg, image_, ImageOptions{s.systemLocaleId});
  series_.reset();
  if (port_) port_->Close();
  port_ = main_.transfers().MakePort();
  SeriesHost& host = *this;
  series_ = std::make_unique<RadioSeries>(*port_, timer_, image_, s.versions, host);
  firstWrite_.reset();
  failedList_->clear();
  last_->clear();
  const std::string device = main_.transfers().ChosenDevice();
  PortOpenResult opened = series_->Start({device, language_, s.settings.verifyWrite});
  if (!opened.ok()) {
    Tell(this, QUtf8(PortFailureMessage(opened, device, language_)), Icon::Error);
    return;
  }
  failedRadio_ = 0;
  ShowCounts();
  ShowRunning(true);
}

void FrmRadioSeries::Stop() {
  if (!running()) return;
  series_->Stop();
  if (series_->stopping()) status_->setText(QText(Txt::SeriesStopping, language_));
}

void FrmRadioSeries::ShowCounts() {
  const int written = series_ ? series_->written() : 0;
  const int failed = series_ ? series_->failed() : 0;
  count_->setText(QUtf8(FillIn(Text(Txt::SeriesSummary, language_), {std::to_string(written), std::to_string(failed)})));
}

void FrmRadioSeries::ShowRunning(bool running) {
  start_->setEnabled(!running);
  chooseLog_->setEnabled(!running);
  stop_->setEnabled(running);
  close_->setEnabled(!running);
}

void FrmRadioSeries::WaitingForRadio(int number) {
  status_->setText(QUtf8(FillIn(Text(Txt::SeriesWaiting, language_), {std::to_string(log_.Continued(number))})));
  bar_->setValue(0);
}

void FrmRadioSeries::WritingRadio(int number) {
  status_->setText(QUtf8(FillIn(Text(Txt::SeriesWriting, language_), {std::to_string(log_.Continued(number))})));
  bar_->setValue(0);
}

void FrmRadioSeries::ShowProgress(int percent) { bar_->setValue(percent); }

void FrmRadioSeries::VerifyStarted() {
  status_->setText(QText(Txt::VerifyProgressCaption, language_));
  bar_->setValue(0);
}

void FrmRadioSeries::RadioDone(const SeriesRadio& done) {
  SeriesRadio radio = done;
  radio.number = log_.Continued(done.number);
  failedRadio_ = radio.outcome.success ? 0 : radio.number;
  if (!radio.outcome.success) {  // a full bar would look like a success
    bar_->setValue(0);
    status_->setText(QUtf8(FillIn(Text(Txt::SeriesRadioFailed, language_),
                                  {std::to_string(radio.number), SeriesResultText(radio, language_)})));
  }
  QString text = QUtf8(SeriesRadioText(radio, language_));
  for (const std::string& message : radio.outcome.messages) text += QLatin1Char('\n') + QUtf8(message);
  last_->setText(text);
  if (!radio.outcome.success) failedList_->addItem(QUtf8(SeriesRadioText(radio, language_)));
  if (radio.outcome.success && !firstWrite_) firstWrite_ = radio.outcome;
  if (log_.isOpen() && !log_.Add(radio, LocalNow()) && !logFailed_) {
    logFailed_ = true;
    failedList_->addItem(QUtf8(FillIn(Text(Txt::SeriesLogFailed, language_), {logFile_.toStdString()})));
  }
  ShowCounts();
}

void FrmRadioSeries::WaitingForRemoval(int number) {
  if (failedRadio_ != 0) return;  // the failure's own message says to take it away
  status_->setText(QUtf8(FillIn(Text(Txt::SeriesTakeAway, language_), {std::to_string(log_.Continued(number))})));
}

void FrmRadioSeries::SeriesEnded() {
  status_->setText(QText(Txt::SeriesStopped, language_));
  bar_->setValue(0);
  ShowRunning(false);
  if (!firstWrite_) return;
  const AppState& s = main_.state();
  auto folder = s.layout.backupFolder;
  auto backup = BackUpTransfer(*firstWrite_, folder, LocalNow(), image_, s.config, s.document);
  if (backup && !backup->ok) Tell(this, QUtf8(BackupFailedText(folder, language_)), Icon::Warning);
}

void FrmRadioSeries::reject() {
  if (!running()) QDialog::reject();
}

void FrmRadioSeries::closeEvent(QCloseEvent* event) {
  if (running())
    event->ignore();
  else
    QDialog::closeEvent(event);
}

}  // namespace zq
