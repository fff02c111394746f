#include "shell/ui/frm_radio_series.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "datafile/backups.h"
#include "datafile/install_layout.h"
#include "image/image_codec.h"
#include "shell/transfer_backup.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/transfer_controller.h"
#include "widgets/guarded.h"
#include "widgets/prompter.h"
#include "widgets/ui_text.h"
#include "widgets/accessible_names.h"

namespace zq {
namespace {

QString WithoutAccessKey(QString text) {
  static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)|&"));
  return text.remove(accessKey);
}

QPushButton* Button(Txt text, const char* name, int language, QWidget* parent) {
  auto* button = new QPushButton(QText(text, language), parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

FrmRadioSeries::FrmRadioSeries(frmMain& main) : QDialog(&main), main_(main), language_(main.state().language()) {
  setObjectName("FrmRadioSeries");
  setWindowTitle(WithoutAccessKey(QText(Txt::MenuWriteToGroup, language_)));
  setWindowModality(Qt::WindowModal);

  logEdit_ = new QLineEdit(QText(Txt::SeriesNoLog, language_), this);
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
  if (!series_->Start({main_.transfers().ChosenDevice(), language_, s.settings.verifyWrite}).ok()) {
    Tell(this, QText(Txt::CannotOpenPort, language_), Icon::Error);
    return;
  }
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
  status_->setText(QUtf8(FillIn(Text(Txt::SeriesWaiting, language_), {std::to_string(number)})));
  bar_->setValue(0);
}

void FrmRadioSeries::WritingRadio(int number) {
  status_->setText(QUtf8(FillIn(Text(Txt::SeriesWriting, language_), {std::to_string(number)})));
  bar_->setValue(0);
}

void FrmRadioSeries::ShowProgress(int percent) { bar_->setValue(percent); }

void FrmRadioSeries::VerifyStarted() {
  status_->setText(QText(Txt::VerifyProgressCaption, language_));
  bar_->setValue(0);
}

void FrmRadioSeries::RadioDone(const SeriesRadio& radio) {
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
  status_->setText(QUtf8(FillIn(Text(Txt::SeriesTakeAway, language_), {std::to_string(number)})));
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
