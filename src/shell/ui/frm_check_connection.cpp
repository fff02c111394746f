#include "shell/ui/frm_check_connection.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "link/qt/event_loop_port.h"
#include "link/qt/qt_reply_timer.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/transfer_controller.h"
#include "widgets/accessible_names.h"
#include "widgets/guarded.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

constexpr std::string_view kDemoDevice = "demo";

QString LineText(const ReportLine& line) { return QUtf8(line.label) + QStringLiteral(": ") + QUtf8(line.value); }

void AddProblemItems(QTreeWidgetItem* parent, const PortProblem& problem, int language) {
  auto* item = new QTreeWidgetItem(
      parent, {QText(Txt::DoctorProblem, language) + QStringLiteral(": ") + QUtf8(ProblemText(problem, language))});
  new QTreeWidgetItem(
      item, {QText(Txt::DoctorRemedy, language) + QStringLiteral(": ") + QUtf8(RemedyText(problem, language))});
}

}  // namespace

FrmCheckConnection::FrmCheckConnection(frmMain& main)
    : QDialog(&main), main_(main), language_(main.state().language()), timer_(std::make_unique<QtReplyTimer>()) {
  setObjectName("FrmCheckConnection");
  setWindowTitle(QUtf8(WithoutAccessKey(Text(Txt::MenuCheckConnection, language_))).remove(QStringLiteral("...")));
  setWindowModality(Qt::WindowModal);

  auto* devicesLabel = new QLabel(QText(Txt::DoctorDevices, language_), this);
  devices_ = new QTreeWidget(this);
  devices_->setObjectName("devices");
  devices_->setHeaderHidden(true);
  devices_->setAccessibleName(QText(Txt::DoctorDevices, language_));  // trees do not take their label's name
  auto* resultLabel = new QLabel(QText(Txt::DoctorResult, language_), this);
  result_ = new QPlainTextEdit(this);
  result_->setObjectName("result");
  result_->setReadOnly(true);
  // A caret the arrows move through the result: the focus shows, and a keyboard user can select and copy it.
  result_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  result_->setAccessibleName(QText(Txt::DoctorResult, language_));
  result_->setPlainText(QText(Txt::DoctorChoosePort, language_));
  check_button_ = new QPushButton(QText(Txt::DoctorCheckButton, language_), this);
  check_button_->setObjectName("check");
  refresh_ = new QPushButton(QText(Txt::DoctorRefreshButton, language_), this);
  refresh_->setObjectName("refresh");
  refresh_->setAutoDefault(false);
  close_ = new QPushButton(QText(Txt::CloseButton, language_), this);
  close_->setObjectName("close");
  close_->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(refresh_);
  buttons->addStretch(1);
  buttons->addWidget(check_button_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(devicesLabel);
  layout->addWidget(devices_, 3);
  layout->addWidget(resultLabel);
  layout->addWidget(result_, 1);
  layout->addLayout(buttons);
  BuddyLabelsOf(*this);

  connect(check_button_, &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmCheckConnection_Check", [&] { CheckSelected(); }); });
  connect(refresh_, &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmCheckConnection_Refresh", [&] { Refresh(); }); });
  connect(close_, &QPushButton::clicked, this, &FrmCheckConnection::reject);
  Refresh();
  resize(640, 480);
}

FrmCheckConnection::~FrmCheckConnection() {
  check_.reset();
  if (port_) port_->Close();
}

void FrmCheckConnection::Refresh() {
  TransferController& transfers = main_.transfers();
  const std::string chosen = transfers.ChosenDevice();
  entries_.clear();
  for (PortFacts& facts : ReadAllPortFacts()) entries_.push_back({facts.device, Diagnose(std::move(facts))});
  // A device the list does not hold (a pseudo-terminal, a name typed in the port window) is still the chosen one.
  if (transfers.demoChosen()) {
    entries_.push_back({std::string(kDemoDevice), std::nullopt});
  } else if (!chosen.empty() && std::ranges::none_of(entries_, [&](const Entry& e) { return e.device == chosen; })) {
    entries_.push_back({chosen, Diagnose(ReadPortFacts(chosen))});
  }
  Fill();
  for (int row = 0; row < devices_->topLevelItemCount(); ++row) {
    const std::string& device = entries_[static_cast<std::size_t>(row)].device;
    if (device == chosen || (device == kDemoDevice && transfers.demoChosen()))
      devices_->setCurrentItem(devices_->topLevelItem(row));
  }
  if (!devices_->currentItem() && devices_->topLevelItemCount() > 0)
    devices_->setCurrentItem(devices_->topLevelItem(0));
}

void FrmCheckConnection::Fill() {
  devices_->clear();
  for (const Entry& entry : entries_) {
    if (!entry.diagnosis) {
      devices_->addTopLevelItem(new QTreeWidgetItem({QText(Txt::DemoPortEntry, language_)}));
      continue;
    }
    const PortDiagnosis& d = *entry.diagnosis;
    QString heading = QUtf8(PortHeading(d.facts));
    if (!d.facts.description.empty()) heading += QStringLiteral("  ") + QUtf8(d.facts.description);
    auto* item = new QTreeWidgetItem({heading});
    for (const ReportLine& line : FactLines(d.facts, language_)) new QTreeWidgetItem(item, {LineText(line)});
    for (const PortProblem& problem : d.problems) AddProblemItems(item, problem, language_);
    if (d.problems.empty()) new QTreeWidgetItem(item, {QText(Txt::DoctorNoProblem, language_)});
    devices_->addTopLevelItem(item);
    item->setExpanded(true);
  }
  if (entries_.empty()) devices_->addTopLevelItem(new QTreeWidgetItem({QText(Txt::NoSerialPorts, language_)}));
  devices_->expandAll();
}

const FrmCheckConnection::Entry* FrmCheckConnection::SelectedEntry() const {
  QTreeWidgetItem* item = devices_->currentItem();
  while (item && item->parent()) item = item->parent();
  if (!item) return nullptr;
  int row = devices_->indexOfTopLevelItem(item);
  return row >= 0 && row < static_cast<int>(entries_.size()) ? &entries_[static_cast<std::size_t>(row)] : nullptr;
}

void FrmCheckConnection::CheckSelected() {
  const Entry* entry = SelectedEntry();
  if (!entry || checking() || main_.transfers().busy()) return;
  // A port that cannot be opened, or that another program reads, is not greeted.
  if (entry->diagnosis && std::ranges::any_of(entry->diagnosis->problems, &PortProblem::blocksHandshake)) {
    result_->setPlainText(QText(Txt::DoctorHandshake, language_) + QStringLiteral(": ") +
                          QText(Txt::DoctorHandshakeSkipped, language_));
    emit checkFinished();
    return;
  }
  const std::string device = entry->device;
  check_.reset();
  if (port_) port_->Close();
  port_ = device == kDemoDevice ? main_.transfers().MakePort() : MakeEventLoopPort();
  check_ = std::make_unique<HandshakeCheck>(*port_, *timer_, main_.state().versions,
                                            [this](const HandshakeReport& report) {
                                              // Told from inside the engine: the report is shown once it has returned.
                                              QTimer::singleShot(0, this, [this, report] { ShowReport(report); });
                                            });
  check_button_->setEnabled(false);
  result_->setPlainText(
      QUtf8(FillIn(Text(Txt::DoctorChecking, language_),
                   {device == kDemoDevice ? std::string(Text(Txt::DemoPortEntry, language_)) : device})));
  check_->Start(device);
}

void FrmCheckConnection::ShowReport(const HandshakeReport& report) {
  QStringList lines;
  for (const ReportLine& line : HandshakeLines(report, language_)) lines << LineText(line);
  if (auto problem = ProblemOf(report)) {
    lines << QText(Txt::DoctorProblem, language_) + QStringLiteral(": ") + QUtf8(ProblemText(*problem, language_));
    lines << QText(Txt::DoctorRemedy, language_) + QStringLiteral(": ") + QUtf8(RemedyText(*problem, language_));
  }
  result_->setPlainText(lines.join(QLatin1Char('\n')));
  check_button_->setEnabled(true);
  emit checkFinished();
}

}  // namespace zq
