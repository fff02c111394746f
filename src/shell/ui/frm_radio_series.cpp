#include "shell/ui/frm_radio_series.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <fstream>
#include <initializer_list>
#include <iterator>

#include "datafile/backups.h"
#include "datafile/install_layout.h"
#include "image/image_codec.h"
#include "link/port_list.h"
#include "link/port_messages.h"
#include "link/port_names.h"
#include "link/qt/qt_reply_timer.h"
#include "platform/utf8_path.h"
#include "shell/transfer_backup.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/transfer_controller.h"
#include "shell/user_settings.h"
#include "widgets/accessible_names.h"
#include "widgets/guarded.h"
#include "widgets/prompter.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

enum StationColumn { kPortColumn, kStateColumn, kWrittenColumn, kLastColumn, kStationColumns };
constexpr int kNameRole = Qt::UserRole;
constexpr int kDeviceRole = Qt::UserRole + 1;

QPushButton* StationButton(Txt text, const char* name, int language, QWidget* parent) {
  auto* button = new QPushButton(QText(text, language), parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

QLineEdit* ShownPath(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setReadOnly(true);
  return edit;
}

}  // namespace

// One port of the window's station: its own port and reply timer, and its row of the table.
class FrmRadioSeries::PortRow : public StationView {
 public:
  PortRow(FrmRadioSeries& window, int index, QString name, std::string device, std::unique_ptr<SerialPort> port)
      : window_(window), index(index), name(std::move(name)), device(std::move(device)), port(std::move(port)) {}
  ~PortRow() override {
    if (port) port->Close();
  }

  RadioSeries& series() { return station->series(); }

  void WaitingForRadio(int number) override {
    failedRadio_ = 0;
    Say(FillIn(Text(Txt::SeriesWaiting, window_.language_), {std::to_string(number)}));
  }
  void WritingRadio(int number) override {
    Say(FillIn(Text(Txt::SeriesWriting, window_.language_), {std::to_string(number)}));
  }
  void ShowProgress(int percent) override {
    window_.SetRow(index, kStateColumn,
                   QUtf8(FillIn(Text(Txt::StationProgress, window_.language_), {stage_, std::to_string(percent)})));
    if (window_.rows_.size() == 1) window_.bar_->setValue(percent);
  }
  void VerifyStarted() override { Say(std::string(Text(Txt::VerifyProgressCaption, window_.language_))); }
  void RadioDone(const SeriesRadio& radio, const SeriesRecord& record) override {
    const int language = window_.language_;
    failedRadio_ = radio.outcome.success ? 0 : radio.number;
    const std::string line = SeriesRadioText(radio, language);
    if (!radio.outcome.success) {  // a full bar would look like a success
      Say(FillIn(Text(Txt::SeriesRadioFailed, language),
                 {std::to_string(radio.number), SeriesResultText(radio, language)}));
      window_.failedList_->addItem(window_.OnPort(*this, line));
    }
    if (record.unitsGivenBack)
      window_.failedList_->addItem(
          window_.OnPort(*this, FillIn(Text(Txt::SeriesUnitsLineBack, language), {std::to_string(record.unitsLine)})));
    QString text = window_.OnPort(*this, line);
    for (const TextMessage& message : radio.outcome.messages)
      text += QLatin1Char('\n') + QUtf8(Render(message, language));
    window_.last_->setText(text);
    window_.SetRow(index, kWrittenColumn, QString::number(series().written()));
    window_.SetRow(index, kLastColumn, QUtf8(SeriesResultText(radio, language)));
    window_.ShowCounts();
    window_.ShowUnits();
  }
  void WaitingForRemoval(int number) override {
    if (failedRadio_ != 0) return;  // the failure's own message says to take it away
    Say(FillIn(Text(Txt::SeriesTakeAway, window_.language_), {std::to_string(number)}));
  }
  void SeriesEnded() override {
    window_.SetRow(index, kStateColumn, QText(Txt::SeriesStopped, window_.language_));
    window_.RowEnded();
  }

  // What the port does now, in its row and, as the latest news, under the table.
  void Say(const std::string& text) {
    stage_ = text;
    window_.SetRow(index, kStateColumn, QUtf8(text));
    window_.status_->setText(window_.OnPort(*this, text));
    if (window_.rows_.size() == 1) window_.bar_->setValue(0);
  }

  FrmRadioSeries& window_;
  const int index;
  const QString name;
  const std::string device;
  std::unique_ptr<SerialPort> port;
  QtReplyTimer timer;
  StationPort* station = nullptr;

 private:
  std::string stage_;
  int failedRadio_ = 0;  // the number of the radio that just failed, 0 after one written
};

FrmRadioSeries::FrmRadioSeries(frmMain& main) : QDialog(&main), main_(main), language_(main.state().language()) {
  setObjectName("FrmRadioSeries");
  setWindowTitle(QUtf8(WithoutAccessKey(Text(Txt::MenuWriteToGroup, language_))));
  setWindowModality(Qt::WindowModal);

  const AppState& s = main.state();
  dataFile_ = new QLabel(
      QText(Txt::SeriesDataFileLabel, language_) + QLatin1Char(' ') + QFileInfo(QUtf8(s.document.fileName)).fileName(),
      this);
  dataFile_->setObjectName("dataFile");
  portList_ = new QListWidget(this);
  portList_->setObjectName("ports");
  portList_->setAccessibleName(QText(Txt::StationPortsLabel, language_));  // lists do not take their label's name
  otherPort_ = new QLineEdit(this);
  otherPort_->setObjectName("otherPort");
  addPort_ = StationButton(Txt::StationAddPort, "addPort", language_, this);
  table_ = new QTableWidget(0, kStationColumns, this);
  table_->setObjectName("stationPorts");
  table_->setAccessibleName(QText(Txt::StationTableName, language_));
  table_->setHorizontalHeaderLabels(
      {QText(Txt::StationPortColumn, language_), QText(Txt::StationStateColumn, language_),
       QText(Txt::StationWrittenColumn, language_), QText(Txt::StationLastColumn, language_)});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(kStateColumn, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(kPortColumn, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(kWrittenColumn, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(kLastColumn, QHeaderView::ResizeToContents);
  verify_ = new QCheckBox(QText(Txt::MenuVerifyAfterWrite, language_), this);
  verify_->setObjectName("verify");
  verify_->setChecked(s.settings.verifyWrite);
  logEdit_ = ShownPath("logFile", this);
  chooseLog_ = StationButton(Txt::SeriesChooseLog, "chooseLog", language_, this);
  unitsEdit_ = ShownPath("unitsFile", this);
  loadUnits_ = StationButton(Txt::StationLoadUnits, "loadUnits", language_, this);
  operator_ = new QLineEdit(QUtf8(s.settings.seriesOperator), this);
  operator_->setObjectName("operator");
  sheets_ = new QCheckBox(QText(Txt::StationSheets, language_), this);
  sheets_->setObjectName("sheets");
  sheetFolderEdit_ = ShownPath("sheetFolder", this);
  sheetFolderEdit_->setAccessibleName(QUtf8(WithoutAccessKey(Text(Txt::StationSheets, language_))));
  chooseSheetFolder_ = StationButton(Txt::StationChooseSheetFolder, "chooseSheetFolder", language_, this);
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
  failedList_->setAccessibleName(QText(Txt::SeriesFailedRadios, language_));
  // An empty list has nothing to read and no entry to show the focus on: it
  // takes the focus only once it holds a radio.
  auto followRows = [this] { failedList_->setFocusPolicy(failedList_->count() > 0 ? Qt::StrongFocus : Qt::NoFocus); };
  connect(failedList_->model(), &QAbstractItemModel::rowsInserted, this, followRows);
  connect(failedList_->model(), &QAbstractItemModel::modelReset, this, followRows);
  followRows();
  start_ = StationButton(Txt::SeriesStart, "start", language_, this);
  stop_ = StationButton(Txt::SeriesStop, "stop", language_, this);
  startPort_ = StationButton(Txt::StationStartPort, "startPort", language_, this);
  stopPort_ = StationButton(Txt::StationStopPort, "stopPort", language_, this);
  close_ = StationButton(Txt::CloseButton, "close", language_, this);

  auto* chooser = new QVBoxLayout;
  chooser->addWidget(new QLabel(QText(Txt::StationPortsLabel, language_), this));
  chooser->addWidget(portList_, 1);
  auto* otherRow = new QHBoxLayout;
  otherRow->addWidget(new QLabel(QText(Txt::StationOtherPort, language_), this));
  otherRow->addWidget(otherPort_, 1);
  otherRow->addWidget(addPort_);
  chooser->addLayout(otherRow);
  auto* portsRow = new QHBoxLayout;
  portsRow->addLayout(chooser, 2);
  portsRow->addWidget(table_, 3);
  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QText(Txt::SeriesLogLabel, language_), this), 0, 0);
  fields->addWidget(logEdit_, 0, 1);
  fields->addWidget(chooseLog_, 0, 2);
  fields->addWidget(new QLabel(QText(Txt::StationUnitsLabel, language_), this), 1, 0);
  fields->addWidget(unitsEdit_, 1, 1);
  fields->addWidget(loadUnits_, 1, 2);
  fields->addWidget(new QLabel(QText(Txt::StationOperatorLabel, language_), this), 2, 0);
  fields->addWidget(operator_, 2, 1);
  fields->addWidget(sheets_, 3, 0);
  fields->addWidget(sheetFolderEdit_, 3, 1);
  fields->addWidget(chooseSheetFolder_, 3, 2);
  fields->setColumnStretch(1, 1);
  auto* lastRow = new QHBoxLayout;
  lastRow->addWidget(new QLabel(QText(Txt::SeriesLastResult, language_), this), 0, Qt::AlignTop);
  lastRow->addWidget(last_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(startPort_);
  buttons->addWidget(stopPort_);
  buttons->addStretch(1);
  buttons->addWidget(start_);
  buttons->addWidget(stop_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(dataFile_);
  layout->addLayout(portsRow, 2);
  layout->addWidget(verify_);
  layout->addLayout(fields);
  layout->addWidget(status_);
  layout->addWidget(bar_);
  layout->addWidget(count_);
  layout->addLayout(lastRow);
  layout->addWidget(new QLabel(QText(Txt::SeriesFailedRadios, language_), this));
  layout->addWidget(failedList_, 1);
  layout->addLayout(buttons);
  BuddyLabelsOf(*this);

  connect(chooseLog_, &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmRadioSeries_ChooseLog", [&] { ChooseLog(); }); });
  connect(loadUnits_, &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmRadioSeries_LoadUnits", [&] { ChooseUnits(); }); });
  connect(chooseSheetFolder_, &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmRadioSeries_ChooseSheetFolder", [&] { ChooseSheetFolder(); }); });
  connect(addPort_, &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmRadioSeries_AddPort", [&] { AddPort(otherPort_->text()); }); });
  connect(operator_, &QLineEdit::editingFinished, this,
          [this] { Guarded(this, "FrmRadioSeries_Operator", [&] { StoreOperator(); }); });
  connect(start_, &QPushButton::clicked, this, [this] { Guarded(this, "FrmRadioSeries_Start", [&] { Start(); }); });
  connect(stop_, &QPushButton::clicked, this, [this] { Guarded(this, "FrmRadioSeries_Stop", [&] { Stop(); }); });
  connect(startPort_, &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmRadioSeries_StartPort", [&] { StartSelectedPort(); }); });
  connect(stopPort_, &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmRadioSeries_StopPort", [&] { StopSelectedPort(); }); });
  connect(close_, &QPushButton::clicked, this, &FrmRadioSeries::reject);
  connect(table_, &QTableWidget::currentCellChanged, this, [this] { ShowRunning(); });
  connect(portList_, &QListWidget::itemChanged, this,
          [this] { Guarded(this, "FrmRadioSeries_PortChosen", [&] { ShowChosenPorts(); }); });
  connect(verify_, &QCheckBox::toggled, this, [this](bool on) {
    Guarded(this, "FrmRadioSeries_Verify", [&] {
      main_.action(Command::VerifyAfterWrite)->setChecked(on);
      main_.transfers().SetVerifyAfterWrite(on);
    });
  });
  SetLogFile(QUtf8(s.settings.seriesLog));
  SetSheetFolder(QUtf8(s.settings.sheetFolder));
  FillPortList();
  ShowUnits();
  status_->setText(QText(Txt::SeriesConnectFirst, language_));
  ShowCounts();
  ShowRunning();
  resize(720, 560);
}

FrmRadioSeries::~FrmRadioSeries() { station_.reset(); }

QListWidgetItem* FrmRadioSeries::AddPortEntry(const QString& text, const QString& name, const std::string& device,
                                              bool chosen) {
  QSignalBlocker quiet(portList_);
  auto* item = new QListWidgetItem(text, portList_);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
  item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
  item->setData(kNameRole, name);
  item->setData(kDeviceRole, QString::fromStdString(device));
  return item;
}

// The system's ports, then the port the main window writes with when the list
// does not show it (a typed device, the simulated radio); that one is chosen.
void FrmRadioSeries::FillPortList() {
  TransferController& transfers = main_.transfers();
  const std::string current = transfers.ChosenDevice();
  bool currentListed = false;
  for (const PortEntry& entry : ListSerialPorts()) {
    QString text = QString::fromStdString(entry.text() + "  " + entry.device);
    if (!entry.description.empty()) text += QStringLiteral("  ") + QUtf8(entry.description);
    AddPortEntry(text, QString::fromStdString(entry.text()), entry.device, entry.device == current);
    currentListed = currentListed || entry.device == current;
  }
  if (transfers.demoRadio()) {
    AddPortEntry(QText(Txt::DemoPortEntry, language_), QText(Txt::DemoPortEntry, language_),
                 TransferController::kDemoDevice, current == TransferController::kDemoDevice);
    currentListed = currentListed || current == TransferController::kDemoDevice;
  }
  if (!currentListed && !current.empty()) AddPortEntry(QUtf8(current), QUtf8(current), current, true);
  ShowChosenPorts();
}

void FrmRadioSeries::AddPort(const QString& typed) {
  const QString name = typed.trimmed();
  if (name.isEmpty() || running()) return;
  const auto device = DeviceOfPortName(name.toStdString());
  if (!device) {
    Tell(this, QUtf8(FillIn(Text(Txt::PortUnknown, language_), {name.toStdString()})), Icon::Error);
    return;
  }
  for (int k = 0; k < portList_->count(); ++k) {
    if (portList_->item(k)->data(kDeviceRole).toString().toStdString() == *device) {
      portList_->item(k)->setCheckState(Qt::Checked);  // the list shows it already
      otherPort_->clear();
      return;
    }
  }
  AddPortEntry(name, name, *device, true);
  otherPort_->clear();
  ShowChosenPorts();
}

void FrmRadioSeries::ShowChosenPorts() {
  if (running()) return;
  station_.reset();  // a station of other ports is over; its radios are in the log
  rows_.clear();
  table_->setRowCount(0);
  for (int k = 0; k < portList_->count(); ++k) {
    const QListWidgetItem* item = portList_->item(k);
    if (item->checkState() != Qt::Checked) continue;
    const int row = table_->rowCount();
    table_->insertRow(row);
    SetRow(row, kPortColumn, item->data(kNameRole).toString());
    SetRow(row, kStateColumn, QText(Txt::StationNotStarted, language_));
    SetRow(row, kWrittenColumn, QStringLiteral("0"));
    SetRow(row, kLastColumn, QString());
  }
  if (table_->rowCount() > 0) table_->setCurrentCell(0, 0);
  ShowCounts();
  ShowRunning();
}

void FrmRadioSeries::SetRow(int row, int column, const QString& text) {
  if (row >= table_->rowCount()) return;
  if (QTableWidgetItem* item = table_->item(row, column))
    item->setText(text);
  else
    table_->setItem(row, column, new QTableWidgetItem(text));
}

QString FrmRadioSeries::OnPort(const PortRow& row, const std::string& text) const {
  if (rows_.size() < 2) return QUtf8(text);
  return QUtf8(FillIn(Text(Txt::SeriesOnPort, language_), {row.name.toStdString(), text}));
}

void FrmRadioSeries::SetLogFile(const QString& file) {
  logFile_ = file;
  logEdit_->setText(file.isEmpty() ? QText(Txt::SeriesNoLog, language_) : file);
  AppState& s = main_.state();
  if (s.settings.seriesLog == file.toStdString()) return;
  s.settings.seriesLog = file.toStdString();
  StoreSeriesLog(s.layout.settingsFile, s.settings.seriesLog);
}

void FrmRadioSeries::SetSheetFolder(const QString& folder) {
  sheetFolder_ = folder;
  sheetFolderEdit_->setText(folder.isEmpty() ? QText(Txt::StationNoSheetFolder, language_) : folder);
  AppState& s = main_.state();
  if (s.settings.sheetFolder == folder.toStdString()) return;
  s.settings.sheetFolder = folder.toStdString();
  StoreSheetFolder(s.layout.settingsFile, s.settings.sheetFolder);
}

void FrmRadioSeries::StoreOperator() {
  AppState& s = main_.state();
  const std::string name = operator_->text().trimmed().toStdString();
  if (s.settings.seriesOperator == name) return;
  s.settings.seriesOperator = name;
  StoreSeriesOperator(s.layout.settingsFile, name);
}

void FrmRadioSeries::ChooseLog() {
  QString filter = QText(Txt::CsvFileFilter, language_) + QStringLiteral(" (*.csv)");
  QString chosen = CurrentPrompter().ChooseFileToSave(this, logFile_, filter);
  if (!chosen.isEmpty()) SetLogFile(chosen);
}

void FrmRadioSeries::ChooseSheetFolder() {
  QString chosen = CurrentPrompter().ChooseFolder(this, sheetFolder_);
  if (chosen.isEmpty()) return;
  SetSheetFolder(chosen);
  sheets_->setChecked(true);  // a folder is chosen to be used
}

void FrmRadioSeries::ChooseUnits() {
  QString filter = QText(Txt::CsvFileFilter, language_) + QStringLiteral(" (*.csv)");
  QString chosen = CurrentPrompter().ChooseFileToOpen(this, filter);
  if (!chosen.isEmpty()) LoadUnits(chosen);
}

bool FrmRadioSeries::LoadUnits(const QString& file) {
  if (running()) return false;
  const std::string shownName = QFileInfo(file).fileName().toStdString();
  auto refuse = [&](const std::string& why) {
    Tell(this, QUtf8(FillIn(Text(Txt::StationUnitsRefused, language_), {shownName, why})), Icon::Error);
    return false;
  };
  std::error_code ec;
  const std::filesystem::path path = PathFromUtf8(file.toStdString());
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxUnitListBytes) return refuse(std::string(Text(Txt::FileError, language_)));
  std::ifstream in(path, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in && !in.eof()) return refuse(std::string(Text(Txt::FileError, language_)));
  main_.CommitEditors();
  const AppState& s = main_.state();
  std::string problem;
  auto units = UnitList::Read(text, s.config, s.document, ImageOptions{s.systemLocaleId}, language_, problem);
  if (!units) return refuse(problem);
  ShowChosenPorts();  // a station begun with the old list is over
  units_ = std::move(units);
  unitsFile_ = file;
  ShowUnits();
  return true;
}

void FrmRadioSeries::ShowUnits() {
  if (!units_) {
    unitsEdit_->setText(QText(Txt::StationNoUnits, language_));
    return;
  }
  unitsEdit_->setText(QUtf8(FillIn(Text(Txt::StationUnitsShown, language_),
                                   {QFileInfo(unitsFile_).fileName().toStdString(), std::to_string(units_->RowsLeft()),
                                    std::to_string(units_->RowCount())})));
}

bool FrmRadioSeries::BuildStation() {
  std::vector<const QListWidgetItem*> chosen;
  for (int k = 0; k < portList_->count(); ++k)
    if (portList_->item(k)->checkState() == Qt::Checked) chosen.push_back(portList_->item(k));
  if (chosen.empty()) {
    Tell(this, QText(Txt::StationNoPort, language_), Icon::Error);
    return false;
  }
  if (units_ && units_->RowsLeft() == 0) {
    Tell(this, QText(Txt::SeriesUnitsUsedUp, language_), Icon::Information);
    return false;
  }
  if (sheets_->isChecked() && sheetFolder_.isEmpty()) {
    Tell(this, QText(Txt::StationSheetFolderFirst, language_), Icon::Error);
    return false;
  }
  AppState& s = main_.state();
  main_.CommitEditors();
  StoreOperator();
  RadioConfig cfg = s.config;  // the encoder writes normalised texts back; the document keeps its own
  ClearImage(image_);
  EncodeImage(cfg, image_, ImageOptions{s.systemLocaleId});
  station_.reset();
  rows_.clear();
  backedUp_ = false;
  StationSettings settings{language_, s.settings.seriesOperator,
                           QFileInfo(QUtf8(s.document.fileName)).fileName().toStdString(),
                           sheets_->isChecked() ? PathFromUtf8(sheetFolder_.toStdString()) : std::filesystem::path()};
  StationHost& host = *this;
  station_ = std::make_unique<SeriesStation>(image_, cfg, s.versions, settings, host, units_ ? &*units_ : nullptr);
  station_->SetSheetPrinter(&sheetPrinter_);
  if (!logFile_.isEmpty() && !station_->OpenLog(PathFromUtf8(logFile_.toStdString()))) {
    station_.reset();
    Tell(this, QUtf8(FillIn(Text(Txt::SeriesLogFailed, language_), {logFile_.toStdString()})), Icon::Error);
    return false;
  }
  for (const QListWidgetItem* item : chosen) {
    const std::string device = item->data(kDeviceRole).toString().toStdString();
    auto row = std::make_unique<PortRow>(*this, static_cast<int>(rows_.size()), item->data(kNameRole).toString(),
                                         device, main_.transfers().MakePortFor(device));
    row->station = &station_->AddPort(row->name.toStdString(), *row->port, row->timer, *row);
    // A row starts afresh with its new series; the last station's radios are in the log.
    SetRow(row->index, kStateColumn, QText(Txt::StationNotStarted, language_));
    SetRow(row->index, kWrittenColumn, QStringLiteral("0"));
    SetRow(row->index, kLastColumn, QString());
    rows_.push_back(std::move(row));
  }
  failedList_->clear();
  last_->clear();
  ShowCounts();
  return true;
}

bool FrmRadioSeries::StartRow(PortRow& row) {
  const std::string& device = row.device;
  PortOpenResult opened = row.series().Start({device, main_.state().settings.verifyWrite});
  if (opened.ok()) return true;
  // One port that cannot be opened keeps its reason in its row; the others go on.
  if (rows_.size() == 1)
    Tell(this, QUtf8(PortFailureMessage(opened, device, language_)), Icon::Error);
  else
    failedList_->addItem(OnPort(row, PortFailureReason(opened, device, language_)));
  SetRow(row.index, kStateColumn, QUtf8(PortFailureReason(opened, device, language_)));
  return false;
}

void FrmRadioSeries::Start() {
  if (running() || main_.transfers().busy()) return;
  if (!BuildStation()) return;
  for (auto& row : rows_) StartRow(*row);
  ShowRunning();
}

void FrmRadioSeries::StartSelectedPort() {
  const int index = table_->currentRow();
  if (index < 0 || main_.transfers().busy()) return;
  if (!running()) {
    if (!BuildStation()) return;
    table_->setCurrentCell(index, 0);
  }
  if (index >= static_cast<int>(rows_.size()) || rows_[index]->series().running()) return;
  StartRow(*rows_[index]);
  ShowRunning();
}

void FrmRadioSeries::Stop() {
  if (!running()) return;
  station_->StopAll();
  if (running()) status_->setText(QText(Txt::SeriesStopping, language_));
}

void FrmRadioSeries::StopSelectedPort() {
  const int index = table_->currentRow();
  if (!running() || index < 0 || index >= static_cast<int>(rows_.size())) return;
  PortRow& row = *rows_[index];
  row.series().Stop();
  if (row.series().stopping()) SetRow(index, kStateColumn, QText(Txt::SeriesStopping, language_));
  ShowRunning();
}

void FrmRadioSeries::ShowCounts() {
  const int written = station_ ? station_->written() : 0;
  const int failed = station_ ? station_->failed() : 0;
  count_->setText(
      QUtf8(FillIn(Text(Txt::SeriesSummary, language_), {std::to_string(written), std::to_string(failed)})));
}

void FrmRadioSeries::ShowRunning() {
  const bool any = running();
  for (QWidget* idle : std::initializer_list<QWidget*>{start_, chooseLog_, loadUnits_, portList_, otherPort_, addPort_,
                                                       operator_, sheets_, chooseSheetFolder_, close_})
    idle->setEnabled(!any);
  stop_->setEnabled(any);
  const int index = table_->currentRow();
  const bool selected = index >= 0 && index < table_->rowCount();
  const bool selectedRuns = selected && index < static_cast<int>(rows_.size()) && rows_[index]->series().running();
  startPort_->setEnabled(selected && !selectedRuns);
  stopPort_->setEnabled(selectedRuns);
  bar_->setVisible(table_->rowCount() <= 1);  // several ports show their progress in their rows
}

void FrmRadioSeries::RowEnded() {
  ShowRunning();
  if (running()) return;
  status_->setText(QText(station_->unitsUsedUp() ? Txt::SeriesUnitsUsedUp : Txt::SeriesStopped, language_));
  bar_->setValue(0);
  if (backedUp_ || !station_->firstWrite()) return;
  backedUp_ = true;  // one backup for the station, of the image its first radio got
  const AppState& s = main_.state();
  auto folder = s.layout.backupFolder;
  auto backup = BackUpTransfer(*station_->firstWrite(), folder, LocalNow(), station_->firstImage(), s.config,
                               s.document);
  if (backup && !backup->ok) Tell(this, QUtf8(BackupFailedText(folder, language_)), Icon::Warning);
}

void FrmRadioSeries::StationNotice(const std::string& text) {
  // That the list is used up is what the status says once the ports have stopped.
  if (station_ && station_->unitsUsedUp() && text == Text(Txt::SeriesUnitsUsedUp, language_)) return;
  failedList_->addItem(QUtf8(text));
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
