#include "shell/ui/frm_com_set.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <optional>

#include "datafile/install_layout.h"
#include "link/port_list.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/transfer_controller.h"
#include "widgets/accessible_names.h"
#include "widgets/dialog_buttons.h"
#include "widgets/guarded.h"
#include "widgets/prompter.h"
#include "widgets/ui_text.h"

namespace zq {

FrmComSet::FrmComSet(frmMain& main, TransferController& transfers)
    : QDialog(&main), main_(main), transfers_(transfers) {
  int language = main.state().language();
  setWindowTitle(QText(Txt::PortWindowCaption, language));
  setModal(true);
  list_ = new QComboBox(this);
  list_->setObjectName("portList");
  list_->setEditable(true);  // a device outside the list (a pseudo-terminal, an unusual adapter) can be typed
  list_->lineEdit()->setAccessibleName(QText(Txt::PortLabel, language));
  list_->setInsertPolicy(QComboBox::NoInsert);
  list_->setMinimumWidth(260);
  list_->setSizeAdjustPolicy(QComboBox::AdjustToContents);  // adapters' names can be long
  connect(list_, &QComboBox::currentIndexChanged, this,
          [this](int index) { currentPort_ = index < 0 ? 0 : list_->itemData(index).toInt(); });

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QText(Txt::PortLabel, language), this));
  row->addWidget(list_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(OkCancelRow(*this, language, false));
  BuddyLabelsOf(*this);
  connect(findChild<QPushButton*>("ok"), &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmComSet_cmdOK_Click", [this] { OnOk(); }); });

  currentPort_ = transfers_.demoChosen() ? kDemoPortEntry : main.state().settings.portNumber;
  RefreshPorts();
  refresh_.setInterval(1000);
  connect(&refresh_, &QTimer::timeout, this,
          [this] { Guarded(this, "FrmComSet_ReShowComPortTimer", [this] { RefreshPorts(); }); });
  refresh_.start();
  connect(this, &QDialog::finished, &refresh_, &QTimer::stop);
}

std::vector<FrmComSet::ListedPort> FrmComSet::PortsNow() const {
  std::vector<ListedPort> ports;
  const AppState& s = main_.state();
  for (const PortEntry& entry : ListSerialPorts()) {
    QString text = QString::fromStdString(entry.text() + "  " + entry.device);
    if (!entry.description.empty()) text += QStringLiteral("  ") + QUtf8(entry.description);
    QString stable = QUtf8(entry.stableName);
    if (!stable.isEmpty()) text += QStringLiteral("  [") + stable.section(QLatin1Char('/'), -1) + QLatin1Char(']');
    ports.push_back({text, stable, entry.number});
  }
  if (s.settings.portNumber == kNamedDevicePort && !s.namedDevice.empty())
    ports.push_back({QUtf8(s.namedDevice), {}, kNamedDevicePort});
  ports.push_back({QText(Txt::DemoPortEntry, s.language()), {}, kDemoPortEntry});
  return ports;
}

bool FrmComSet::UserIsTyping() const {
  return list_->currentText() != (list_->currentIndex() < 0 ? QString() : list_->itemText(list_->currentIndex()));
}

// The window's current port stays selected while it exists; otherwise the first
// port. The simulated radio is never taken for a port that went away.
void FrmComSet::SelectCurrent() {
  int index = list_->findData(currentPort_);
  if (index < 0 && list_->count() > 0 && list_->itemData(0).toInt() != kDemoPortEntry) index = 0;
  if (index < 0) {
    list_->setCurrentIndex(-1);
    list_->setEditText(QString());
    currentPort_ = 0;
    return;
  }
  list_->setCurrentIndex(index);
  currentPort_ = list_->currentData().toInt();
}

// Only entries that came or went are touched, so an open drop-down, its
// highlighted row and the selection stay where the user left them.
void FrmComSet::RefreshPorts() {
  if (UserIsTyping()) return;  // the list waits until the typed name is taken or dropped
  const std::vector<ListedPort> ports = PortsNow();
  QSignalBlocker quiet(list_);
  auto listed = [&](int row) {
    return ListedPort{list_->itemText(row), list_->itemData(row, Qt::ToolTipRole).toString(),
                      list_->itemData(row).toInt()};
  };
  for (int row = list_->count() - 1; row >= 0; --row)
    if (std::find(ports.begin(), ports.end(), listed(row)) == ports.end()) list_->removeItem(row);
  for (int row = 0; row < static_cast<int>(ports.size()); ++row) {
    if (row < list_->count() && listed(row) == ports[row]) continue;
    list_->insertItem(row, ports[row].text, ports[row].number);
    list_->setItemData(row, ports[row].tip, Qt::ToolTipRole);
  }
  SelectCurrent();
}

void FrmComSet::OnOk() {
  AppState& s = main_.state();
  QString text = list_->currentText().trimmed();
  int index = list_->findText(text);
  std::optional<PortChoice> choice;
  if (text.isEmpty()) {
    s.settings.portNumber = 0;  // nothing chosen; not saved
    transfers_.ChooseDemo(false);
  } else if (index >= 0 && list_->itemData(index).toInt() == kDemoPortEntry) {
    transfers_.ChooseDemo(true);
  } else if (index >= 0) {
    int number = list_->itemData(index).toInt();
    choice = number == kNamedDevicePort ? PortChoice{number, s.namedDevice} : PortChoice{number, ""};
  } else {
    choice = ChoiceOfTypedName(text.toStdString());
    if (!choice) {  // the window stays open on what was typed, so it can be corrected
      Tell(this, RefusalOf(text), Icon::Error);
      return;
    }
  }
  if (choice) {
    s.settings.portNumber = choice->portNumber;
    s.namedDevice = choice->namedDevice;
    SavePortChoice(s.layout.settingsFile, *choice);
    transfers_.ChooseDemo(false);
  }
  accept();
}

QString FrmComSet::RefusalOf(const QString& typed) const {
  const int language = main_.state().language();
  const std::string name = typed.toStdString();
  const auto device = DeviceOfPortName(name);
  std::error_code ec;
  Txt why = Txt::PortUnknown;
  if (device && *device == name)
    why = std::filesystem::exists(*device, ec) ? Txt::PortNotSerial : Txt::PortDeviceMissing;
  return QUtf8(FillIn(Text(why, language), {name}));
}

}  // namespace zq
